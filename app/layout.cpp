// Fitting controls and grid columns to their texts.
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>

#include "app/mainwindow.h"
#include "app/platform.h"

int TForm1::TextWidth(const QString& text) const { return QFontMetrics(font()).horizontalAdvance(text); }

namespace {
int RightEdge(const QWidget* w) { return w->x() + w->width(); }
void SetLeft(QWidget* w, int left) { w->move(left, w->y()); }
void SetWidth(QWidget* w, int width) { w->resize(width, w->height()); }
}  // namespace

void TForm1::Omskalning() {
  // Duct tab: the field widths follow the longest caption they must show. The
  // measuring texts are never shown.
  const int w1 = TextWidth("X Diam (mm)") + 10;
  const int w2 = TextWidth("Max Pa/m)");
  if (w1 > MaxPaPerMeter->width()) {
    SetWidth(MaxPaPerMeter, w2 + 5);
    SetWidth(MaxMeterPerSek, w2 + 5);
    SetWidth(Flow, w2 + 5);
    SetLeft(MaxMeterPerSek, RightEdge(Flow) + 1);
    SetLeft(MaxPaPerMeter, RightEdge(MaxMeterPerSek) + 1);
    SetLeft(SpeedButton1, RightEdge(MaxPaPerMeter) + 9);
    SetLeft(StringGrid1, RightEdge(SpeedButton1) + 2);
    SetLeft(Sida, MaxMeterPerSek->x());
    SetWidth(Sida, w1 + 5);
    SetLeft(SidaLabel, Sida->x());
    SetLeft(Steg, RightEdge(Sida) + 2);
    SetWidth(Steg, w1 + 5);
    SetWidth(StringGrid1, Kanalber->width() - StringGrid1->x() - 1);
    SetLeft(Ytrahet, Steg->x());
    SetWidth(Ytrahet, TextWidth(QString::fromUtf8("YTRÅHET (mm)")));
    SetLeft(ComboBox1, Flow->x());
    SetWidth(ComboBox1, RightEdge(Sida) - ComboBox1->x());
    SetWidth(Temperatur, TextWidth(" TEMP. C ") + 3);
    SetLeft(Temperatur, RightEdge(Sida) - Temperatur->width());
    SetLeft(Isolering, Steg->x());
    SetWidth(Isolering, Steg->width());
    SetLeft(EnhetRadioGroup, Flow->x());
    SetLeft(SpinEdit1, Temperatur->x());
    SetLeft(Label1, RightEdge(SpinEdit1) + 5);
  }

  // Pipe tab.
  const int w3 = TextWidth(RYtrahet->LabelCaption());
  if (w3 > RYtrahet->width()) {
    SetWidth(RInvDiam, w3 + 5);
    SetWidth(RYtrahet, w3 + 5);
    SetLeft(RInvDiam, RightEdge(RYtrahet) + 3);
    SetWidth(GroupBox1, RightEdge(RInvDiam) + 3);
    SetWidth(RMtrlComboBox, GroupBox1->width() - 6);
    SetLeft(GroupBox4, GroupBox1->width() + 4);
    const int w4 = TextWidth(RHast->LabelCaption());
    for (TEdit* e : {RTemp, RKinViskos, RDensitet, RFlow, RHast, RvardeRoer}) SetWidth(e, w4);
    SetLeft(RTemp, RightEdge(GroupBox4) + 3);
    SetLeft(RFlow, RTemp->x());
    SetLeft(RKinViskos, RFlow->x() + w4 + 3);
    SetLeft(RHast, RKinViskos->x());
    SetLeft(RDensitet, RKinViskos->x() + w4 + 3);
    SetLeft(RvardeRoer, RDensitet->x());
    SetLeft(EnhetRorRadioGroup, RDensitet->x() + w4 + 3);
    SetLeft(EnhetRorDpRadioGroup, RightEdge(EnhetRorRadioGroup) + 3);
    SetLeft(SpeedButton3, EnhetRorRadioGroup->x());
  }

  // Power tab.
  const int w5 = TextWidth(CalkValRadioGroup->ItemText(0));
  if (w5 > CalkValRadioGroup->width()) {
    SetWidth(CalkValRadioGroup, w5 + 40);
    SetLeft(Panel2, RightEdge(CalkValRadioGroup) + 10);
    const int w6 = TextWidth(EffektEdit->LabelCaption());
    SetWidth(Panel2, RightEdge(EffektEdit) + w6 + 5);
    SetLeft(DeltaT, RightEdge(Panel2) + 3);
    SetLeft(SpecHeatKapacitet, RightEdge(DeltaT) + 3);
    SetLeft(Label3, SpecHeatKapacitet->x());
    SetLeft(Image2, DeltaT->x());
    const int w7 = TextWidth(Label3->text());
    SetWidth(SpecHeatKapacitet, w7 + 5);
    SetWidth(SpeedButton4, SpecHeatKapacitet->width());
    SetLeft(SpeedButton4, SpecHeatKapacitet->x());
    SetWidth(Effekt, RightEdge(SpecHeatKapacitet) + 5);
  }
}

void TForm1::KolumnBredd() {
  const int s = platform_.ScrollBarWidth() + 3;
  const auto textWidth = [](const TStringGrid* grid, const QString& text) {
    return QFontMetrics(grid->font()).horizontalAdvance(text);
  };

  StringGrid1->SetColWidth(1, textWidth(StringGrid1, StringGrid1->Cell(1, 0)) + 10);
  StringGrid1->SetColWidth(0, StringGrid1->ColWidth(1));
  const int r = StringGrid1->ShowsVerticalScrollBar() ? s : 3;
  StringGrid1->SetColWidth(2, StringGrid1->width() - StringGrid1->ColWidth(0) - StringGrid1->ColWidth(1) -
                                  StringGrid1->GridLineWidth() * StringGrid1->ColCount() - r);

  StringGrid2->SetColWidth(1, 0);
  StringGrid2->SetColWidth(0, StringGrid2->width() - StringGrid2->GridLineWidth() * StringGrid2->ColCount() - s);

  CO2Grid->SetColWidth(2, textWidth(CO2Grid, CO2Grid->Cell(2, 0)) + 10);
  CO2Grid->SetColWidth(1, CO2Grid->ColWidth(2));
  CO2Grid->SetColWidth(0, CO2Grid->width() - CO2Grid->ColWidth(2) - CO2Grid->ColWidth(1) - s -
                              CO2Grid->GridLineWidth() * CO2Grid->ColCount());
}

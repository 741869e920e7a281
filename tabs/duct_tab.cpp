// The duct tab: friction pressure drop and velocity of air ducts, listed for
// one dimension or a series, the largest flow under a limit, and flow sums.
#include <QGuiApplication>
#include <QPainter>
#include <QScopeGuard>
#include <array>
#include <cmath>

#include "app/controls.h"
#include "app/duct_run_window.h"
#include "app/mainwindow.h"
#include "app/platform.h"
#include "calc/duct.h"
#include "calc/duct_series.h"
#include "calc/errors.h"
#include "calc/flow_search.h"
#include "calc/units.h"
#include "lang/texts.h"
#include "tabs/search_ends.h"

namespace {

// The standard circular dimensions and the joint coefficients of the Veloduct
// product line, as stored texts; the Lindab line has 0 throughout.
struct SeriesRow {
  const char* dimension;
  const char* veloduct;
};
constexpr std::array<SeriesRow, 14> kSeries = {{{"63", "0"},
                                                {"80", "0"},
                                                {"100", "0"},
                                                {"125", "0"},
                                                {"160", "0"},
                                                {"200", "0"},
                                                {"250", "0.019"},
                                                {"315", "0.024"},
                                                {"400", "0.031"},
                                                {"500", "0.0216"},
                                                {"630", "0.0136"},
                                                {"800", "0.0182"},
                                                {"1000", "0.0143"},
                                                {"1250", "0.0147"}}};

// A rectangular series longer than this is refused before it is computed.
constexpr long long kMaxSeriesRows = 100000;

bool IsConcrete(const QString& material) { return material.contains("Betong") || material.contains("Beton"); }

bool HasSideSeparator(const QString& text) { return text.contains('*') || text.contains('x') || text.contains('X'); }

}  // namespace

void TForm1::BuildDuctTab() {
  QWidget* p = Kanalber;
  Flow = Edit(p, "Flow", "l/s", {2, 15, 57, 21});
  MaxMeterPerSek = Edit(p, "MaxMeterPerSek", "Max m/s", {61, 15, 57, 21});
  MaxPaPerMeter = Edit(p, "MaxPaPerMeter", "Max Pa/m", {120, 15, 57, 21});
  SpeedButton1 = Placed(new TSpeedButton(p, "SpeedButton1", calculatorIcon_), {184, 14, 33, 22});
  SetHint(SpeedButton1, lang::Swedish("SpeedButton1", lang::kHint));
  StringGrid1 = Placed(new TStringGrid(p, "StringGrid1", 3, 5), {209, 0, 290, 88});
  StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  CheckBox1 = Placed(new TCheckBox(p, "CheckBox1", lang::Swedish("CheckBox1", lang::kCaption)), {2, 38, 56, 16});
  CirkRadioButton =
      Placed(new TRadioButton(p, "CirkRadioButton", lang::Swedish("CirkRadioButton", lang::kCaption)), {2, 54, 56, 16});
  RektRadioButton = Placed(new TRadioButton(p, "RektRadioButton", "Rekt."), {2, 70, 56, 16});
  new ExclusiveTabStop(p, {CirkRadioButton, RektRadioButton});
  // Neither shape is chosen yet: the caption for rectangular ducts.
  SidaLabel = Label(p, "SidaLabel", lang::Swedish("GRektSidaText", lang::kPrivate), {61, 39});
  Sida = Placed(new TComboBox(p, "Sida"), {61, 53, 62, 21});
  Sida->SetDropDown(true);
  Steg = Edit(p, "Steg", lang::Swedish("Steg", lang::kLabel), {125, 53, 57, 21}, "100");
  ComboBox1 = Placed(new TComboBox(p, "ComboBox1"), {2, 126, 180, 21});
  ComboBox1->SetItems({lang::Swedish("ComboBox1", lang::kItem, 0), lang::Swedish("ComboBox1", lang::kItem, 1),
                       lang::Swedish("ComboBox1", lang::kItem, 2)});
  ComboBox1->SetText(ComboBox1->itemText(0));
  Isolering = Edit(p, "Isolering", "Isolering", {125, 126, 57, 21}, "0");
  EnhetRadioGroup = Placed(
      new TRadioGroup(p, "EnhetRadioGroup", lang::Swedish("EnhetRadioGroup", lang::kCaption), {"l/s", "m3/h"}, 0),
      {2, 152, 57, 52});
  Temperatur = Edit(p, "Temperatur", "Temp. C", {61, 168, 57, 21}, "20");
  Ytrahet = Edit(p, "Ytrahet", lang::Swedish("Ytrahet", lang::kLabel), {125, 168, 57, 21});
  SpinEdit1 = Placed(new TSpinEdit(p, "SpinEdit1", 0, 10, 5), {61, 208, 45, 21});
  Label1 = Label(p, "Label1", lang::Swedish("Label1", lang::kCaption), {111, 212});
  StringGrid2 = Placed(new TStringGrid(p, "StringGrid2", 2, 2), {2, 248, 180, 5});
  StringGrid2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // The series table is a 5-pixel strip nobody sees; the Tab key passes it.
  StringGrid2->setFocusPolicy(Qt::NoFocus);
  // The result grid lies over the settings it reaches when the window grows.
  StringGrid1->raise();
  // The Tab key reads the settings first and the result grid, the column at
  // the right, last.
  setTabOrder(SpinEdit1, StringGrid1);
  SidaLabel->Names(Sida);
  Label1->Names(SpinEdit1);
  KeepFromScreenReaders(StringGrid2);
  // In a search only one limit is used; the other is off, not a result.
  for (TEdit* limit : {MaxMeterPerSek, MaxPaPerMeter}) limit->SetResultWhen([] { return false; });
  WireDuctTab();
}

void TForm1::WireDuctTab() {
  ComboBox1->OnClick = [this] { ComboBox1Click(); };
  ComboBox1->OnChange = [this] { SidaClick(); };
  CirkRadioButton->OnClick = [this] { CirkRadioButtonClick(); };
  RektRadioButton->OnClick = [this] { RektRadioButtonClick(); };
  Sida->OnChange = [this] { SidaClick(); };
  Sida->OnClick = [this] { SidaClick(); };
  Steg->OnChange = [this] { StegChange(); };
  Isolering->OnChange = [this] { IsoleringChange(); };
  Isolering->OnEnter = [this] { isoleringEntered_ = Isolering->Text(); };
  Isolering->OnExit = [this] { IsoleringExit(); };
  EnhetRadioGroup->OnClick = [this] { EnhetRadioGroupClick(); };
  Flow->OnChange = [this] { FlowChange(); };
  Flow->OnExit = [this] { FlowExit(); };
  Flow->OnDblClick = [this] { FlowDblClick(); };
  MaxMeterPerSek->OnEnter = [this] { MaxMeterPerSekEnter(); };
  MaxMeterPerSek->OnExit = [this] { MaxMeterPerSekExit(); };
  MaxPaPerMeter->OnEnter = [this] { MaxPaPerMeterEnter(); };
  MaxPaPerMeter->OnExit = [this] { MaxPaPerMeterExit(); };
  Temperatur->OnChange = [this] { TemperaturChange(); };
  Temperatur->OnExit = [this] { TemperaturExit(); };
  CheckBox1->OnClick = [this] { CheckBox1Click(); };
  SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
  StringGrid1->OnDrawCell = [this](int col, int row, const QRect& rect, TGridCanvas& canvas) {
    StringGrid1DrawCell(col, row, rect, canvas);
  };
  // A cell over its limit is red; a screen reader says it in words.
  StringGrid1->SpokenCell = [this](int col, int row, const QString& text) {
    return OverLimit(col, row) ? text + QStringLiteral(", ") + GOverGransen : text;
  };
}

void TForm1::FitDuctControls() {
  // The field widths follow the longest caption they must show. The
  // measuring texts are never shown; "Max Pa/m)" is measured with its
  // unbalanced parenthesis, and the widths depend on it.
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
}

void TForm1::FitDuctColumns(int scrollBarRoom) {
  // Velocity and pressure drop as wide as the pressure drop's heading; the
  // dimension takes the rest of the grid.
  StringGrid1->SetColWidth(1, TextWidthIn(StringGrid1, StringGrid1->Cell(1, 0)) + 10);
  StringGrid1->SetColWidth(0, StringGrid1->ColWidth(1));
  const int r = StringGrid1->ShowsVerticalScrollBar() ? scrollBarRoom : 3;
  StringGrid1->SetColWidth(2, StringGrid1->width() - StringGrid1->ColWidth(0) - StringGrid1->ColWidth(1) -
                                  StringGrid1->GridLineWidth() * StringGrid1->ColCount() - r);

  StringGrid2->SetColWidth(1, 0);
  StringGrid2->SetColWidth(
      0, StringGrid2->width() - StringGrid2->GridLineWidth() * StringGrid2->ColCount() - scrollBarRoom);
}

std::optional<float> TForm1::Rvaerde(const QString& dim, float flode, float ytRahet, float ksi, int isolering) {
  const std::string dimText = dim.toStdString();
  const std::string temperature = Temperatur->Text().toStdString();
  calc::DuctAir air;
  air.temperature = temperature;
  air.unit =
      EnhetRadioGroup->ItemIndex() == 1 ? calc::AirFlowUnit::CubicMetresPerHour : calc::AirFlowUnit::LitresPerSecond;
  air.circularChosen = CirkRadioButton->Checked();
  const auto result = calc::Rvaerde(dimText, flode, ytRahet, ksi, isolering, air, Fmt());
  // Without a result (no flow, or no inner size left) there is no velocity
  // either.
  GHastighet = result ? result->v : 0.0f;
  if (!result) return std::nullopt;
  return result->r;
}

QString TForm1::MaterialRoughness() const {
  // The roughness in mm that each material text starts with, up to and
  // including its first blank.
  const QString material = ComboBox1->Text();
  const qsizetype blank = material.indexOf(' ');
  return blank < 0 ? QString() : DecimalFormat(material.left(blank + 1));
}

QString TForm1::PressureDropText(float r) const {
  if (r < 0.1) return FloatToStrF(r, 15, 3);
  if (r < 1) return FloatToStrF(r, 15, 2);
  return FloatToStrF(r, 15, 1);
}

// ---- Materials, shapes and the dimension series ---------------------------

void TForm1::ShowDuctMaterialAndHeadings() {
  if (ComboBox1->Text().isEmpty()) ComboBox1->SetText(ComboBox1->itemText(0));
  StringGrid1->SetCell(0, 0, "m/s");
  StringGrid1->SetCell(1, 0, "Pa/m");
  StringGrid1->SetCell(2, 0, "Dimension");
}

void TForm1::FollowDuctMaterial() {
  Ytrahet->SetText(MaterialRoughness());
  ComboBox1Click();
  // The side list offers the dimensions of the series just built.
  Sida->SetItems({});
  Sida->SetText(QString());
  QStringList dimensions;
  for (int row = 1; row < StringGrid2->RowCount(); ++row) dimensions << StringGrid2->Cell(0, row);
  Sida->SetItems(dimensions);
}

void TForm1::Kanaldimensioner() {
  const QString material = ComboBox1->Text();
  const auto load = [this](bool veloduct) {
    StringGrid2->SetRowCount(static_cast<int>(kSeries.size()) + 1);
    StringGrid2->SetCell(0, 0, "Cirk. dim");
    for (int row = 1; row <= static_cast<int>(kSeries.size()); ++row) {
      const SeriesRow& entry = kSeries[static_cast<std::size_t>(row - 1)];
      StringGrid2->SetCell(0, row, entry.dimension);
      StringGrid2->SetCell(1, row, veloduct ? entry.veloduct : "0");
    }
  };
  if (material.contains("Veloduct")) load(true);
  if (material.contains("Lindab")) load(false);
}

void TForm1::ComboBox1Click() {
  Kanaldimensioner();
  const QString material = ComboBox1->Text();
  const qsizetype blank = material.indexOf(' ');
  QString heading = "Dim. /" + (blank < 0 ? material.left(20) : material.mid(blank, 20));
  if (Isolering->Text() != "0") heading += " -" + Isolering->Text();
  StringGrid1->SetCell(2, 0, heading);
  if (IsConcrete(material))
    Sida->SetDropDown(false);
  else if (CirkRadioButton->Checked())
    Sida->SetDropDown(true);
  ComboBox1->update();
  if (CirkRadioButton->Checked()) CirkRadioButtonClick();
}

void TForm1::CirkRadioButtonClick() {
  StringGrid1->SetRowCount(5);
  if (!IsConcrete(ComboBox1->Text())) {
    Sida->SetDropDown(true);
    Sida->SetText(QString());
  }
  // Keep the last whole-number step the user had for rectangular ducts; a
  // joint coefficient or the circular "0" shown in the field is no step.
  const QString step = DecimalFormat(Steg->Text());
  int stepValue = 0;
  if (calc::TryStrToInt(step.toStdString(), stepValue) && stepValue > 0) GStegText = step;
  Steg->SetText("0");
  Steg->SetLabelCaption(JointCaption());
  NameStegField();
  SidaLabel->SetCaption(GCirkSidaText);
  SidaChange();
}

QString TForm1::JointCaption() const { return Say(lang::Word("JointCaption")); }

void TForm1::NameStegField() {
  // Captioned "ð" only, the field of a circular duct is heard as what it
  // holds: the joint coefficient.
  const bool joint = Steg->LabelCaption() == JointCaption();
  Steg->SetSpokenWhat(joint ? GEngangsmotstand : QString());
  // Its description, too, is the joint coefficient's, not the rectangular
  // step's of the hint; a red field's reason still goes first.
  SetOwnDescription(Steg, joint ? Say(lang::Word("JointDescription")) : QString());
}

void TForm1::RektRadioButtonClick() {
  StringGrid1->SetRowCount(5);
  Sida->SetDropDown(false);
  Steg->SetLabelCaption(GStegRubrik);
  NameStegField();
  if (GStegText == "0") GStegText = "100";
  Steg->SetText(GStegText);
  Sida->SetText(QString());
  SidaLabel->SetCaption(GRektSidaText);
}

void TForm1::SidaClick() {
  if (!RektRadioButton->Checked()) {
    const int item = Sida->ItemIndex();
    if (item < 0)
      Steg->SetText("0");
    else if (ComboBox1->Text().contains("Fz"))
      Steg->SetText(DecimalFormat(StringGrid2->Cell(1, item + 1)));
  }
  if (!Sida->DropDown()) Sida->SetColor(Sida->Text().isEmpty() ? TColor::clRed : TColor::clWindow);
}

void TForm1::SidaChange() {
  const QString text = Sida->Text();
  if (CirkRadioButton->Checked() && text.isEmpty()) {
    Sida->SetColor(TColor::clWindow);
    return;
  }
  int whole = 0;
  if (calc::TryStrToInt(text.toStdString(), whole)) {
    Sida->SetColor(TColor::clWindow);
    return;
  }
  if (RektRadioButton->Checked()) {
    if (HasSideSeparator(text)) {
      Sida->SetColor(TColor::clWindow);
    } else {
      Sida->SetColor(TColor::clRed);
      Sida->setFocus(Qt::OtherFocusReason);
    }
  }
  if (CirkRadioButton->Checked()) Sida->SetColor(TColor::clRed);
}

void TForm1::SidaExit() {
  QString text = Sida->Text();
  if (const qsizetype x = text.indexOf('x'); x >= 0) text[x] = '*';
  if (const qsizetype x = text.indexOf('X'); x >= 0) text[x] = '*';
  Sida->SetText(text);
}

bool TForm1::SidaTest() {
  bool complete = true;
  if (RektRadioButton->Checked()) {
    const QString text = Sida->Text();
    if (!HasSideSeparator(text)) complete = false;
    for (QChar separator : {QChar('*'), QChar('x'), QChar('X')})
      if (text.indexOf(separator) + 1 == text.size()) complete = false;
  }
  Sida->SetColor(complete ? TColor::clWindow : TColor::clRed);
  if (!complete) Sida->setFocus(Qt::OtherFocusReason);
  return complete;
}

void TForm1::StegChange() { Steg->ColourRequired(); }

void TForm1::IsoleringChange() {
  Isolering->ColourRequired();
  if (Isolering->Text().isEmpty()) Isolering->SetText("0");
  Ytrahet->SetText(Isolering->Text() != "0" ? InsulationRoughness() : MaterialRoughness());
  Ytrahet->update();
  ComboBox1Click();
}

void TForm1::IsoleringExit() {
  if (Isolering->Text().isEmpty()) Isolering->SetText("0");
  // Leaving the field as it was entered changes no insulation: the sizing
  // shown stays (the material handler would set the grid back to five rows).
  if (Isolering->Text() == isoleringEntered_) return;
  ComboBox1Click();
}

// ---- The ENTER run ---------------------------------------------------------

void TForm1::ClearResultRows() {
  const TStringGrid::UpdateLock lock(StringGrid1);
  for (int row = 1; row < StringGrid1->RowCount(); ++row)
    for (int col = 0; col < StringGrid1->ColCount(); ++col) StringGrid1->SetCell(col, row, QString());
}

bool TForm1::InsulationLeavesDuct() {
  // Sides and thickness are whole millimetres; twice a thickness may pass
  // the whole-number range, so the sums are formed wider.
  const long long i = StrToInt(Isolering->Text());
  const QString side = Sida->Text();
  bool tooSmall = false;
  if (RektRadioButton->Checked()) {
    if (const qsizetype star = side.indexOf('*'); star >= 0) {
      tooSmall = StrToInt(side.left(star)) - 2 * i <= 0 || StrToInt(side.mid(star + 1)) - 2 * i <= 0;
    } else {
      tooSmall = StrToInt(side) - 2 * i <= 0;
    }
  } else if (CirkRadioButton->Checked() && !side.isEmpty()) {
    tooSmall = StrToInt(side) - 2 * i <= 0;
  }
  if (!tooSmall) return true;
  ClearResultRows();
  Sida->SetColor(TColor::clRed);
  Sida->setFocus(Qt::OtherFocusReason);
  ShowMessage(GMeddKanalTillIsol);
  return false;
}

bool TForm1::RectangularSeriesAccepted(long long step, const calc::RectangularSeries& series) {
  // A series of rectangular ducts needs a step of at least 1 mm, and a
  // length that can be listed.
  QString refusal;
  if (step <= 0)
    refusal = Say(lang::Word("StepAboveZero"));
  else if (series.count > kMaxSeriesRows)
    refusal = Say(lang::Word("TooManyDimensions"));
  if (refusal.isEmpty()) return true;
  Steg->SetColor(TColor::clRed);
  ShowMessage(refusal);
  return false;
}

void TForm1::SpeedButton1Click() {
  const Calculation calculation(*this, Kanalber);
  ductSearchEnd_.clear();
  if (!CheckBox1->Checked()) SummaFlow();
  if (Flow->Color() == TColor::clRed) return;
  if (!Sida->DropDown() && Sida->Text().isEmpty()) {
    Sida->SetColor(TColor::clRed);
    return;
  }
  SidaClick();
  Flow->SetText(DecimalFormat(Flow->Text()));
  MaxMeterPerSek->SetText(DecimalFormat(MaxMeterPerSek->Text()));
  MaxPaPerMeter->SetText(DecimalFormat(MaxPaPerMeter->Text()));
  SidaExit();
  Sida->SetText(DecimalFormat(Sida->Text()));
  Steg->SetText(DecimalFormat(Steg->Text()));
  if (!InsulationLeavesDuct()) return;
  if (CheckBox1->Checked()) {
    if (SidaTest()) SearchFlow();
    return;
  }
  ClearResultRows();
  if (!SizingInputsPossible()) return;
  bool written = false;
  if (CirkRadioButton->Checked())
    written = Cirk();
  else if (RektRadioButton->Checked())
    written = Rekt();
  StringGrid1->SetTopRow(1);
  const bool series = (CirkRadioButton->Checked() && Sida->Text().isEmpty()) ||
                      (RektRadioButton->Checked() && !Sida->Text().contains('*'));
  if (series) ScrollToFirstAcceptableRow();
  if (written) CalculationDone();
}

bool TForm1::SizingInputsPossible() {
  // Only a refusal turns the roughness or a limit red; a run that gets past
  // it shows them as usual again.
  for (TEdit* field : {Ytrahet, MaxMeterPerSek, MaxPaPerMeter})
    if (field->Color() == TColor::clRed) field->SetColor(TColor::clWindow);
  // The roughness the run will use: the material's, or with insulation that
  // of its surface (0.9 mm).
  int i = 0;
  const bool insulated = calc::TryStrToInt(Isolering->Text().toStdString(), i) && i > 0;
  const QString roughness = insulated ? QString() : MaterialRoughness().trimmed();
  // The joint coefficient counts for one circular duct without insulation.
  const bool jointCoefficient = CirkRadioButton->Checked() && !Sida->Text().isEmpty() && !insulated;
  return InputsPossible({
      NotNegative(Flow, Flow->Text(), lang::Word("NoNegativeFlow")),
      NotNegative(MaxMeterPerSek, MaxMeterPerSek->Text(), lang::Word("NoNegativeVelocityLimit")),
      NotNegative(MaxPaPerMeter, MaxPaPerMeter->Text(), lang::Word("NoNegativePressureLimit")),
      NotNegative(Isolering, Isolering->Text(), lang::Word("NoNegativeInsulation")),
      NotNegative(Steg, jointCoefficient ? Steg->Text() : QString(), lang::Word("NoNegativeJointCoefficient")),
      Above(Temperatur, Temperatur->Text(), -calc::kAbsoluteZeroCelsius, AbsoluteZeroMessage()),
      AirTemperature(Temperatur, Temperatur->Text()),
      NotNegative(Ytrahet, roughness, lang::Word("NoNegativeRoughness")),
  });
}

void TForm1::ScrollToFirstAcceptableRow() {
  // The first row that meets each limit, compared as the cells show it.
  const auto firstMeeting = [this](const TEdit* limitField, int col) {
    if (limitField->Text().isEmpty()) return 0;
    for (int row = 1; row < StringGrid1->RowCount(); ++row) {
      const QString cell = StringGrid1->Cell(col, row);
      if (!cell.isEmpty() && StrToFloat(limitField->Text()) >= StrToFloat(cell)) return row;
    }
    return 0;
  };
  const int p = firstMeeting(MaxPaPerMeter, 1);
  const int v = firstMeeting(MaxMeterPerSek, 0);
  const int t = std::max(p, v);  // 0 where neither limit is met or set
  if (t > 1) StringGrid1->SetTopRow(t - 1);
}

void TForm1::WriteResultRow(int row, const QString& dimension, std::optional<float> r) {
  if (row >= StringGrid1->RowCount()) StringGrid1->SetRowCount(row + 1);
  // A duct without a result (no flow) shows its dimension and no numbers.
  StringGrid1->SetCell(0, row, r ? FloatToStrF(GHastighet, 15, 1) : QString());
  StringGrid1->SetCell(1, row, r ? PressureDropText(*r) : QString());
  StringGrid1->SetCell(2, row, dimension);
}

void TForm1::SetRoughnessForInsulation(int i) {
  Ytrahet->SetText(i <= 0 ? MaterialRoughness() : InsulationRoughness());
}

QString TForm1::InsulationRoughness() const {
  return DecimalFormat(QString::number(calc::kInsulationRoughnessMm, 'f', 3));
}

bool TForm1::Cirk() {
  const int i = StrToInt(Isolering->Text());
  SetRoughnessForInsulation(i);
  if (!Sida->Text().isEmpty()) {
    const float flode = StrToSingle(Flow->Text());
    const float ytRahet = StrToSingle(Ytrahet->Text());
    const float ksi = StrToSingle(Steg->Text());
    WriteResultRow(1, Sida->Text(), Rvaerde(Sida->Text(), flode, ytRahet, ksi, i));
    return true;
  }
  const TStringGrid::UpdateLock lock(StringGrid1);
  int k = 0;
  for (int row = 1; row < StringGrid2->RowCount(); ++row) {
    const QString dimension = StringGrid2->Cell(0, row);
    if (StrToInt(dimension) - 2LL * i <= 0) continue;
    const float ksi = i <= 0 ? StrToSingle(DecimalFormat(StringGrid2->Cell(1, row))) : StrToSingle(Steg->Text());
    const float flode = StrToSingle(Flow->Text());
    const float ytRahet = StrToSingle(Ytrahet->Text());
    WriteResultRow(++k, dimension, Rvaerde(dimension, flode, ytRahet, ksi, i));
  }
  return true;
}

bool TForm1::Rekt() {
  const int i = StrToInt(Isolering->Text());
  SetRoughnessForInsulation(i);
  const QString side = Sida->Text();
  if (side.contains('*')) {
    const float flode = StrToSingle(Flow->Text());
    const float ytRahet = StrToSingle(Ytrahet->Text());
    WriteResultRow(1, side, Rvaerde(side, flode, ytRahet, 0.0f, i));
    return true;
  }
  const long long s = StrToInt(side);
  const long long step = StrToInt(Steg->Text());
  const long long n = SpinEdit1->Value();
  const calc::RectangularSeries series =
      step > 0 ? calc::PlanRectangularSeries(s, step, n, i) : calc::RectangularSeries{};
  if (!RectangularSeriesAccepted(step, series)) return false;
  WriteRectangularSeries(side, step, series, i);
  if (n != 0 && StringGrid1->RowCount() < 16) StringGrid1->SetRowCount(16);
  return true;
}

void TForm1::WriteRectangularSeries(const QString& side, long long step, const calc::RectangularSeries& series,
                                    int isolering) {
  const TStringGrid::UpdateLock lock(StringGrid1);
  // The grid takes room for the whole series at once; rows left unused (sides
  // that leave no duct, or a fault part way) go again at the end.
  int written = 0;
  const int before = StringGrid1->RowCount();
  const auto keepWrittenRows = qScopeGuard([&] { StringGrid1->SetRowCount(std::max(before, written + 1)); });
  if (series.count + 1 > before) StringGrid1->SetRowCount(static_cast<int>(series.count) + 1);
  // The flow and the roughness do not change during the run: they are read
  // for the first row written and kept.
  std::optional<float> flode;
  std::optional<float> ytRahet;
  for (long long k = 1; k <= series.count; ++k) {
    const long long b = calc::VariedSide(series, step, k);
    // A side not larger than twice the insulation leaves no duct: no row.
    if (b - 2LL * isolering <= 0) continue;
    const QString dimension = side + "*" + QString::number(b);
    if (!flode) flode = StrToSingle(Flow->Text());
    if (!ytRahet) ytRahet = StrToSingle(Ytrahet->Text());
    WriteResultRow(++written, dimension, Rvaerde(dimension, *flode, *ytRahet, 0.0f, isolering));
  }
}

bool TForm1::OverLimit(int col, int row) const {
  if (row < 1 || col > 1) return false;
  const TEdit* limitField = col == 0 ? MaxMeterPerSek : MaxPaPerMeter;
  return OverLimitOf(StringGrid1->Cell(col, row), limitField->Text());
}

bool TForm1::OverLimitOf(const QString& cell, const QString& limitText) const {
  if (limitText.isEmpty() || cell.isEmpty()) return false;
  // A limit or cell that does not read as a number marks nothing.
  double limit = 0.0;
  double shown = 0.0;
  if (!calc::TryStrToFloat(limitText.toStdString(), Fmt(), limit) ||
      !calc::TryStrToFloat(cell.toStdString(), Fmt(), shown))
    return false;
  return !(limit >= shown);
}

void TForm1::StringGrid1DrawCell(int col, int row, const QRect& rect, TGridCanvas& canvas) {
  if (!OverLimit(col, row)) return;
  const QString text = StringGrid1->Cell(col, row);
  canvas.FillRect(rect);
  canvas.fontColor = TColor::clRed;
  canvas.TextOut(rect.left() + 2, rect.top() + (rect.height() - canvas.TextHeight(text)) / 2, text);
}

// ---- Flow, unit, temperature and limit fields -------------------------------

void TForm1::EnhetRadioGroupClick() { Flow->SetLabelCaption(EnhetRadioGroup->ItemText(EnhetRadioGroup->ItemIndex())); }

void TForm1::FlowDblClick() {
  const bool toCubicMetres = EnhetRadioGroup->ItemIndex() == 0;
  EnhetRadioGroup->SetItemIndex(toCubicMetres ? 1 : 0);
  if (Flow->Text().isEmpty()) return;
  const double flow = StrToInt(Flow->Text());
  const double converted = calc::OtherAirFlowUnit(flow, toCubicMetres);
  Flow->SetText(QString::number(calc::RoundHalfEven(converted)));
}

void TForm1::FlowChange() { Flow->ColourRequired(); }

void TForm1::FlowExit() { Flow->SetText(DecimalFormat(Flow->Text())); }

void TForm1::MaxMeterPerSekExit() { MaxMeterPerSek->SetText(DecimalFormat(MaxMeterPerSek->Text())); }

void TForm1::MaxPaPerMeterExit() { MaxPaPerMeter->SetText(DecimalFormat(MaxPaPerMeter->Text())); }

void TForm1::TemperaturChange() {
  double value = 0.0;
  const bool number = calc::TryStrToFloat(Temperatur->Text().toStdString(), Fmt(), value);
  Temperatur->SetColor(number ? TColor::clWindow : TColor::clRed);
}

void TForm1::TemperaturExit() { Temperatur->SetText(DecimalFormat(Temperatur->Text())); }

// ---- The largest-flow search and flow sums ---------------------------------

void TForm1::CheckBox1Click() {
  if (CheckBox1->Checked()) {
    Flow->SetText(QString());
    Flow->SetReadOnly(true);
    Flow->SetColor(TColor::clBtnFace);
    MaxMeterPerSek->SetText(QString());
    MaxPaPerMeter->SetText(QString());
  } else {
    for (TEdit* field : {Flow, MaxMeterPerSek, MaxPaPerMeter}) {
      field->SetReadOnly(false);
      field->SetColor(TColor::clWindow);
    }
  }
}

void TForm1::ChooseSearchCriterion(TEdit* criterion, TEdit* other) {
  if (!CheckBox1->Checked()) return;
  criterion->SetReadOnly(false);
  criterion->SetColor(TColor::clWindow);
  other->SetText(QString());
  other->SetReadOnly(true);
  other->SetColor(TColor::clBtnFace);
}

void TForm1::MaxMeterPerSekEnter() { ChooseSearchCriterion(MaxMeterPerSek, MaxPaPerMeter); }

void TForm1::MaxPaPerMeterEnter() { ChooseSearchCriterion(MaxPaPerMeter, MaxMeterPerSek); }

void TForm1::SearchFlow() {
  // The search counts the insulation only for a material whose name says
  // "Isol", which none of the listed materials does; the sizing run always
  // counts it. The search's figures for insulated ducts rest on this.
  const int i = ComboBox1->Text().contains("Isol") ? StrToInt(Isolering->Text()) : 0;
  bool missing = false;
  if (Sida->Text().isEmpty()) {
    Sida->SetColor(TColor::clRed);
    missing = true;
  }
  if (MaxMeterPerSek->Text().isEmpty() && MaxPaPerMeter->Text().isEmpty()) {
    MaxMeterPerSek->SetColor(TColor::clRed);
    MaxPaPerMeter->SetColor(TColor::clRed);
    missing = true;
  }
  if (missing) return;
  if (!SearchInputsPossible(i)) return;
  const float ksi = RektRadioButton->Checked() ? 0.0f : StrToSingle(DecimalFormat(Steg->Text()));
  ClearResultRows();
  StringGrid1->SetTopRow(1);
  StringGrid1->SetRowCount(5);

  const QString dimension = Sida->Text();
  const auto evaluate = [&](float q) -> std::optional<calc::DuctFriction> {
    const float ytRahet = StrToSingle(Ytrahet->Text());
    const auto r = Rvaerde(dimension, q, ytRahet, ksi, i);
    if (!r) return std::nullopt;
    return calc::DuctFriction{*r, GHastighet};
  };
  calc::FlowSearch search;
  const struct {
    TEdit* field;
    calc::SearchCriterion criterion;
  } criteria[] = {{MaxPaPerMeter, calc::SearchCriterion::PressureDrop},
                  {MaxMeterPerSek, calc::SearchCriterion::Velocity}};
  for (const auto& [field, criterion] : criteria) {
    if (field->Text().isEmpty()) continue;
    const auto limit = [this, field] { return StrToFloat(field->Text()); };
    search = calc::SearchFlowLimit(criterion, search, evaluate, limit, calc::kDuctSearchRules);
    if (!ShowSearchResult(search, field, criterion, dimension, evaluate)) {
      // A limit of 0 shows the flow 0, the only one within it.
      if (search.end == calc::SearchEnd::ZeroLimit) CalculationDone();
      return;
    }
  }
  CalculationDone();
}

bool TForm1::SearchInputsPossible(int isolering) {
  if (Ytrahet->Color() == TColor::clRed) Ytrahet->SetColor(TColor::clWindow);
  // The search reads the roughness as the field shows it, and the joint
  // coefficient of a circular duct.
  // A refusal leaves no flow and no row of an earlier search, as a search
  // empties them.
  const auto emptyResults = [this] {
    ClearResultRows();
    StringGrid1->SetTopRow(1);
    StringGrid1->SetRowCount(5);
    Flow->SetText(QString());
    Flow->SetColor(TColor::clBtnFace);
  };
  return InputsPossible(
      {
          NotNegative(Isolering, isolering < 0 ? Isolering->Text() : QString(), lang::Word("NoNegativeInsulation")),
          NotNegative(Steg, CirkRadioButton->Checked() ? DecimalFormat(Steg->Text()) : QString(),
                      lang::Word("NoNegativeJointCoefficient")),
          Above(Temperatur, Temperatur->Text(), -calc::kAbsoluteZeroCelsius, AbsoluteZeroMessage()),
          AirTemperature(Temperatur, Temperatur->Text()),
          NotNegative(Ytrahet, Ytrahet->Text(), lang::Word("NoNegativeRoughness")),
      },
      emptyResults);
}

bool TForm1::ShowSearchResult(const calc::FlowSearch& search, TEdit* limitField, calc::SearchCriterion criterion,
                              const QString& dimension,
                              const std::function<std::optional<calc::DuctFriction>(float)>& evaluate) {
  float flow = search.q;
  calc::DuctFriction shown = search.atQ;
  const QString message = SearchEndMessage(SearchTab::Duct, search, danishTexts_);
  if (!message.isEmpty()) ductSearchEnd_ = message;
  switch (search.end) {
    case calc::SearchEnd::Met: break;
    case calc::SearchEnd::NegativeLimit:
      limitField->SetColor(TColor::clRed);
      ShowMessage(message);
      return false;
    case calc::SearchEnd::ZeroLimit:
      // Only no flow at all stays within a limit of 0; there is nothing more
      // to search for.
      Flow->SetText("0");
      StringGrid1->SetCell(2, 1, dimension);
      return false;
    case calc::SearchEnd::Stalled: {
      ShowMessage(message);
      flow = search.s;
      const auto atS = flow > 0.0f ? evaluate(flow) : std::nullopt;
      if (!atS) return false;
      shown = *atS;
      break;
    }
    case calc::SearchEnd::NoResult:
    case calc::SearchEnd::TooManySteps:
      // No flow to show; the field stays the search's output.
      Flow->SetText(QString());
      Flow->SetColor(TColor::clBtnFace);
      ShowMessage(message);
      return false;
  }
  Flow->SetText(QString::number(std::trunc(static_cast<double>(flow)), 'f', 0));
  StringGrid1->SetCell(0, 1, FloatToStrF(shown.v, 15, 1));
  StringGrid1->SetCell(
      1, 1, criterion == calc::SearchCriterion::PressureDrop ? FloatToStrF(shown.r, 15, 1) : PressureDropText(shown.r));
  StringGrid1->SetCell(2, 1, dimension);
  return true;
}

void TForm1::SummaFlow() {
  if (PageControl1->ActivePage() != Kanalber) return;
  const QString text = Flow->Text();
  if (text.contains('+')) {
    // Only digits, signs and blanks can stand in a sum.
    for (const QChar c : text) {
      if (!c.isDigit() && c != '+' && c != '-' && c != ' ') {
        Flow->SetColor(TColor::clRed);
        ShowMessage(QString(c) + QString::fromUtf8(" är ogiltligt tecken"));
        return;
      }
    }
    long long total = 0;
    QString term;
    for (const QChar c : text) {
      if (c == '+') {
        total += StrToInt(term);
        term.clear();
      } else if (c != ' ') {
        term += c;
      }
    }
    total += StrToInt(term);
    Flow->SetText(QString::number(total));
  }
  int whole = 0;
  if (!calc::TryStrToInt(Flow->Text().toStdString(), whole)) {
    Flow->SetColor(TColor::clRed);
    ShowMessage(QString::fromUtf8("Felaktiga data i flödesangivelse"));
  }
}

// ---- The duct run -----------------------------------------------------------

void TForm1::AddToRun() {
  const int row = StringGrid1->Row();
  if (row < 1 || row >= StringGrid1->RowCount() || StringGrid1->Cell(0, row).isEmpty() ||
      StringGrid1->Cell(2, row).isEmpty()) {
    ShowMessage(Say(lang::Word("RunNeedsRow")));
    return;
  }
  // The row must be what the tab's last calculation showed for the inputs
  // as they stand: a section never pairs a duct with figures of another.
  const auto kept = kept_.constFind(Kanalber);
  if (kept == kept_.constEnd() || kept->noResult || ShownResults(Kanalber) != kept->shownResults ||
      TypedInputsOf(Kanalber) != kept->typed) {
    ShowMessage(Say(lang::Word("RunNeedsCalculation")));
    return;
  }
  const RunRow section = DuctRunRow(row);
  TStracka* run = RunWindow();
  if (!run->Add(section) || run->isVisible()) return;
  RunDialog([this, run] {
    run->PlaceBeside();
    run->show();
    // The keyboard stays on the duct tab, for the next row; a platform that
    // activates every window it shows gives it back.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (QGuiApplication::focusWindow() != windowHandle()) activateWindow();
  });
}

RunRow TForm1::DuctRunRow(int row) {
  RunRow section;
  // The flow as the sizing and the search read it, in l/s as the model
  // converts an m3/h flow.
  float q = StrToSingle(Flow->Text());
  if (EnhetRadioGroup->ItemIndex() == 1) q = calc::LitresPerSecondOfCubicMetresPerHour(q);
  section.flowValue = q;
  section.flow = RunWindow()->FlowText(q);
  section.dimension = StringGrid1->Cell(2, row);
  RunDuct& duct = section.duct;
  duct.material = ComboBox1->Text();
  duct.circular = CirkRadioButton->Checked();
  // The search counts the insulation only for a material named "Isol".
  const bool search = CheckBox1->Checked();
  const int isolering = StrToInt(Isolering->Text());
  duct.insulation = !search || ComboBox1->Text().contains("Isol") ? isolering : 0;
  duct.roughness = StrToSingle(Ytrahet->Text());
  duct.temperature = Temperatur->Text();
  // The joint coefficient of a circular duct without insulation: the one
  // typed for a given side, else each dimension's own from the series.
  if (duct.circular && duct.insulation == 0) {
    if (search || !Sida->Text().isEmpty()) {
      duct.joint = StrToSingle(DecimalFormat(Steg->Text()));
    } else {
      for (int r = 1; r < StringGrid2->RowCount(); ++r)
        duct.joints.insert(StringGrid2->Cell(0, r), StrToSingle(DecimalFormat(StringGrid2->Cell(1, r))));
      duct.joint = duct.joints.value(section.dimension, 0.0f);
    }
  }
  return section;
}

// ---- The description -------------------------------------------------------

TabDescription TForm1::DuctDescription() {
  const bool search = CheckBox1->Checked();
  const bool rectangular = RektRadioButton->Checked();
  TabDescription d;
  d.inputs = {
      // The flow's unit is said by the flow's caption.
      Input(EnhetRadioGroup, InputKind::Group).NoLine(),
      Input(ComboBox1, InputKind::Choice),
      Input(CirkRadioButton, InputKind::Button).Caption(Say(lang::Word("RecordShape"))).Shows([this] {
        return CirkRadioButton->Checked()   ? ScreenName(CirkRadioButton)
               : RektRadioButton->Checked() ? ScreenName(RektRadioButton)
                                            : QString();
      }),
      Input(RektRadioButton, InputKind::Button).NoLine(),
      // The search is said by the flow standing among the results; ticking
      // it empties the flow and the limits: before them.
      Input(CheckBox1, InputKind::Button).NoLine(),
      Input(Flow).NotNegative().When(!search),
      Input(MaxMeterPerSek).NotNegative(),
      Input(MaxPaPerMeter).NotNegative(),
      // The insulation sets the material's series, side list and roughness
      // again: before the side and the roughness.
      Input(Isolering).NotNegative(),
      Input(Sida, InputKind::Typed),
      Input(Steg).NotNegative(),
      // The number of steps counts only for a series of rectangular ducts.
      rectangular ? Input(SpinEdit1, InputKind::Spin) : Input(SpinEdit1, InputKind::Spin).NoLine(),
      Input(Temperatur).Temperature(),
      Input(Ytrahet).NotNegative(),
  };
  d.results = {Result(Flow).When(search),
               // The grid's rows are taken when the record is made; a shape
               // or material chosen since cuts the grid short.
               Result(StringGrid1).NoLine().Shows([this] { return QString::number(StringGrid1->RowCount()); })};
  d.rest = [this](CalcRecord& record, bool) { DuctMethod(record); };
  d.rows = [this](CalcRecord& record) { FillDuctRows(record.table, record.typed); };
  d.announced = [this](const CalcRecord& record) { return AnnouncedDuctRow(record); };
  d.calculate = [this] { SpeedButton1Click(); };
  return d;
}

void TForm1::DuctMethod(CalcRecord& record) {
  record.method
      << Say(lang::Word("MethodDuctFriction")).arg(Figure(calc::kLaminarBelowRe), Figure(calc::kTurbulentFromRe))
      << Say(lang::Word("MethodDuctAir"))
             .arg(Figure(calc::kAirZeroCelsius), Figure(calc::kAirDensityAt0C), Figure(calc::kAirViscositySlope),
                  Figure(calc::kAirViscosityAt0C));
  if (RektRadioButton->Checked()) record.method << Say(lang::Word("MethodDuctRectangular"));
  record.method << Say(lang::Word("MethodDuctInsulation")).arg(Figure(calc::kInsulationRoughnessMm));
  // The joint term counts only without insulation (a thickness of 0).
  int insulation = 0;
  if (CirkRadioButton->Checked() && calc::TryStrToInt(Isolering->Text().toStdString(), insulation) && insulation == 0) {
    const QString coefficient = Sida->Text().isEmpty() ? Say(lang::Word("MethodDuctJointSeries")) : Steg->Text();
    record.method << Say(lang::Word("MethodDuctJoint")).arg(coefficient);
  }
  if (CheckBox1->Checked())
    record.method << Say(lang::Word("MethodSearch")).arg(Figure(calc::kDuctSearchRules.tolerance));
  for (int col = 0; col < StringGrid1->ColCount(); ++col) record.table.headings << StringGrid1->Cell(col, 0);
  if (!ductSearchEnd_.isEmpty()) record.notes << ductSearchEnd_;
}

QStringList TForm1::AnnouncedDuctRow(const CalcRecord& record) const {
  // The grid as the calculation left it; a long series is read only up to
  // the row it names: the first row within its limits (or its first row),
  // and how many rows it has.
  const auto shown = [this](int row) {
    return !StringGrid1->Cell(0, row).isEmpty() || !StringGrid1->Cell(1, row).isEmpty();
  };
  const auto within = [this](int row) {
    return !OverLimitOf(StringGrid1->Cell(0, row), MaxMeterPerSek->Text()) &&
           !OverLimitOf(StringGrid1->Cell(1, row), MaxPaPerMeter->Text());
  };
  int rows = 0;
  int first = 0;
  int named = 0;
  for (int row = 1; row < StringGrid1->RowCount(); ++row) {
    if (!shown(row)) continue;
    ++rows;
    if (first == 0) first = row;
    if (named == 0 && within(row)) named = row;
  }
  if (named == 0) named = first;
  QStringList said;
  if (named > 0) {
    QStringList cells;
    for (qsizetype col = 0; col < record.table.headings.size(); ++col)
      cells << record.table.headings[col] + ' ' + StringGrid1->Cell(static_cast<int>(col), named);
    said << cells.join(", ");
  }
  said << Say(lang::Word("AnnouncedRows")).arg(rows);
  return said;
}

void TForm1::FillDuctRows(RecordTable& table, const TypedInputs& typed) const {
  // The marks follow the limits the calculation read, not the fields now.
  QString limits[2];
  for (const auto& [name, value] : typed) {
    if (name == MaxMeterPerSek->objectName()) limits[0] = value;
    if (name == MaxPaPerMeter->objectName()) limits[1] = value;
  }
  table.rows.clear();
  table.over.clear();
  for (int row = 1; row < StringGrid1->RowCount(); ++row) {
    QStringList cells;
    QList<bool> over;
    bool shown = false;
    for (int col = 0; col < StringGrid1->ColCount(); ++col) {
      cells << StringGrid1->Cell(col, row);
      over << (col < 2 && OverLimitOf(cells.back(), limits[col]));
      shown = shown || (col < 2 && !cells.back().isEmpty());
    }
    if (!shown) continue;
    table.rows << cells;
    table.over << over;
  }
}

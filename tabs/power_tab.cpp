// The power tab: heat power from water flow and back.
#include <QFrame>

#include "app/controls.h"
#include "app/mainwindow.h"
#include "app/widgets/icons.h"
#include "calc/power.h"
#include "lang/texts.h"

void TForm1::BuildPowerTab() {
  QWidget* p = Effekt;
  EnhetFlowRadioGroup = Placed(new TRadioGroup(p, "EnhetFlowRadioGroup",
                                               lang::Swedish("EnhetFlowRadioGroup", lang::kCaption), {"l/s", "l/h"}, 0),
                               {2, 0, 52, 56});
  EnhetEffektRadioGroup =
      Placed(new TRadioGroup(p, "EnhetEffektRadioGroup", "Effekt", {"W", "kW"}, 0), {56, 0, 52, 56});
  // "Beräkna" and "J/kg C" are shown until the first activation applies the
  // language table's "Beräkning" and "J/kg °C".
  CalkValRadioGroup = Placed(new TRadioGroup(p, "CalkValRadioGroup", QString::fromUtf8("Beräkna"),
                                             {lang::Swedish("CalkValRadioGroup", lang::kGroupItem, 0),
                                              lang::Swedish("CalkValRadioGroup", lang::kGroupItem, 1)},
                                             0),
                             {110, 0, 100, 56});
  Panel2 = new QFrame(p);
  Panel2->setObjectName("Panel2");
  Panel2->setFrameShape(QFrame::StyledPanel);
  Panel2->setGeometry(212, 0, 110, 56);
  EffektFlowEdit = Edit(Panel2, "EffektFlowEdit", "l/s", {4, 5, 70, 21}, QString(), TEdit::LabelPlace::Right);
  EffektEdit = Edit(Panel2, "EffektEdit", "W", {4, 30, 70, 21}, QString(), TEdit::LabelPlace::Right);
  Image2 = new QLabel(p);
  Image2->setObjectName("Image2");
  Image2->setGeometry(326, 0, 57, 16);
  Image2->setPixmap(DeltaTPicture(57, 16));
  DeltaT = Edit(p, "DeltaT", QString(), {326, 17, 57, 21}, QString(), TEdit::LabelPlace::None);
  Label3 = Label(p, "Label3", "J/kg C", {387, 2});
  SpecHeatKapacitet = Edit(p, "SpecHeatKapacitet", QString(), {387, 17, 57, 21}, "4184", TEdit::LabelPlace::None);
  Label3->Names(SpecHeatKapacitet);
  SpeedButton4 = Placed(new TSpeedButton(p, "SpeedButton4", calculatorIcon_), {387, 42, 57, 22});
  SetHint(SpeedButton4, lang::Swedish("SpeedButton4", lang::kHint));
  // Every text of the power tab is maroon, the Δt picture's too (so that a
  // dark desktop palette puts it on a light ground).
  for (QWidget* w : std::initializer_list<QWidget*>{
           EnhetFlowRadioGroup, EnhetEffektRadioGroup, CalkValRadioGroup, EffektFlowEdit, EffektEdit,
           EffektFlowEdit->EditLabel(), EffektEdit->EditLabel(), Image2, DeltaT, Label3, SpecHeatKapacitet}) {
    SetTextColour(w, TColor::clMaroon);
  }
  WirePowerTab();
}

void TForm1::WirePowerTab() {
  CalkValRadioGroup->OnClick = [this] { CalkValRadioGroupClick(); };
  EnhetFlowRadioGroup->OnClick = [this] { Click(); };
  EnhetEffektRadioGroup->OnClick = [this] { EnhetEffektRadioGroupClick(); };
  EffektEdit->OnChange = [this] { EffektEditChange(); };
  EffektFlowEdit->OnChange = [this] { EffektFlowEditChange(); };
  for (TEdit* field : {DeltaT, SpecHeatKapacitet}) field->OnChange = [field] { field->ColourRequired(); };
  SpeedButton4->OnClick = [this] { SpeedButton4Click(); };
}

void TForm1::FitPowerControls() {
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

bool TForm1::PowerToFlow() const { return CalkValRadioGroup->ItemIndex() == 1; }

QString TForm1::PowerText(const calc::Power& power) const {
  if (const auto* watts = std::get_if<std::int64_t>(&power)) return QString::number(*watts);
  const float kw = std::get<float>(power);
  if (kw >= 1000.0f) return FloatToStrF(kw, 6, 1);
  if (kw >= 100.0f) return FloatToStrF(kw, 6, 2);
  return FloatToStrF(kw, 6, 3);
}

QString TForm1::WaterFlowPerSecondText(const calc::WaterFlow& flow) const {
  if (const auto* perHour = std::get_if<std::int64_t>(&flow)) return QString::number(*perHour);
  const float perSecond = std::get<float>(flow);
  return FloatToStrF(perSecond, 6, perSecond >= 0.001f ? 3 : 6);
}

bool TForm1::PowerInputsPossible() {
  // The tab's signs carry the direction of the heat: a negative temperature
  // difference is a cooling load, with a negative power and, back, a negative
  // flow. Only the heat capacity has no negative case; a heat capacity of 0
  // gives no power, and back to a flow it divides by zero, as it always has.
  TEdit* result = PowerToFlow() ? EffektFlowEdit : EffektEdit;
  return InputsPossible(
      {NotNegative(SpecHeatKapacitet, SpecHeatKapacitet->Text(), lang::Word("NoNegativeHeatCapacity"))},
      [result] { result->SetText(QString()); });
}

void TForm1::SpeedButton4Click() {
  const Calculation calculation(*this, Effekt);
  // Required fields found empty turn red; this never turns one back.
  const auto mark = [](TEdit* field) {
    if (field->Text().isEmpty()) field->SetColor(TColor::clRed);
  };
  mark(DeltaT);
  mark(SpecHeatKapacitet);
  mark(PowerToFlow() ? EffektEdit : EffektFlowEdit);
  for (const TEdit* field : {DeltaT, SpecHeatKapacitet, EffektFlowEdit, EffektEdit})
    if (field->Color() == TColor::clRed) return;
  if (!PowerInputsPossible()) return;
  const calc::FlowUnit flowUnit =
      EnhetFlowRadioGroup->ItemIndex() == 1 ? calc::FlowUnit::LitresPerHour : calc::FlowUnit::LitresPerSecond;
  const calc::PowerUnit powerUnit =
      EnhetEffektRadioGroup->ItemIndex() == 1 ? calc::PowerUnit::Kilowatt : calc::PowerUnit::Watt;
  if (!PowerToFlow()) {
    EffektFlowEdit->SetText(DecimalFormat(EffektFlowEdit->Text()));
    DeltaT->SetText(DecimalFormat(DeltaT->Text()));
    const double flow = StrToFloat(EffektFlowEdit->Text());
    // A heat capacity or temperature difference that does not read, or a
    // power that cannot be formed, is reported as the other direction reports
    // it, and no power stands beside inputs it was not worked out from.
    QString power;
    try {
      const double cp = StrToFloat(SpecHeatKapacitet->Text());
      const double deltaT = StrToFloat(DeltaT->Text());
      power = PowerText(calc::PowerFromFlow(flow, flowUnit, cp, deltaT, powerUnit));
    } catch (const std::exception&) {
      EffektEdit->SetText(QString());
      throw;
    }
    EffektEdit->SetText(power);
    CalculationDone();
    return;
  }
  EffektEdit->SetText(DecimalFormat(EffektEdit->Text()));
  DeltaT->SetText(DecimalFormat(DeltaT->Text()));
  const double power = StrToFloat(EffektEdit->Text());
  const double cp = StrToFloat(SpecHeatKapacitet->Text());
  const double deltaT = StrToFloat(DeltaT->Text());
  EffektFlowEdit->SetText(WaterFlowPerSecondText(calc::FlowFromPower(power, powerUnit, cp, deltaT, flowUnit)));
  CalculationDone();
}

void TForm1::CalkValRadioGroupClick() {
  // The power field first, then the flow field: each takes its role, is
  // emptied, and the input of the direction gets the keyboard focus.
  if (!PowerToFlow()) {
    EffektEdit->SetReadOnly(true);
    EffektEdit->SetColor(TColor::clBtnFace);
    EffektEdit->SetText(QString());
    EffektFlowEdit->SetReadOnly(false);
    EffektFlowEdit->SetColor(TColor::clWindow);
    EffektFlowEdit->SetText(QString());
    EffektFlowEdit->setFocus(Qt::OtherFocusReason);
  } else {
    EffektEdit->SetReadOnly(false);
    EffektEdit->SetColor(TColor::clWindow);
    EffektEdit->SetText(QString());
    EffektEdit->setFocus(Qt::OtherFocusReason);
    EffektFlowEdit->SetReadOnly(true);
    EffektFlowEdit->SetColor(TColor::clBtnFace);
    EffektFlowEdit->SetText(QString());
  }
  // Setting up a direction applies the interface language again.
  ValjSprak();
}

void TForm1::Click() {
  EffektFlowEdit->SetLabelCaption(EnhetFlowRadioGroup->ItemText(EnhetFlowRadioGroup->ItemIndex()));
  EffektFlowEdit->SetText(QString());
  if (!PowerToFlow()) {
    EffektEdit->SetText(QString());
    EffektFlowEdit->setFocus(Qt::OtherFocusReason);
  } else {
    // The typed power's flow, in the new unit.
    EffektEdit->setFocus(Qt::OtherFocusReason);
    SpeedButton4Click();
  }
}

void TForm1::EnhetEffektRadioGroupClick() {
  EffektEdit->SetLabelCaption(EnhetEffektRadioGroup->ItemText(EnhetEffektRadioGroup->ItemIndex()));
  if (!PowerToFlow()) SpeedButton4Click();
}

// "Has the keyboard focus" asks the window which control holds its focus,
// which stays so while a box is up.
void TForm1::EffektEditChange() {
  if (focusWidget() == EffektEdit) EffektFlowEdit->SetText(QString());
  if (PowerToFlow()) EffektEdit->ColourRequired();
}

void TForm1::EffektFlowEditChange() {
  if (focusWidget() == EffektFlowEdit) EffektEdit->SetText(QString());
  if (!PowerToFlow()) EffektFlowEdit->ColourRequired();
}

// ---- The description -------------------------------------------------------

TabDescription TForm1::PowerDescription() {
  TEdit* result = PowerToFlow() ? EffektFlowEdit : EffektEdit;
  TEdit* input = PowerToFlow() ? EffektEdit : EffektFlowEdit;
  TabDescription d;
  // The direction and the units empty the fields: before them. The units
  // are said by the fields' captions.
  d.inputs = {Input(CalkValRadioGroup, InputKind::Group),
              Input(EnhetFlowRadioGroup, InputKind::Group).NoLine(),
              Input(EnhetEffektRadioGroup, InputKind::Group).NoLine(),
              Input(EffektFlowEdit).Number().When(input == EffektFlowEdit),
              Input(EffektEdit).Number().When(input == EffektEdit),
              Input(DeltaT).Number(),
              Input(SpecHeatKapacitet).NotNegative()};
  d.results = {Result(result)};
  d.rest = [this](CalcRecord& record, bool) {
    record.method << Say(lang::Word("MethodPower")).arg(Figure(calc::kWaterKilogramsPerLitre))
                  << Say(lang::Word("MethodPowerCooling"));
  };
  d.calculate = [this] { SpeedButton4Click(); };
  return d;
}

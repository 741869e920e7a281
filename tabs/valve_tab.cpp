// The valve tab: flow, pressure drop, kv and Fe of a valve.
#include <algorithm>

#include "app/controls.h"
#include "app/mainwindow.h"
#include "calc/errors.h"
#include "calc/valve.h"
#include "lang/texts.h"

namespace {

// A field's three roles in a mode: a typed input, the mode's result, or off
// (kv without Fe, Fe without kv).
void AsInput(TEdit* field) {
  field->SetReadOnly(false);
  field->setEnabled(true);
  field->SetColor(TColor::clWindow);
}

void AsResult(TEdit* field) {
  field->SetReadOnly(true);
  field->SetText(QString());
  field->SetColor(TColor::clBtnFace);
}

void AsOff(TEdit* field) {
  field->SetReadOnly(true);
  field->SetColor(TColor::clBtnFace);
  field->setEnabled(false);
}

}  // namespace

void TForm1::BuildValveTab() {
  QWidget* p = Kvs;
  FlowEdit = Edit(p, "FlowEdit", "l/s", {2, 15, 60, 21});
  TryckEdit = Edit(p, "TryckEdit", "kPa", {64, 15, 60, 21});
  KvsEdit = Edit(p, "KvsEdit", "Kv", {126, 15, 60, 21});
  FeEdit1 = Edit(p, "FeEdit1", "Fe", {188, 15, 60, 21});
  FeEdit1->SetReadOnly(true);
  RadioButton1 =
      Placed(new TRadioButton(p, "RadioButton1", lang::Swedish("RadioButton1", lang::kCaption)), {2, 38, 60, 16});
  RadioButton2 =
      Placed(new TRadioButton(p, "RadioButton2", lang::Swedish("RadioButton2", lang::kCaption)), {64, 38, 60, 16});
  RadioButton3 =
      Placed(new TRadioButton(p, "RadioButton3", lang::Swedish("RadioButton3", lang::kCaption)), {126, 38, 60, 16});
  RadioButton4 =
      Placed(new TRadioButton(p, "RadioButton4", lang::Swedish("RadioButton4", lang::kCaption)), {188, 38, 60, 16});
  RadioButton3->setChecked(true);
  RadioButton4->setEnabled(false);
  new ExclusiveTabStop(p, {RadioButton1, RadioButton2, RadioButton3, RadioButton4});
  FeCheckBox = Placed(new TCheckBox(p, "FeCheckBox", lang::Swedish("FeCheckBox", lang::kCaption)), {2, 60, 100, 16});
  FeInvDiamLabel = Label(p, "FeInvDiamLabel", lang::Swedish("FeInvDiamLabel", lang::kCaption), {130, 63});
  InvDiamEdit = Edit(p, "InvDiamEdit", QString(), {188, 59, 60, 21}, QString(), TEdit::LabelPlace::None);
  FeInvDiamLabel->Names(InvDiamEdit);
  // The field whose "sök" is chosen is the mode's result, read-only or not.
  for (const auto& [field, mode] : {std::pair{FlowEdit, RadioButton1}, std::pair{TryckEdit, RadioButton2},
                                    std::pair{KvsEdit, RadioButton3}, std::pair{FeEdit1, RadioButton4}})
    field->SetResultWhen([mode] { return mode->Checked(); });
  SpeedButton2 = Placed(new TSpeedButton(p, "SpeedButton2", calculatorIcon_), {252, 14, 23, 22});
  SetHint(SpeedButton2, lang::Swedish("SpeedButton2", lang::kHint));
  FlowRadioGroup = Placed(
      new TRadioGroup(p, "FlowRadioGroup", lang::Swedish("FlowRadioGroup", lang::kCaption), {"l/s", "l/h", "m3/h"}, 0),
      {280, 0, 60, 80});
  TryckRadioGroup = Placed(new TRadioGroup(p, "TryckRadioGroup", lang::Swedish("TryckRadioGroup", lang::kCaption),
                                           {"kPa", "mm VP", "bar"}, 0),
                           {344, 0, 70, 80});
  WireValveTab();
}

void TForm1::WireValveTab() {
  for (TRadioButton* mode : {RadioButton1, RadioButton2, RadioButton3, RadioButton4})
    mode->OnClick = [this] { KalkylVal(); };
  FeCheckBox->OnClick = [this] { KalkylVal(); };
  FlowRadioGroup->OnClick = [this] {
    FlowEdit->SetLabelCaption(FlowRadioGroup->ItemText(FlowRadioGroup->ItemIndex()));
  };
  TryckRadioGroup->OnClick = [this] {
    TryckEdit->SetLabelCaption(TryckRadioGroup->ItemText(TryckRadioGroup->ItemIndex()));
  };
  const auto colourBy = [this](TEdit* field, TRadioButton* computing) {
    field->OnChange = [field, computing] {
      // A field holds its text, or misses it; the mode's result is grey.
      field->ColourRequired();
      if (computing->Checked()) field->SetColor(TColor::clBtnFace);
    };
  };
  colourBy(FlowEdit, RadioButton1);
  colourBy(TryckEdit, RadioButton2);
  colourBy(KvsEdit, RadioButton3);
  colourBy(FeEdit1, RadioButton4);
  // The diameter plays no part in the kv mode.
  colourBy(InvDiamEdit, RadioButton3);
  SpeedButton2->OnClick = [this] { SpeedButton2Click(); };
}

void TForm1::KalkylVal() {
  const bool fe = FeCheckBox->Checked();
  if (fe) {
    // Choosing the Fe mode from here runs its set-up once more, nested.
    if (RadioButton3->Checked()) RadioButton4->SetChecked(true);
    RadioButton4->setEnabled(true);
    RadioButton3->setEnabled(false);
    FeEdit1->SetColor(TColor::clBtnFace);
    FeEdit1->setEnabled(true);
    KvsEdit->setEnabled(false);
    KvsEdit->SetColor(TColor::clBtnFace);
    InvDiamEdit->SetColor(TColor::clWindow);
  } else {
    if (RadioButton4->Checked()) RadioButton3->SetChecked(true);
    RadioButton3->setEnabled(true);
    RadioButton4->setEnabled(false);
    KvsEdit->SetColor(TColor::clBtnFace);
    KvsEdit->setEnabled(true);
    FeEdit1->setEnabled(false);
    FeEdit1->SetColor(TColor::clBtnFace);
    InvDiamEdit->SetColor(TColor::clBtnFace);
  }
  // The coefficient of the chosen kind is an input where flow or pressure
  // drop is computed; the other kind is off.
  const auto coefficientInput = [this, fe] {
    if (fe) {
      AsInput(FeEdit1);
      AsOff(KvsEdit);
      InvDiamEdit->SetColor(TColor::clWindow);
    } else {
      AsOff(FeEdit1);
      AsInput(KvsEdit);
      InvDiamEdit->SetColor(TColor::clBtnFace);
    }
  };
  if (RadioButton1->Checked()) {
    AsResult(FlowEdit);
    AsInput(TryckEdit);
    coefficientInput();
  }
  if (RadioButton2->Checked()) {
    AsResult(TryckEdit);
    AsInput(FlowEdit);
    coefficientInput();
  }
  if (RadioButton3->Checked()) {
    AsResult(KvsEdit);
    AsInput(FlowEdit);
    AsInput(TryckEdit);
  }
  if (RadioButton4->Checked()) {
    AsResult(FeEdit1);
    AsInput(FlowEdit);
    AsInput(TryckEdit);
  }
  // Which field is the result follows the mode.
  for (TEdit* field : {FlowEdit, TryckEdit, KvsEdit, FeEdit1}) field->UpdateSpokenName();
}

bool TForm1::KontrollData() {
  bool complete = true;
  const auto require = [&complete](TEdit* field) {
    field->ColourRequired();
    if (field->Text().isEmpty()) complete = false;
  };
  const bool fe = FeCheckBox->Checked();
  const auto coefficient = [&] {
    if (fe) {
      require(InvDiamEdit);
      require(FeEdit1);
    } else {
      require(KvsEdit);
    }
  };
  if (RadioButton1->Checked()) {
    require(TryckEdit);
    coefficient();
  } else if (RadioButton2->Checked()) {
    require(FlowEdit);
    coefficient();
  } else if (RadioButton3->Checked()) {
    require(FlowEdit);
    require(TryckEdit);
  } else if (RadioButton4->Checked()) {
    require(FlowEdit);
    require(TryckEdit);
    require(InvDiamEdit);
  }
  return complete;
}

QString TForm1::ValveFlowText(float q) const { return FloatToStrF(q, 10, q < 1.0f ? 2 : 1); }

bool TForm1::ValveInputsPossible() {
  // A negative pressure drop and zero values are left to the calculation,
  // which reports them.
  const bool fe = FeCheckBox->Checked();
  const bool flowMode = RadioButton1->Checked();
  const bool pressureMode = RadioButton2->Checked();
  TEdit* result = flowMode ? FlowEdit : pressureMode ? TryckEdit : RadioButton3->Checked() ? KvsEdit : FeEdit1;
  const bool kvIn = !fe && (flowMode || pressureMode);
  return InputsPossible(
      {
          NotNegative(FlowEdit, flowMode ? QString() : DecimalFormat(FlowEdit->Text()), lang::Word("NoNegativeFlow")),
          NotNegative(KvsEdit, kvIn ? DecimalFormat(KvsEdit->Text()) : QString(), lang::Word("NoNegativeKv")),
          NotNegative(InvDiamEdit, fe ? DecimalFormat(InvDiamEdit->Text()) : QString(),
                      lang::Word("NoNegativeDiameter")),
      },
      [result] { result->SetText(QString()); });
}

void TForm1::SpeedButton2Click() {
  const Calculation calculation(*this, Kvs);
  if (!KontrollData()) return;
  if (!ValveInputsPossible()) return;
  const bool fe = FeCheckBox->Checked();
  const auto flowUnit = static_cast<calc::ValveFlowUnit>(std::max(FlowRadioGroup->ItemIndex(), 0));
  const auto pressureUnit = static_cast<calc::ValvePressureUnit>(std::max(TryckRadioGroup->ItemIndex(), 0));
  float q = 0.0f;
  float dp = 0.0f;
  if (!FlowEdit->Text().isEmpty()) {
    FlowEdit->SetText(DecimalFormat(FlowEdit->Text()));
    q = calc::ToSingle(calc::ToCubicMetresPerHour(StrToFloat(FlowEdit->Text()), flowUnit));
  }
  if (!TryckEdit->Text().isEmpty()) {
    TryckEdit->SetText(DecimalFormat(TryckEdit->Text()));
    dp = calc::ToSingle(calc::ToBar(StrToFloat(TryckEdit->Text()), pressureUnit));
  }
  if (!KvsEdit->Text().isEmpty()) KvsEdit->SetText(DecimalFormat(KvsEdit->Text()));
  const auto diameter = [this] { return calc::ToSingle(StrToFloat(DecimalFormat(InvDiamEdit->Text())) / 1000.0); };
  const auto feValue = [this] { return StrToSingle(DecimalFormat(FeEdit1->Text())); };
  if (RadioButton4->Checked()) {
    const float value = calc::VentilFe(q, dp, diameter());
    FeEdit1->SetText(FloatToStrF(value, 10, value < 100.0f ? 4 : 2));
  }
  if (RadioButton3->Checked()) {
    const float kv = calc::VentilKv(q, dp);
    KvsEdit->SetText(FloatToStrF(kv, 10, kv < 100.0f ? 2 : 1));
  } else if (RadioButton2->Checked()) {
    const float found = fe ? calc::VentilTryckfallFe(q, feValue(), diameter())
                           : calc::VentilTryckfallKv(q, StrToSingle(KvsEdit->Text()));
    TryckEdit->SetText(FloatToStrF(calc::ToSingle(calc::FromBar(found, pressureUnit)), 10, 3));
  } else if (RadioButton1->Checked()) {
    const float found =
        fe ? calc::VentilFlodeFe(dp, feValue(), diameter()) : calc::VentilFlodeKv(dp, StrToSingle(KvsEdit->Text()));
    FlowEdit->SetText(ValveFlowText(calc::ToSingle(calc::FromCubicMetresPerHour(found, flowUnit))));
  }
  CalculationDone();
}

// ---- The record -------------------------------------------------------------

TEdit* TForm1::ValveResultField() const {
  return RadioButton1->Checked()   ? FlowEdit
         : RadioButton2->Checked() ? TryckEdit
         : RadioButton3->Checked() ? KvsEdit
                                   : FeEdit1;
}

QList<TEdit*> TForm1::ValveInputFields() const {
  // kv without Fe, Fe and the inner diameter with it; never the result.
  const bool fe = FeCheckBox->Checked();
  QList<TEdit*> fields;
  for (TEdit* field : {FlowEdit, TryckEdit, KvsEdit, FeEdit1, InvDiamEdit}) {
    const bool used = field == KvsEdit ? !fe : field == FeEdit1 || field == InvDiamEdit ? fe : true;
    if (used && field != ValveResultField()) fields << field;
  }
  return fields;
}

// ---- The description -------------------------------------------------------

TabDescription TForm1::ValveDescription() {
  const QList<TEdit*> read = ValveInputFields();
  TabDescription d;
  // The mode is said by the result's name, the units by the fields' captions.
  d.inputs = {Input(FlowRadioGroup, InputKind::Group).NoLine(), Input(TryckRadioGroup, InputKind::Group).NoLine()};
  for (QWidget* button :
       std::initializer_list<QWidget*>{RadioButton1, RadioButton2, RadioButton3, RadioButton4, FeCheckBox})
    d.inputs << Input(button, InputKind::Button).NoLine();
  d.inputs << Input(FlowEdit).NotNegative().When(read.contains(FlowEdit))
           << Input(TryckEdit).When(read.contains(TryckEdit))
           << Input(KvsEdit).NotNegative().When(read.contains(KvsEdit)) << Input(FeEdit1).When(read.contains(FeEdit1))
           << Input(InvDiamEdit).NotNegative().When(read.contains(InvDiamEdit));
  d.results = {Result(ValveResultField())};
  d.rest = [this](CalcRecord& record, bool) {
    record.method << Say(lang::Word("MethodValveUnits"))
                         .arg(Figure(calc::kCubicMetresPerHourPerLitrePerSecond),
                              Figure(1.0 / calc::kKiloPascalsPerBar), Figure(1.0 / calc::kMmWaterPerBar));
    if (FeCheckBox->Checked())
      record.method << Say(lang::Word("MethodValveFe")).arg(Figure(calc::kValveWaterDensity));
    else
      record.method << Say(lang::Word("MethodValveKv"));
  };
  d.calculate = [this] { SpeedButton2Click(); };
  return d;
}

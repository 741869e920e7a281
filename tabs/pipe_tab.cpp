// The pipe tab: water properties, pipe friction and the largest water flow.
#include <array>

#include "app/controls.h"
#include "app/mainwindow.h"
#include "calc/errors.h"
#include "calc/flow_search.h"
#include "calc/pipe.h"
#include "calc/units.h"
#include "lang/texts.h"
#include "tabs/search_ends.h"

namespace {

// The roughness in mm of each pipe material, by its item in the material
// box; the last item is the user's own choice.
constexpr std::array<const char*, 5> kPipeRoughness = {"0.045", "0.0015", "0.010", "0.015", "0.0005"};

// One mm of water column per metre, in Pa/m.
using calc::kPaPerMmWater;

}  // namespace

void TForm1::BuildPipeTab() {
  QWidget* p = Rorber;
  GroupBox1 = Group(p, "GroupBox1", lang::Swedish("GroupBox1", lang::kCaption), {0, 0, 130, 84});
  RYtrahet = Edit(GroupBox1, "RYtrahet", lang::Swedish("RYtrahet", lang::kLabel), {4, 30, 60, 21});
  RInvDiam = Edit(GroupBox1, "RInvDiam", lang::Swedish("RInvDiam", lang::kLabel), {66, 30, 60, 21});
  RMtrlComboBox = Placed(new TComboBox(GroupBox1, "RMtrlComboBox"), {4, 56, 122, 21});
  RMtrlComboBox->SetItems(
      {lang::Swedish("RMtrlComboBox", lang::kItem, 0), lang::Swedish("RMtrlComboBox", lang::kItem, 1),
       lang::Swedish("RMtrlComboBox", lang::kItem, 2), lang::Swedish("RMtrlComboBox", lang::kItem, 3),
       lang::Swedish("RMtrlComboBox", lang::kItem, 4), lang::Swedish("RMtrlComboBox", lang::kItem, 5)});
  // The user's own material until one is chosen.
  RMtrlComboBox->SetText(RMtrlComboBox->itemText(5));
  GroupBox4 = Group(p, "GroupBox4", lang::Swedish("GroupBox4", lang::kCaption), {134, 0, 46, 84});
  RorEnhet = Label(GroupBox4, "RorEnhet", lang::Swedish("RorEnhet", lang::kCaption), {5, 22});
  CheckBox2 = Placed(new TCheckBox(GroupBox4, "CheckBox2", QString()), {12, 44, 20, 20});
  RTemp = Edit(p, "RTemp", lang::Swedish("RTemp", lang::kLabel), {184, 15, 55, 21});
  RKinViskos = Edit(p, "RKinViskos", lang::Swedish("RKinViskos", lang::kLabel), {242, 15, 55, 21});
  RDensitet = Edit(p, "RDensitet", lang::Swedish("RDensitet", lang::kLabel), {300, 15, 55, 21});
  RFlow = Edit(p, "RFlow", lang::Swedish("RFlow", lang::kLabel), {184, 56, 55, 21});
  RHast = Edit(p, "RHast", lang::Swedish("RHast", lang::kLabel), {242, 56, 55, 21});
  RvardeRoer = Edit(p, "RvardeRoer", lang::Swedish("RvardeRoer", lang::kLabel), {300, 56, 55, 21});
  ReadOnlyResult(RHast);
  ReadOnlyResult(RvardeRoer);
  EnhetRorRadioGroup = Placed(
      new TRadioGroup(p, "EnhetRorRadioGroup", lang::Swedish("EnhetRorRadioGroup", lang::kCaption), {"l/s", "l/h"}, 0),
      {360, 0, 52, 56});
  SpeedButton3 = Placed(new TSpeedButton(p, "SpeedButton3", calculatorIcon_), {360, 60, 52, 22});
  SetHint(SpeedButton3, lang::Swedish("SpeedButton3", lang::kHint));
  EnhetRorDpRadioGroup =
      Placed(new TRadioGroup(p, "EnhetRorDpRadioGroup", lang::Swedish("EnhetRorDpRadioGroup", lang::kCaption),
                             {"Pa/m", "mmVp/m"}, 0),
             {415, 0, 80, 56});
  WirePipeTab();
}

void TForm1::WirePipeTab() {
  RTemp->OnChange = [this] { RTempChange(); };
  for (TEdit* field : {RYtrahet, RInvDiam, RKinViskos, RDensitet})
    field->OnChange = [this, field] { PipeInputChange(field); };
  RFlow->OnChange = [this] { RFlowChange(); };
  for (TEdit* field : {RYtrahet, RInvDiam, RFlow, RKinViskos, RDensitet})
    field->OnExit = [this, field] { field->SetText(DecimalFormat(field->Text())); };
  RMtrlComboBox->OnChange = [this] { RMtrlComboBoxChange(); };
  EnhetRorRadioGroup->OnClick = [this] { EnhetRorRadioGroupClick(); };
  EnhetRorDpRadioGroup->OnClick = [this] { EnhetRorDpRadioGroupClick(); };
  SpeedButton3->OnClick = [this] { SpeedButton3Click(); };
  CheckBox2->OnClick = [this] { CheckBox2Click(); };
  RHast->OnEnter = [this] { RHastEnter(); };
  RvardeRoer->OnEnter = [this] { RvardeRoerEnter(); };
  RHast->OnChange = [this] { SearchLimitChange(); };
  RvardeRoer->OnChange = [this] { SearchLimitChange(); };
}

void TForm1::FitPipeControls() {
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
}

// ---- Water properties -------------------------------------------------------

void TForm1::RTempChange() {
  // The text is read as it stands; one that is no number ends the handler
  // with the error report before anything is emptied.
  const QString text = RTemp->Text();
  const bool inRange = !text.isEmpty() && StrToFloat(text) > 0.0 && StrToFloat(text) < 100.0;
  if (inRange) {
    VattenDataBer();
  } else {
    RKinViskos->SetText(QString());
    RDensitet->SetText(QString());
  }
  RHast->SetText(QString());
  RvardeRoer->SetText(QString());
}

void TForm1::VattenDataBer() {
  RTemp->SetText(DecimalFormat(RTemp->Text()));
  // The viscosity is shown in general form and cut, not rounded, to six
  // characters.
  RKinViskos->SetText(FloatToStr(calc::VattenViskositet(StrToFloat(RTemp->Text()))).left(6));
  RDensitet->SetText(QString::fromStdString(calc::FormatInt(calc::VattenDensitet(StrToFloat(RTemp->Text())))));
}

// ---- Inputs -------------------------------------------------------------------

void TForm1::PipeInputChange(TEdit* field) {
  // A result always belongs to the inputs it was computed from.
  field->ColourRequired();
  RHast->SetText(QString());
  RvardeRoer->SetText(QString());
}

void TForm1::RFlowChange() {
  // While searching, the flow is the search's output.
  if (!CheckBox2->Checked()) PipeInputChange(RFlow);
}

void TForm1::RMtrlComboBoxChange() {
  const int item = RMtrlComboBox->ItemIndex();
  const bool listed = item >= 0 && item < static_cast<int>(kPipeRoughness.size());
  RYtrahet->SetText(listed ? DecimalFormat(kPipeRoughness[static_cast<std::size_t>(item)]) : QString());
}

bool TForm1::TestRorIndata() {
  bool complete = true;
  const auto require = [&complete](TEdit* field) {
    if (!field->Text().isEmpty()) return;
    field->SetColor(TColor::clRed);
    complete = false;
  };
  for (TEdit* field : {RYtrahet, RInvDiam, RKinViskos, RDensitet}) require(field);
  if (!CheckBox2->Checked()) require(RFlow);
  return complete;
}

// ---- Units ------------------------------------------------------------------------

void TForm1::EnhetRorRadioGroupClick() {
  const QString flowUnit = EnhetRorRadioGroup->ItemText(EnhetRorRadioGroup->ItemIndex());
  RFlow->SetLabelCaption(flowUnit);
  RorEnhet->SetCaption(flowUnit);
  RvardeRoer->SetLabelCaption(EnhetRorDpRadioGroup->ItemText(EnhetRorDpRadioGroup->ItemIndex()));
  SpeedButton3Click();
}

void TForm1::EnhetRorDpRadioGroupClick() {
  RvardeRoer->SetLabelCaption(EnhetRorDpRadioGroup->ItemText(EnhetRorDpRadioGroup->ItemIndex()));
  if (CheckBox2->Checked() && !RvardeRoer->Text().isEmpty()) {
    // The limit (or the last search's pressure drop) follows the new unit.
    const double shown = StrToFloat(RvardeRoer->Text());
    const double converted = EnhetRorDpRadioGroup->ItemIndex() == 0 ? shown * kPaPerMmWater : shown / kPaPerMmWater;
    RvardeRoer->SetText(PipePressureDropText(calc::ToSingle(converted)));
  }
  SpeedButton3Click();
}

// ---- The calculation --------------------------------------------------------------

float TForm1::RoerRVaerde(float q) {
  // The pipe is read from its fields at every call; the viscosity as it
  // stands, the others through a normalised copy.
  calc::Pipe pipe;
  pipe.diameterMm = StrToFloat(DecimalFormat(RInvDiam->Text()));
  pipe.roughnessMm = StrToFloat(DecimalFormat(RYtrahet->Text()));
  pipe.density = StrToFloat(DecimalFormat(RDensitet->Text()));
  pipe.viscosity = StrToFloat(RKinViskos->Text());
  const calc::PipeFriction result = calc::RoerRVaerde(q, pipe);
  GHastighet = result.v;
  return result.r;
}

QString TForm1::PipePressureDropText(float r) const {
  if (r < 0.01f) return FloatToStrF(r, 2, 4);
  if (r < 0.1f) return FloatToStrF(r, 2, 3);
  if (r < 1.0f) return FloatToStrF(r, 2, 2);
  return FloatToStrF(r, 10, 1);
}

QString TForm1::PipeVelocityText(float v) const {
  if (v < 0.01f) return FloatToStrF(v, 10, 4);
  if (v < 1.0f) return FloatToStrF(v, 10, 3);
  return FloatToStrF(v, 10, 1);
}

bool TForm1::PipeInputsPossible() {
  // Zero diameters, flows and viscosities are left to the calculation, which
  // reports the division by zero; a roughness is left to it too.
  const bool search = CheckBox2->Checked();
  const auto emptyResults = [this, search] {
    if (search) {
      RFlow->SetText(QString());
    } else {
      RHast->SetText(QString());
      RvardeRoer->SetText(QString());
    }
  };
  return InputsPossible(
      {
          NotNegative(RInvDiam, DecimalFormat(RInvDiam->Text()), lang::Word("NoNegativeDiameter")),
          NotNegative(RKinViskos, RKinViskos->Text(), lang::Word("NoNegativeViscosity")),
          Above(RDensitet, DecimalFormat(RDensitet->Text()), 0.0, Say(lang::Word("DensityAboveZero"))),
          NotNegative(RFlow, search ? QString() : DecimalFormat(RFlow->Text()), lang::Word("NoNegativeFlow")),
      },
      emptyResults);
}

void TForm1::SpeedButton3Click() {
  const Calculation calculation(*this, Rorber);
  pipeSearchEnd_.clear();
  if (!TestRorIndata()) return;
  if (!PipeInputsPossible()) return;
  if (CheckBox2->Checked()) {
    SearchWaterFlow();
    return;
  }
  const double flow = StrToFloat(DecimalFormat(RFlow->Text()));
  const float q = calc::ToSingle(calc::PipeFlowToCubicMetresPerSecond(flow, EnhetRorRadioGroup->ItemIndex() != 0));
  float r = RoerRVaerde(q);
  const float v = GHastighet;
  if (EnhetRorDpRadioGroup->ItemIndex() != 0) r = calc::ToSingle(r / kPaPerMmWater);
  RvardeRoer->SetText(PipePressureDropText(r));
  RHast->SetText(PipeVelocityText(v));
  CalculationDone();
}

// ---- The largest-flow search ----------------------------------------------------

void TForm1::CheckBox2Click() {
  if (CheckBox2->Checked()) {
    // The flow becomes the search's output; velocity and pressure drop
    // become the limits the user types.
    RFlow->SetText(QString());
    RFlow->SetReadOnly(true);
    RFlow->SetColor(TColor::clBtnFace);
    RHast->SetReadOnly(false);
    RHast->SetColor(TColor::clWindow);
    RvardeRoer->SetReadOnly(false);
    RvardeRoer->SetColor(TColor::clWindow);
  } else {
    RFlow->SetReadOnly(false);
    RFlow->SetColor(TColor::clWindow);
    RHast->SetText(QString());
    RHast->SetReadOnly(true);
    RHast->SetColor(TColor::clBtnFace);
    RvardeRoer->SetText(QString());
    RvardeRoer->SetReadOnly(true);
    RvardeRoer->SetColor(TColor::clBtnFace);
  }
}

void TForm1::ChooseWaterLimit(TEdit* limit, TEdit* other) {
  // The field entered last is the limit; the other receives the result.
  if (!CheckBox2->Checked()) return;
  other->SetText(QString());
  other->SetColor(TColor::clBtnFace);
  limit->SetColor(TColor::clWindow);
}

void TForm1::RHastEnter() { ChooseWaterLimit(RHast, RvardeRoer); }

void TForm1::RvardeRoerEnter() { ChooseWaterLimit(RvardeRoer, RHast); }

void TForm1::SearchLimitChange() {
  // A flow found for another limit no longer applies.
  if (CheckBox2->Checked()) RFlow->SetText(QString());
}

QString TForm1::WaterFlowText(float f) const {
  if (f < 0.01f) return FloatToStrF(f, 2, 4);
  if (f < 1.0f) return FloatToStrF(f, 2, 3);
  if (f < 10.0f) return FloatToStrF(f, 10, 2);
  return FloatToStrF(f, 10, 0);
}

void TForm1::SearchWaterFlow() {
  const auto evaluate = [this](float q) -> std::optional<calc::PipeFriction> {
    const float r = RoerRVaerde(q);
    return calc::PipeFriction{r, GHastighet};
  };
  const bool mmWater = EnhetRorDpRadioGroup->ItemIndex() != 0;
  const calc::FlowSearch start = calc::SearchFrom(3.0f);
  if (!RvardeRoer->Text().isEmpty()) {
    RvardeRoer->SetText(DecimalFormat(RvardeRoer->Text()));
    const auto limit = [this, mmWater] {
      const double value = StrToFloat(RvardeRoer->Text());
      return calc::ToSingle(mmWater ? value * kPaPerMmWater : value);
    };
    constexpr auto kPressureDrop = calc::SearchCriterion::PressureDrop;
    ShowWaterSearchResult(
        calc::SearchFlowLimit(kPressureDrop, start, evaluate, limit, calc::PipeSearchRules(kPressureDrop)), RvardeRoer,
        evaluate);
  } else if (!RHast->Text().isEmpty()) {
    RHast->SetText(DecimalFormat(RHast->Text()));
    const auto limit = [this] { return calc::ToSingle(StrToFloat(RHast->Text())); };
    constexpr auto kVelocity = calc::SearchCriterion::Velocity;
    ShowWaterSearchResult(calc::SearchFlowLimit(kVelocity, start, evaluate, limit, calc::PipeSearchRules(kVelocity)),
                          RHast, evaluate);
  }
}

void TForm1::ShowWaterSearchResult(const calc::FlowSearch& search, TEdit* limitField,
                                   const std::function<std::optional<calc::PipeFriction>(float)>& evaluate) {
  float q = search.q;
  calc::PipeFriction shown = search.atQ;
  const QString message = SearchEndMessage(SearchTab::Pipe, search, danishTexts_);
  if (!message.isEmpty()) pipeSearchEnd_ = message;
  switch (search.end) {
    case calc::SearchEnd::Met: break;
    case calc::SearchEnd::ZeroLimit:
    case calc::SearchEnd::NegativeLimit:
      limitField->SetColor(TColor::clRed);
      ShowMessage(message);
      return;
    case calc::SearchEnd::Stalled:
      // The limit falls where no flow meets it within 0.0001 (inside the step
      // of the friction factor at Re 3500, or finer than the stored values
      // resolve): the largest flow known to stay under it is the answer.
      ShowMessage(message);
      if (search.s <= 0.0f) return;
      q = search.s;
      shown = *evaluate(q);
      break;
    case calc::SearchEnd::NoResult:
    case calc::SearchEnd::TooManySteps: ShowMessage(message); return;
  }
  const double flow = calc::PipeFlowFromCubicMetresPerSecond(q, EnhetRorRadioGroup->ItemIndex() != 0);
  if (limitField == RvardeRoer) {
    RHast->SetText(PipeVelocityText(shown.v));
  } else {
    const bool mmWater = EnhetRorDpRadioGroup->ItemIndex() != 0;
    RvardeRoer->SetText(PipePressureDropText(calc::ToSingle(mmWater ? shown.r / kPaPerMmWater : shown.r)));
  }
  RFlow->SetText(WaterFlowText(calc::ToSingle(flow)));
  CalculationDone();
}

// ---- The record -------------------------------------------------------------

TEdit* TForm1::WaterSearchLimit() const {
  // With the search on, the field the user typed last is the limit; the other
  // is grey and receives a result.
  return RvardeRoer->Color() == TColor::clWindow ? RvardeRoer : RHast;
}

TabDescription TForm1::PipeDescription() {
  const bool search = CheckBox2->Checked();
  TEdit* limit = WaterSearchLimit();
  TEdit* other = limit == RvardeRoer ? RHast : RvardeRoer;
  TabDescription d;
  // The units are said by the fields' captions, the search by the flow
  // standing among the results.
  d.inputs = {Input(EnhetRorRadioGroup, InputKind::Group).NoLine(),
              Input(EnhetRorDpRadioGroup, InputKind::Group).NoLine(),
              Input(RMtrlComboBox, InputKind::Choice),
              Input(RYtrahet).NotNegative(),
              Input(RInvDiam).NotNegative(),
              Input(RTemp).Temperature(),
              Input(RKinViskos).NotNegative().Hint(Hint(RKinViskos)),
              Input(RDensitet).NotNegative().Hint(Hint(RDensitet)),
              Input(CheckBox2, InputKind::Button).NoLine(),
              Input(RFlow).NotNegative().When(!search),
              Input(RHast).NotNegative().When(search && limit == RHast),
              Input(RvardeRoer).NotNegative().When(search && limit == RvardeRoer)};
  if (search)
    d.results = {Result(RFlow), Result(other)};
  else
    d.results = {Result(RHast), Result(RvardeRoer)};
  d.rest = [this, search](CalcRecord& record, bool) {
    record.method << Say(lang::Word("MethodPipeWater"))
                  << Say(lang::Word("MethodPipeFriction"))
                         .arg(Figure(calc::kLaminarBelowRe), Figure(calc::kTurbulentFromRe),
                              Figure(calc::kPaPerMmWater));
    if (search) {
      const double tolerance = calc::PipeSearchRules(calc::SearchCriterion::PressureDrop).tolerance;
      record.method << Say(lang::Word("MethodSearch")).arg(Figure(tolerance));
    }
    if (!pipeSearchEnd_.isEmpty()) record.notes << pipeSearchEnd_;
  };
  d.calculate = [this] { SpeedButton3Click(); };
  return d;
}

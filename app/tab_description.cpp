// The record, its staleness and the saved inputs of a tab, all made from the
// tab's one description of its inputs and results.
#include "app/tab_description.h"

#include "app/mainwindow.h"
#include "calc/units.h"

namespace {

// A list's item is saved by its index; a text typed in its edit line by "="
// and the text, which no index starts with.
constexpr QChar kTypedMark = '=';

bool WholeNumberIn(const QString& text, int least, int most) {
  bool read = false;
  const int value = text.toInt(&read);
  return read && value >= least && value <= most;
}

}  // namespace

TabInput& TabInput::Temperature() {
  number = true;
  least = -calc::kAbsoluteZeroCelsius;
  leastIncluded = false;
  return *this;
}

TabInput Input(QWidget* control, InputKind kind) {
  TabInput input;
  input.control = control;
  input.kind = kind;
  input.name = control->objectName();
  return input;
}

TabResult Result(QWidget* control) {
  TabResult result;
  result.control = control;
  return result;
}

TabDescription TForm1::Describe(const QWidget* page) {
  if (page == Effekt) return PowerDescription();
  if (page == Kvs) return ValveDescription();
  if (page == Rorber) return PipeDescription();
  if (page == CO2TabSheet) return CO2Description();
  return DuctDescription();
}

QString TForm1::InputValue(const TabInput& input) const {
  switch (input.kind) {
    case InputKind::Text: return static_cast<const TEdit*>(input.control)->Text();
    case InputKind::Typed: return static_cast<const TComboBox*>(input.control)->Text();
    case InputKind::Choice: {
      const auto* list = static_cast<const TComboBox*>(input.control);
      const int item = list->currentIndex();
      if (item >= 0 && list->itemText(item) == list->Text()) return QString::number(item);
      return kTypedMark + list->Text();
    }
    case InputKind::Group: return QString::number(static_cast<const TRadioGroup*>(input.control)->ItemIndex());
    case InputKind::Button: return static_cast<const QAbstractButton*>(input.control)->isChecked() ? "1" : "0";
    case InputKind::Spin: return static_cast<const TSpinEdit*>(input.control)->Text();
    case InputKind::Custom: return input.read();
  }
  return {};
}

TypedInputs TForm1::TypedInputsOf(const QWidget* page) {
  TypedInputs typed;
  for (const TabInput& input : Describe(page).inputs)
    if (input.inForce) typed << std::pair{input.name, InputValue(input)};
  return typed;
}

QStringList TForm1::ShownResults(const QWidget* page) {
  QStringList shown;
  for (const TabResult& result : Describe(page).results)
    if (result.inForce) shown << (result.shown ? result.shown() : static_cast<const TEdit*>(result.control)->Text());
  return shown;
}

RecordLine TForm1::DescribedLine(const QWidget* control, const QString& caption, const QString& text,
                                 const QString& unit) const {
  RecordLine line = Shown(caption.isEmpty() ? ScreenName(control) : caption, text);
  if (!unit.isEmpty() && !text.trimmed().isEmpty()) line.value += ' ' + unit;
  // A line named as the screen names its control says which control it is.
  if (control && caption.isEmpty()) line.control = control->objectName();
  return line;
}

QString TForm1::ShownValue(const TabInput& input) const {
  if (input.shown) return input.shown();
  switch (input.kind) {
    case InputKind::Group: {
      const auto* group = static_cast<const TRadioGroup*>(input.control);
      return group->ItemIndex() < 0 ? QString() : group->ItemText(group->ItemIndex());
    }
    case InputKind::Button:
      return Say(static_cast<const QAbstractButton*>(input.control)->isChecked() ? lang::Word("RecordYes")
                                                                                 : lang::Word("RecordNo"));
    case InputKind::Choice: return static_cast<const TComboBox*>(input.control)->Text();
    case InputKind::Custom: return input.read();
    default: return InputValue(input);
  }
}

CalcRecord TForm1::BuildRecord(const QWidget* page, bool withResults) {
  const TabDescription description = Describe(page);
  CalcRecord record = NewRecord();
  for (const TabInput& input : description.inputs)
    if (input.inForce && input.line)
      record.inputs << DescribedLine(input.control, input.caption, ShownValue(input), input.unit);
  if (withResults)
    for (const TabResult& result : description.results)
      if (result.inForce && result.line)
        record.results << DescribedLine(
            result.control, result.caption,
            result.shown ? result.shown() : static_cast<const TEdit*>(result.control)->Text(), result.unit);
  if (description.rest) description.rest(record, withResults);
  record.noResult = !withResults;
  return record;
}

const TabInput* TForm1::SavedInput(const TabDescription& description, const QString& name) const {
  for (const TabInput& input : description.inputs)
    if (input.name == name) return &input;
  return nullptr;
}

bool TForm1::SavedValuePossible(const TabInput& input, const QString& value) const {
  switch (input.kind) {
    case InputKind::Group: return WholeNumberIn(value, 0, static_cast<const TRadioGroup*>(input.control)->Count() - 1);
    case InputKind::Button: return value == "0" || value == "1";
    case InputKind::Choice:
      return value.startsWith(kTypedMark) ||
             WholeNumberIn(value, 0, static_cast<const TComboBox*>(input.control)->count() - 1);
    case InputKind::Spin: {
      const auto* spin = static_cast<const TSpinEdit*>(input.control);
      return WholeNumberIn(value, spin->minimum(), spin->maximum());
    }
    case InputKind::Custom: return !input.valid || input.valid(value);
    case InputKind::Text:
    case InputKind::Typed: break;
  }
  if (!input.number || value.isEmpty()) return true;
  double number = 0.0;
  if (!calc::TryStrToFloat(DecimalFormat(value).toStdString(), fmt_, number)) return false;
  return input.leastIncluded ? number >= input.least : number > input.least;
}

QString TForm1::SavedValue(const TabInput& input, const QString& saved, const RecordFile& file) const {
  // Numbers typed into a field follow the separator in use now; indexes,
  // boxes and cells are no numbers.
  const bool typed = input.kind == InputKind::Text || input.kind == InputKind::Typed;
  return typed ? SavedText(file, saved) : saved;
}

void TForm1::PutInput(const TabInput& input, const QString& value) {
  switch (input.kind) {
    case InputKind::Group: static_cast<TRadioGroup*>(input.control)->SetItemIndex(value.toInt()); return;
    case InputKind::Button: {
      const bool on = value == "1";
      if (auto* box = qobject_cast<TCheckBox*>(input.control)) {
        if (box->Checked() != on) box->SetChecked(on);
      } else if (auto* button = qobject_cast<TRadioButton*>(input.control); button && on && !button->Checked()) {
        button->SetChecked(true);
      }
      return;
    }
    case InputKind::Choice: {
      // A list item is picked as from the list; a text is typed.
      auto* list = static_cast<TComboBox*>(input.control);
      if (value.startsWith(kTypedMark)) {
        list->SetText(value.mid(1));
      } else {
        list->setCurrentIndex(value.toInt());
        if (list->OnClick) list->OnClick();
      }
      if (list->OnChange) list->OnChange();
      return;
    }
    case InputKind::Typed: {
      auto* list = static_cast<TComboBox*>(input.control);
      list->SetText(value);
      if (list->OnChange) list->OnChange();
      return;
    }
    case InputKind::Spin: static_cast<TSpinEdit*>(input.control)->setValue(value.toInt()); return;
    case InputKind::Custom: input.put(value); return;
    case InputKind::Text: {
      // Typed as a user types it, where the text differs: the field is
      // entered (a search takes the field entered last as its limit),
      // written and left.
      auto* field = static_cast<TEdit*>(input.control);
      if (field->Text() == value) return;
      if (!value.isEmpty() && field->OnEnter) field->OnEnter();
      field->SetText(value);
      if (!value.isEmpty() && field->OnExit) field->OnExit();
      return;
    }
  }
}

// The interface language chosen in the about box: every caption, hint, list
// item and grid heading in Swedish or Danish. The texts are one table, applied
// row by row in its order; the few rows whose text depends on the window's
// state are rules, worked out beside the table.
#include <QAbstractButton>
#include <QGroupBox>
#include <array>

#include "app/aboutbox.h"
#include "app/duct_run_window.h"
#include "app/mainwindow.h"
#include "app/widgets/combobox.h"
#include "app/widgets/spoken.h"
#include "lang/texts.h"

namespace {

using namespace lang;

void SetCaption(QWidget* control, const QString& text) {
  if (auto* label = qobject_cast<TLabel*>(control))
    label->SetCaption(text);
  else if (auto* button = qobject_cast<QAbstractButton*>(control))
    button->setText(text);
  else if (auto* group = qobject_cast<QGroupBox*>(control))
    group->setTitle(text);
}

// The control a row names, when it is of a kind the row's property applies
// to; nullptr otherwise. Private texts and rules name no control of this kind.
QWidget* Target(TForm1& form, const Assignment& row) {
  QWidget* control = form.findChild<QWidget*>(QString::fromLatin1(row.control));
  if (!control) return nullptr;
  switch (row.property) {
    case Property::PageCaption: return qobject_cast<TPageControl*>(control);
    case Property::Caption:
      if (qobject_cast<TLabel*>(control) || qobject_cast<QAbstractButton*>(control) ||
          qobject_cast<QGroupBox*>(control))
        return control;
      return nullptr;
    case Property::EditLabel: return qobject_cast<TEdit*>(control);
    case Property::Hint:
    case Property::Spoken:
    case Property::Rule: return control;
    case Property::Item: return qobject_cast<TComboBox*>(control);
    case Property::GroupItem: return qobject_cast<TRadioGroup*>(control);
    case Property::Cell: return qobject_cast<TStringGrid*>(control);
    case Property::Private:
    case Property::Word: return nullptr;
  }
  return nullptr;
}

// One assignment of the table to its control; sets texts only, so no handler
// runs.
void Apply(TForm1& form, const Assignment& row, const QString& text) {
  QWidget* control = Target(form, row);
  if (!control) return;
  switch (row.property) {
    case Property::PageCaption: static_cast<TPageControl*>(control)->SetCaption(row.index, text); break;
    case Property::Caption: SetCaption(control, text); break;
    case Property::EditLabel: static_cast<TEdit*>(control)->SetLabelCaption(text); break;
    case Property::Hint:
      // A combo box shows no hint; it only keeps it.
      if (qobject_cast<TComboBox*>(control))
        KeepHint(control, text);
      else
        SetHint(control, text);
      break;
    case Property::Item: static_cast<TComboBox*>(control)->SetItem(row.index, text); break;
    case Property::GroupItem: static_cast<TRadioGroup*>(control)->SetItem(row.index, text); break;
    case Property::Cell: static_cast<TStringGrid*>(control)->SetCell(row.index, row.row, text); break;
    case Property::Spoken:
      if (auto* edit = qobject_cast<TEdit*>(control))
        edit->SetSpokenWhat(text);
      else
        SpeakAs(control, text);
      break;
    case Property::Private:
    case Property::Word:
    case Property::Rule: break;
  }
}

}  // namespace

void TForm1::ValjSprak() {
  if (!aboutBox_) return;
  const QString language = aboutBox_->SpraakComboBox->currentText();
  if (language == QStringLiteral("Svensk")) SvenskaTexter();
  if (language == QStringLiteral("Dansk")) DanskaTexter();
}

void TForm1::SvenskaTexter() { ApplyLanguage(false); }

void TForm1::DanskaTexter() { ApplyLanguage(true); }

void TForm1::ApplyLanguage(bool danish) {
  danishTexts_ = danish;
  for (const Assignment& row : kTexts) {
    const char* chosen = danish && row.danish ? row.danish : row.swedish;
    const QString text = chosen ? QString::fromUtf8(chosen) : QString();
    if (row.property == Property::Word) continue;  // taken where they are written
    if (row.property == Property::Rule)
      ApplyLanguageRule(row.index, danish);
    else if (row.property == Property::Private) {
      if (QString* target = PrivateText(QString::fromLatin1(row.control))) *target = text;
    } else
      Apply(*this, row, text);
  }
  // The step field's caption belongs to the chosen shape: the language's
  // caption is kept for the rectangular shape, and a circular duct's field,
  // which holds its joint coefficient, stays captioned "ð".
  stegCaption_ = Steg->LabelCaption();
  if (CirkRadioButton->Checked()) Steg->SetLabelCaption(JointCaption());
  // A field in a group box is heard with the group's title, and the time to
  // equilibrium with its caption: both may have changed.
  for (TEdit* field : findChildren<TEdit*>()) field->UpdateSpokenName();
  Tid->UpdateSpokenName();
  NameStegField();
  DescribeRedFields();
  DescribeCO2Chart();
  // Longer texts (Danish ones) get their room at once, not at the next resize.
  Omskalning();
  PlaceTimeBesideItsCaption();
  if (stracka_) stracka_->ApplyLanguage();
}

void TForm1::NameForScreenReaders() {
  for (const Assignment& row : kTexts)
    if (row.property == Property::Spoken) Apply(*this, row, QString::fromUtf8(row.swedish));
  DescribeCO2Chart();
  DescribeRedFields();
}

QString* TForm1::PrivateText(const QString& name) {
  if (name == QStringLiteral("GCirkSidaText")) return &GCirkSidaText;
  if (name == QStringLiteral("GRektSidaText")) return &GRektSidaText;
  if (name == QStringLiteral("GMeddKanalTillIsol")) return &GMeddKanalTillIsol;
  if (name == QStringLiteral("GOverGransen")) return &GOverGransen;
  if (name == QStringLiteral("GEngangsmotstand")) return &GEngangsmotstand;
  if (name == QStringLiteral("GKurvaUppbyggnad")) return &GKurvaUppbyggnad;
  if (name == QStringLiteral("GKurvaUtvadring")) return &GKurvaUtvadring;
  if (name == QStringLiteral("GKurvaTom")) return &GKurvaTom;
  return nullptr;
}

QStringList UnappliedTextRows(TForm1& form) {
  QStringList faults;
  for (const Assignment& row : kTexts) {
    const QString name = QString::fromLatin1(row.control);
    if (row.property == Property::Word) continue;  // the program's own words name no control
    if (row.property == Property::Private) {
      if (!form.PrivateText(name)) faults << name + ": no such private text";
    } else if (!form.findChild<QWidget*>(name)) {
      faults << name + ": no such control";
    } else if (!Target(form, row)) {
      faults << name + ": not a control of this kind";
    }
  }
  return faults;
}

void TForm1::ApplyLanguageRule(int rule, bool danish) {
  switch (rule) {
    case kSidaLabelByShape:
      SidaLabel->SetCaption(RektRadioButton->Checked()   ? GRektSidaText
                            : CirkRadioButton->Checked() ? GCirkSidaText
                                                         : GRektSidaText);
      break;
    case kLabel1HintIsCaption: SetHint(Label1, Label1->Caption()); break;
    case kFirstDuctMaterial: ComboBox1->SetText(ComboBox1->itemText(0)); break;
    case kOwnPipeMaterial: RMtrlComboBox->SetText(RMtrlComboBox->itemText(5)); break;
    case kDirectionHint: {
      const lang::Words hint =
          CalkValRadioGroup->ItemIndex() == 0 ? lang::Word("DirectionFlowToPower") : lang::Word("DirectionPowerToFlow");
      SetHint(CalkValRadioGroup, QString::fromUtf8(danish ? hint.danish : hint.swedish));
      break;
    }
    case kCriterionFigures: FillCriterionFigures(); break;
    case kOwnCO2RatesEmptied:
      CO2Grid->SetCell(1, 7, QString());
      CO2Grid->SetCell(2, 7, QString());
      break;
    default: break;
  }
}

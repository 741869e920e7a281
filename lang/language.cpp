// The interface language chosen in the about box: every caption, hint, list
// item and grid heading in Swedish or Danish. The texts are one table, applied
// row by row in its order; the few rows whose text depends on the window's
// state are rules, worked out beside the table.
#include <QAbstractButton>
#include <QGroupBox>
#include <array>

#include "app/aboutbox.h"
#include "app/mainwindow.h"
#include "app/widgets/combobox.h"

namespace {

enum class Property {
  PageCaption,  // caption of tab page `index`
  Caption,      // caption of a label, check box, radio button or group box
  EditLabel,    // caption of the label attached to an edit field
  Hint,         // tool-tip hint
  Item,         // item `index` of a combo box
  GroupItem,    // item `index` of a radio group (the chosen item stays)
  Cell,         // cell (`index`, `row`) of a string grid
  Private,      // one of the window's private texts
  Rule,         // rule `index`, below
};

// The rows whose text depends on the window's state.
enum Rule {
  kSidaLabelByShape = 1,     // SidaLabel: the caption for the chosen shape
  kLabel1HintIsCaption = 2,  // Label1's hint: its caption
  kFirstDuctMaterial = 3,    // ComboBox1 shows item 0
  kOwnPipeMaterial = 4,      // RMtrlComboBox shows item 5
  kDirectionHint = 5,        // CalkValRadioGroup's hint by the chosen direction
  kOwnCO2RatesEmptied = 6,   // CO2Grid cells (1,7) and (2,7) emptied
};

struct Assignment {
  const char* control;
  Property property;
  int index;
  int row;
  const char* swedish;
  const char* danish;  // nullptr: the same as the Swedish text
};

constexpr Property kPage = Property::PageCaption;
constexpr Property kCaption = Property::Caption;
constexpr Property kLabel = Property::EditLabel;
constexpr Property kHint = Property::Hint;
constexpr Property kItem = Property::Item;
constexpr Property kGroupItem = Property::GroupItem;
constexpr Property kCell = Property::Cell;
constexpr Property kPrivate = Property::Private;
constexpr Property kRule = Property::Rule;

// Every assignment, in the order both languages make them.
constexpr std::array kTexts = std::to_array<Assignment>({
    {"PageControl1", kPage, 0, 0, "Kanalberäkning", "Kanalberegning"},
    {"PageControl1", kPage, 1, 0, "Effekt / Flöde", "Effekt / Flow"},
    {"PageControl1", kPage, 2, 0, "KV-beräkning", "KV-beregning"},
    {"PageControl1", kPage, 3, 0, "Rörberäkning", "Rørberegning"},
    {"PageControl1", kPage, 4, 0, "Koldioxid", "Kuldioxid"},
    {"Flow", kHint, 0, 0, "DubbelKlicka för att byta enhet", "DobbelKlik for at ændre enhed"},
    {"CheckBox1", kHint, 0, 0, "sök max flöde för given dimension\r\noch max Pa/m eller hastighet m/s",
     "søg max volumenstrøm for en given\r\n dimension og max Pa/m eller hastighet m/s"},
    {"CheckBox1", kCaption, 0, 0, "Sök", "Søg"},
    {"Sida", kHint, 0, 0,
     "En sida måste anges för rektangulära kanaler eller\r\nange dimension för beräkning av hastighet och "
     "\r\ntryckfall för visad dimension",
     "Der skal angives en side for rektangulær kanal\r\neller dimension for beregning af hastighed og "
     "\r\ntryktab for den viste dimension"},
    {"GRektSidaText", kPrivate, 0, 0, "Sida (mm)", "Side (mm)"},
    {"GCirkSidaText", kPrivate, 0, 0, "Ø Diam (mm)", nullptr},
    {"SidaLabel", kRule, kSidaLabelByShape, 0, nullptr, nullptr},
    {"Steg", kHint, 0, 0, "Minsta sidoförändring för rektangulär kanal",
     "Mindste ændring i kanalmål for rektangulær kanal"},
    {"Steg", kLabel, 0, 0, "Steg mm", "Trin (mm)"},
    {"SpeedButton1", kHint, 0, 0, "ENTER", nullptr},
    {"EnhetRadioGroup", kCaption, 0, 0, "Enhet", "Enhed"},
    {"Label1", kCaption, 0, 0, "Max sidoförh. rekt. kanal", "Max sideforh. rekt. kanal"},
    {"Label1", kRule, kLabel1HintIsCaption, 0, nullptr, nullptr},
    {"CirkRadioButton", kCaption, 0, 0, "Cirk.", nullptr},
    {"SpinEdit1", kHint, 0, 0, "0 = 1:0 inget, \r\n3 = 1:3 största sida 3 gånger större än minsta sida",
     "0 = 1:0 inget, \r\n3 = 1:3 største side 3 ganger større end mindste side"},
    {"Ytrahet", kLabel, 0, 0, "Ytråhet (mm)", "Ruhed (mm)"},
    {"ComboBox1", kItem, 0, 0, "0.025 Fz Stål Veloduct", nullptr},
    {"ComboBox1", kItem, 1, 0, "0.025 Fz Stål Lindab SR", nullptr},
    {"ComboBox1", kItem, 2, 0, "1.000 Betong", "1.000 Beton"},
    {"ComboBox1", kRule, kFirstDuctMaterial, 0, nullptr, nullptr},
    {"GMeddKanalTillIsol", kPrivate, 0, 0, "Kanalsida för liten för isolering", "Kanalside for lille til isolering"},
    {"Isolering", kHint, 0, 0, "Isolertjocklek mm", "Isoleringstykkelse mm"},
    {"CO2Grid", kHint, 0, 0, "Markera aktivitet för barn eller vuxna för beräkning",
     "Angiv aktivitet for børn eller voksen for beregning"},
    {"Label5", kCaption, 0, 0, "CO2 alstring l/h och person", "CO2 afgivelse l/h og person"},
    {"CO2Ute", kLabel, 0, 0, "CO2-ute", "CO2-ude"},
    {"CO2Ute", kHint, 0, 0, "ppm", nullptr},
    {"UteLuft", kLabel, 0, 0, "Uteluft l/s", "Udeluft l/s"},
    {"UteLuft", kHint, 0, 0, "Total friskluftmängd till rummet", "Total lufttilførsel til rummet"},
    {"RumVolym", kLabel, 0, 0, "Rum m³", nullptr},
    {"GroupBox3", kCaption, 0, 0, "Alstring", "Afgivelse"},
    {"GroupBox3", kHint, 0, 0, "Koncentration i rummet", nullptr},
    {"Label7", kCaption, 0, 0, "Jämviktskonc., tim:min", "Ligevægtsskonc., tim:min"},
    {"CO2Min", kLabel, 0, 0, "CO2 Min - Max", nullptr},
    {"AntalPers", kLabel, 0, 0, "Pers. st.", nullptr},
    {"AntalPers", kHint, 0, 0, "Antal personer som alstrar CO2", "Antal personer som tilfører CO2"},
    {"GroupBox2", kCaption, 0, 0, "Utvädring (startvärde)", "Fortynding (startværdi)"},
    {"GroupBox2", kHint, 0, 0, "Utvädring av rummet", "Ventilering af rummet"},
    {"CO2utspadning", kLabel, 0, 0, "CO2 Min - Max", nullptr},
    {"CO2utspadning", kHint, 0, 0, "Eget eller beräknat startvärde", "Eget eller beregnet startværdi"},
    {"AntalPersUtspadning", kLabel, 0, 0, "Pers. st", nullptr},
    {"AntalPersUtspadning", kHint, 0, 0, "Antal personer i rummet vid utvädring",
     "Antal personer i rummet ved ventilering"},
    {"CO2CalcButton", kHint, 0, 0, "ENTER", nullptr},
    {"SparaKurva", kCaption, 0, 0, "Behåll kurvor", "Gem kurver"},
    {"SparaKurva", kHint, 0, 0, "Jämförelse av kurvor vid skilda beräkningar",
     "Sammenlign kurver fra forskellige beregninger"},
    // The activity table: headings, activities, and the rates in litres of
    // CO2 per hour and person (children, adults), the same in both languages.
    {"CO2Grid", kCell, 0, 0, "Aktivitet", nullptr},
    {"CO2Grid", kCell, 1, 0, "Barn", "Børn"},
    {"CO2Grid", kCell, 2, 0, "Vuxna", "Voksne"},
    {"CO2Grid", kCell, 0, 1, "Sovande", "Sovende"},
    {"CO2Grid", kCell, 0, 2, "Sittande", "Siddende"},
    {"CO2Grid", kCell, 0, 3, "Maskinskrivn", nullptr},
    {"CO2Grid", kCell, 0, 4, "Lätt industri", "Let industri"},
    {"CO2Grid", kCell, 0, 5, "Gymnastik", nullptr},
    {"CO2Grid", kCell, 0, 6, "Dans, Tennis", nullptr},
    {"CO2Grid", kCell, 0, 7, "Eget val", "Eget valg"},
    {"CO2Grid", kCell, 1, 1, "7-10", nullptr},
    {"CO2Grid", kCell, 2, 1, "10-12", nullptr},
    {"CO2Grid", kCell, 1, 2, "9-12", nullptr},
    {"CO2Grid", kCell, 2, 2, "12-15", nullptr},
    {"CO2Grid", kCell, 1, 3, "15-20", nullptr},
    {"CO2Grid", kCell, 2, 3, "19-24", nullptr},
    {"CO2Grid", kCell, 1, 4, "25-34", nullptr},
    {"CO2Grid", kCell, 2, 4, "33-42", nullptr},
    {"CO2Grid", kCell, 1, 5, "25-34", nullptr},
    {"CO2Grid", kCell, 2, 5, "33-42", nullptr},
    {"CO2Grid", kCell, 1, 6, "42-56", nullptr},
    {"CO2Grid", kCell, 2, 6, "55-70", nullptr},
    {"CO2Grid", kRule, kOwnCO2RatesEmptied, 0, nullptr, nullptr},
    {"GroupBox1", kCaption, 0, 0, "Material", "Materiale"},
    {"RYtrahet", kLabel, 0, 0, "Ytråhet mm", "Ruhed mm"},
    {"RInvDiam", kLabel, 0, 0, "Inv.ø mm", "Indv.ø mm"},
    // The pipe materials; the pipe tab picks a material by its index.
    {"RMtrlComboBox", kItem, 0, 0, "Stål", nullptr},
    {"RMtrlComboBox", kItem, 1, 0, "Rostfritt", "Rustfri stål"},
    {"RMtrlComboBox", kItem, 2, 0, "Elförzinkat", "El-forzinket"},
    {"RMtrlComboBox", kItem, 3, 0, "Koppar", "Kobber"},
    {"RMtrlComboBox", kItem, 4, 0, "Pex", nullptr},
    {"RMtrlComboBox", kItem, 5, 0, "Eget val", "Eget valg"},
    {"RMtrlComboBox", kRule, kOwnPipeMaterial, 0, nullptr, nullptr},
    {"GroupBox4", kCaption, 0, 0, "Sök", "Søg"},
    {"GroupBox4", kHint, 0, 0, "Sök max flöde vid given dimension och hast eller \r\ntryckfall Pa/m",
     "Søg max volumenstrøm ved given dimension og hast\r\neller tryktab Pa/m"},
    {"RorEnhet", kCaption, 0, 0, "flöde", "flow"},
    {"RorEnhet", kHint, 0, 0, "Volymström", "Volumenstrøm"},
    {"RTemp", kLabel, 0, 0, "Temp.°C", nullptr},
    {"RKinViskos", kLabel, 0, 0, "Kin.visk.", nullptr},
    {"RKinViskos", kHint, 0, 0, "m2/s*E-6", nullptr},
    {"RDensitet", kLabel, 0, 0, "Densitet", nullptr},
    {"RDensitet", kHint, 0, 0, "kg/m³", nullptr},
    {"RFlow", kLabel, 0, 0, "l/s", nullptr},
    {"RHast", kLabel, 0, 0, "Hast m/s", nullptr},
    {"RvardeRoer", kLabel, 0, 0, "Pa/m", nullptr},
    {"EnhetRorRadioGroup", kCaption, 0, 0, "Enhet", "Enhed"},
    {"EnhetRorDpRadioGroup", kCaption, 0, 0, "Enhet", "Enhed"},
    {"SpeedButton3", kHint, 0, 0, "ENTER", nullptr},
    {"FlowRadioGroup", kCaption, 0, 0, "Flöde", "Flow"},
    {"FlowRadioGroup", kHint, 0, 0, "Volymström", "Volumenstrøm"},
    {"TryckRadioGroup", kCaption, 0, 0, "Tryck", "Tryk"},
    {"EnhetFlowRadioGroup", kCaption, 0, 0, "Flöde", "Flow"},
    {"CalkValRadioGroup", kCaption, 0, 0, "Beräkning", "Beregning"},
    {"CalkValRadioGroup", kGroupItem, 0, 0, "flöde > effekt", "flow > effekt"},
    {"CalkValRadioGroup", kGroupItem, 1, 0, "effekt > flöde", "effekt > flow"},
    {"CalkValRadioGroup", kRule, kDirectionHint, 0, nullptr, nullptr},
    {"Label3", kCaption, 0, 0, "J/kg °C", nullptr},
    {"SpeedButton4", kHint, 0, 0, "ENTER", nullptr},
    {"SpeedButton2", kHint, 0, 0, "ENTER", nullptr},
    {"RadioButton1", kCaption, 0, 0, "sök", "søg"},
    {"RadioButton2", kCaption, 0, 0, "sök", "søg"},
    {"RadioButton3", kCaption, 0, 0, "sök", "søg"},
    {"RadioButton4", kCaption, 0, 0, "sök", "søg"},
    {"FeInvDiamLabel", kCaption, 0, 0, "Inv. ø mm", nullptr},
    {"FeCheckBox", kCaption, 0, 0, "Beräkna Fe", "Beregne Fe"},
});

// The direction hint of the power tab, by the chosen direction.
struct DirectionHints {
  const char* flowToPower;
  const char* powerToFlow;
};
constexpr DirectionHints kSwedishDirection{"Volymström till effekt", "Effekt till volymström"};
constexpr DirectionHints kDanishDirection{"Volumenstrøm til effekt", "Effekt til volumenstrøm"};

void SetCaption(QWidget* control, const QString& text) {
  if (auto* label = qobject_cast<TLabel*>(control))
    label->SetCaption(text);
  else if (auto* button = qobject_cast<QAbstractButton*>(control))
    button->setText(text);
  else if (auto* group = qobject_cast<QGroupBox*>(control))
    group->setTitle(text);
}

// One assignment of the table to its control; sets texts only, so no handler
// runs.
void Apply(TForm1& form, const Assignment& row, const QString& text) {
  QWidget* control = form.findChild<QWidget*>(QString::fromLatin1(row.control));
  if (!control) return;
  switch (row.property) {
    case Property::PageCaption: form.PageControl1->SetCaption(row.index, text); break;
    case Property::Caption: SetCaption(control, text); break;
    case Property::EditLabel:
      if (auto* edit = qobject_cast<TEdit*>(control)) edit->SetLabelCaption(text);
      break;
    case Property::Hint:
      // A combo box shows no hint; it only keeps it.
      if (qobject_cast<TComboBox*>(control))
        KeepHint(control, text);
      else
        SetHint(control, text);
      break;
    case Property::Item:
      if (auto* combo = qobject_cast<TComboBox*>(control)) combo->SetItem(row.index, text);
      break;
    case Property::GroupItem:
      if (auto* group = qobject_cast<TRadioGroup*>(control)) group->SetItem(row.index, text);
      break;
    case Property::Cell:
      if (auto* grid = qobject_cast<TStringGrid*>(control)) grid->SetCell(row.index, row.row, text);
      break;
    case Property::Private:
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
  for (const Assignment& row : kTexts) {
    const char* chosen = danish && row.danish ? row.danish : row.swedish;
    const QString text = chosen ? QString::fromUtf8(chosen) : QString();
    if (row.property == Property::Rule)
      ApplyLanguageRule(row.index, danish);
    else if (row.property == Property::Private)
      *PrivateText(QString::fromLatin1(row.control)) = text;
    else
      Apply(*this, row, text);
  }
  // Longer texts (Danish ones) get their room at once, not at the next resize.
  Omskalning();
  PlaceTimeBesideItsCaption();
}

QString* TForm1::PrivateText(const QString& name) {
  if (name == QStringLiteral("GCirkSidaText")) return &GCirkSidaText;
  if (name == QStringLiteral("GRektSidaText")) return &GRektSidaText;
  return &GMeddKanalTillIsol;
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
      const DirectionHints& hints = danish ? kDanishDirection : kSwedishDirection;
      SetHint(CalkValRadioGroup,
              QString::fromUtf8(CalkValRadioGroup->ItemIndex() == 0 ? hints.flowToPower : hints.powerToFlow));
      break;
    }
    case kOwnCO2RatesEmptied:
      CO2Grid->SetCell(1, 7, QString());
      CO2Grid->SetCell(2, 7, QString());
      break;
    default: break;
  }
}

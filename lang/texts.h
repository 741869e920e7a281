// The Swedish and Danish texts of every caption, hint, list item and grid
// heading, as one table applied row by row in its order (ValjSprak). The
// builders of the tabs take their Swedish captions from it too (Swedish()),
// so that each text is written once.
#pragma once

#include <QString>
#include <array>
#include <string_view>

namespace lang {

enum class Property {
  PageCaption,  // caption of tab page `index`
  Caption,      // caption of a label, check box, radio button or group box
  EditLabel,    // caption of the label attached to an edit field
  Hint,         // tool-tip hint
  Item,         // item `index` of a combo box
  GroupItem,    // item `index` of a radio group (the chosen item stays)
  Cell,         // cell (`index`, `row`) of a string grid
  Spoken,       // what a screen reader calls the control; for an edit field,
                // what it holds, said before its caption
  Private,      // one of the window's private texts
  Rule,         // rule `index`, below
  Word,         // a text the program writes itself: the record's words and
                // method lines, menus and dialogs beyond the calculators,
                // and the messages about impossible inputs and files
};

// The rows whose text depends on the window's state.
enum Rule {
  kSidaLabelByShape = 1,     // SidaLabel: the caption for the chosen shape
  kLabel1HintIsCaption = 2,  // Label1's hint: its caption
  kFirstDuctMaterial = 3,    // ComboBox1 shows item 0
  kOwnPipeMaterial = 4,      // RMtrlComboBox shows item 5
  kDirectionHint = 5,        // CalkValRadioGroup's hint by the chosen direction
  kOwnCO2RatesEmptied = 6,   // CO2Grid cells (1,7) and (2,7) emptied
  kCriterionFigures = 7,     // CO2Kriterium's items get their figures (%1)
};

struct Assignment {
  const char* control;
  Property property;
  int index;
  int row;
  const char* swedish;
  const char* danish;  // nullptr: the same as the Swedish text
};

inline constexpr Property kPage = Property::PageCaption;
inline constexpr Property kCaption = Property::Caption;
inline constexpr Property kLabel = Property::EditLabel;
inline constexpr Property kHint = Property::Hint;
inline constexpr Property kItem = Property::Item;
inline constexpr Property kGroupItem = Property::GroupItem;
inline constexpr Property kCell = Property::Cell;
inline constexpr Property kSpoken = Property::Spoken;
inline constexpr Property kPrivate = Property::Private;
inline constexpr Property kRule = Property::Rule;
inline constexpr Property kWord = Property::Word;

// Every assignment, in the order both languages make them.
inline constexpr std::array kTexts = std::to_array<Assignment>({
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
    // The outdoor air a room needs, for a target level or a stay.
    {"UteLuftSok", kCaption, 0, 0, "Sök uteluft", "Søg udeluft"},
    {"UteLuftSok", kHint, 0, 0, "Minsta uteluftflöde för en högsta CO2-halt",
     "Mindste udeluft for et højeste CO2-indhold"},
    {"CO2Mal", kLabel, 0, 0, "Högst ppm", "Højst ppm"},
    {"CO2Mal", kHint, 0, 0, "Högsta CO2-halt i rummet", "Højeste CO2-indhold i rummet"},
    {"CO2Kriterium", kItem, 0, 0, "Eget värde", "Egen værdi"},
    // The figures are the calculation's (kCO2LimitPpm, kCO2CategoryMarginsPpm).
    {"CO2Kriterium", kItem, 1, 0, "%1 ppm", nullptr},
    {"CO2Kriterium", kItem, 2, 0, "Kategori I (ute + %1)", "Kategori I (ude + %1)"},
    {"CO2Kriterium", kItem, 3, 0, "Kategori II (ute + %1)", "Kategori II (ude + %1)"},
    {"CO2Kriterium", kItem, 4, 0, "Kategori III (ute + %1)", "Kategori III (ude + %1)"},
    {"CO2Kriterium", kRule, kCriterionFigures, 0, nullptr, nullptr},
    {"CO2Kriterium", kHint, 0, 0, "Högsta halt enligt ett kriterium", "Højeste indhold efter et kriterium"},
    {"VistelseTid", kLabel, 0, 0, "Vistelse tim:min", "Ophold tim:min"},
    {"VistelseTid", kHint, 0, 0, "Tomt: till jämvikt", "Tom: til ligevægt"},
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
    // The direction hint the rule above chooses.
    {"DirectionFlowToPower", kWord, 0, 0, "Volymström till effekt", "Volumenstrøm til effekt"},
    {"DirectionPowerToFlow", kWord, 0, 0, "Effekt till volymström", "Effekt til volumenstrøm"},
    {"Label3", kCaption, 0, 0, "J/kg °C", nullptr},
    {"SpeedButton4", kHint, 0, 0, "ENTER", nullptr},
    {"SpeedButton2", kHint, 0, 0, "ENTER", nullptr},
    {"RadioButton1", kCaption, 0, 0, "sök", "søg"},
    {"RadioButton2", kCaption, 0, 0, "sök", "søg"},
    {"RadioButton3", kCaption, 0, 0, "sök", "søg"},
    {"RadioButton4", kCaption, 0, 0, "sök", "søg"},
    {"FeInvDiamLabel", kCaption, 0, 0, "Inv. ø mm", nullptr},
    {"FeCheckBox", kCaption, 0, 0, "Beräkna Fe", "Beregne Fe"},
    // For screen readers: fields whose caption is a unit only or a picture,
    // controls with no caption, and captions shared within a tab.
    {"PageControl1", kSpoken, 0, 0, "Beräkningar", "Beregninger"},
    {"AnnouncedResults", kWord, 0, 0, "Resultat: %1", nullptr},
    {"AnnouncedRows", kWord, 0, 0, "%1 rader", "%1 rækker"},
    {"RedEmpty", kWord, 0, 0, "Fältet är tomt", "Feltet er tomt"},
    {"Saved", kWord, 0, 0, "Sparad i %1", "Gemt i %1"},
    {"CellChosen", kWord, 0, 0, "vald", "valgt"},
    {"JointDescription", kWord, 0, 0, "Engångsmotstånd per meter för kanalens skarvar",
     "Enkeltmodstand pr. meter for kanalens samlinger"},
    {"RedNoNumber", kWord, 0, 0, "Inget tal", "Intet tal"},
    {"Flow", kSpoken, 0, 0, "Flöde", "Flow"},
    {"SpeedButton1", kSpoken, 0, 0, "Beräkna (ENTER)", "Beregn (ENTER)"},
    {"StringGrid1", kSpoken, 0, 0, "Dimensioner, resultat", nullptr},
    {"GOverGransen", kPrivate, 0, 0, "över gränsen", "over grænsen"},
    {"GEngangsmotstand", kPrivate, 0, 0, "Engångsmotstånd", "Enkeltmodstand"},
    {"ComboBox1", kSpoken, 0, 0, "Kanalmaterial", "Kanalmateriale"},
    {"EffektFlowEdit", kSpoken, 0, 0, "Flöde", "Flow"},
    {"EffektEdit", kSpoken, 0, 0, "Effekt", nullptr},
    {"Image2", kSpoken, 0, 0, "Temperaturdifferens Δt", "Temperaturdifference Δt"},
    {"DeltaT", kSpoken, 0, 0, "Temperaturdifferens °C", "Temperaturdifference °C"},
    {"SpecHeatKapacitet", kSpoken, 0, 0, "Specifik värmekapacitet", "Specifik varmekapacitet"},
    {"SpeedButton4", kSpoken, 0, 0, "Beräkna (ENTER)", "Beregn (ENTER)"},
    {"FlowEdit", kSpoken, 0, 0, "Flöde", "Flow"},
    {"TryckEdit", kSpoken, 0, 0, "Tryckfall", "Trykfald"},
    {"RadioButton1", kSpoken, 0, 0, "sök flöde", "søg flow"},
    {"RadioButton2", kSpoken, 0, 0, "sök tryckfall", "søg trykfald"},
    {"RadioButton3", kSpoken, 0, 0, "sök Kv", "søg Kv"},
    {"RadioButton4", kSpoken, 0, 0, "sök Fe", "søg Fe"},
    {"SpeedButton2", kSpoken, 0, 0, "Beräkna (ENTER)", "Beregn (ENTER)"},
    {"RMtrlComboBox", kSpoken, 0, 0, "Rörmaterial", "Rørmateriale"},
    {"CheckBox2", kSpoken, 0, 0, "Sök flöde", "Søg flow"},
    {"RFlow", kSpoken, 0, 0, "Flöde", "Flow"},
    {"RvardeRoer", kSpoken, 0, 0, "Tryckfall", "Trykfald"},
    {"EnhetRorRadioGroup", kSpoken, 0, 0, "Enhet flöde", "Enhed flow"},
    {"EnhetRorDpRadioGroup", kSpoken, 0, 0, "Enhet tryckfall", "Enhed trykfald"},
    {"SpeedButton3", kSpoken, 0, 0, "Beräkna (ENTER)", "Beregn (ENTER)"},
    {"CO2CalcButton", kSpoken, 0, 0, "Beräkna (ENTER)", "Beregn (ENTER)"},
    {"COkurva", kSpoken, 0, 0, "CO2-kurva", "CO2-kurve"},
    {"CO2Kriterium", kSpoken, 0, 0, "Kriterium för högsta halt", "Kriterium for højeste indhold"},
    {"GKurvaUppbyggnad", kPrivate, 0, 0, "CO2-halten i rummet stiger från %1 ppm ute till %2 ppm på %3 (tim:min).",
     "CO2-indholdet i rummet stiger fra %1 ppm ude til %2 ppm på %3 (tim:min)."},
    {"GKurvaUtvadring", kPrivate, 0, 0, "Utvädring från %1 ppm till %2 ppm efter 10 timmar.",
     "Fortynding fra %1 ppm til %2 ppm efter 10 timer."},
    {"GKurvaTom", kPrivate, 0, 0, "Ingen kurva ritad.", "Ingen kurve tegnet."},
    // The program's own words. %1, %2, ... are filled in where they are used:
    // the model's constants come from calc/, written with the screen's
    // decimal separator.
    {"RecordProject", kWord, 0, 0, "Projekt:", nullptr},
    {"RecordObject", kWord, 0, 0, "Objekt/rum:", nullptr},
    {"RecordSignature", kWord, 0, 0, "Beräknad av / kontrollerad av:", "Beregnet af / kontrolleret af:"},
    {"RecordInputs", kWord, 0, 0, "Indata", "Inddata"},
    {"RecordMethod", kWord, 0, 0, "Metod", "Metode"},
    {"RecordResults", kWord, 0, 0, "Resultat", nullptr},
    {"RecordOver", kWord, 0, 0, "* = över gränsvärdet", "* = over grænseværdien"},
    {"RecordEmpty", kWord, 0, 0, "(tomt)", "(tom)"},
    {"RecordNoResult", kWord, 0, 0, "Inget resultat visas.", "Intet resultat vises."},
    {"RecordChanged", kWord, 0, 0, "Indata har ändrats efter beräkningen; här visas beräkningens indata och resultat.",
     "Inddata er ændret efter beregningen; her vises beregningens inddata og resultater."},
    {"RecordPage", kWord, 0, 0, "Sida %1 av %2", "Side %1 af %2"},
    {"RecordShape", kWord, 0, 0, "Form", nullptr},
    // The step field's caption for a circular duct, whose field holds the
    // joint coefficient.
    {"JointCaption", kWord, 0, 0, "ð", nullptr},
    {"RecordYes", kWord, 0, 0, "Ja", nullptr},
    {"RecordNo", kWord, 0, 0, "Nej", nullptr},
    {"RecordPrint", kWord, 0, 0, "Skriv ut beräkning...", "Udskriv beregning..."},
    {"RecordSave", kWord, 0, 0, "Spara beräkning som PDF...", "Gem beregning som PDF..."},
    {"RecordCopy", kWord, 0, 0, "Kopiera beräkning som text", "Kopiér beregning som tekst"},
    {"RecordOpen", kWord, 0, 0, "Öppna beräkning...", "Åbn beregning..."},
    {"RecordSaveTitle", kWord, 0, 0, "Spara beräkning som PDF", "Gem beregning som PDF"},
    {"RecordOpenTitle", kWord, 0, 0, "Öppna beräkning", "Åbn beregning"},
    {"RecordFilter", kWord, 0, 0, "PDF-filer (*.pdf)", nullptr},
    {"MethodDuctFriction", kWord, 0, 0,
     "Tryckfall per meter R = λ·v²/dh·ρ/2; λ enligt Colebrook med materialets ytråhet, 64/Re under Re %1 och en "
     "övergång upp till Re %2.",
     "Trykfald pr. meter R = λ·v²/dh·ρ/2; λ efter Colebrook med materialets ruhed, 64/Re under Re %1 og en overgang "
     "op til Re %2."},
    {"MethodDuctAir", kWord, 0, 0, "Luft vid angiven temperatur T: ρ = %1/(%1+T)·%2 kg/m³, ν = (%3·T+%4)·10⁻⁶ m²/s.",
     "Luft ved angivet temperatur T: ρ = %1/(%1+T)·%2 kg/m³, ν = (%3·T+%4)·10⁻⁶ m²/s."},
    {"MethodDuctRectangular", kWord, 0, 0, "Rektangulär kanal: hydraulisk diameter dh = 2ab/(a+b).",
     "Rektangulær kanal: hydraulisk diameter dh = 2ab/(a+b)."},
    {"MethodDuctInsulation", kWord, 0, 0,
     "Isolering minskar varje mått med två tjocklekar, och dess yta har ytråheten %1 mm.",
     "Isolering mindsker hvert mål med to tykkelser, og dens overflade har ruheden %1 mm."},
    {"MethodDuctJoint", kWord, 0, 0,
     "Cirkulär kanal: tryckfallet per meter inkluderar engångsmotståndet ð·v²/2, R = λ·v²/dh·ρ/2 + ð·v²/2, ð = %1.",
     "Cirkulær kanal: trykfaldet pr. meter omfatter enkeltmodstanden ð·v²/2, R = λ·v²/dh·ρ/2 + ð·v²/2, ð = %1."},
    {"MethodDuctJointSeries", kWord, 0, 0, "varje dimensions värde ur serien", "hver dimensions værdi fra serien"},
    {"MethodSearch", kWord, 0, 0, "Sökning: största flöde som håller gränsvärdet inom %1.",
     "Søgning: største flow som holder grænseværdien inden for %1."},
    {"MethodPipeWater", kWord, 0, 0, "Vattnets viskositet och densitet ur temperaturen (eller som angivna).",
     "Vandets viskositet og densitet ud fra temperaturen (eller som angivet)."},
    {"MethodPipeFriction", kWord, 0, 0,
     "Tryckfall per meter R = λ·v²/d·ρ/2; λ enligt Colebrook med rörets ytråhet, 64/Re under Re %1 och en "
     "övergång upp till Re %2; 1 mmVp/m = %3 Pa/m.",
     "Trykfald pr. meter R = λ·v²/d·ρ/2; λ efter Colebrook med rørets ruhed, 64/Re under Re %1 og en overgang op "
     "til Re %2; 1 mmVp/m = %3 Pa/m."},
    {"MethodValveUnits", kWord, 0, 0,
     "Flöde q i m³/h och tryckfall Δp i bar (1 l/s = %1 m³/h; 1 kPa = %2 bar; 1 mm VP = %3 bar).",
     "Flow q i m³/h og trykfald Δp i bar (1 l/s = %1 m³/h; 1 kPa = %2 bar; 1 mm VP = %3 bar)."},
    {"MethodValveKv", kWord, 0, 0, "kv = q / √Δp.", nullptr},
    {"MethodValveFe", kWord, 0, 0,
     "Fe är tiologaritmen av tryckförlustkoefficienten: Fe = log10(Δp / (ρ·v²/2)), ρ = %1 kg/m³, v i anslutningen "
     "med den angivna innerdiametern.",
     "Fe er titalslogaritmen af trykfaldskoefficienten: Fe = log10(Δp / (ρ·v²/2)), ρ = %1 kg/m³, v i "
     "tilslutningen med den angivne indvendige diameter."},
    {"MethodPower", kWord, 0, 0, "P = q·ρ·c·Δt, en liter vatten räknad som ett kilogram (ρ = %1 kg/l).",
     "P = q·ρ·c·Δt, en liter vand regnet som et kilogram (ρ = %1 kg/l)."},
    {"MethodPowerCooling", kWord, 0, 0, "Ett negativt Δt är en kyllast, med negativ effekt.",
     "En negativ Δt er en kølelast, med negativ effekt."},
    {"MethodCO2Law", kWord, 0, 0, "Fullständigt omblandat rum: C(t) = Cute + F/q + (C0 − Cute − F/q)·e^(−q·t/V).",
     "Fuldstændigt opblandet rum: C(t) = Cude + F/q + (C0 − Cude − F/q)·e^(−q·t/V)."},
    {"MethodCO2Equilibrium", kWord, 0, 0,
     "Jämvikt: första sekunden då två på varandra följande värden skiljer mindre än %1.",
     "Ligevægt: første sekund hvor to på hinanden følgende værdier afviger mindre end %1."},
    {"MethodCO2Rate", kWord, 0, 0, "%1 l/h per person räknas som %2 ml/s; alstring F = %3 ml/s.",
     "%1 l/h pr. person regnes som %2 ml/s; afgivelse F = %3 ml/s."},
    // The CO2 tab's messages, in Swedish in both languages.
    {"CO2InputsMissing", kWord, 0, 0, "Erforderliga uppgifter saknas\r\nSe rödmarkerade fält", nullptr},
    {"CO2NoRate", kWord, 0, 0, "Ingen CO2 nivå / person angiven", nullptr},
    // Inputs no real case can have.
    {"NoNegativeFlow", kWord, 0, 0, "Flödet får inte vara negativt", "Flowet må ikke være negativt"},
    {"NoNegativeVelocityLimit", kWord, 0, 0, "Hastighetsgränsen får inte vara negativ",
     "Hastighedsgrænsen må ikke være negativ"},
    {"NoNegativePressureLimit", kWord, 0, 0, "Tryckfallsgränsen får inte vara negativ",
     "Trykfaldsgrænsen må ikke være negativ"},
    {"NoNegativeInsulation", kWord, 0, 0, "Isolertjockleken får inte vara negativ",
     "Isoleringstykkelsen må ikke være negativ"},
    {"NoNegativeJointCoefficient", kWord, 0, 0, "Förlustkoefficienten får inte vara negativ",
     "Tabskoefficienten må ikke være negativ"},
    {"NoNegativeRoughness", kWord, 0, 0, "Ytråheten får inte vara negativ", "Ruheden må ikke være negativ"},
    {"AboveAbsoluteZero", kWord, 0, 0, "Temperaturen måste vara högre än %1 °C", "Temperaturen skal være over %1 °C"},
    {"AirBelowModel", kWord, 0, 0,
     "Luftens egenskaper gäller inte vid så låg temperatur: temperaturen måste vara högre än %1 °C",
     "Luftens egenskaber gælder ikke ved så lav temperatur: temperaturen skal være over %1 °C"},
    {"TooManyDimensions", kWord, 0, 0, "För många dimensioner i serien, välj ett större steg",
     "For mange dimensioner i serien, vælg et større trin"},
    {"StepAboveZero", kWord, 0, 0, "Steget måste vara större än 0", "Trinnet skal være større end 0"},
    {"NoNegativeHeatCapacity", kWord, 0, 0, "Värmekapaciteten får inte vara negativ",
     "Varmekapaciteten må ikke være negativ"},
    {"NoNegativeKv", kWord, 0, 0, "Kv-värdet får inte vara negativt", "Kv-værdien må ikke være negativ"},
    {"NoNegativeDiameter", kWord, 0, 0, "Innerdiametern får inte vara negativ",
     "Den indvendige diameter må ikke være negativ"},
    {"NoNegativeViscosity", kWord, 0, 0, "Viskositeten får inte vara negativ", "Viskositeten må ikke være negativ"},
    {"DensityAboveZero", kWord, 0, 0, "Densiteten måste vara större än 0", "Densiteten skal være større end 0"},
    {"NoNegativeLimit", kWord, 0, 0, "Gränsvärdet får inte vara negativt", "Grænseværdien må ikke være negativ"},
    {"LimitAboveZero", kWord, 0, 0, "Gränsvärdet måste vara större än 0", "Grænseværdien skal være større end 0"},
    {"NoFlowForLimit", kWord, 0, 0, "Inget flöde hittades för gränsvärdet", "Intet flow fundet for grænseværdien"},
    {"LimitNotExact", kWord, 0, 0, "Gränsvärdet kan inte nås exakt, största flöde under gränsen visas",
     "Grænseværdien kan ikke nås præcist, største flow under grænsen vises"},
    {"FrictionNotSettled", kWord, 0, 0, "Friktionsfaktorn kan inte beräknas för dessa data",
     "Friktionsfaktoren kan ikke beregnes for disse data"},
    {"RoomNotNegative", kWord, 0, 0, "Uteluftflöde och rumsvolym får inte vara negativa",
     "Udeluftflow og rumvolumen må ikke være negative"},
    {"EquilibriumNotSettled", kWord, 0, 0, "Jämvikten kan inte beräknas för dessa data",
     "Ligevægten kan ikke beregnes for disse data"},
    {"TooManySteps", kWord, 0, 0, "Beräkningen tog för många steg för dessa data",
     "Beregningen tog for mange trin for disse data"},
    {"NoNegativeOutdoorCO2", kWord, 0, 0, "CO2-halten ute får inte vara negativ",
     "CO2-indholdet ude må ikke være negativt"},
    {"NoNegativePersons", kWord, 0, 0, "Antalet personer får inte vara negativt",
     "Antallet af personer må ikke være negativt"},
    // The outdoor-air search of the CO2 tab.
    {"TargetOverOutdoor", kWord, 0, 0, "Högsta halten måste vara över CO2-halten ute (%1 ppm)",
     "Det højeste indhold skal være over CO2-indholdet ude (%1 ppm)"},
    {"NobodyGenerates", kWord, 0, 0, "Ingen alstrar CO2 (Pers. st. är 0): inget uteluftflöde behövs för halten",
     "Ingen afgiver CO2 (Pers. st. er 0): ingen udeluft er nødvendig for indholdet"},
    {"StayNotTime", kWord, 0, 0, "Vistelsen anges som tim:min och är längre än 0, till exempel 0:45",
     "Opholdet angives som tim:min og er længere end 0, for eksempel 0:45"},
    {"NoOutdoorAirReaches", kWord, 0, 0, "Inget uteluftflöde upp till %2 l/s håller halten vid högst %1 ppm",
     "Ingen udeluft op til %2 l/s holder indholdet på højst %1 ppm"},
    {"ChartTarget", kWord, 0, 0, "Högsta halt %1 ppm som vågrät linje.", "Højeste indhold %1 ppm som vandret linje."},
    {"OutdoorAirLine", kWord, 0, 0, "= %1 m³/h, %2 l/s per person", "= %1 m³/h, %2 l/s pr. person"},
    {"OutdoorAirStay", kWord, 0, 0, ", %1 ppm efter %2", ", %1 ppm efter %2"},
    {"OutdoorAirRate", kWord, 0, 0, "; %1 l/h per person räknas som %2 ml/s", "; %1 l/h pr. person regnes som %2 ml/s"},
    {"MethodOutdoorAir", kWord, 0, 0,
     "Sökning: minsta uteluftflöde i steg om %1 l/s där halten för den högre alstringen är högst %2 ppm %3.",
     "Søgning: mindste udeluft i trin på %1 l/s hvor indholdet for den højere afgivelse er højst %2 ppm %3."},
    {"MethodOutdoorAirEquilibrium", kWord, 0, 0, "vid jämvikt, som fliken visar den",
     "ved ligevægt, som fanen viser den"},
    {"MethodOutdoorAirStay", kWord, 0, 0, "vid vistelsens slut efter %1, från halten ute",
     "ved opholdets slutning efter %1, fra indholdet ude"},
    // Saving and opening a record; %1 is the file, %2 the system's reason.
    {"SaveFailed", kWord, 0, 0, "Beräkningen kunde inte sparas i %1: %2", "Beregningen kunne ikke gemmes i %1: %2"},
    {"OpenUnreadable", kWord, 0, 0, "%1 kunde inte läsas: %2", "%1 kunne ikke læses: %2"},
    {"OpenNotRecord", kWord, 0, 0, "%1 är ingen sparad PLUVIK-beräkning.", "%1 er ikke en gemt PLUVIK-beregning."},
    {"OpenDamaged", kWord, 0, 0, "%1 är skadad eller ofullständig och kan inte öppnas.",
     "%1 er beskadiget eller ufuldstændig og kan ikke åbnes."},
    {"OpenNewer", kWord, 0, 0, "%1 är sparad av en nyare PLUVIK (format %2) och kan inte öppnas i denna version.",
     "%1 er gemt af en nyere PLUVIK (format %2) og kan ikke åbnes i denne version."},
    {"OpenImpossible", kWord, 0, 0, "%1 innehåller värden som ingen beräkning kan ha: %2",
     "%1 indeholder værdier som ingen beregning kan have: %2"},
    {"OpenChanged", kWord, 0, 0, "Beräkningen i %1 ger nu andra värden än de sparade:\n%2",
     "Beregningen i %1 giver nu andre værdier end de gemte:\n%2"},
    {"OpenNoReader", kWord, 0, 0, "%1 kan inte öppnas: PDF-läsaren kan inte laddas (%2)",
     "%1 kan ikke åbnes: PDF-læseren kan ikke indlæses (%2)"},
    {"OpenChangedFigure", kWord, 0, 0, "%1: %2 (sparat %3)", "%1: %2 (gemt %3)"},
    // The duct run window: its caption, the grid's headings, the index run
    // and the run's faults; %1 is a section's name.
    {"RunCaption", kWord, 0, 0, "Kanalsträcka", "Kanalstrækning"},
    {"RunAdd", kWord, 0, 0, "Lägg till i sträcka", "Tilføj til strækning"},
    {"RunCsv", kWord, 0, 0, "Spara som CSV...", "Gem som CSV..."},
    {"RunCsvTitle", kWord, 0, 0, "Spara som CSV", "Gem som CSV"},
    {"RunCsvFilter", kWord, 0, 0, "CSV-filer (*.csv)", nullptr},
    {"RunCsvFailed", kWord, 0, 0, "Sträckan kunde inte sparas i %1: %2", "Strækningen kunne ikke gemmes i %1: %2"},
    {"RunHeading0", kWord, 0, 0, "Del", nullptr},
    {"RunHeading1", kWord, 0, 0, "Från", "Fra"},
    {"RunHeading2", kWord, 0, 0, "Flöde l/s", "Flow l/s"},
    {"RunHeading3", kWord, 0, 0, "Dimension", nullptr},
    {"RunHeading4", kWord, 0, 0, "Längd m", "Længde m"},
    {"RunHeading5", kWord, 0, 0, "Σζ", nullptr},
    {"RunHeading6", kWord, 0, 0, "v m/s", nullptr},
    {"RunHeading7", kWord, 0, 0, "R Pa/m", nullptr},
    {"RunHeading8", kWord, 0, 0, "Friktion Pa", nullptr},
    {"RunHeading9", kWord, 0, 0, "Engång Pa", "Enkelt Pa"},
    {"RunHeading10", kWord, 0, 0, "Del Pa", nullptr},
    {"RunHeading11", kWord, 0, 0, "Från fläkt Pa", "Fra ventilator Pa"},
    {"RunHeading12", kWord, 0, 0, "Strypning Pa", "Drøvling Pa"},
    {"RunAdded", kWord, 0, 0, "Tillagd: %1", "Tilføjet: %1"},
    {"RunIndexCaption", kWord, 0, 0, "Indexsträcka", "Indeksstrækning"},
    {"RunIndexValue", kWord, 0, 0, "%1, %2 Pa", nullptr},
    {"RunNeedsRow", kWord, 0, 0, "Välj en rad med resultat i tabellen för att lägga den till sträckan.",
     "Vælg en række med resultat i tabellen for at tilføje den til strækningen."},
    {"RunNeedsCalculation", kWord, 0, 0,
     "Indata har ändrats efter beräkningen. Tryck ENTER och välj sedan raden att lägga till sträckan.",
     "Inddata er ændret efter beregningen. Tryk ENTER og vælg derefter rækken, der skal tilføjes strækningen."},
    {"RunTooMany", kWord, 0, 0, "En sträcka har högst %1 delar.", "En strækning har højst %1 dele."},
    {"RunNoName", kWord, 0, 0, "Rad %1: delen saknar namn.", "Række %1: delen mangler navn."},
    {"RunSameName", kWord, 0, 0, "Två delar heter %1.", "To dele hedder %1."},
    {"RunUnknownFrom", kWord, 0, 0, "Del %1: ingen del heter %2.", "Del %1: ingen del hedder %2."},
    {"RunLoop", kWord, 0, 0, "Del %1 ligger i en slinga: delarna fortsätter varandra runt.",
     "Del %1 ligger i en løkke: delene fortsætter hinanden rundt."},
    {"RunNoLength", kWord, 0, 0, "Del %1: längden saknas.", "Del %1: længden mangler."},
    {"RunNoNumber", kWord, 0, 0, "Del %1: %2 \"%3\" är inget tal.", "Del %1: %2 \"%3\" er ikke et tal."},
    {"RunNegative", kWord, 0, 0, "Del %1: %2 får inte vara negativ.", "Del %1: %2 må ikke være negativ."},
    {"RunNoDuct", kWord, 0, 0, "Del %1: dimensionen %2 ger ingen kanal.", "Del %1: dimensionen %2 giver ingen kanal."},
    {"RunFault", kWord, 0, 0, "Del %1: %2", nullptr},
    {"RunContinued", kWord, 0, 0, "Del %1 kan inte tas bort: del %2 fortsätter den. Ändra först deras Från.",
     "Del %1 kan ikke fjernes: del %2 fortsætter den. Ret først deres Fra."},
    {"RunSectionDuct", kWord, 0, 0, "%1, %2, isolering %3 mm, ytråhet %4 mm, ð %5, %6 °C",
     "%1, %2, isolering %3 mm, ruhed %4 mm, ð %5, %6 °C"},
    {"RunCircular", kWord, 0, 0, "cirkulär", "cirkulær"},
    {"RunRectangular", kWord, 0, 0, "rektangulär", "rektangulær"},
    {"MethodRunJoint", kWord, 0, 0,
     "En cirkulär del utan isolering: R inkluderar engångsmotståndet ð·v²/2 per meter, R = λ·v²/dh·ρ/2 + ð·v²/2, "
     "med delens ð (0 för övriga delar).",
     "En cirkulær del uden isolering: R omfatter enkeltmodstanden ð·v²/2 pr. meter, R = λ·v²/dh·ρ/2 + ð·v²/2, med "
     "delens ð (0 for øvrige dele)."},
    {"MethodRunLocal", kWord, 0, 0,
     "Engångsförluster Σζ·ρ·v²/2 med luftens densitet ρ vid delens temperatur; Del = R·längd + Σζ·ρ·v²/2.",
     "Enkeltmodstande Σζ·ρ·v²/2 med luftens densitet ρ ved delens temperatur; Del = R·længde + Σζ·ρ·v²/2."},
    {"MethodRunPaths", kWord, 0, 0,
     "Från fläkt: summan av Del längs vägen från fläkten. Indexsträckan slutar vid det utlopp som har störst "
     "summa; varje annat utlopp stryper skillnaden.",
     "Fra ventilator: summen af Del langs vejen fra ventilatoren. Indeksstrækningen ender ved det udløb, der har "
     "størst sum; hvert andet udløb drøvler forskellen."},
});

// A text of the table, written into a control as a QString.
struct Text {
  const char* utf8;
  operator QString() const { return QString::fromUtf8(utf8); }
};

// The Swedish text the table gives `control`'s `property` (`index` and `row`
// as in the table). A text the table does not hold fails the build.
consteval Text Swedish(std::string_view control, Property property, int index = 0, int row = 0) {
  for (const Assignment& a : kTexts) {
    if (a.control == control && a.property == property && a.index == index && a.row == row && a.swedish)
      return {a.swedish};
  }
  throw "the language table holds no such text";
}

// A word of the program's own in both languages.
struct Words {
  const char* swedish;
  const char* danish;
};

// The program's own word `name` (a row of kind kWord). A name the table does
// not hold fails the build.
consteval Words Word(std::string_view name) {
  for (const Assignment& a : kTexts) {
    if (a.property == Property::Word && a.control == name) return {a.swedish, a.danish ? a.danish : a.swedish};
  }
  throw "the language table holds no such word";
}

}  // namespace lang

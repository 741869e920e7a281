// The CO2 tab: carbon dioxide in a ventilated room and its chart.
#include "app/controls.h"
#include "app/mainwindow.h"

void TForm1::BuildCO2Tab() {
  QWidget* p = CO2TabSheet;
  Label5 = Label(p, "Label5", "CO2 alstring l/h och person", {2, 0});
  CO2Grid = Placed(new TStringGrid(p, "CO2Grid", 3, 8), {2, 15, 250, 170});
  CO2Grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  SetHint(CO2Grid, QString::fromUtf8("Markera aktivitet för barn eller vuxna för beräkning"));
  CO2Ute = Edit(p, "CO2Ute", "CO2-ute", {258, 15, 55, 21}, "350");
  SetHint(CO2Ute, "ppm");
  UteLuft = Edit(p, "UteLuft", "Uteluft l/s", {318, 15, 55, 21});
  UteLuft->SetColor(TColor::clRed);
  SetHint(UteLuft, QString::fromUtf8("Total friskluftmängd till rummet"));
  RumVolym = Edit(p, "RumVolym", QString::fromUtf8("Rum m³"), {378, 15, 50, 21}, "30");

  GroupBox3 = Group(p, "GroupBox3", "Alstring", {258, 42, 170, 76});
  SetHint(GroupBox3, "Koncentration i rummet");
  SetTextColour(GroupBox3, TColor::clRed);
  AntalPers = Edit(GroupBox3, "AntalPers", "Pers. st.", {6, 30, 42, 21});
  AntalPers->SetColor(TColor::clRed);
  SetHint(AntalPers, "Antal personer som alstrar CO2");
  CO2Min = Edit(GroupBox3, "CO2Min", "CO2 Min - Max", {52, 30, 110, 21});
  ReadOnlyResult(CO2Min);
  QFont bold = CO2Min->font();
  bold.setBold(true);
  CO2Min->setFont(bold);
  CO2Min->setFocusPolicy(Qt::ClickFocus);
  SetTextColour(CO2Min, TColor::clRed);
  Label7 = Label(GroupBox3, "Label7", QString::fromUtf8("Jämviktskonc., tim:min"), {6, 56});
  Tid = Label(GroupBox3, "Tid", " 00:00", {124, 56});
  Tid->setFont(bold);
  SetTextColour(Tid, TColor::clRed);

  GroupBox2 = Group(p, "GroupBox2", QString::fromUtf8("Utvädring (startvärde)"), {258, 122, 170, 58});
  SetHint(GroupBox2, QString::fromUtf8("Utvädring av rummet"));
  SetTextColour(GroupBox2, TColor::clBlue);
  CO2utspadning = Edit(GroupBox2, "CO2utspadning", "CO2 Min - Max", {6, 30, 110, 21});
  CO2utspadning->SetColor(TColor::clWhite);
  SetHint(CO2utspadning, QString::fromUtf8("Eget eller beräknat startvärde"));
  AntalPersUtspadning = Edit(GroupBox2, "AntalPersUtspadning", "Pers. st", {120, 30, 42, 21}, "0");
  AntalPersUtspadning->SetColor(TColor::clWhite);
  SetHint(AntalPersUtspadning, QString::fromUtf8("Antal personer i rummet vid utvädring"));

  CO2CalcButton = Placed(new TSpeedButton(p, "CO2CalcButton", calculatorIcon_), {258, 186, 23, 22});
  SetHint(CO2CalcButton, "ENTER");
  SparaKurva = Placed(new TCheckBox(p, "SparaKurva", QString::fromUtf8("Behåll kurvor")), {290, 189, 130, 17});
  SetHint(SparaKurva, QString::fromUtf8("Jämförelse av kurvor vid skilda beräkningar"));
  COkurva = Placed(new TPaintBox(p, "COkurva"), {432, 15, 335, 209});

  CO2Grid->OnSelectCell = [this](int col, int row, bool& canSelect) { CO2GridSelectCell(col, row, canSelect); };
}

void TForm1::PlaceTimeBesideItsCaption() {
  // The time to equilibrium stands right of its caption, which is longer in
  // Danish than in Swedish.
  constexpr int kDesignedLeft = 124;
  Tid->move(std::max(kDesignedLeft, Label7->x() + Label7->width() + 2), Tid->y());
}

void TForm1::CO2CalcButtonClick() {}

void TForm1::CO2GridSelectCell(int col, int row, bool& canSelect) {
  // The activity names cannot be chosen; a rate cell becomes the chosen one.
  if (col == 0) {
    canSelect = false;
    return;
  }
  GCO2Col = col;
  GCO2Row = row;
}

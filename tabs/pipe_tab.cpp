// The pipe tab: water properties, pipe friction and the largest water flow.
#include "app/controls.h"
#include "app/mainwindow.h"

void TForm1::BuildPipeTab() {
  QWidget* p = Rorber;
  GroupBox1 = Group(p, "GroupBox1", "Material", {0, 0, 130, 84});
  RYtrahet = Edit(GroupBox1, "RYtrahet", QString::fromUtf8("Ytråhet mm"), {4, 30, 60, 21});
  RInvDiam = Edit(GroupBox1, "RInvDiam", QString::fromUtf8("Inv.ø mm"), {66, 30, 60, 21});
  RMtrlComboBox = Placed(new TComboBox(GroupBox1, "RMtrlComboBox"), {4, 56, 122, 21});
  RMtrlComboBox->SetItems(
      {QString::fromUtf8("Stål"), "Rostfritt", QString::fromUtf8("Elförzinkat"), "Koppar", "Pex", "Eget val"});
  RMtrlComboBox->SetText("Eget val");
  GroupBox4 = Group(p, "GroupBox4", QString::fromUtf8("Sök"), {134, 0, 46, 84});
  RorEnhet = Label(GroupBox4, "RorEnhet", QString::fromUtf8("flöde"), {5, 22});
  CheckBox2 = Placed(new TCheckBox(GroupBox4, "CheckBox2", QString()), {12, 44, 20, 20});
  RTemp = Edit(p, "RTemp", QString::fromUtf8("Temp.°C"), {184, 15, 55, 21});
  RKinViskos = Edit(p, "RKinViskos", "Kin.visk.", {242, 15, 55, 21});
  RDensitet = Edit(p, "RDensitet", "Densitet", {300, 15, 55, 21});
  RFlow = Edit(p, "RFlow", "l/s", {184, 56, 55, 21});
  RHast = Edit(p, "RHast", "Hast m/s", {242, 56, 55, 21});
  RvardeRoer = Edit(p, "RvardeRoer", "Pa/m", {300, 56, 55, 21});
  ReadOnlyResult(RHast);
  ReadOnlyResult(RvardeRoer);
  EnhetRorRadioGroup = Placed(new TRadioGroup(p, "EnhetRorRadioGroup", "Enhet", {"l/s", "l/h"}, 0), {360, 0, 52, 56});
  SpeedButton3 = Placed(new TSpeedButton(p, "SpeedButton3", calculatorIcon_), {360, 60, 52, 22});
  SetHint(SpeedButton3, "ENTER");
  EnhetRorDpRadioGroup =
      Placed(new TRadioGroup(p, "EnhetRorDpRadioGroup", "Enhet", {"Pa/m", "mmVp/m"}, 0), {415, 0, 80, 56});
}

void TForm1::SpeedButton3Click() {}

void TForm1::EnhetRorRadioGroupClick() {}

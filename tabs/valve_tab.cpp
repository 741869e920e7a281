// The valve tab: flow, pressure drop, kv and Fe of a valve.
#include "app/controls.h"
#include "app/mainwindow.h"

void TForm1::BuildValveTab() {
  QWidget* p = Kvs;
  FlowEdit = Edit(p, "FlowEdit", "l/s", {2, 15, 60, 21});
  TryckEdit = Edit(p, "TryckEdit", "kPa", {64, 15, 60, 21});
  KvsEdit = Edit(p, "KvsEdit", "Kv", {126, 15, 60, 21});
  FeEdit1 = Edit(p, "FeEdit1", "Fe", {188, 15, 60, 21});
  FeEdit1->setReadOnly(true);
  RadioButton1 = Placed(new TRadioButton(p, "RadioButton1", QString::fromUtf8("sök")), {2, 38, 60, 16});
  RadioButton2 = Placed(new TRadioButton(p, "RadioButton2", QString::fromUtf8("sök")), {64, 38, 60, 16});
  RadioButton3 = Placed(new TRadioButton(p, "RadioButton3", QString::fromUtf8("sök")), {126, 38, 60, 16});
  RadioButton4 = Placed(new TRadioButton(p, "RadioButton4", QString::fromUtf8("sök")), {188, 38, 60, 16});
  RadioButton3->setChecked(true);
  RadioButton4->setEnabled(false);
  FeCheckBox = Placed(new TCheckBox(p, "FeCheckBox", QString::fromUtf8("Beräkna Fe")), {2, 60, 100, 16});
  FeInvDiamLabel = Label(p, "FeInvDiamLabel", QString::fromUtf8("Inv. ø mm"), {130, 63});
  InvDiamEdit = Edit(p, "InvDiamEdit", QString(), {188, 59, 60, 21}, QString(), TEdit::LabelPlace::None);
  SpeedButton2 = Placed(new TSpeedButton(p, "SpeedButton2", calculatorIcon_), {252, 14, 23, 22});
  SetHint(SpeedButton2, "ENTER");
  FlowRadioGroup = Placed(new TRadioGroup(p, "FlowRadioGroup", QString::fromUtf8("Flöde"), {"l/s", "l/h", "m3/h"}, 0),
                          {280, 0, 60, 80});
  TryckRadioGroup =
      Placed(new TRadioGroup(p, "TryckRadioGroup", "Tryck", {"kPa", "mm VP", "bar"}, 0), {344, 0, 70, 80});
}

void TForm1::SpeedButton2Click() {}

void TForm1::KalkylVal() {}

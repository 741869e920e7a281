// The power tab: heat power from water flow and back.
#include <QFrame>

#include "app/controls.h"
#include "app/mainwindow.h"
#include "app/widgets/icons.h"

void TForm1::BuildPowerTab() {
  QWidget* p = Effekt;
  EnhetFlowRadioGroup =
      Placed(new TRadioGroup(p, "EnhetFlowRadioGroup", QString::fromUtf8("Flöde"), {"l/s", "l/h"}, 0), {2, 0, 52, 56});
  EnhetEffektRadioGroup =
      Placed(new TRadioGroup(p, "EnhetEffektRadioGroup", "Effekt", {"W", "kW"}, 0), {56, 0, 52, 56});
  CalkValRadioGroup =
      Placed(new TRadioGroup(p, "CalkValRadioGroup", QString::fromUtf8("Beräkna"),
                             {QString::fromUtf8("flöde > effekt"), QString::fromUtf8("effekt > flöde")}, 0),
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
  SpeedButton4 = Placed(new TSpeedButton(p, "SpeedButton4", calculatorIcon_), {387, 42, 57, 22});
  SetHint(SpeedButton4, "ENTER");
  // Every text of the power tab is maroon.
  for (QWidget* w : std::initializer_list<QWidget*>{EnhetFlowRadioGroup, EnhetEffektRadioGroup, CalkValRadioGroup,
                                                    EffektFlowEdit, EffektEdit, EffektFlowEdit->EditLabel(),
                                                    EffektEdit->EditLabel(), DeltaT, Label3, SpecHeatKapacitet}) {
    SetTextColour(w, TColor::clMaroon);
  }
  CalkValRadioGroup->OnClick = [this] { CalkValRadioGroupClick(); };
}

void TForm1::SpeedButton4Click() {}

void TForm1::CalkValRadioGroupClick() {
  // Setting up a direction applies the interface language again.
  ValjSprak();
}

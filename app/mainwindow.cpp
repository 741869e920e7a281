#include "app/mainwindow.h"

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QStyle>
#include <QWindow>
#include <charconv>

#include "app/aboutbox.h"
#include "app/platform.h"
#include "app/widgets/combobox.h"
#include "app/widgets/icons.h"

namespace {

TEdit* Edit(QWidget* parent, const QString& name, const QString& label, const QRect& bounds,
            const QString& text = QString(), TEdit::LabelPlace place = TEdit::LabelPlace::Above) {
  auto* edit = new TEdit(parent, name, label, place);
  edit->setGeometry(bounds);
  edit->setText(text);
  SetBackground(edit, TColor::clWindow);
  return edit;
}

TLabel* Label(QWidget* parent, const QString& name, const QString& caption, const QPoint& at) {
  auto* label = new TLabel(parent, name, caption);
  label->move(at);
  label->adjustSize();
  return label;
}

QGroupBox* Group(QWidget* parent, const QString& name, const QString& caption, const QRect& bounds) {
  auto* group = new QGroupBox(caption, parent);
  group->setObjectName(name);
  group->setGeometry(bounds);
  return group;
}

template <typename T>
T* Placed(T* widget, const QRect& bounds) {
  widget->setGeometry(bounds);
  return widget;
}

void ReadOnlyResult(TEdit* edit) {
  edit->setReadOnly(true);
  edit->SetColor(TColor::clBtnFace);
}

}  // namespace

TForm1::TForm1(Platform& platform) : platform_(platform) {
  setObjectName("Form1");
  // Where MS Sans Serif is missing, a sans serif of about its width stands in.
  QFont windowFont;
  windowFont.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
  windowFont.setPointSize(8);
  setFont(windowFont);
  setWindowFlag(Qt::WindowStaysOnTopHint, true);

  PageControl1 = new TPageControl(this, "PageControl1");
  Kanalber = new QWidget;
  Kanalber->setObjectName("Kanalber");
  Effekt = new QWidget;
  Effekt->setObjectName("Effekt");
  Kvs = new QWidget;
  Kvs->setObjectName("Kvs");
  Rorber = new QWidget;
  Rorber->setObjectName("Rorber");
  CO2TabSheet = new QWidget;
  CO2TabSheet->setObjectName("CO2TabSheet");
  PageControl1->AddPage(Kanalber, QString::fromUtf8("Kanalberäkning"));
  PageControl1->AddPage(Effekt, QString::fromUtf8("Effekt / Flöde"));
  PageControl1->AddPage(Kvs, QString::fromUtf8("KV-beräkning"));
  PageControl1->AddPage(Rorber, QString::fromUtf8("Rörberäkning"));
  PageControl1->AddPage(CO2TabSheet, QStringLiteral("Koldioxid"));
  PageControl1->SetActivePage(Kanalber);

  calculatorIcon_ = CalculatorIcon();
  BuildDuctTab();
  BuildPowerTab();
  BuildValveTab();
  BuildPipeTab();
  BuildCO2Tab();
  WireDuctTab();

  PageControl1->OnChanging = [this](QWidget* leaving) { PageControl1Changing(leaving); };
  PageControl1->OnChange = [this] { PageControl1Change(); };
  Kanalber->installEventFilter(this);
  qApp->installEventFilter(this);

  // The native window exists from here on, so its frame is known and the
  // window sizes can be counted with the frame, as the user sees them.
  winId();
  resize(543, 95);
  PageControl1->setGeometry(rect());
  ApplySizeLimits();
  FormCreate();
  CentreOnScreen();
  // The first field of the duct tab has the focus when the window opens.
  Flow->setFocus(Qt::OtherFocusReason);
}

TForm1::~TForm1() {
  qApp->removeEventFilter(this);
  // The controls outlive this part of the window while the base class takes
  // them down, and may still report focus changes or paint: nothing of the
  // window may run then.
  for (auto* w : findChildren<TEdit*>()) w->OnChange = w->OnEnter = w->OnExit = w->OnDblClick = nullptr;
  for (auto* w : findChildren<TComboBox*>()) w->OnChange = w->OnClick = w->OnEnter = w->OnExit = nullptr;
  for (auto* w : findChildren<TCheckBox*>()) w->OnClick = nullptr;
  for (auto* w : findChildren<TRadioButton*>()) w->OnClick = nullptr;
  for (auto* w : findChildren<TRadioGroup*>()) w->OnClick = nullptr;
  for (auto* w : findChildren<TSpeedButton*>()) w->OnClick = nullptr;
  for (auto* w : findChildren<TSpinEdit*>()) w->OnChange = nullptr;
  for (auto* w : findChildren<TPaintBox*>()) w->OnPaint = nullptr;
  for (auto* w : findChildren<TStringGrid*>()) {
    w->OnDrawCell = nullptr;
    w->OnSelectCell = nullptr;
    w->OnSetEditText = nullptr;
  }
  PageControl1->OnChanging = nullptr;
  PageControl1->OnChange = nullptr;
}

void TForm1::BuildDuctTab() {
  QWidget* p = Kanalber;
  Flow = Edit(p, "Flow", "l/s", {2, 15, 57, 21});
  MaxMeterPerSek = Edit(p, "MaxMeterPerSek", "Max m/s", {61, 15, 57, 21});
  MaxPaPerMeter = Edit(p, "MaxPaPerMeter", "Max Pa/m", {120, 15, 57, 21});
  SpeedButton1 = Placed(new TSpeedButton(p, "SpeedButton1", calculatorIcon_), {184, 14, 33, 22});
  SetHint(SpeedButton1, "ENTER");
  StringGrid1 = Placed(new TStringGrid(p, "StringGrid1", 3, 5), {209, 0, 290, 88});
  StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  CheckBox1 = Placed(new TCheckBox(p, "CheckBox1", QString::fromUtf8("Sök")), {2, 38, 56, 16});
  CirkRadioButton = Placed(new TRadioButton(p, "CirkRadioButton", "Cirk."), {2, 54, 56, 16});
  RektRadioButton = Placed(new TRadioButton(p, "RektRadioButton", "Rekt."), {2, 70, 56, 16});
  SidaLabel = Label(p, "SidaLabel", "Sida (mm)", {61, 39});
  Sida = Placed(new TComboBox(p, "Sida"), {61, 53, 62, 21});
  Sida->SetDropDown(true);
  Steg = Edit(p, "Steg", "Steg mm", {125, 53, 57, 21}, "100");
  ComboBox1 = Placed(new TComboBox(p, "ComboBox1"), {2, 126, 180, 21});
  ComboBox1->SetItems({QString::fromUtf8("0.025 Fz Stål Veloduct"), QString::fromUtf8("0.025 Fz Stål Lindab SR"),
                       QStringLiteral("1.000 Betong")});
  ComboBox1->SetText(ComboBox1->itemText(0));
  Isolering = Edit(p, "Isolering", "Isolering", {125, 126, 57, 21}, "0");
  EnhetRadioGroup = Placed(new TRadioGroup(p, "EnhetRadioGroup", "Enhet", {"l/s", "m3/h"}, 0), {2, 152, 57, 52});
  Temperatur = Edit(p, "Temperatur", "Temp. C", {61, 168, 57, 21}, "20");
  Ytrahet = Edit(p, "Ytrahet", QString::fromUtf8("Ytråhet (mm)"), {125, 168, 57, 21});
  SpinEdit1 = Placed(new TSpinEdit(p, "SpinEdit1", 0, 10, 5), {61, 208, 45, 21});
  Label1 = Label(p, "Label1", QString::fromUtf8("Max sidoförh. rekt. kanal"), {111, 212});
  StringGrid2 = Placed(new TStringGrid(p, "StringGrid2", 2, 2), {2, 248, 180, 5});
  StringGrid2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // The series table is a 5-pixel strip nobody sees; the Tab key passes it.
  StringGrid2->setFocusPolicy(Qt::NoFocus);
  // The result grid lies over the settings it reaches when the window grows.
  StringGrid1->raise();
}

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
}

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
      Placed(new TRadioGroup(p, "EnhetRorDpRadioGroup", "Enhet", {"Pa/m", "mmVp/m"}, 0), {415, 0, 70, 56});
}

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

QSize TForm1::FrameExtra() const {
  if (const QWindow* window = windowHandle()) {
    const QMargins m = window->frameMargins();
    return {m.left() + m.right(), m.top() + m.bottom()};
  }
  return {0, 0};
}

QSize TForm1::OuterSize() const { return size() + FrameExtra(); }

void TForm1::SetOuterSize(int width, int height) {
  const QSize extra = FrameExtra();
  const QPoint at = OuterPos();
  resize(width - extra.width(), height - extra.height());
  // A resize keeps the window's left and top edges where they were, also off
  // the screen's left or top edge.
  if (at.x() < 0 || at.y() < 0) SetOuterPos(at.x(), at.y());
}

void TForm1::ApplySizeLimits() {
  const QSize extra = FrameExtra();
  setMinimumSize(minWidth_ - extra.width(), minHeight_ - extra.height());
  setMaximumSize(maxWidth_ - extra.width(), maxHeight_ - extra.height());
}

void TForm1::CentreOnScreen() {
  const QSize screen = platform_.ScreenSize();
  const QSize outer = OuterSize();
  SetOuterPos((screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2);
}

QPoint TForm1::OuterPos() const { return frameGeometry().topLeft(); }

void TForm1::SetOuterPos(int left, int top) {
  // Placing the frame through the native window keeps negative positions
  // exact (a window wider than the screen starts left of it).
  if (QWindow* window = windowHandle())
    window->setFramePosition(QPoint(left, top));
  else
    move(left, top);
}

int TForm1::PageHeight() const { return PageControl1->PageRect().height(); }

void TForm1::FormCreate() {
  // A system whose numbers read "2,2" uses a decimal comma.
  fmt_.decimalSeparator = platform_.DecimalSeparator() == QChar(',') ? ',' : '.';
  double probe = 0.0;
  GDecimalPunkt = !calc::TryStrToFloat("2,2", fmt_, probe);
  GStegText = "100";
  GOmboxVisad = false;
  setWindowTitle(kCaption);
  GCO2GridOptions = CO2Grid->Options();
  CO2Grid->SetCurrentCell(2, 1);
  if (height() < PageHeight()) resize(width(), PageHeight());
  hintHidePause_ = 4000;
  for (QWidget* w : findChildren<QWidget*>()) w->setToolTipDuration(hintHidePause_);
  const QSize outer = OuterSize();
  GSparadHojd = outer.height();
  GSparadBredd = outer.width();
  maxWidth_ = 800;
  ApplySizeLimits();
}

void TForm1::FormActivate() {
  if (ComboBox1->Text().isEmpty()) ComboBox1->SetText(ComboBox1->itemText(0));
  StringGrid1->SetCell(0, 0, "m/s");
  StringGrid1->SetCell(1, 0, "Pa/m");
  StringGrid1->SetCell(2, 0, "Dimension");
  if (!GOmboxVisad) {
    if (aboutBox_) {
      aboutBox_->Version->setText("Version 1.13");
      ShowAboutBox();
    }
    GOmboxVisad = true;
  }
  ValjSprak();
  GStegRubrik = Steg->LabelCaption();
  PageControl1Change();
  Ytrahet->SetText(MaterialRoughness());
  ComboBox1Click();
  Sida->SetItems({});
  Sida->SetText(QString());
  QStringList dimensions;
  for (int row = 1; row < StringGrid2->RowCount(); ++row) dimensions << StringGrid2->Cell(0, row);
  Sida->SetItems(dimensions);
}

void TForm1::ShowAboutBox() {
  if (!aboutBox_) return;
  ++modalDepth_;
  platform_.ShowAboutModal(*aboutBox_);
  // The window comes back to the front when the box closes; that activation
  // belongs to the box's closing, whose caller repeats the activation steps.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  if (isVisible() && !isActiveWindow()) {
    activateWindow();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  }
  --modalDepth_;
}

void TForm1::PageControl1Changing(QWidget* leaving) {
  if (leaving != CO2TabSheet) {
    const QSize outer = OuterSize();
    GSparadBredd = outer.width();
    GSparadHojd = outer.height();
  }
}

void TForm1::PageControl1Change() {
  QWidget* page = PageControl1->ActivePage();
  if (page == Kvs) {
    FlowEdit->SetLabelCaption(FlowRadioGroup->ItemText(FlowRadioGroup->ItemIndex()));
    TryckEdit->SetLabelCaption(TryckRadioGroup->ItemText(TryckRadioGroup->ItemIndex()));
    KalkylVal();
  }
  if (page == Rorber) EnhetRorRadioGroupClick();
  if (page == Effekt) CalkValRadioGroupClick();
  if (page == CO2TabSheet) {
    if (CO2Grid->Col() == 0) CO2Grid->SetCurrentCell(1, CO2Grid->Row());
    SetOuterSize(maxWidth_, maxHeight_);
    if (height() < PageHeight()) resize(width(), PageHeight());
    const QSize outer = OuterSize();
    const QSize screen = platform_.ScreenSize();
    QPoint at = OuterPos();
    if (at.x() + outer.width() > screen.width()) at.setX(screen.width() - outer.width());
    if (at.y() + outer.height() > screen.height()) at.setY(screen.height() - outer.height());
    if (at != OuterPos()) SetOuterPos(at.x(), at.y());
  } else {
    SetOuterSize(GSparadBredd, GSparadHojd);
  }
  KolumnBredd();
}

void TForm1::FormKeyDown(int key) {
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    if (PageControl1->ActivePage() == Kanalber) SpeedButton1Click();
    if (PageControl1->ActivePage() == Kvs) SpeedButton2Click();
    if (PageControl1->ActivePage() == Rorber) SpeedButton3Click();
    if (PageControl1->ActivePage() == Effekt) SpeedButton4Click();
    if (PageControl1->ActivePage() == CO2TabSheet) CO2CalcButtonClick();
  } else if (key == Qt::Key_F1) {
    ShowAboutBox();
    FormActivate();
  }
}

void TForm1::FormResize() { Omskalning(); }

void TForm1::FormConstrainedResize() { KolumnBredd(); }

bool TForm1::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && modalDepth_ == 0) RunGuarded(this, [this] { FormActivate(); });
  return QWidget::event(event);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
    auto* widget = static_cast<QWidget*>(watched);
    // Each key once, where it is delivered: the focused control of this
    // window (or the window itself when nothing has the focus).
    const QWidget* focus = QApplication::focusWidget();
    if (widget->window() == this && modalDepth_ == 0 && (widget == focus || (!focus && widget == this))) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      RunGuarded(this, [this, key] { FormKeyDown(key); });
    }
  } else if (watched == Kanalber && event->type() == QEvent::Resize) {
    PlaceDuctGrid();
  }
  return QWidget::eventFilter(watched, event);
}

void TForm1::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  PageControl1->setGeometry(rect());
  RunGuarded(this, [this] {
    FormConstrainedResize();
    FormResize();
  });
}

void TForm1::PlaceDuctGrid() {
  // The result grid follows the page in both directions.
  const int width = Kanalber->width() - StringGrid1->x() - ductGridRightMargin_;
  const int height = Kanalber->height() - StringGrid1->y() - ductGridBottomMargin_;
  StringGrid1->resize(std::max(20, width), std::max(20, height));
}

void TForm1::ReportError(const std::exception& error) {
  QString message = QString::fromUtf8(error.what());
  if (!message.endsWith('.')) message += '.';
  const QString program = platform_.ProgramPath();
  QString title = program.mid(std::max(program.lastIndexOf('/'), program.lastIndexOf('\\')) + 1);
  if (const qsizetype dot = title.lastIndexOf('.'); dot > 0) title = title.left(dot);
  platform_.ShowError(this, title, message);
}

std::optional<QString> TForm1::VarText(const QString& name) const {
  const auto flag = [](bool value) { return value ? QStringLiteral("true") : QStringLiteral("false"); };
  if (name == "GDecimalPunkt") return flag(GDecimalPunkt);
  if (name == "GOmboxVisad") return flag(GOmboxVisad);
  if (name == "GStartvardeFoljer") return flag(GStartvardeFoljer);
  if (name == "GSparadBredd") return QString::number(GSparadBredd);
  if (name == "GSparadHojd") return QString::number(GSparadHojd);
  if (name == "GStegText") return GStegText;
  if (name == "GStegRubrik") return GStegRubrik;
  if (name == "GCirkSidaText") return GCirkSidaText;
  if (name == "GRektSidaText") return GRektSidaText;
  if (name == "GMeddKanalTillIsol") return GMeddKanalTillIsol;
  if (name == "GCO2Col") return QString::number(GCO2Col);
  if (name == "GCO2Row") return QString::number(GCO2Row);
  if (name == "GHastighet") {
    // The single's shortest exact text.
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, GHastighet).ptr;
    return QString::fromLatin1(buffer, end - buffer);
  }
  if (name == "GProgramBibl" && aboutBox_) return aboutBox_->GProgramBibl;
  return std::nullopt;
}

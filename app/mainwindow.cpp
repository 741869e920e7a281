#include "app/mainwindow.h"

#include <QApplication>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QScopeGuard>
#include <QStyle>
#include <QWindow>
#include <charconv>

#include <QAccessible>
#include <QScopedValueRollback>
#include "app/aboutbox.h"
#include "app/duct_run_window.h"
#include "app/platform.h"
#include "app/widgets/combobox.h"
#include "app/widgets/icons.h"
#include "app/widgets/spoken.h"
#include "calc/errors.h"
#include "lang/texts.h"

TForm1::TForm1(Platform& platform) : platform_(platform) {
  setObjectName("Form1");
  InstallSpokenInterfaces();
  // Where MS Sans Serif is missing, a sans serif of about its width stands in.
  QFont windowFont;
  windowFont.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
  windowFont.setPointSize(8);
  setFont(windowFont);
  setWindowFlag(Qt::WindowStaysOnTopHint, true);
  // A saved record dropped on the window opens again.
  setAcceptDrops(true);

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
  // The captions shown before the first activation applies the language.
  PageControl1->AddPage(Kanalber, lang::Swedish("PageControl1", lang::kPage, 0));
  PageControl1->AddPage(Effekt, lang::Swedish("PageControl1", lang::kPage, 1));
  PageControl1->AddPage(Kvs, lang::Swedish("PageControl1", lang::kPage, 2));
  PageControl1->AddPage(Rorber, lang::Swedish("PageControl1", lang::kPage, 3));
  PageControl1->AddPage(CO2TabSheet, lang::Swedish("PageControl1", lang::kPage, 4));
  PageControl1->SetActivePage(Kanalber);

  calculatorIcon_ = CalculatorIcon();
  BuildDuctTab();
  BuildPowerTab();
  BuildValveTab();
  BuildPipeTab();
  BuildCO2Tab();
  // Screen readers hear the controls by their Swedish names until the first
  // activation applies the language (the about box comes up before it).
  NameForScreenReaders();

  // The result grid and the activity table copy what they show.
  for (TStringGrid* grid : {StringGrid1, CO2Grid})
    grid->OnCopy = [this, grid] { platform_.SetClipboardText(grid->ShownRowsText()); };
  for (TEdit* field : findChildren<TEdit*>())
    field->CopyText = [this](const QString& text) { platform_.SetClipboardText(text); };
  // The right mouse button on a page, outside the fields (which keep their
  // own menus), offers the record.
  for (QWidget* page : {Kanalber, Effekt, Kvs, Rorber, CO2TabSheet}) {
    page->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(page, &QWidget::customContextMenuRequested, this,
            [this, page](const QPoint& at) { RunGuarded(this, [this, page, at] { ShowRecordMenu(page, at); }); });
  }
  PageControl1->OnChanging = [this](QWidget* leaving) { PageControl1Changing(leaving); };
  PageControl1->OnChange = [this] { PageControl1Change(); };
  Kanalber->installEventFilter(this);
  qApp->installEventFilter(this);

  // The native window exists from here on. Where the system draws the frame
  // itself (the offscreen platform) its size is known now; a window manager
  // tells it only once the window is mapped (AdoptFrame).
  winId();
  frameUsed_ = FrameExtra();
  resize(kStartClient);
  PageControl1->setGeometry(rect());
  ApplySizeLimits();
  FormCreate();
  CentreOnScreen();
  // The first field of the duct tab has the focus when the window opens.
  Flow->setFocus(Qt::OtherFocusReason);
}

// Controls outlive this part of the window while the base class takes them
// down, and may still report focus changes or paint: RunGuarded runs none of
// the window's handlers from here on.
TForm1::~TForm1() {
  takingDown_ = true;
  qApp->removeEventFilter(this);
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
  ShowDuctMaterialAndHeadings();
  if (!GOmboxVisad) {
    if (aboutBox_) {
      aboutBox_->Version->setText("Version " PLUVIK_VERSION);
      ShowAboutBox();
    }
    GOmboxVisad = true;
  }
  ValjSprak();
  // The step caption of the language in force, also while the circular
  // shape's field shows "ð" in its place.
  GStegRubrik = Steg->LabelCaption() == JointCaption() ? stegCaption_ : Steg->LabelCaption();
  PageControl1Change();
  FollowDuctMaterial();
}

void TForm1::ShowAboutBox() {
  if (!aboutBox_) return;
  RunDialog([this] { platform_.ShowAboutModal(*aboutBox_); });
  // The window takes the activation back when the box has closed; that is no
  // new activation, the caller runs the activation steps itself.
  if (isVisible()) activateWindow();
}

void TForm1::AttachAboutBox(TAboutBox* aboutBox) {
  aboutBox_ = aboutBox;
  aboutBox_->OnMessage = [this](const QString& text) { ShowMessage(text, aboutBox_); };
}

void TForm1::ShowMessage(const QString& text, QWidget* owner) {
  RunDialog([this, &text, owner] { platform_.ShowMessage(owner ? owner : this, text); });
}

void TForm1::RunDialog(const std::function<void()>& show) {
  // While a dialog is up, and as it closes, the window's activation is the
  // dialog's doing: FormActivate does not run for it, and the key that
  // opened the dialog is not taken again.
  ++dialogDepth_;
  const auto closed = qScopeGuard([this] { --dialogDepth_; });
  show();
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
    // The user's own ENTER: a refusal is said to screen readers.
    const QScopedValueRollback<bool> pressed(enterPressed_, true);
    CalculateActiveTab();
  } else if (key == Qt::Key_F1) {
    ShowAboutBox();
    FormActivate();
  }
}

TStracka* TForm1::RunWindow() {
  if (!stracka_) stracka_ = new TStracka(*this);
  return stracka_;
}

void TForm1::FormResize() { Omskalning(); }

void TForm1::FormConstrainedResize() { KolumnBredd(); }

bool TForm1::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) {
    AdoptFrame();
    // The window's own activation: its first showing, or a return from
    // another window of the program. A dialog closing or the user coming
    // back from another program is not one.
    const bool back = backFromOwnWindow_;
    backFromOwnWindow_ = false;
    if (dialogDepth_ == 0 && (!activatedOnce_ || back)) {
      activatedOnce_ = true;
      RunGuarded(this, [this] { FormActivate(); });
    }
  } else if (event->type() == QEvent::Move || event->type() == QEvent::Show) {
    AdoptFrame();
  } else if (event->type() == QEvent::ApplicationPaletteChange) {
    // The desktop's palette changed while the program runs: every control's
    // colours are put together again from it, in every window of the program
    // (the about box and the run window are the main window's children).
    FollowPalette(this);
  }
  return QWidget::event(event);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
      // The window sees each key once, as its native window receives it and
      // before any control does (a key preview). The focused
      // control passes a key it does not use on to its parents; seen there
      // again, after a box the key opened has closed, it would open the box
      // a second time.
      if (watched == windowHandle()) {
        paintFaultShown_.clear();
        if (dialogDepth_ == 0) {
          const auto* keyEvent = static_cast<QKeyEvent*>(event);
          const int key = keyEvent->key();
          // The window's commands (the record, the tabs, the duct run) are
          // its alone; no control sees their keys.
          if (CommandKey(key, keyEvent->modifiers())) return true;
          RunGuarded(this, [this, key] { FormKeyDown(key); });
        }
      }
      break;
    case QEvent::MouseButtonPress:
      if (watched == windowHandle()) paintFaultShown_.clear();
      break;
    case QEvent::WindowActivate:
      if (watched != this && watched->isWidgetType() && dialogDepth_ == 0 && !qobject_cast<QDialog*>(watched) &&
          static_cast<QWidget*>(watched)->isWindow())
        backFromOwnWindow_ = true;
      break;
    case QEvent::ApplicationDeactivate: backFromOwnWindow_ = false; break;
    case QEvent::PaletteChange:
      // A field's colour changed: a red one says why to screen readers.
      if (auto* field = qobject_cast<QWidget*>(watched);
          field && (qobject_cast<TEdit*>(field) || qobject_cast<TComboBox*>(field)))
        DescribeRedField(field);
      break;
    case QEvent::FocusIn: {
      // The Tab key brings a control into view: the window grows, as if the
      // user had dragged its lower edge, until the control is shown.
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) && watched->isWidgetType())
        RunGuarded(this, [this, watched] { ShowFocusedControl(static_cast<QWidget*>(watched)); });
      break;
    }
    case QEvent::Resize:
      if (watched == Kanalber) PlaceDuctGrid();
      break;
    default: break;
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

QString TForm1::RedReason(const QWidget* field) const {
  if (Background(field) != TColor::clRed) return QString();
  const QString text = qobject_cast<const TEdit*>(field) ? static_cast<const TEdit*>(field)->Text()
                                                         : static_cast<const TComboBox*>(field)->Text();
  double number = 0.0;
  if (text.trimmed().isEmpty()) return Say(lang::Word("RedEmpty"));
  if (!calc::TryStrToFloat(DecimalFormat(text).toStdString(), fmt_, number)) return Say(lang::Word("RedNoNumber"));
  // A refused value keeps the refusal's message it was given.
  return field->property(kRedReason).toBool() ? field->accessibleDescription() : QString();
}

void TForm1::DescribeRedField(QWidget* field) {
  const bool described = field->property(kRedReason).toBool();
  if (Background(field) != TColor::clRed) {
    // The colour went: so does the reason, and the field's own description
    // (or its hint) is heard again.
    if (described) field->setAccessibleDescription(field->property(kOwnDescription).toString());
    field->setProperty(kRedReason, false);
    return;
  }
  const QString reason = RedReason(field);
  if (reason.isEmpty()) return;
  field->setProperty(kRedReason, true);
  if (field->accessibleDescription() != reason) field->setAccessibleDescription(reason);
}

void TForm1::SetOwnDescription(QWidget* field, const QString& description) {
  field->setProperty(kOwnDescription, description);
  if (!field->property(kRedReason).toBool() && field->accessibleDescription() != description)
    field->setAccessibleDescription(description);
}

void TForm1::AnnounceRefusal(QWidget* page) {
  if (!QAccessible::isActive()) return;
  // The red fields in the order the Tab key reaches them, each with its
  // reason; a refusal said by a message box is heard from the box.
  QStringList said;
  QWidget* control = page;
  for (int steps = 0; steps < 1000; ++steps) {
    control = control->nextInFocusChain();
    if (control == page) break;
    if (!page->isAncestorOf(control) || !control->isVisibleTo(page)) continue;
    if (!qobject_cast<TEdit*>(control) && !qobject_cast<TComboBox*>(control)) continue;
    if (const QString reason = RedReason(control); !reason.isEmpty())
      said << reason + QStringLiteral(": ") + ScreenName(control);
  }
  said.removeDuplicates();
  if (!said.isEmpty()) Announce(this, resultNotice_, QStringLiteral("Resultat"), said.join(QStringLiteral("; ")));
}

void TForm1::DescribeRedFields() {
  for (TEdit* field : findChildren<TEdit*>()) DescribeRedField(field);
  for (TComboBox* box : findChildren<TComboBox*>()) DescribeRedField(box);
}

void TForm1::ShowFocusedControl(QWidget* control) {
  QWidget* page = PageControl1->ActivePage();
  if (dialogDepth_ > 0 || !isVisible() || !page || !page->isAncestorOf(control)) return;
  // How far the control reaches below what the page shows.
  const int shownBottom = page->mapTo(this, QPoint(0, page->height())).y();
  const int bottom = control->mapTo(this, QPoint(0, control->height())).y();
  if (bottom <= shownBottom) return;
  const QSize outer = OuterSize();
  const int wanted = std::min(maxHeight_, outer.height() + bottom - shownBottom + 2);
  if (wanted > outer.height()) SetOuterSize(outer.width(), wanted);
}

void TForm1::PlaceDuctGrid() {
  // The result grid follows the page in both directions.
  const int width = Kanalber->width() - StringGrid1->x() - ductGridRightMargin_;
  const int height = Kanalber->height() - StringGrid1->y() - ductGridBottomMargin_;
  StringGrid1->resize(std::max(20, width), std::max(20, height));
}

QString TForm1::Worded(const std::exception& error) const {
  // The calculation core's own faults come as codes, ours to word in the
  // interface language; the number and arithmetic messages stand as they are.
  const auto* fault = dynamic_cast<const calc::CalcFault*>(&error);
  if (!fault) return QString::fromUtf8(error.what());
  switch (fault->code()) {
    case calc::FaultCode::FrictionNotSettled: return Say(lang::Word("FrictionNotSettled"));
    case calc::FaultCode::RoomNotNegative: return Say(lang::Word("RoomNotNegative"));
    case calc::FaultCode::EquilibriumNotSettled: return Say(lang::Word("EquilibriumNotSettled"));
    case calc::FaultCode::TooManySteps: return Say(lang::Word("TooManySteps"));
  }
  return QString::fromUtf8(error.what());
}

void TForm1::ReportError(const std::exception& error) { ReportMessage(Worded(error)); }

void TForm1::ReportMessage(QString message) {
  if (!message.endsWith('.')) message += '.';
  // The program file's name without its extension.
  const QFileInfo program = ProgramFile(platform_.ProgramPath());
  QString title = program.completeBaseName();
  if (title.isEmpty()) title = program.fileName();
  RunDialog([&] { platform_.ShowError(this, title, message); });
}

void TForm1::ReportAfterPaint(const std::exception& error) {
  // Every repaint raises the same fault again: it is shown once, until the
  // user acts in the window again.
  const QString message = Worded(error);
  if (message == paintFaultShown_ || paintFaultPending_) return;
  paintFaultShown_ = message;
  paintFaultPending_ = true;
  QMetaObject::invokeMethod(
      this,
      [this, message] {
        paintFaultPending_ = false;
        if (!takingDown_) ReportMessage(message);
      },
      Qt::QueuedConnection);
}

bool TForm1::TakingDown() const { return takingDown_; }

void TForm1::AdoptFrame() {
  // A window manager reports the frame it draws only once the window is
  // mapped. The outer sizes and limits count that frame, so they are set
  // again with it; before the first activation the window also takes its
  // start size again and is centred with its true outer size.
  const QSize extra = FrameExtra();
  if (extra == frameUsed_) return;
  frameUsed_ = extra;
  ApplySizeLimits();
  if (activatedOnce_) return;
  resize(kStartClient);
  if (height() < PageHeight()) resize(width(), PageHeight());
  const QSize outer = OuterSize();
  GSparadHojd = outer.height();
  GSparadBredd = outer.width();
  CentreOnScreen();
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

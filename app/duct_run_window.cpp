#include "app/duct_run_window.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QSaveFile>
#include <QSet>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <cmath>
#include <optional>

#include "app/mainwindow.h"
#include "app/platform.h"
#include "app/record_file.h"
#include "app/widgets/spoken.h"
#include "app/widgets/stringgrid.h"
#include "calc/duct_run.h"
#include "calc/errors.h"

namespace {

// What a saved run holds of each section, by name.
constexpr char kSavedName[] = "name";
constexpr char kSavedFrom[] = "from";
constexpr char kSavedFlow[] = "flow";            // as shown or typed
constexpr char kSavedFlowValue[] = "flowValue";  // l/s as the model takes it, exactly
constexpr char kSavedDimension[] = "dimension";
constexpr char kSavedLength[] = "length";
constexpr char kSavedZeta[] = "zeta";
constexpr char kSavedMaterial[] = "material";
constexpr char kSavedCircular[] = "circular";
constexpr char kSavedInsulation[] = "insulation";
constexpr char kSavedRoughness[] = "roughness";
constexpr char kSavedJoint[] = "joint";
constexpr char kSavedJoints[] = "joints";  // the series' joint coefficients by dimension
constexpr char kSavedTemperature[] = "temperature";
// The fields as format 1 kept them: each section's, in this order, one
// section after another.
const QStringList kFormat1Fields{kSavedName,      kSavedFrom,  kSavedFlow,     kSavedFlowValue,  kSavedDimension,
                                 kSavedLength,    kSavedZeta,  kSavedMaterial, kSavedCircular,   kSavedInsulation,
                                 kSavedRoughness, kSavedJoint, kSavedJoints,   kSavedTemperature};
// The longest text a saved section gives back to a cell, and to the joint
// coefficients of a whole series.
constexpr int kLongestText = 100;
constexpr int kLongestSeries = 2000;

constexpr lang::Words kHeadings[TStracka::kCols] = {
    lang::Word("RunHeading0"), lang::Word("RunHeading1"), lang::Word("RunHeading2"),  lang::Word("RunHeading3"),
    lang::Word("RunHeading4"), lang::Word("RunHeading5"), lang::Word("RunHeading6"),  lang::Word("RunHeading7"),
    lang::Word("RunHeading8"), lang::Word("RunHeading9"), lang::Word("RunHeading10"), lang::Word("RunHeading11"),
    lang::Word("RunHeading12")};

// A single as a text that reads back to the same single.
QString Exact(float value) { return QString::number(static_cast<double>(value), 'g', 9); }

std::optional<float> ExactValue(const QString& text) {
  bool read = false;
  const double value = text.toDouble(&read);
  if (!read || !std::isfinite(value) || std::fabs(value) > 3.0e38) return std::nullopt;
  return calc::ToSingle(value);
}

QString Joints(const QHash<QString, float>& joints) {
  QStringList pairs;
  for (auto it = joints.cbegin(); it != joints.cend(); ++it) pairs << it.key() + '=' + Exact(it.value());
  pairs.sort();
  return pairs.join(';');
}

std::optional<QHash<QString, float>> JointsOf(const QString& text) {
  QHash<QString, float> joints;
  if (text.isEmpty()) return joints;
  for (const QString& pair : text.split(';')) {
    const QStringList parts = pair.split('=');
    if (parts.size() != 2 || parts[0].isEmpty()) return std::nullopt;
    const auto value = ExactValue(parts[1]);
    if (!value || *value < 0.0f) return std::nullopt;
    joints.insert(parts[0], *value);
  }
  return joints;
}

// A cell for a spreadsheet: quoted where it holds the separator, a quote or
// a line break.
QString CsvCell(const QString& text) {
  if (!text.contains(';') && !text.contains('"') && !text.contains('\n') && !text.contains('\r')) return text;
  QString quoted = text;
  quoted.replace('"', QStringLiteral("\"\""));
  return '"' + quoted + '"';
}

}  // namespace

TStracka::TStracka(TForm1& form) : QDialog(&form), form_(form) {
  setObjectName(QStringLiteral("Stracka"));
  // Above the main window, which stays on top, and opened beside it without
  // taking the keyboard from the duct tab.
  setWindowFlag(Qt::WindowStaysOnTopHint, true);
  setAttribute(Qt::WA_ShowWithoutActivating);
  setSizeGripEnabled(true);
  StrackaGrid = new TStringGrid(this, QStringLiteral("StrackaGrid"), kCols, 1);
  StrackaGrid->SetOptions(TGridOptions{true, false});
  StrackaGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  StrackaGrid->CanEdit = [](int col, int row) { return row >= 1 && col <= kZeta; };
  StrackaGrid->OnSetEditText = [this](int col, int row, const QString& text) { Edited(col, row, text); };
  StrackaGrid->OnDrawCell = [this](int col, int row, const QRect& rect, TGridCanvas& canvas) {
    DrawCell(col, row, rect, canvas);
  };
  // A finished edit is said to screen readers, not every key of it; said
  // once the focus is back on the grid's cell, so that the screen reader
  // hears it from there.
  connect(StrackaGrid->itemDelegate(), &QAbstractItemDelegate::closeEditor, this,
          [this] { QTimer::singleShot(0, this, [this] { RunGuarded(&form_, [this] { AnnounceRun(); }); }); });
  StrackaGrid->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(StrackaGrid, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { RunGuarded(&form_, [this, at] { ShowMenu(at); }); });
  StrackaSumma = new QLabel(this);
  StrackaSumma->setObjectName(QStringLiteral("StrackaSumma"));
  StrackaSumma->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  StrackaSumma->setWordWrap(true);
  // The line under the grid is the window's status, which the notices say;
  // not a label a screen reader reads again with the window's name.
  SpeakAsStatus(StrackaSumma);
  // Each cell heard with its column, an empty one as empty, the red one
  // with its fault.
  StrackaGrid->SpokenCell = [this](int col, int row, const QString& text) {
    QString spoken = StrackaGrid->Cell(col, 0) + ' ' + (text.isEmpty() ? form_.Say(lang::Word("RecordEmpty")) : text);
    if (col == faultCol_ && row == faultRow_) spoken += QStringLiteral(", ") + summary_;
    return spoken;
  };
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(StrackaGrid, 1);
  layout->addWidget(StrackaSumma);
  ApplyLanguage();
  // Keys are taken where the system delivers them, at the window itself,
  // before the grid or its cell editor sees them.
  winId();
  windowHandle()->installEventFilter(this);
}

TStracka::~TStracka() {
  // The grid's cell editor closes as the grid goes; the window no longer
  // hears of it.
  StrackaGrid->itemDelegate()->disconnect(this);
}

void TStracka::ApplyLanguage() {
  setWindowTitle(form_.Say(lang::Word("RunCaption")));
  StrackaGrid->setAccessibleName(windowTitle());
  for (int col = 0; col < kCols; ++col) StrackaGrid->SetCell(col, 0, form_.Say(kHeadings[col]));
  FitColumns();
  Recompute();
}

void TStracka::FitColumns() {
  const QFontMetrics metrics(StrackaGrid->font());
  int total = 0;
  for (int col = 0; col < kCols; ++col) {
    const int width =
        std::max(metrics.horizontalAdvance(StrackaGrid->Cell(col, 0)), metrics.horizontalAdvance("300*200")) + 12;
    StrackaGrid->SetColWidth(col, width);
    total += width + StrackaGrid->GridLineWidth();
  }
  StrackaGrid->setMinimumWidth(std::min(total + 2 * StrackaGrid->frameWidth() + 20, 1200));
}

void TStracka::PlaceBeside() {
  adjustSize();
  resize(std::max(width(), StrackaGrid->minimumWidth() + 12), 300);
  const QSize screen = form_.platform().ScreenSize();
  const QPoint mainAt = form_.OuterPos();
  const QSize main = form_.OuterSize();
  // Before it is first shown the window has no frame yet: the main window's
  // tells how much the window manager adds.
  const QSize outer = isVisible() ? frameGeometry().size() : size() + form_.FrameExtra();
  // Right of the main window, else left of it, below or above it: the first
  // place where the whole window is on the screen; else on the right, moved
  // onto the screen.
  const int underX = std::clamp(mainAt.x(), 0, std::max(0, screen.width() - outer.width()));
  const QPoint places[] = {{mainAt.x() + main.width(), mainAt.y()},
                           {mainAt.x() - outer.width(), mainAt.y()},
                           {underX, mainAt.y() + main.height()},
                           {underX, mainAt.y() - outer.height()}};
  QPoint at = places[0];
  for (const QPoint& place : places) {
    if (QRect(QPoint(0, 0), screen).contains(QRect(place, outer))) {
      at = place;
      break;
    }
  }
  at.setX(std::clamp(at.x(), 0, std::max(0, screen.width() - outer.width())));
  at.setY(std::clamp(at.y(), 0, std::max(0, screen.height() - outer.height())));
  move(at);
}

QString TStracka::Num(double value) const { return form_.FloatToStrF(value, 15, 1); }

QString TStracka::FlowText(float flow) const { return form_.FloatToStrF(flow, 15, std::trunc(flow) == flow ? 0 : 2); }

void TStracka::ReadFlow(RunRow& row, const QString& text) const {
  row.flow = text;
  row.modelled = false;
  // A flow shown as the window writes it stands for the exact value kept
  // with it (an m3/h flow in l/s); any other text is read as typed.
  if (!text.isEmpty() && text == FlowText(row.flowValue)) {
    row.flowRead = true;
    return;
  }
  double value = 0.0;
  row.flowRead = calc::TryStrToFloat(form_.DecimalFormat(text.trimmed()).toStdString(), form_.Fmt(), value) &&
                 std::isfinite(value) && std::fabs(value) < 3.0e38;
  if (row.flowRead) row.flowValue = calc::ToSingle(value);
}

bool TStracka::Add(RunRow row) {
  if (rows_.size() >= static_cast<qsizetype>(calc::kMostRunSections)) {
    form_.ShowMessage(form_.Say(lang::Word("RunTooMany")).arg(calc::kMostRunSections), this);
    return false;
  }
  // Named 1, 2, 3 ... by default, continuing the last section.
  QSet<QString> names;
  for (const RunRow& other : rows_) names.insert(other.name.trimmed());
  int number = static_cast<int>(rows_.size()) + 1;
  while (names.contains(QString::number(number))) ++number;
  row.name = QString::number(number);
  row.from = rows_.isEmpty() ? QString() : rows_.back().name;
  rows_ << row;
  Recompute();
  StrackaGrid->SetCurrentCell(kLength, static_cast<int>(rows_.size()));
  StrackaGrid->scrollTo(StrackaGrid->model()->index(static_cast<int>(rows_.size()) - 1, kLength));
  AnnounceRun(true);
  return true;
}

void TStracka::Model(RunRow& row) const {
  row.modelled = true;
  row.modelFault.clear();
  row.v = row.r = row.rho = 0.0f;
  const QString name = row.name.trimmed();
  if (!row.flowRead) {
    row.modelFault = form_.Say(lang::Word("RunNoNumber")).arg(name, form_.Say(kHeadings[kFlow]), row.flow);
    row.modelFaultCol = kFlow;
    return;
  }
  if (row.flowValue < 0.0f) {
    row.modelFault = form_.Say(lang::Word("RunNegative")).arg(name, form_.Say(kHeadings[kFlow]));
    row.modelFaultCol = kFlow;
    return;
  }
  QString dimension = row.dimension.trimmed();
  dimension.replace('x', '*').replace('X', '*');
  const std::string dim = form_.DecimalFormat(dimension).toStdString();
  const std::string temperature = row.duct.temperature.toStdString();
  calc::DuctAir air;
  air.temperature = temperature;
  air.unit = calc::AirFlowUnit::LitresPerSecond;
  air.circularChosen = row.duct.circular;
  row.modelFaultCol = kDimension;
  try {
    const auto at = [&](float flow) {
      return calc::Rvaerde(dim, flow, row.duct.roughness, row.duct.joint, row.duct.insulation, air, form_.Fmt());
    };
    // No flow: no velocity and no loss, where the dimension leaves a duct.
    const auto figures = at(row.flowValue > 0.0f ? row.flowValue : 1.0f);
    if (!figures) {
      row.modelFault = form_.Say(lang::Word("RunNoDuct")).arg(name, row.dimension);
      return;
    }
    row.rho = calc::AirDensity(form_.StrToFloat(row.duct.temperature));
    if (row.flowValue > 0.0f) {
      row.v = figures->v;
      row.r = figures->r;
    }
  } catch (const calc::ConvertError&) {
    row.modelFault = form_.Say(lang::Word("RunNoNumber")).arg(name, form_.Say(kHeadings[kDimension]), row.dimension);
  } catch (const std::exception& error) {
    row.modelFault = form_.Say(lang::Word("RunFault")).arg(name, form_.Worded(error));
  }
}

bool TStracka::RowFault(int index, QString& message, int& col, double& length, double& zeta) const {
  const RunRow& row = rows_[index];
  const QString name = row.name.trimmed();
  if (name.isEmpty()) {
    message = form_.Say(lang::Word("RunNoName")).arg(index + 1);
    col = kName;
    return true;
  }
  if (!row.modelFault.isEmpty()) {
    message = row.modelFault;
    col = row.modelFaultCol;
    return true;
  }
  // The length must be given; an empty sum of coefficients counts as 0.
  zeta = 0.0;
  for (const int c : {kLength, kZeta}) {
    const QString text = (c == kLength ? row.length : row.zeta).trimmed();
    col = c;
    if (text.isEmpty()) {
      if (c == kZeta) continue;
      message = form_.Say(lang::Word("RunNoLength")).arg(name);
      return true;
    }
    double& value = c == kLength ? length : zeta;
    if (!calc::TryStrToFloat(form_.DecimalFormat(text).toStdString(), form_.Fmt(), value) || !std::isfinite(value)) {
      message = form_.Say(lang::Word("RunNoNumber")).arg(name, form_.Say(kHeadings[c]), text);
      return true;
    }
    if (value < 0.0) {
      message = form_.Say(lang::Word("RunNegative")).arg(name, form_.Say(kHeadings[c]));
      return true;
    }
  }
  return false;
}

void TStracka::Recompute() {
  faultCol_ = faultRow_ = -1;
  QString fault;
  for (RunRow& row : rows_)
    if (!row.modelled) Model(row);
  std::vector<calc::RunSection> sections;
  sections.reserve(static_cast<std::size_t>(rows_.size()));
  for (int i = 0; i < rows_.size(); ++i) {
    const RunRow& row = rows_[i];
    int col = 0;
    double length = 0.0;
    double zeta = 0.0;
    if (RowFault(i, fault, col, length, zeta)) {
      faultCol_ = col;
      faultRow_ = i + 1;
      break;
    }
    sections.push_back(
        {row.name.trimmed().toStdString(), row.from.trimmed().toStdString(), length, zeta, row.v, row.r, row.rho});
  }
  calc::RunSums sums;
  if (fault.isEmpty()) {
    sums = calc::SumRun(sections);
    const int at = static_cast<int>(sums.faultAt);
    const QString name = at < rows_.size() ? rows_[at].name.trimmed() : QString();
    switch (sums.fault) {
      case calc::RunFault::None: break;
      case calc::RunFault::TooMany: fault = form_.Say(lang::Word("RunTooMany")).arg(calc::kMostRunSections); break;
      case calc::RunFault::SameName:
        fault = form_.Say(lang::Word("RunSameName")).arg(name);
        faultCol_ = kName;
        break;
      case calc::RunFault::UnknownFrom:
        fault = form_.Say(lang::Word("RunUnknownFrom")).arg(name, rows_[at].from.trimmed());
        faultCol_ = kFrom;
        break;
      case calc::RunFault::Loop:
        fault = form_.Say(lang::Word("RunLoop")).arg(name);
        faultCol_ = kFrom;
        break;
      case calc::RunFault::NegativeLength:
      case calc::RunFault::NegativeZeta:
        fault = form_.Say(lang::Word("RunNegative"))
                    .arg(name, form_.Say(kHeadings[sums.fault == calc::RunFault::NegativeLength ? kLength : kZeta]));
        faultCol_ = sums.fault == calc::RunFault::NegativeLength ? kLength : kZeta;
        break;
    }
    if (sums.fault != calc::RunFault::None) faultRow_ = at + 1;
  }

  const TStringGrid::UpdateLock lock(StrackaGrid);
  StrackaGrid->SetRowCount(static_cast<int>(rows_.size()) + 1);
  const bool totals = fault.isEmpty();
  for (int i = 0; i < rows_.size(); ++i) {
    const RunRow& row = rows_[i];
    const int r = i + 1;
    const QString texts[] = {row.name, row.from, row.flow, row.dimension, row.length, row.zeta};
    for (int col = kName; col <= kZeta; ++col) StrackaGrid->SetCell(col, r, texts[col]);
    const bool modelled = row.modelFault.isEmpty();
    StrackaGrid->SetCell(kVelocity, r, modelled ? form_.FloatToStrF(row.v, 15, 1) : QString());
    StrackaGrid->SetCell(kPerMetre, r, modelled ? form_.PressureDropText(row.r) : QString());
    const calc::RunFigures* f = totals ? &sums.figures[static_cast<std::size_t>(i)] : nullptr;
    StrackaGrid->SetCell(kFriction, r, f ? Num(f->friction) : QString());
    StrackaGrid->SetCell(kLocal, r, f ? Num(f->local) : QString());
    StrackaGrid->SetCell(kSection, r, f ? Num(f->section) : QString());
    StrackaGrid->SetCell(kFromFan, r, f ? Num(f->fromFan) : QString());
    StrackaGrid->SetCell(kThrottle, r, f && f->throttle ? Num(*f->throttle) : QString());
  }
  indexRun_.clear();
  if (!totals) {
    summary_ = fault;
  } else if (rows_.isEmpty()) {
    summary_.clear();
  } else {
    QStringList path;
    for (const std::size_t at : sums.indexRun) path << rows_[static_cast<int>(at)].name.trimmed();
    indexRun_ = form_.Say(lang::Word("RunIndexValue")).arg(path.join(QStringLiteral(" - ")), Num(sums.indexTotal));
    summary_ = form_.Say(lang::Word("RunIndexCaption")) + QStringLiteral(": ") + indexRun_;
  }
  StrackaSumma->setText(summary_);
  StrackaGrid->viewport()->update();
}

void TStracka::AnnounceRun(bool added) {
  // The chosen section's own figures (a section just added: its duct and
  // what the duct tab gave it), then the index run or the fault.
  QStringList said;
  const int row = StrackaGrid->Row();
  if (row >= 1 && row < StrackaGrid->RowCount() && (added || faultRow_ < 0)) {
    QStringList cells;
    const std::initializer_list<int> shown = {kSection, kFromFan, kThrottle};
    const std::initializer_list<int> brought = {kDimension, kFlow, kVelocity, kPerMetre};
    for (const int col : added ? brought : shown)
      if (!StrackaGrid->Cell(col, row).isEmpty())
        cells << StrackaGrid->Cell(col, 0) + ' ' + StrackaGrid->Cell(col, row);
    said << StrackaGrid->Cell(kName, 0) + ' ' + StrackaGrid->Cell(kName, row) + ": " + cells.join(", ");
  }
  if (!summary_.isEmpty()) said << summary_;
  if (said.isEmpty()) return;
  Announce(this, notice_, QStringLiteral("StrackaResultat"),
           (added ? form_.Say(lang::Word("RunAdded")) : form_.Say(lang::Word("AnnouncedResults")))
               .arg(said.join(QStringLiteral("; "))));
}

void TStracka::SayToScreenReaders(const QString& text) {
  Announce(this, notice_, QStringLiteral("StrackaResultat"), text);
}

void TStracka::Edited(int col, int row, const QString& text) {
  const int i = row - 1;
  if (i < 0 || i >= rows_.size()) return;
  RunRow& section = rows_[i];
  switch (col) {
    case kName: section.name = text; break;
    case kFrom: section.from = text; break;
    case kFlow: ReadFlow(section, text); break;
    case kDimension:
      section.dimension = text;
      // A circular duct from the series takes the series' joint coefficient
      // for its new dimension; a dimension the series lacks has none.
      if (!section.duct.joints.isEmpty()) section.duct.joint = section.duct.joints.value(text.trimmed(), 0.0f);
      section.modelled = false;
      break;
    case kLength: section.length = text; break;
    case kZeta: section.zeta = text; break;
    default: return;
  }
  Recompute();
}

void TStracka::DrawCell(int col, int row, const QRect& rect, TGridCanvas& canvas) {
  // The cell of the fault shown is red, as a refused field on the tabs.
  if (col != faultCol_ || row != faultRow_) return;
  const QString text = StrackaGrid->Cell(col, row);
  canvas.brushColor = TColor::clRed;
  canvas.FillRect(rect);
  canvas.TextOut(rect.left() + 2, rect.top() + (rect.height() - canvas.TextHeight(text)) / 2, text);
}

void TStracka::DeleteChosen() {
  const int i = StrackaGrid->Row() - 1;
  if (i < 0 || i >= rows_.size()) return;
  const QString name = rows_[i].name.trimmed();
  for (int j = 0; j < rows_.size(); ++j) {
    if (j != i && !name.isEmpty() && rows_[j].from.trimmed() == name) {
      form_.ShowMessage(form_.Say(lang::Word("RunContinued")).arg(name, rows_[j].name.trimmed()), this);
      return;
    }
  }
  const int col = std::max(0, StrackaGrid->Col());
  rows_.removeAt(i);
  Recompute();
  if (!rows_.isEmpty()) StrackaGrid->SetCurrentCell(col, std::min(i + 1, static_cast<int>(rows_.size())));
  AnnounceRun();
}

void TStracka::MoveChosen(int by) {
  const int i = StrackaGrid->Row() - 1;
  const int j = i + by;
  if (i < 0 || i >= rows_.size() || j < 0 || j >= rows_.size()) return;
  const int col = std::max(0, StrackaGrid->Col());
  rows_.swapItemsAt(i, j);
  Recompute();
  StrackaGrid->SetCurrentCell(col, j + 1);
  AnnounceRun();
}

bool TStracka::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && watched == windowHandle()) {
    const auto* key = static_cast<QKeyEvent*>(event);
    bool taken = false;
    RunGuarded(&form_, [&] { taken = Key(key->key(), key->modifiers()); });
    if (taken) return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TStracka::PrintRecord() { form_.PrintRecordOf(Record()); }

void TStracka::SaveRecord() { form_.SaveRecordOf(Record()); }

void TStracka::CopyRecord() { form_.CopyRecordOf(Record()); }

void TStracka::OpenRecord() { form_.OpenRecordDialog(); }

bool TStracka::Key(int key, Qt::KeyboardModifiers modifiers) {
  if (form_.DialogUp()) return false;
  const auto command = CommandOfKey(QKeyCombination(modifiers, static_cast<Qt::Key>(key)), kRunWindow);
  return command && RunCommand(*command);
}

bool TStracka::RunCommand(Command command) {
  // The grid's own keys, not while a cell is being edited.
  const bool inGrid = QApplication::focusWidget() == StrackaGrid;
  switch (command) {
    case Command::Print: PrintRecord(); return true;
    case Command::Save: SaveRecord(); return true;
    case Command::Copy: CopyRecord(); return true;
    case Command::Open: OpenRecord(); return true;
    case Command::SaveCsv: SaveCsv(); return true;
    case Command::OtherWindow:
      form_.activateWindow();
      form_.raise();
      return true;
    case Command::Delete:
      if (!inGrid) return false;
      DeleteChosen();
      return true;
    case Command::MoveUp:
    case Command::MoveDown:
      if (!inGrid) return false;
      MoveChosen(command == Command::MoveUp ? -1 : 1);
      return true;
    default: return false;
  }
}

void TStracka::ShowMenu(const QPoint& at) {
  QMenu menu(this);
  QList<Command> commands;
  QList<QAction*> actions;
  for (const CommandRow& row : kCommandTable) {
    if (!(row.windows & kRunWindow) || !row.name.swedish) continue;
    actions << menu.addAction(form_.Say(row.name));
    actions.back()->setShortcut(QKeySequence(row.key));
    commands << row.command;
  }
  QAction* chosen = nullptr;
  form_.RunDialog([&] { chosen = menu.exec(StrackaGrid->viewport()->mapToGlobal(at)); });
  // The chosen entry runs once the menu has closed.
  const qsizetype index = actions.indexOf(chosen);
  if (index >= 0) RunCommand(commands[index]);
}

CalcRecord TStracka::Record() const {
  CalcRecord record = form_.NewRecord();
  record.page = objectName();
  record.tab = windowTitle();
  for (const RunRow& row : rows_) {
    // The shape the section's own dimension gives, and the joint coefficient
    // its R includes (the model's: a duct sized as circular, without insulation).
    const QString dimension = row.dimension;
    const bool rectangular = dimension.contains('*') || dimension.contains('x') || dimension.contains('X');
    const QString shape = rectangular ? form_.Say(lang::Word("RunRectangular")) : form_.Say(lang::Word("RunCircular"));
    const float joint = row.duct.circular && row.duct.insulation == 0 ? row.duct.joint : 0.0f;
    record.inputs << RecordLine{
        form_.Say(kHeadings[kName]) + ' ' + row.name.trimmed(),
        form_.Say(lang::Word("RunSectionDuct"))
            .arg(row.duct.material.trimmed(), shape, QString::number(row.duct.insulation),
                 form_.Figure(row.duct.roughness, 7), form_.Figure(joint, 7), row.duct.temperature),
        QString()};
  }
  record.method << form_.Say(lang::Word("MethodDuctFriction"))
                       .arg(form_.Figure(calc::kLaminarBelowRe), form_.Figure(calc::kTurbulentFromRe))
                << form_.Say(lang::Word("MethodDuctAir"))
                       .arg(form_.Figure(calc::kAirZeroCelsius), form_.Figure(calc::kAirDensityAt0C),
                            form_.Figure(calc::kAirViscositySlope), form_.Figure(calc::kAirViscosityAt0C))
                << form_.Say(lang::Word("MethodRunJoint")) << form_.Say(lang::Word("MethodRunLocal"))
                << form_.Say(lang::Word("MethodRunPaths"));
  for (int col = 0; col < kCols; ++col) record.table.headings << StrackaGrid->Cell(col, 0);
  for (int r = 1; r < StrackaGrid->RowCount(); ++r) {
    QStringList cells;
    for (int col = 0; col < kCols; ++col) cells << StrackaGrid->Cell(col, r);
    record.table.rows << cells;
  }
  const bool fault = faultRow_ > 0 || rows_.isEmpty();
  if (fault) {
    record.noResult = true;
    if (!summary_.isEmpty()) record.notes << summary_;
  } else {
    record.results << RecordLine{form_.Say(lang::Word("RunIndexCaption")), indexRun_, StrackaSumma->objectName()};
  }
  for (const RunRow& row : rows_)
    record.sections << SavedSection{{kSavedName, row.name},
                                    {kSavedFrom, row.from},
                                    {kSavedFlow, row.flow},
                                    {kSavedFlowValue, Exact(row.flowValue)},
                                    {kSavedDimension, row.dimension},
                                    {kSavedLength, row.length},
                                    {kSavedZeta, row.zeta},
                                    {kSavedMaterial, row.duct.material},
                                    {kSavedCircular, row.duct.circular ? "1" : "0"},
                                    {kSavedInsulation, QString::number(row.duct.insulation)},
                                    {kSavedRoughness, Exact(row.duct.roughness)},
                                    {kSavedJoint, Exact(row.duct.joint)},
                                    {kSavedJoints, Joints(row.duct.joints)},
                                    {kSavedTemperature, row.duct.temperature}};
  return record;
}

std::optional<QList<SavedSection>> TStracka::SectionsOf(const RecordFile& file) {
  if (file.format >= 2) return file.sections;
  // Format 1: the fields of one section after another, in a fixed order.
  const qsizetype fields = kFormat1Fields.size();
  if (file.typed.size() % fields != 0) return std::nullopt;
  QList<SavedSection> sections;
  for (qsizetype at = 0; at < file.typed.size(); at += fields) {
    SavedSection section;
    for (qsizetype k = 0; k < fields; ++k) section.insert(kFormat1Fields[k], file.typed[at + k].second);
    sections << section;
  }
  return sections;
}

QString TStracka::ImpossibleInput(const TForm1& form, const RecordFile& file) {
  const auto sections = SectionsOf(file);
  if (!sections || sections->size() > static_cast<qsizetype>(calc::kMostRunSections))
    return form.Say(lang::Word("RunTooMany")).arg(calc::kMostRunSections);
  for (const SavedSection& section : *sections) {
    // Every field of a section, and none besides.
    for (const QString& key : kFormat1Fields)
      if (!section.contains(key)) return key + ": ";
    for (auto field = section.cbegin(); field != section.cend(); ++field) {
      const QString& key = field.key();
      const QString& value = field.value();
      const QString fault = key + ": " + value.left(kLongestText);
      if (!kFormat1Fields.contains(key)) return fault;
      if (value.size() > (key == kSavedJoints ? kLongestSeries : kLongestText)) return fault;
      for (const QChar c : value)
        if (c.category() == QChar::Other_Control) return fault;
      if (key == kSavedFlowValue || key == kSavedRoughness || key == kSavedJoint) {
        const auto number = ExactValue(value);
        if (!number || *number < 0.0f) return fault;
      } else if (key == kSavedCircular) {
        if (value != "0" && value != "1") return fault;
      } else if (key == kSavedInsulation) {
        bool read = false;
        if (value.toInt(&read) < 0 || !read) return fault;
      } else if (key == kSavedJoints) {
        if (!JointsOf(value)) return fault;
      } else if (key == kSavedTemperature) {
        double number = 0.0;
        const QString text = form.SavedText(file, value);
        if (!calc::TryStrToFloat(form.DecimalFormat(text).toStdString(), form.Fmt(), number) ||
            !calc::AirPhysical(number))
          return fault;
      }
    }
  }
  return {};
}

void TStracka::Open(const RecordFile& file) {
  // Typed numbers follow the separator in use now.
  const auto typed = [&](const QString& text) { return form_.SavedText(file, text); };
  rows_.clear();
  for (const SavedSection& section : SectionsOf(file).value_or(QList<SavedSection>{})) {
    RunRow row;
    row.name = section.value(kSavedName);
    row.from = section.value(kSavedFrom);
    row.flowValue = ExactValue(section.value(kSavedFlowValue)).value_or(0.0f);
    ReadFlow(row, typed(section.value(kSavedFlow)));
    row.dimension = typed(section.value(kSavedDimension));
    row.length = typed(section.value(kSavedLength));
    row.zeta = typed(section.value(kSavedZeta));
    row.duct.material = section.value(kSavedMaterial);
    row.duct.circular = section.value(kSavedCircular) == "1";
    row.duct.insulation = section.value(kSavedInsulation).toInt();
    row.duct.roughness = ExactValue(section.value(kSavedRoughness)).value_or(0.0f);
    row.duct.joint = ExactValue(section.value(kSavedJoint)).value_or(0.0f);
    row.duct.joints = JointsOf(section.value(kSavedJoints)).value_or(QHash<QString, float>{});
    row.duct.temperature = typed(section.value(kSavedTemperature));
    rows_ << row;
  }
  Recompute();
  AnnounceRun();
}

QString TStracka::CsvText() const {
  QStringList lines;
  for (int r = 0; r < StrackaGrid->RowCount(); ++r) {
    QStringList cells;
    for (int col = 0; col < kCols; ++col) cells << CsvCell(StrackaGrid->Cell(col, r));
    lines << cells.join(';');
  }
  return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

void TStracka::SaveCsv() {
  const QString name =
      QStringLiteral("PLUVIK %1 %2.csv").arg(windowTitle(), form_.platform().Now().date().toString(Qt::ISODate));
  const QString proposed = QDir(form_.platform().DocumentsFolder()).filePath(name);
  form_.LoadQtTranslation();
  QString path;
  form_.RunDialog([&] {
    path = form_.platform().SaveFileName(this, form_.Say(lang::Word("RunCsvTitle")), proposed,
                                         form_.Say(lang::Word("RunCsvFilter")));
  });
  if (path.isEmpty()) return;
  // UTF-8 with its mark, so that a spreadsheet reads "Σζ" and "ä" as such;
  // nothing is left under the name when writing fails.
  QSaveFile file(path);
  const QByteArray bytes = "\xEF\xBB\xBF" + CsvText().toUtf8();
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
    form_.ShowMessage(form_.Say(lang::Word("RunCsvFailed")).arg(QDir::toNativeSeparators(path), file.errorString()),
                      this);
  else
    form_.AnnounceSaved(this, path);
}

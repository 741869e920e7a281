#include "app/widgets/stringgrid.h"

#include <QAccessible>
#include <QApplication>

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTimer>

TGridCanvas::TGridCanvas(QPainter* painter, const QFont& font, const QPalette& palette, bool selected)
    : painter_(painter), font_(font), palette_(palette), selected_(selected) {}

QColor TGridCanvas::Resolve(TColor colour, QPalette::ColorRole role) const {
  if (colour != TColor::clDefault) return ToQColor(colour);
  // The grid's ordinary colours: those of a chosen cell where it is chosen.
  if (selected_) role = role == QPalette::Base ? QPalette::Highlight : QPalette::HighlightedText;
  return palette_.color(role);
}

void TGridCanvas::FillRect(const QRect& rect) {
  drawnBackground = brushColor;
  if (painter_) painter_->fillRect(rect, Resolve(brushColor, QPalette::Base));
}

void TGridCanvas::TextOut(int x, int y, const QString& text) {
  drawnText = fontColor;
  if (!painter_) return;
  painter_->save();
  painter_->setFont(font_);
  painter_->setPen(Resolve(fontColor, QPalette::Text));
  const QFontMetrics metrics(font_);
  painter_->drawText(x, y + metrics.ascent(), text);
  painter_->restore();
}

int TGridCanvas::TextWidth(const QString& text) const { return QFontMetrics(font_).horizontalAdvance(text); }

int TGridCanvas::TextHeight(const QString&) const { return QFontMetrics(font_).height(); }

namespace {

class GridDelegate : public QStyledItemDelegate {
 public:
  explicit GridDelegate(TStringGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

  // A cell is drawn as the program draws its grids: the text 2 pixels
  // from the left edge, vertically centred, never shortened with an ellipsis.
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    painter->save();
    painter->setClipRect(option.rect);
    painter->fillRect(option.rect, selected ? option.palette.highlight() : option.palette.base());
    painter->setPen(selected ? option.palette.highlightedText().color() : option.palette.text().color());
    painter->setFont(grid_->font());
    painter->drawText(option.rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
    grid_->DrawCell(painter, index, option.rect, selected);
  }

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
      line->setObjectName(grid_->objectName() + "Editor");
      // Heard by the column it edits.
      line->setAccessibleName(grid_->model()->headerData(index.column(), Qt::Horizontal).toString());
      QObject::connect(line, &QLineEdit::textEdited, grid_,
                       [grid = grid_, index](const QString& text) { grid->EditorTextChanged(index, text); });
    }
    return editor;
  }

 private:
  TStringGrid* grid_;
};

}  // namespace

TGridModel::TGridModel(QObject* parent, int colCount)
    : QAbstractTableModel(parent), cols_(colCount), headings_(static_cast<std::size_t>(colCount)) {}

int TGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int TGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : cols_; }

QVariant TGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (role == Qt::DisplayRole || role == Qt::EditRole) return Text(index.column(), index.row());
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
  if (role == Qt::AccessibleTextRole) {
    const auto* grid = qobject_cast<const TStringGrid*>(QObject::parent());
    const QString& text = Text(index.column(), index.row());
    return grid && grid->SpokenCell ? grid->SpokenCell(index.column(), index.row() + 1, text) : text;
  }
  return {};
}

QVariant TGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= cols_) return {};
  if (role == Qt::DisplayRole) return Heading(section);
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
  return {};
}

Qt::ItemFlags TGridModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  // Whether a cell can be edited is the grid's edit triggers' matter, and
  // its own say for single cells.
  const auto* grid = qobject_cast<const TStringGrid*>(QObject::parent());
  const bool editable = !grid || !grid->CanEdit || grid->CanEdit(index.column(), index.row() + 1);
  return Qt::ItemIsSelectable | Qt::ItemIsEnabled | (editable ? Qt::ItemIsEditable : Qt::NoItemFlags);
}

bool TGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole) return false;
  SetText(index.column(), index.row(), value.toString());
  return true;
}

void TGridModel::SetDataRows(int rows) {
  rows = std::max(0, rows);
  if (rows == rows_) return;
  if (rows > rows_) {
    beginInsertRows(QModelIndex(), rows_, rows - 1);
    cells_.resize(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols_));
    rows_ = rows;
    endInsertRows();
  } else {
    beginRemoveRows(QModelIndex(), rows, rows_ - 1);
    cells_.resize(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols_));
    cells_.shrink_to_fit();
    rows_ = rows;
    endRemoveRows();
  }
}

const QString& TGridModel::Text(int col, int dataRow) const {
  return cells_[static_cast<std::size_t>(dataRow) * static_cast<std::size_t>(cols_) + static_cast<std::size_t>(col)];
}

void TGridModel::SetText(int col, int dataRow, const QString& text) {
  QString& cell =
      cells_[static_cast<std::size_t>(dataRow) * static_cast<std::size_t>(cols_) + static_cast<std::size_t>(col)];
  if (cell == text) return;
  cell = text;
  if (!quiet) {
    const QModelIndex at = index(dataRow, col);
    emit dataChanged(at, at, {Qt::DisplayRole, Qt::EditRole});
  }
}

void TGridModel::SetHeading(int col, const QString& text) {
  QString& heading = headings_[static_cast<std::size_t>(col)];
  if (heading == text) return;
  heading = text;
  if (!quiet) emit headerDataChanged(Qt::Horizontal, col, col);
}

TStringGrid::TStringGrid(QWidget* parent, const QString& name, int colCount, int rowCount)
    : QTableView(parent), model_(new TGridModel(this, colCount)) {
  setObjectName(name);
  setModel(model_);
  model_->SetDataRows(rowCount - 1);
  verticalHeader()->hide();
  verticalHeader()->setDefaultSectionSize(18);
  verticalHeader()->setMinimumSectionSize(10);
  horizontalHeader()->setSectionsClickable(false);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setStretchLastSection(false);
  horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  horizontalHeader()->setMinimumSectionSize(0);
  horizontalHeader()->setTextElideMode(Qt::ElideNone);
  setTextElideMode(Qt::ElideNone);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setTabKeyNavigation(false);
  setWordWrap(false);
  setItemDelegate(new GridDelegate(this));
}

void TStringGrid::SetRowCount(int rows) { model_->SetDataRows(rows - 1); }

TStringGrid::UpdateLock::UpdateLock(TStringGrid* grid) : grid_(grid) {
  if (grid_->updateLocks_++ == 0) grid_->model_->quiet = true;
}

TStringGrid::UpdateLock::~UpdateLock() {
  if (--grid_->updateLocks_ > 0) return;
  grid_->model_->quiet = false;
  grid_->viewport()->update();
  grid_->horizontalHeader()->viewport()->update();
}

QString TStringGrid::Cell(int col, int row) const {
  if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount()) return {};
  return row == 0 ? model_->Heading(col) : model_->Text(col, row - 1);
}

void TStringGrid::SetCell(int col, int row, const QString& text) {
  if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount()) return;
  if (row == 0)
    model_->SetHeading(col, text);
  else
    model_->SetText(col, row - 1, text);
}

int TStringGrid::TopRow() const { return verticalScrollBar()->value() + 1; }

void TStringGrid::SetTopRow(int row) {
  updateGeometries();
  verticalScrollBar()->setValue(std::max(0, row - 1));
}

bool TStringGrid::ShowsVerticalScrollBar() const {
  const int header = horizontalHeader()->isVisible() || !isVisible() ? horizontalHeader()->height() : 0;
  const int available = height() - 2 * frameWidth() - header;
  return verticalHeader()->length() > available;
}

void TStringGrid::SetCurrentCell(int col, int row) {
  if (!AskSelect(col, row)) return;
  const QModelIndex index = model_->index(row - 1, col);
  if (FocusWithin()) {
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    return;
  }
  selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
  keptCurrent_ = index;
  selectionModel()->clearCurrentIndex();
}

bool TStringGrid::FocusWithin() const {
  const QWidget* focus = QApplication::focusWidget();
  return focus && (focus == this || isAncestorOf(focus));
}

void TStringGrid::focusInEvent(QFocusEvent* event) {
  // The cell kept while the focus was elsewhere is current again.
  if (!currentIndex().isValid() && keptCurrent_.isValid())
    selectionModel()->setCurrentIndex(keptCurrent_, QItemSelectionModel::NoUpdate);
  QTableView::focusInEvent(event);
  // A screen reader hears the grid, which gets its focus news after this
  // handler, and then the current cell, as if the user had moved to it.
  if (QAccessible::isActive())
    QTimer::singleShot(0, this, [this] {
      const QModelIndex current = currentIndex();
      QAccessibleInterface* table = QAccessible::queryAccessibleInterface(this);
      if (!hasFocus() || !current.isValid() || !table || !table->tableInterface()) return;
      QAccessibleInterface* cell = table->tableInterface()->cellAt(current.row(), current.column());
      if (!cell) return;
      QAccessibleEvent focus(this, QAccessible::Focus);
      focus.setChild(table->indexOfChild(cell));
      QAccessible::updateAccessibility(&focus);
    });
}

void TStringGrid::focusOutEvent(QFocusEvent* event) {
  QTableView::focusOutEvent(event);
  // Into the grid's own cell editor the focus stays in the grid.
  if (FocusWithin() || !currentIndex().isValid()) return;
  keptCurrent_ = currentIndex();
  selectionModel()->clearCurrentIndex();
}

bool TStringGrid::AskSelect(int col, int row) {
  bool canSelect = true;
  if (OnSelectCell) OnSelectCell(col, row, canSelect);
  return canSelect;
}

void TStringGrid::SetOptions(const TGridOptions& options) {
  options_ = options;
  setEditTriggers(options.editing ? QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                                        QAbstractItemView::EditKeyPressed
                                  : QAbstractItemView::NoEditTriggers);
}

QString TStringGrid::CellColours(int col, int row) {
  TGridCanvas canvas(nullptr, font(), palette(), false);
  if (row > 0 && OnDrawCell) OnDrawCell(col, row, CellRect(col, row), canvas);
  return ColourName(canvas.drawnText) + " on " + ColourName(canvas.drawnBackground);
}

QRect TStringGrid::CellRect(int col, int row) const {
  if (row <= 0) return {};
  return visualRect(model()->index(row - 1, col));
}

void TStringGrid::DrawCell(QPainter* painter, const QModelIndex& index, const QRect& rect, bool selected) {
  if (!OnDrawCell) return;
  TGridCanvas canvas(painter, font(), palette(), selected);
  RunGuardedPaint(this, [&] { OnDrawCell(index.column(), index.row() + 1, rect, canvas); });
}

void TStringGrid::EditorTextChanged(const QModelIndex& index, const QString& text) {
  SetCell(index.column(), index.row() + 1, text);
  if (OnSetEditText) RunGuarded(this, [&] { OnSetEditText(index.column(), index.row() + 1, text); });
}

void TStringGrid::mousePressEvent(QMouseEvent* event) {
  const QModelIndex index = indexAt(event->position().toPoint());
  if (index.isValid()) {
    bool allowed = true;
    RunGuarded(this, [&] { allowed = AskSelect(index.column(), index.row() + 1); });
    if (!allowed) {
      event->accept();
      return;
    }
  }
  QTableView::mousePressEvent(event);
}

QModelIndex TStringGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
  const QModelIndex target = QTableView::moveCursor(action, modifiers);
  if (!target.isValid() || target == currentIndex()) return target;
  bool allowed = true;
  RunGuarded(this, [&] { allowed = AskSelect(target.column(), target.row() + 1); });
  return allowed ? target : currentIndex();
}

void TStringGrid::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy) && OnCopy) {
    RunGuarded(this, OnCopy);
    event->accept();
    return;
  }
  QTableView::keyPressEvent(event);
}

QString TStringGrid::ShownRowsText() const {
  QStringList rows;
  for (int row = 0; row < RowCount(); ++row) {
    QStringList cells;
    bool shown = row == 0;
    for (int col = 0; col < ColCount(); ++col) {
      cells << Cell(col, row);
      shown = shown || !cells.back().isEmpty();
    }
    if (shown) rows << cells.join('\t');
  }
  return rows.join('\n') + '\n';
}

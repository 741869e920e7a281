#include "app/widgets/stringgrid.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

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

  // Cells are drawn as a classic string grid draws them: the text 2 pixels
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
      QObject::connect(line, &QLineEdit::textEdited, grid_,
                       [grid = grid_, index](const QString& text) { grid->EditorTextChanged(index, text); });
    }
    return editor;
  }

 private:
  TStringGrid* grid_;
};

}  // namespace

TStringGrid::TStringGrid(QWidget* parent, const QString& name, int colCount, int rowCount) : QTableWidget(parent) {
  setObjectName(name);
  setColumnCount(colCount);
  setRowCount(rowCount - 1);
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
  for (int c = 0; c < colCount; ++c) setHorizontalHeaderItem(c, new QTableWidgetItem(QString()));
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setTabKeyNavigation(false);
  setWordWrap(false);
  setItemDelegate(new GridDelegate(this));
}

void TStringGrid::SetRowCount(int rows) { setRowCount(std::max(0, rows - 1)); }

QString TStringGrid::Cell(int col, int row) const {
  if (col < 0 || col >= columnCount()) return {};
  if (row == 0) {
    const QTableWidgetItem* heading = horizontalHeaderItem(col);
    return heading ? heading->text() : QString();
  }
  const QTableWidgetItem* cell = item(row - 1, col);
  return cell ? cell->text() : QString();
}

void TStringGrid::SetCell(int col, int row, const QString& text) {
  if (col < 0 || col >= columnCount() || row < 0 || row >= RowCount()) return;
  if (row == 0) {
    horizontalHeaderItem(col)->setText(text);
    return;
  }
  if (QTableWidgetItem* cell = item(row - 1, col)) {
    cell->setText(text);
  } else {
    auto* created = new QTableWidgetItem(text);
    created->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setItem(row - 1, col, created);
  }
}

int TStringGrid::TopRow() const { return verticalScrollBar()->value() + 1; }

void TStringGrid::SetTopRow(int row) {
  updateGeometries();
  verticalScrollBar()->setValue(std::max(0, row - 1));
}

bool TStringGrid::ShowsVerticalScrollBar() const {
  const int header = horizontalHeader()->isVisible() || !isVisible() ? horizontalHeader()->height() : 0;
  const int available = height() - 2 * frameWidth() - header;
  int rows = 0;
  for (int r = 0; r < rowCount(); ++r) rows += rowHeight(r);
  return rows > available;
}

void TStringGrid::SetCurrentCell(int col, int row) {
  if (!AskSelect(col, row)) return;
  setCurrentCell(row - 1, col);
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
  QTableWidget::mousePressEvent(event);
}

QModelIndex TStringGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
  const QModelIndex target = QTableWidget::moveCursor(action, modifiers);
  if (!target.isValid() || target == currentIndex()) return target;
  bool allowed = true;
  RunGuarded(this, [&] { allowed = AskSelect(target.column(), target.row() + 1); });
  return allowed ? target : currentIndex();
}

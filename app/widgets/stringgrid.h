// A string grid: cells addressed as (column, row) with row 0 as the fixed
// heading row (drawn by the table's header, so it never scrolls), owner-drawn
// cells, a veto on choosing a cell and switchable cell editing.
#pragma once

#include <QAbstractTableModel>
#include <QTableView>
#include <functional>
#include <vector>

#include "app/colours.h"
#include "app/guard.h"

// What a cell-drawing handler draws with. It records the colours used, so the
// driver can tell how a cell is drawn without reading pixels.
class TGridCanvas {
 public:
  TGridCanvas(QPainter* painter, const QFont& font, const QPalette& palette, bool selected);

  TColor brushColor = TColor::clDefault;
  TColor fontColor = TColor::clDefault;

  void FillRect(const QRect& rect);
  void TextOut(int x, int y, const QString& text);
  int TextWidth(const QString& text) const;
  int TextHeight(const QString& text) const;

  // What was drawn: "TEXT on BACKGROUND" colour names.
  TColor drawnText = TColor::clDefault;
  TColor drawnBackground = TColor::clDefault;

 private:
  QColor Resolve(TColor colour, QPalette::ColorRole role) const;
  QPainter* painter_;
  QFont font_;
  QPalette palette_;
  bool selected_;
};

// The options a grid's behaviour hangs on: cell editing, and the cell editor
// shown at all times.
struct TGridOptions {
  bool editing = false;
  bool alwaysShowEditor = false;
};

// The grid's texts: one QString a cell, the heading row apart. A grid may hold
// a long dimension series, so cells are plain texts, not item objects.
class TGridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  TGridModel(QObject* parent, int colCount);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  // Data rows, without the heading row.
  void SetDataRows(int rows);
  const QString& Text(int col, int dataRow) const;
  void SetText(int col, int dataRow, const QString& text);
  const QString& Heading(int col) const { return headings_[static_cast<std::size_t>(col)]; }
  void SetHeading(int col, const QString& text);
  // While quiet, text changes are not announced; the view repaints after.
  bool quiet = false;

 private:
  int cols_;
  int rows_ = 0;
  std::vector<QString> cells_;
  std::vector<QString> headings_;
};

class TStringGrid : public QTableView {
  Q_OBJECT
 public:
  TStringGrid(QWidget* parent, const QString& name, int colCount, int rowCount);

  int ColCount() const { return model_->columnCount(); }
  int RowCount() const { return model_->rowCount() + 1; }
  void SetRowCount(int rows);
  QString Cell(int col, int row) const;
  void SetCell(int col, int row, const QString& text);

  // While an update lock is held, cell writes do not repaint the grid one by
  // one; the grid repaints once when the last lock is released.
  class UpdateLock {
   public:
    explicit UpdateLock(TStringGrid* grid);
    ~UpdateLock();
    UpdateLock(const UpdateLock&) = delete;
    UpdateLock& operator=(const UpdateLock&) = delete;

   private:
    TStringGrid* grid_;
  };

  int TopRow() const;
  // Scrolls so that `row` is the top row, as far as the grid can scroll.
  void SetTopRow(int row);
  int ColWidth(int col) const { return columnWidth(col); }
  void SetColWidth(int col, int width) { setColumnWidth(col, std::max(0, width)); }
  int GridLineWidth() const { return 1; }
  bool ShowsVerticalScrollBar() const;

  int Col() const { return Current().isValid() ? Current().column() : -1; }
  int Row() const { return Current().isValid() ? Current().row() + 1 : 0; }
  // Makes a cell the current cell as a choice of that cell: the select
  // handler runs and may refuse it.
  void SetCurrentCell(int col, int row);
  bool AskSelect(int col, int row);

  TGridOptions Options() const { return options_; }
  void SetOptions(const TGridOptions& options);

  // The colours a data cell is drawn with, as "TEXT on BACKGROUND".
  QString CellColours(int col, int row);
  QRect CellRect(int col, int row) const;

  std::function<void(int col, int row, const QRect& rect, TGridCanvas& canvas)> OnDrawCell;
  std::function<void(int col, int row, bool& canSelect)> OnSelectCell;
  std::function<void(int col, int row, const QString& text)> OnSetEditText;
  // Whether a cell takes editing, where editing is on; unset: every cell.
  std::function<bool(int col, int row)> CanEdit;
  // What a screen reader hears for a data cell showing `text` (a mark the
  // cell shows in colour only, its column); unset: the text.
  std::function<QString(int col, int row, const QString& text)> SpokenCell;
  // Ctrl+C (the system's copy key) in the grid itself, not in a cell editor.
  Handler OnCopy;
  // The heading row and every row that shows a text, cells separated by tabs
  // and rows by line feeds, as a spreadsheet takes them.
  QString ShownRowsText() const;

  // Called by the cell delegate.
  void DrawCell(QPainter* painter, const QModelIndex& index, const QRect& rect, bool selected);
  void EditorTextChanged(const QModelIndex& index, const QString& text);

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

 private:
  TGridModel* model_;
  TGridOptions options_;
  int updateLocks_ = 0;
  // The current cell is the view's current index only while the focus is
  // in the grid; meanwhile it is kept here, so that a screen reader meets
  // one focused object, not also the grid's current cell.
  QModelIndex Current() const { return currentIndex().isValid() ? currentIndex() : QModelIndex(keptCurrent_); }
  bool FocusWithin() const;
  QPersistentModelIndex keptCurrent_;
};

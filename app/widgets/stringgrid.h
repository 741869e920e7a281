// A string grid: cells addressed as (column, row) with row 0 as the fixed
// heading row (drawn by the table's header, so it never scrolls), owner-drawn
// cells, a veto on choosing a cell and switchable cell editing.
#pragma once

#include <QTableWidget>
#include <functional>

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

class TStringGrid : public QTableWidget {
  Q_OBJECT
 public:
  TStringGrid(QWidget* parent, const QString& name, int colCount, int rowCount);

  int ColCount() const { return columnCount(); }
  int RowCount() const { return rowCount() + 1; }
  void SetRowCount(int rows);
  QString Cell(int col, int row) const;
  void SetCell(int col, int row, const QString& text);

  int TopRow() const;
  // Scrolls so that `row` is the top row, as far as the grid can scroll.
  void SetTopRow(int row);
  int ColWidth(int col) const { return columnWidth(col); }
  void SetColWidth(int col, int width) { setColumnWidth(col, std::max(0, width)); }
  int GridLineWidth() const { return 1; }
  bool ShowsVerticalScrollBar() const;

  int Col() const { return currentColumn(); }
  int Row() const { return currentRow() + 1; }
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

  // Called by the cell delegate.
  void DrawCell(QPainter* painter, const QModelIndex& index, const QRect& rect, bool selected);
  void EditorTextChanged(const QModelIndex& index, const QString& text);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

 private:
  TGridOptions options_;
};

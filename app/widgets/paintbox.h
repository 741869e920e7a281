// A paint box with a canvas of its own. Drawing happens when the program
// draws (at ENTER), not in a paint event: every stroke goes into a backing
// image, which the paint event copies, so what was drawn survives any
// repaint; at a new size or device pixel ratio the paint event draws it
// again on a new image. The canvas also keeps a record of the polylines drawn since it was
// last cleared, so tests and the driver can read the curves without pixels.
#pragma once

#include <QFont>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QWidget>

class QPainter;

#include "app/colours.h"
#include "app/guard.h"

class TPaintBox : public QWidget {
  Q_OBJECT
 public:
  TPaintBox(QWidget* parent, const QString& name);

  // A polyline drawn: one move-to and the line-tos after it.
  struct Stroke {
    TColor colour = TColor::clBlack;
    int width = 1;
    QList<QPoint> points;
  };

  // Empties the canvas to `background` and forgets the strokes.
  void Clear(TColor background);
  TColor penColor = TColor::clBlack;
  int penWidth = 1;
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  // Text with its top left corner at (x, y), on the canvas's background.
  void TextOut(int x, int y, const QString& text);
  int TextWidth(const QString& text) const;
  int TextHeight(const QString& text) const;
  // Whether strokes go into the record (the chart's frame and grid do not).
  bool recording = true;
  const QList<Stroke>& Strokes() const { return strokes_; }
  // What the canvas shows, at the window's device pixel ratio.
  const QImage& Image() const { return image_; }
  // Every line and text drawn since the last clear, in order.
  struct DrawOp {
    QColor colour;
    int width = 1;
    QPoint from;
    QPoint to;
    QString text;        // a text drawn at `from`; empty for a line
    bool curve = false;  // drawn while `recording` (not the frame or grid)
  };
  // What the canvas shows, as lines and texts of its own, to be drawn again
  // onto another painter in the canvas's pixels: the chart as vector
  // graphics on a printed page, not a copy of the screen's pixels.
  struct Picture {
    QSize size;
    QColor ground;
    QFont font;
    QList<DrawOp> ops;
    void Replay(QPainter& painter) const;
  };
  // How many lines and texts have been drawn since the last clear.
  qsizetype DrawnCount() const { return ops_.size(); }
  // The canvas's frame and grid with the curves drawn from the `from`th
  // line on (the curves drawn before are left out).
  Picture PictureFrom(qsizetype from) const;
  void Replay(QPainter& painter) const;
  // Draws on the canvas when it is first painted and nothing has been drawn
  // yet.
  Handler OnFirstPaint;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void EnsureImage();
  QImage image_;
  QColor background_;
  QPoint at_;
  bool strokeOpen_ = false;
  QList<Stroke> strokes_;
  QList<DrawOp> ops_;
  // Every line and text goes through these: recorded, then drawn on the
  // canvas; a new image or a printed page draws the record again.
  void Add(const DrawOp& op);
  static void Draw(QPainter& painter, const DrawOp& op, const QFont& font, const QColor& ground);
  // Draws `ops` again on `size` filled with `ground`: the canvas's own
  // drawing and a picture's, without copying the canvas's record.
  static void Replay(QPainter& painter, const QSize& size, const QColor& ground, const QFont& font,
                     const QList<DrawOp>& ops);
  QColor Ground() const;  // the canvas's background
};

// Labels and edit fields. An edit field may carry a label attached above it
// (or to its right), which follows the field when it moves.
#pragma once

#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <functional>
#include <utility>

#include "app/colours.h"
#include "app/guard.h"

// Tool-tip hint of any control; kept as written (line breaks as \r\n) and
// shown with plain line breaks.
void SetHint(QWidget* widget, const QString& hint);
QString Hint(const QWidget* widget);
// Keeps a hint for a control that shows none (a combo box).
void KeepHint(QWidget* widget, const QString& hint);

// Focus that comes or goes with the window's activation (a dialog opening,
// another program in front) or with a popup menu neither enters nor leaves a
// control: it stays the window's active control. Only the rest runs the
// enter and exit handlers.
bool MovesBetweenControls(const QFocusEvent* event);

class TLabel : public QLabel {
  Q_OBJECT
 public:
  TLabel(QWidget* parent, const QString& name, const QString& caption);
  // Shows a new caption; a field this label names is renamed for screen
  // readers with it.
  void SetCaption(const QString& caption);
  QString Caption() const { return text(); }

  // Makes the label the caption of `field`, as a screen reader hears the
  // field (and finds the label beside it).
  void Names(QWidget* field);
  // A label that shows a value: a screen reader hears `lead`'s caption
  // before it, so the value says what it is.
  void SpeakAfter(const QLabel* lead);
  void UpdateSpokenName();

 private:
  const QLabel* lead_ = nullptr;
};

class TEdit : public QLineEdit {
  Q_OBJECT
 public:
  enum class LabelPlace { None, Above, Right };

  TEdit(QWidget* parent, const QString& name, const QString& labelCaption = QString(),
        LabelPlace place = LabelPlace::Above);

  QString Text() const { return text(); }
  // Writes the text as code does: the change handler runs at once, nested,
  // and only when the text actually changes.
  void SetText(const QString& value);

  TColor Color() const { return Background(this); }
  void SetColor(TColor colour) { SetBackground(this, colour); }
  // A required field: clRed while it is empty, clWindow once it holds text.
  void ColourRequired() { SetColor(Text().isEmpty() ? TColor::clRed : TColor::clWindow); }
  bool ReadOnly() const { return isReadOnly(); }
  void SetReadOnly(bool value);

  TLabel* EditLabel() const { return label_; }
  void SetLabelCaption(const QString& caption);
  QString LabelCaption() const;

  // What a screen reader calls the field: the title of the group it sits in,
  // `what` where its caption is a unit only or it has none, the caption of
  // its label (attached, or one that names it), and "resultat" while it
  // shows a result (read-only and in use). Renamed whenever one of these
  // changes; a group's title changes only with the language, which renames
  // every field.
  void SetSpokenWhat(const QString& what);
  // Where being read-only does not tell a result: `when` tells it instead
  // (a valve field by its mode; a duct search's unused limit, never). The
  // tab renames the field when `when` changes.
  void SetResultWhen(std::function<bool()> when) {
    resultWhen_ = std::move(when);
    UpdateSpokenName();
  }
  bool ShowsResult() const { return isEnabled() && (resultWhen_ ? resultWhen_() : isReadOnly()); }
  void UpdateSpokenName();
  // The field's name on the screen as a screen reader hears it, without the
  // word that it shows a result: the record names an input by it.
  QString SpokenCaption() const;

  // Left/top/width/height as the fitting routine sets them; the label follows.
  void SetBounds(int left, int top, int width, int height);
  int Left() const { return x(); }
  int Right() const { return x() + width(); }

  Handler OnChange;
  Handler OnEnter;
  Handler OnExit;
  Handler OnDblClick;
  // Where Ctrl+C puts the selected text, or a result field's whole text when
  // nothing is selected.
  std::function<void(const QString& text)> CopyText;

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void PlaceLabel();
  TLabel* label_ = nullptr;
  LabelPlace place_;
  QString spokenWhat_;
  std::function<bool()> resultWhen_;
};

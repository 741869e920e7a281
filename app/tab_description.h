// What a tab calculates from and what it shows, written once in the tab's own
// file (DuctDescription, PowerDescription, ...). Everything that concerns a
// calculation as a whole is made from it: the record's input and result
// lines, whether the record is stale (every input counts), the inputs a saved
// record holds and the order they are set again in, and the checks of a
// record's file before anything is set. A field added to a tab is one entry
// here; nothing outside tabs/ names a tab's control.
#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <limits>

class QWidget;
struct CalcRecord;

// How an input is read, saved and set again.
enum class InputKind {
  Text,    // an edit field's text; a number in it follows the separator in use
  Typed,   // a combo box's text as typed (the duct's side), likewise
  Choice,  // a combo box's list item by index, or the text typed in its edit line
  Group,   // a radio group's item by index
  Button,  // a check box or radio button: "1" or "0"
  Spin,    // a spin edit's whole number
  Custom,  // read, checked and set by the tab's own functions
};

// What inputs and results share: the control, whether it counts as the tab
// stands now, and how the record names and shows it.
template <class Entry>
struct Described {
  QWidget* control = nullptr;
  // Whether the calculation reads (or shows) it as the tab stands now (the
  // searched flow is a result, not an input); only those are recorded and
  // saved.
  bool inForce = true;
  // Whether the record gives it a line of its own; some are said by another
  // line (a unit by its field's caption, a mode by its result's name).
  bool line = true;
  QString caption;                 // the line's caption, when not the control's name on screen
  std::function<QString()> shown;  // the line's value, when not the control's text
  QString unit;                    // a unit the screen shows only in a hint

  Entry& When(bool inForceNow) {
    inForce = inForceNow;
    return Self();
  }
  Entry& NoLine() {
    line = false;
    return Self();
  }
  Entry& Hint(const QString& shownUnit) {
    unit = shownUnit;
    return Self();
  }
  Entry& Caption(const QString& text) {
    caption = text;
    return Self();
  }
  Entry& Shows(std::function<QString()> value) {
    shown = std::move(value);
    return Self();
  }

 private:
  Entry& Self() { return static_cast<Entry&>(*this); }
};

struct TabInput : Described<TabInput> {
  InputKind kind = InputKind::Text;
  QString name;  // the saved key: the control's name, or a Custom input's own

  // What a saved text may be: when `number`, empty or a number of at least
  // `least` (above it when `leastIncluded` is false).
  bool number = false;
  double least = -std::numeric_limits<double>::infinity();
  bool leastIncluded = true;

  // A Custom input's value, check of a saved value, and setting.
  std::function<QString()> read;
  std::function<bool(const QString&)> valid;
  std::function<void(const QString&)> put;

  // Any number, or empty.
  TabInput& Number() {
    number = true;
    return *this;
  }
  TabInput& NotNegative() {
    number = true;
    least = 0.0;
    return *this;
  }
  // Above absolute zero.
  TabInput& Temperature();
};

struct TabResult : Described<TabResult> {};

struct TabDescription {
  QList<TabInput> inputs;  // in the order they are set again
  QList<TabResult> results;
  // The record's method lines, notes, grid and chart, from what the tab
  // shows; `withResults` is false for a record that shows no result.
  std::function<void(CalcRecord&, bool withResults)> rest;
  // A grid's rows, taken when a kept record is made (a series may have
  // 100 000 rows), marked against the inputs it was calculated from.
  std::function<void(CalcRecord&)> rows;
  // What screen readers hear after the result lines (the grid's row).
  std::function<QStringList(const CalcRecord&)> announced;
  // The tab's ENTER handler.
  std::function<void()> calculate;
};

// An input of `kind` read from `control`, saved under its name.
TabInput Input(QWidget* control, InputKind kind = InputKind::Text);
// A result field.
TabResult Result(QWidget* control);

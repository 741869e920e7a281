// The window's commands beyond the calculators' own keys (Enter, F1): each
// with its keys, its context-menu entry and the windows it belongs to. Both
// windows take their keys and build their context menus from this one table;
// the main window's menu entries are actions shared with its keys.
#pragma once

#include <QKeyCombination>
#include <optional>

#include "lang/texts.h"

enum class Command {
  Print,        // the record on paper
  Save,         // the record as a PDF file
  Copy,         // the record as text and an HTML table
  Open,         // a saved record opened again
  AddToRun,     // the duct grid's chosen row as a section of the duct run
  SaveCsv,      // the duct run as a CSV file
  NextTab,      // the main window's next tab, as a click on it
  PreviousTab,  // and the one before
  OtherWindow,  // over to the run window and back
  Delete,       // the run's chosen section deleted
  MoveUp,       // the run's chosen section moved up
  MoveDown,     // and down
};

// The windows a command belongs to.
enum CommandWindow : unsigned { kMainWindow = 1, kRunWindow = 2 };

struct CommandRow {
  Command command;
  lang::Words name;  // the context-menu entry; no words: no entry
  QKeyCombination key;
  QKeyCombination otherKey;  // a second key for the same command, or none
  unsigned windows;
};

inline constexpr CommandRow kCommandTable[] = {
    {Command::Print, lang::Word("RecordPrint"), Qt::CTRL | Qt::Key_P, {}, kMainWindow | kRunWindow},
    {Command::Save, lang::Word("RecordSave"), Qt::CTRL | Qt::Key_S, {}, kMainWindow | kRunWindow},
    {Command::Copy, lang::Word("RecordCopy"), Qt::CTRL | Qt::SHIFT | Qt::Key_C, {}, kMainWindow | kRunWindow},
    {Command::Open, lang::Word("RecordOpen"), Qt::CTRL | Qt::Key_O, {}, kMainWindow | kRunWindow},
    {Command::AddToRun, lang::Word("RunAdd"), Qt::CTRL | Qt::Key_L, {}, kMainWindow},
    {Command::SaveCsv, lang::Word("RunCsv"), Qt::CTRL | Qt::SHIFT | Qt::Key_S, {}, kRunWindow},
    {Command::NextTab, {}, Qt::CTRL | Qt::Key_Tab, Qt::CTRL | Qt::Key_PageDown, kMainWindow},
    // Shift+Tab arrives as Backtab.
    {Command::PreviousTab, {}, Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, Qt::CTRL | Qt::Key_PageUp, kMainWindow},
    {Command::OtherWindow, {}, QKeyCombination(Qt::Key_F6), {}, kMainWindow | kRunWindow},
    {Command::Delete, {}, QKeyCombination(Qt::Key_Delete), {}, kRunWindow},
    {Command::MoveUp, {}, Qt::CTRL | Qt::Key_Up, {}, kRunWindow},
    {Command::MoveDown, {}, Qt::CTRL | Qt::Key_Down, {}, kRunWindow},
};

// The command `key` stands for in `window`; none when it is no command there.
inline std::optional<Command> CommandOfKey(QKeyCombination key, CommandWindow window) {
  for (const CommandRow& row : kCommandTable)
    if ((row.windows & window) && (row.key == key || (row.otherKey != QKeyCombination() && row.otherKey == key)))
      return row.command;
  return std::nullopt;
}

// The row of `command`.
inline const CommandRow& CommandRowOf(Command command) {
  for (const CommandRow& row : kCommandTable)
    if (row.command == command) return row;
  return kCommandTable[0];
}

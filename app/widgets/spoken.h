// What a screen reader is told about the program's own controls, beyond what
// Qt tells it by itself.
#pragma once

class QString;
class QWidget;

// Installs the accessibility interfaces of the program's own controls: a
// combo box named by its label, not by the text it shows; the paint box as a
// chart; controls kept from screen readers as not there. Once is enough; a
// second call does nothing.
void InstallSpokenInterfaces();

// Names a control for screen readers. A combo box's or spin edit's own text
// field, which takes the keyboard focus, gets the same name.
void SpeakAs(QWidget* control, const QString& name);

// Gives the labels that name `field` (their buddy) the field's full spoken
// name: a screen reader that follows the label relation hears the label's
// name, not the field's, and a caption such as "l/s" or "ð" says too little.
void NameCaptionLabels(QWidget* field, const QString& name);

// A label that tells a window's state (the line under the duct run's grid):
// a status bar to screen readers, which do not read it with the window.
void SpeakAsStatus(QWidget* label);

// Keeps a control, and all it holds, from screen readers (the series strip
// under the duct grid, which the user never sees).
void KeepFromScreenReaders(QWidget* control);

// Says `text` once to screen readers through a notification that appears
// (what Orca speaks for a change it did not cause). The notice, named
// `name`, is made in `parent` at the first call; nothing is made or said
// while no screen reader listens.
void Announce(QWidget* parent, QWidget*& notice, const QString& name, const QString& text);

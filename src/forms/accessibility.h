#pragma once

// What a screen reader is told about the program's windows and controls.
//
// A drop-down list should be heard by its own name ("Birinci bant"), with
// the chosen entry as its value; Qt 6.4 on Linux reports the chosen entry as
// the name. The program's own windows are plain widgets, which Qt reports as
// fillers; they are windows (or dialogs) to a screen reader.
void installAccessibility();

class QComboBox;
class QString;
class QWidget;

// The program's own windows, marked where each is made: they are the ones
// presented as windows (or dialogs).
void markAsProgramWindow(QWidget *window);

// A tool window, heard as a window rather than a dialog: Orca says a
// dialog's name and all its labels before each announcement made in it, so
// a result shown in a label would be heard twice.
void presentAsToolWindow(QWidget *window);

// Has a screen reader speak `text` without moving the focus. From Qt 6.8 on
// that is Qt's announcement event. Qt 6.4 has none, and Orca ignores text
// changes away from the focus; it does speak a notification that appears, so
// the text is shown to it as one, held in a status bar of no size (which
// keeps Orca from saying the role). Sighted users see nothing.
//
// While `window` is not the active window (a dialog is about to close onto
// it), the text waits until the window is active and its focus has settled:
// Orca's reading of the window and focus would otherwise cut it off. A newer
// text replaces a waiting one.
void announce(QWidget *window, const QString &text);

// Has a screen reader speak the list's new entry when an arrow (or Home, End,
// a page key) changes it in the closed list, each step of a held key with
// its own entry: Qt 6.4 tells Orca nothing it would speak then.
void announceChoiceChanges(QComboBox *list);

// Option buttons are heard with the name of their group, given by `label`
// (a frame the options lie in or over).
void setGroupLabel(QWidget *option, QWidget *label);

// A window a screen reader announces under `name`, whatever its caption,
// and reads whole as it opens: the texts of its labels with it.
void presentAsDialog(QWidget *window, const QString &name);

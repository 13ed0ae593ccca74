#pragma once

// Building a window from its design table: every control with its kind,
// caption, place and size in twips, tab position and accessible name.

#include "colorcode/bandtables.h"

#include <QFont>
#include <QWidget>

#include <span>

namespace designer
{

enum class Kind {
    List,         // drop-down list the user can only choose from
    TextBox,      // one-line text box
    Button,       // command button
    Option,       // option (radio) button
    Frame,        // frame without caption; may hold options
    Label,        // left-aligned, word-wrapped text; a run of spaces ends a line
    RoundedShape, // rounded rectangle filled with its face colour, text-coloured outline
    Band,         // rectangle with a solid fill and a black outline, drawn on a face
    Line,         // left/top give one end, width/height the way to the other
};

// Properties beyond place and size, as bits.
enum Flag : unsigned {
    NoFlags = 0,
    Centred = 1u << 0,       // text box: text centred
    ReadOnly = 1u << 1,      // text box: shows, cannot be typed into
    DefaultButton = 1u << 2, // button: Enter presses it
    Chosen = 1u << 3,        // option: chosen at start
};

// Captions and accessible names are Turkish, marked for translation with
// QT_TRANSLATE_NOOP under the window's class name, which the builder
// translates them with.
struct Control {
    const char *name; // object name, e.g. "Combo1" or "Shape2(0)"
    Kind kind;
    const char *caption;          // UTF-8; empty for controls without one
    int left, top, width, height; // twips, relative to the container
    int tabIndex;                 // -1: not in the tab order
    unsigned flags;
    const char *container;       // nullptr: directly on the form
    const char *accessibleName;  // nullptr: the caption speaks for itself
    colorcode::ColourValue fill; // bands and rounded shapes: the design fill
};

enum class Placement {
    Centred,       // centred on the screen
    SystemDefault, // where the window system puts it
    BesideOwner,   // first shown beside the window it belongs to (placeBesideOwner)
};

struct Window {
    const char *caption;
    int clientWidth, clientHeight; // twips
    Placement placement;
};

// The face every window is laid out for: Liberation Sans Narrow, 8 points.
QFont windowFont();

// A design text in the interface's language, translated under the window's
// class name.
QString designText(const QWidget *window, const char *text);

// Sets caption, font, client size and position of the window itself.
void applyWindow(QWidget *window, const Window &design);

// Moves a window with Placement::BesideOwner, before it is first shown, next
// to its owner on the owner's screen; where no side has room, centred there.
void placeBesideOwner(QWidget *window);

// Creates the controls as children of `window`, in table order (later rows
// are drawn above earlier ones), then chains the tab order.
void buildControls(QWidget *window, std::span<const Control> controls);

// Moves and sizes a built control, in twips as in the design table; a line
// runs from (left, top) by (width, height).
void placeControl(QWidget *window, const QString &name, int left, int top, int width, int height);

// Sets the window's client size, in twips.
void resizeWindow(QWidget *window, int clientWidth, int clientHeight);

// The control built for `name`; the table is fixed, so a miss is a
// programming error and aborts.
template <typename T> T *control(const QWidget *window, const QString &name)
{
    T *found = window->findChild<T *>(name);
    if (!found)
        qFatal("design table has no control %s", qPrintable(name));
    return found;
}

} // namespace designer

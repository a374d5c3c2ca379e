#pragma once
// Input for window tests as the X11 desktop delivers it: every key goes to
// the application's focus widget (not to the widget a test would like to
// reach) with the text X11 attaches to it, and pastes go through the
// clipboard with Shift+Insert.

#include <QPoint>
#include <QString>
#include <Qt>

class QWidget;

namespace zb::test {

// The text X11 delivers with a key: letters and digits as typed, Delete
// "\x7f", Backspace "\b", Return and Enter "\r", Tab "\t", Escape "\x1b",
// Ctrl with a letter its control character, keys without a character "".
QString X11KeyText(Qt::Key key, Qt::KeyboardModifiers modifiers, QChar typed = QChar());

// Presses and releases a key at the focus widget.
void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// Types a text key by key at the focus widget.
void TypeKeys(const QString& text);

// A left click whose press and release arrive together, as a touchpad tap or
// `xdotool click 1` delivers them: the release already waits in the queue
// while the press is being delivered (focus handlers included). Both go the
// whole way through the window system's path, the pressed button included.
void QuickClick(QWidget* widget, QPoint pos);

// Puts a text on the clipboard and pastes it with Shift+Insert.
void PasteText(const QString& text);

}  // namespace zb::test

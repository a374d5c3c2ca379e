#pragma once
// A text box's maximum length limits what the user types, never what the
// program writes. Qt's own limit cuts both, and setting it re-sets the whole
// text (the cursor jumps to the end, the selection and the undo history are
// gone), so the typing limit is a validator that refuses an edit growing the
// text beyond the limit, and leaves every other edit where the user made it.

class QLineEdit;
class QString;

namespace zb::ui {

// The most characters the user may type into the box.
void LimitTypedLength(QLineEdit* box, int maxLength);

// Writes the program's text into the box whole, however long it is.
void SetBoxText(QLineEdit* box, const QString& text);

}  // namespace zb::ui

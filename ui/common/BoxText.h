#pragma once
// A text box's maximum length limits what the user types, never what the
// program writes. Qt's own limit cuts both, so the limit is widened for a
// longer text written by the program and narrowed again as the user edits.

class QLineEdit;
class QString;

namespace zb::ui {

// The most characters the user may type into the box.
void LimitTypedLength(QLineEdit* box, int maxLength);

// Writes the program's text into the box whole, however long it is.
void SetBoxText(QLineEdit* box, const QString& text);

}  // namespace zb::ui

#pragma once
// The program the desktop has registered for a document.

#include <QString>

namespace zb::ui {

// The executable registered for the document's type, or "" when none is.
QString RegisteredViewerFor(const QString& document);

}  // namespace zb::ui

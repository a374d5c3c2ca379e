#pragma once
// The charts of a window saved as a picture: SVG (drawn as vectors) where the
// name ends in ".svg", PNG otherwise.

#include <QString>

class QWidget;

namespace zb::ui {

// False when the file could not be written.
bool SavePicture(QWidget& widget, const QString& path);

}  // namespace zb::ui

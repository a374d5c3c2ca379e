#include "ui/platform/DesktopViewer.h"

namespace zb::ui {

// Filled in with the desktop's MIME defaults by the frame's help command.
QString RegisteredViewerFor(const QString&) { return QString(); }

}  // namespace zb::ui

#include "assets/Assets.h"

#include <QtGlobal>
#include <mutex>

// Q_INIT_RESOURCE must stand outside any namespace.
static void InitIconResources() { Q_INIT_RESOURCE(zb_icons); }

namespace zb::ui {

void InitAssets() {
  static std::once_flag once;
  std::call_once(once, InitIconResources);
}

QIcon ProgramIcon() {
  InitAssets();
  QIcon icon;
  for (int size : {16, 32, 48, 256})
    icon.addFile(QStringLiteral(":/icons/zelvar-beam-%1.png").arg(size), QSize(size, size));
  return icon;
}

}  // namespace zb::ui

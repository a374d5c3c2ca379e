#include "ui/frmRTF.h"

#include "ui/Module1.h"

namespace zb::ui {

frmRTF::frmRTF(Module1& module) : module_(module) {
  setObjectName(QStringLiteral("frmRTF"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Schnellansicht/Drucken"));
}

void frmRTF::Form_Load() {}

}  // namespace zb::ui

#include "ui/frmHauptform.h"

#include "ui/Module1.h"

namespace zb::ui {

frmHauptform::frmHauptform(Module1& module) : module_(module) {
  setObjectName(QStringLiteral("frmHauptform"));
  setWindowTitle(QStringLiteral("Berechnung eines Zelvar-Beam nach Kalvex"));
}

void frmHauptform::Form_Load() {}

}  // namespace zb::ui

#include "ui/Module1.h"
#include "ui/frmRTF.h"

namespace zb::ui {

void Module1::ShowTextFile(QString&) { Rtf().show(); }

}  // namespace zb::ui

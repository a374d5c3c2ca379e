#include <QFileInfo>

#include "ui/MDIForm1.h"
#include "ui/Module1.h"

namespace zb::ui {

void Module1::StartProgram() {
  Frame();
  state_ = zb::ModuleState{};
  if (!QFileInfo::exists(QString::fromStdString(state_.Ergebnisdatei))) state_.Ergebnisdatei.clear();
  Frame().show();
}

void Module1::UpdateFrameDrawing() {}

}  // namespace zb::ui

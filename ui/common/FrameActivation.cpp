#include "ui/common/FrameActivation.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace zb::ui {

void OnActivatedInFrame(QWidget* window, std::function<void()> activated) {
  auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget());
  QMdiArea* area = sub ? sub->mdiArea() : nullptr;
  if (!area) return;
  QObject::connect(area, &QMdiArea::subWindowActivated, window,
                   [sub, activated = std::move(activated)](QMdiSubWindow* active) {
                     if (active == sub) activated();
                   });
}

}  // namespace zb::ui

#include "ui/common/MenuShortcutsFirst.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace zb::ui {

namespace {

// A text box claims Ctrl+C, Ctrl+V, Ctrl+X and the like for itself before
// the shortcuts are asked; not claiming them lets the menus answer first.
class MenuShortcutsFirst final : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ShortcutOverride &&
        (static_cast<QKeyEvent*>(event)->modifiers() & Qt::ControlModifier))
      return true;
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

void LetMenuShortcutsComeFirst(std::initializer_list<QWidget*> boxes) {
  for (QWidget* box : boxes) box->installEventFilter(new MenuShortcutsFirst(box));
}

}  // namespace zb::ui

#include "ui/print/PrintableWindow.h"

#include <QWidget>

#include "core/numbers/RuntimeError.h"

namespace zb::ui {

WidgetPrintable::WidgetPrintable(QWidget& window, std::function<zb::VfWindowStatus()> status)
    : window_(window), status_(std::move(status)) {}

void WidgetPrintable::SetControlVisible(const QString& control, bool visible) {
  auto* widget = window_.findChild<QWidget*>(control);
  if (!widget) Raise(kInvalidCall);
  QSizePolicy policy = widget->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  widget->setSizePolicy(policy);
  widget->setVisible(visible);
}

}  // namespace zb::ui

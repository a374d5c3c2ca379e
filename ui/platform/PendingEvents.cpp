#include "ui/platform/PendingEvents.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>

namespace zb::ui {

void LetPendingEventsRun() {
  if (QGuiApplication::mouseButtons() != Qt::NoButton) {
    // A press is on its way (or held): its release, and any timer or posted
    // event that would deliver input, waits until the press has arrived.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    return;
  }
  QCoreApplication::processEvents();
}

}  // namespace zb::ui

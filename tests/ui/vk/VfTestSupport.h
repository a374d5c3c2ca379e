#pragma once
// The velocity-factor and pruning windows in the frame beside the beam form,
// opened through the frame's menu entries.

#include <QAction>
#include <QGroupBox>
#include <QMdiSubWindow>
#include <QMenuBar>

#include "tests/support/DrawnText.h"
#include "tests/ui/beamform/FormTestSupport.h"
#include "ui/vk/frmVk.h"

namespace zb::test {

class VfTest : public FormTest {
 protected:
  // "1. &Verkürzungsfaktor".
  zb::ui::frmVk& OpenVf() {
    frame().OnVelocityFactorClicked();
    QApplication::processEvents();
    return module->Windows().Default<zb::ui::frmVk>();
  }

  // "3. Pruning / Optimieren": the window the frame keeps as pruningWindow_.
  zb::ui::frmVk* OpenPruning() {
    frame().OnPruningClicked();
    QApplication::processEvents();
    return qobject_cast<zb::ui::frmVk*>(frame().pruningWindow_.data());
  }

  // Closes a child window as its close button does.
  static void CloseWindow(QWidget* window) {
    window->parentWidget()->close();
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  void Enter(zb::ui::frmVk& w, const QString& t1, const QString& t2, const QString& t3) {
    TypeInto(w.frequencyOrLengthEdit_, t1);
    TypeInto(w.heightOrResonanceEdit_, t2);
    TypeInto(w.diameterOrWantedEdit_, t3);
  }

  static void Compute(zb::ui::frmVk& w) { QTest::mouseClick(w.calculateButton_, Qt::LeftButton); }

  // Read from what the control draws (tests/support/DrawnText.h).
  static bool Red(QWidget* value) { return test::DrawnRed(value); }
  static bool Normal(QWidget* value) { return test::DrawnNormal(value); }
};

}  // namespace zb::test

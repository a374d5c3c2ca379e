// Where the frame stands: its first placement from the stored settings and
// what it stores when the program ends.

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QDialog>
#include <QLabel>
#include <QLocale>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <exception>

#include "assets/Assets.h"
#include "locale/LocaleText.h"
#include "ui/app/Module1.h"
#include "ui/app/Settings.h"
#include "ui/app/VfPruningWindow.h"
#include "ui/common/MenuEntries.h"
#include "ui/common/StatusPanels.h"
#include "ui/common/Twips.h"
#include "ui/frame/FrameClientArea.h"
#include "ui/frame/FramePlacement.h"
#include "ui/frame/MDIForm1.h"
#include "ui/platform/UiPlatform.h"

namespace zb::ui {

namespace {

// Stored placement when the store has none.
constexpr float kDefaultLeft = 15;
constexpr float kDefaultTop = 1200;
constexpr float kDefaultWidth = 11820;
constexpr float kDefaultHeight = 9345;

// The least height of a title bar the user can grab, while the window system
// has not told the real one.
constexpr double kTitleBarTwips = 300;

constexpr int kStateNormal = 0;
constexpr int kStateMinimised = 1;
constexpr int kStateMaximised = 2;

int WindowStateNumber(Qt::WindowStates states) {
  if (states & Qt::WindowMinimized) return kStateMinimised;
  if (states & (Qt::WindowMaximized | Qt::WindowFullScreen)) return kStateMaximised;
  return kStateNormal;
}

}  // namespace

// ---------------------------------------------------------------- placement

void MDIForm1::MDIForm_Load() {
  // Each value that cannot be read leaves its property as it is.
  if (const auto text = GetSetting(QStringLiteral("WindowState"))) {
    const std::optional<int> state = SettingToInteger(*text);
    if (state == kStateNormal)
      setWindowState(Qt::WindowNoState);
    else if (state == kStateMinimised)
      setWindowState(Qt::WindowMinimized);
    else if (state == kStateMaximised)
      setWindowState(Qt::WindowMaximized);
  }
  if (WindowStateNumber(windowState()) != kStateNormal) return;

  auto read = [](const char* key, float fallback) -> std::optional<float> {
    const std::optional<QString> text = GetSetting(QString::fromLatin1(key));
    if (!text) return fallback;
    return SettingToSingle(*text);
  };
  // The stored values are the outer geometry, border and title bar included.
  OuterPlacement placement{frameGeometry()};
  if (const auto left = read("MainLeft", kDefaultLeft)) placement.outer.moveLeft(TwipsToPixels(*left, this));
  if (const auto top = read("MainTop", kDefaultTop)) placement.outer.moveTop(TwipsToPixels(*top, this));
  // A width or height the window cannot take is as unusable as an unreadable one.
  if (const auto width = read("MainWidth", kDefaultWidth); width && *width > 0) {
    placement.outer.setWidth(TwipsToPixels(*width, this));
    placement.widthStored = true;
  }
  if (const auto height = read("MainHeight", kDefaultHeight); height && *height > 0) {
    placement.outer.setHeight(TwipsToPixels(*height, this));
    placement.heightStored = true;
  }
  const int titleBar =
      std::max(geometry().top() - frameGeometry().top(), TwipsToPixels(kTitleBarTwips, this));
  const QRect reachable = ReachablePlacementOnScreens(placement.outer, titleBar);
  if (reachable.size() != placement.outer.size()) placement.widthStored = placement.heightStored = true;
  placement.outer = reachable;
  ApplyOuterGeometry(placement);
}

void MDIForm1::ApplyOuterGeometry(const OuterPlacement& placement) {
  const QSize border = frameGeometry().size() - size();
  move(placement.outer.topLeft());
  resize(placement.widthStored ? placement.outer.width() - border.width() : width(),
         placement.heightStored ? placement.outer.height() - border.height() : height());
  // Without a border, the window system has not told its size so far.
  if (border.isNull()) pendingOuterGeometry_ = placement;
}

void MDIForm1::ApplyPendingOuterGeometry() {
  if (!pendingOuterGeometry_ || windowState() != Qt::WindowNoState) return;
  if ((frameGeometry().size() - size()).isNull()) return;
  const OuterPlacement placement = *pendingOuterGeometry_;
  pendingOuterGeometry_.reset();
  ApplyOuterGeometry(placement);
}

void MDIForm1::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  ApplyPendingOuterGeometry();
}

bool MDIForm1::MDIForm_QueryUnload() {
  const int state = WindowStateNumber(windowState());
  // A maximised frame keeps the normal placement stored at an earlier close;
  // a minimised one stores nothing at all.
  if (state == kStateNormal) {
    SaveSetting(QStringLiteral("MainLeft"), SingleToSetting(PixelsToTwips(x(), this)));
    SaveSetting(QStringLiteral("MainTop"), SingleToSetting(PixelsToTwips(y(), this)));
    SaveSetting(QStringLiteral("MainWidth"), SingleToSetting(PixelsToTwips(frameGeometry().width(), this)));
    SaveSetting(QStringLiteral("MainHeight"), SingleToSetting(PixelsToTwips(frameGeometry().height(), this)));
  }
  if (state != kStateMinimised) SaveSetting(QStringLiteral("WindowState"), QString::number(state));

  // Every other window closes, the most recently opened first.
  closingFrame_ = true;
  const std::vector<QPointer<QWidget>> windows = module_.LoadedWindows();
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    QWidget* window = it->data();
    if (!window || window == this) continue;
    bool closed = true;
    try {
      if (auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget()))
        closed = sub->close();
      else
        closed = window->close();
    } catch (const std::exception&) {
      // A window that fails to close does not keep the frame open.
    }
    if (!closed) {
      // The window refused (the user answered "Nein"): the frame stays, and
      // the windows not yet reached stay open as they are.
      closingFrame_ = false;
      return false;
    }
  }
  closingFrame_ = false;
  return true;
}

void MDIForm1::closeEvent(QCloseEvent* event) {
  bool allowed = true;
  try {
    allowed = MDIForm_QueryUnload();
  } catch (const std::exception&) {
    // An error does not refuse the close.
  }
  if (allowed)
    event->accept();
  else
    event->ignore();
}

}  // namespace zb::ui

#include "ui/frame/MDIForm1.h"

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
#include "core/shared/Translate.h"
#include "locale/LocaleText.h"
#include "ui/app/Module1.h"
#include "ui/app/Settings.h"
#include "ui/app/VfPruningWindow.h"
#include "ui/common/MenuEntries.h"
#include "ui/common/StatusPanels.h"
#include "ui/common/Twips.h"
#include "ui/frame/FrameClientArea.h"
#include "ui/frame/FramePlacement.h"
#include "ui/platform/UiPlatform.h"

namespace zb::ui {

namespace {

// The placement the frame is designed with; the stored one replaces it.
constexpr double kDesignLeft = 372;
constexpr double kDesignTop = 2016;
constexpr double kDesignWidth = 8496;
constexpr double kDesignHeight = 8976;

}  // namespace

MDIForm1::MDIForm1(Module1& module)
    : module_(module),
      guarded_(module.Platform(), module.State().Zeilenumbruch),
      folders_(InstalledProgramFolders()) {
  setObjectName(QStringLiteral("MDIForm1"));
  setWindowTitle(tr("Kalvex Zelvar-Beam-Berechnung"));
  setWindowIcon(ProgramIcon());

  clientArea_ = new FrameClientArea(this);
  setCentralWidget(clientArea_);
  BuildMenus();
  statusBar_ = new StatusPanels(this);

  // The designed placement of the client area, in force until the stored
  // placement is applied.
  setGeometry(TwipsToPixels(kDesignLeft, this), TwipsToPixels(kDesignTop, this),
              TwipsToPixels(kDesignWidth, this), TwipsToPixels(kDesignHeight, this));

  connect(qApp, &QGuiApplication::focusWindowChanged, this,
          guarded_.Slot(this, &MDIForm1::FocusWindowChanged));
}

MDIForm1::~MDIForm1() = default;

// ------------------------------------------------------------ window events

void MDIForm1::MDIForm_Activate() {
  SetStatusText(Q(zb::Tr("Status", "Status: Bereit für Antennen-Berechnungen")));
}

void MDIForm1::MDIForm_Resize() { module_.UpdateFrameDrawing(); }

void MDIForm1::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  ApplyPendingOuterGeometry();
  ScheduleResize();
}

void MDIForm1::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) ScheduleResize();
}

// The frame is the program's active window from its first showing on, also
// where the window system hands out the focus later or not at all.
void MDIForm1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (lastFocus_ != LastFocus::Nothing) return;
  lastFocus_ = LastFocus::Frame;
  guarded_([this] { MDIForm_Activate(); });
}

// The window system sends several size and state changes for one user action;
// the drawing is reloaded once for all of them, when they have been handled.
void MDIForm1::ScheduleResize() {
  if (resizePending_) return;
  resizePending_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        resizePending_ = false;
        if (isVisible()) guarded_([this] { MDIForm_Resize(); });
      },
      Qt::QueuedConnection);
}

// The frame is activated when it takes the focus over from another window of
// the program, not when it gets it back from one of its dialogs or from
// another program.
void MDIForm1::FocusWindowChanged(QWindow* window) {
  if (!window) return;
  if (window == windowHandle()) {
    if (lastFocus_ == LastFocus::Nothing || lastFocus_ == LastFocus::Window) MDIForm_Activate();
    lastFocus_ = LastFocus::Frame;
    return;
  }
  lastFocus_ = LastFocus::Window;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top->windowHandle() != window) continue;
    if (qobject_cast<QDialog*>(top) || top->windowType() == Qt::Popup || top->windowType() == Qt::ToolTip)
      lastFocus_ = LastFocus::Dialog;
  }
  if (window->type() == Qt::Popup || window->type() == Qt::ToolTip || window->type() == Qt::Dialog)
    lastFocus_ = LastFocus::Dialog;
}

// ----------------------------------------------------------- child windows

void MDIForm1::AddChildWindow(QWidget* window) {
  QMdiSubWindow* sub = clientArea_->addSubWindow(window);
  sub->hide();
  module_.RegisterWindow(window);
}

void MDIForm1::ShowChildWindow(QWidget* window) {
  for (QMdiSubWindow* sub : clientArea_->subWindowList()) {
    if (sub->widget() == window) {
      window->show();
      sub->show();
      // A child window larger than the client area starts at its top-left
      // corner, not partly outside it; the scroll bars reach the rest.
      if (sub->x() < 0 || sub->y() < 0) sub->move(std::max(0, sub->x()), std::max(0, sub->y()));
      // A child hidden while it was the active one is still the area's
      // active child, and the area raises no activation for it again; the
      // window hears of this activation all the same (its Form_Activate).
      if (clientArea_->activeSubWindow() == sub) clientArea_->setActiveSubWindow(nullptr);
      clientArea_->setActiveSubWindow(sub);
    }
  }
}

// ---------------------------------------------------------------- status

QString MDIForm1::StatusText() const { return statusBar_->Text(); }
void MDIForm1::SetStatusText(const QString& text) { statusBar_->SetText(text); }

// ---------------------------------------------------------------- drawing

const WmfPicture& MDIForm1::Picture() const { return clientArea_->Picture(); }

void MDIForm1::SetPicture(const WmfPicture& picture, const QString& file) {
  clientArea_->SetPicture(picture);
  drawingFile_ = file;
}

}  // namespace zb::ui

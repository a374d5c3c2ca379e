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
#include "locale/LocaleText.h"
#include "ui/app/Module1.h"
#include "ui/app/VkWindow.h"
#include "ui/common/MenuEntries.h"
#include "ui/common/StatusPanels.h"
#include "ui/common/Twips.h"
#include "ui/frame/FrameClientArea.h"
#include "ui/frame/FramePlacement.h"
#include "ui/frame/FrameSettings.h"
#include "ui/platform/UiPlatform.h"

namespace zb::ui {

namespace {

// The placement the frame is designed with; the stored one replaces it.
constexpr double kDesignLeft = 372;
constexpr double kDesignTop = 2016;
constexpr double kDesignWidth = 8496;
constexpr double kDesignHeight = 8976;

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

MDIForm1::MDIForm1(Module1& module) : module_(module), folders_(InstalledProgramFolders()) {
  setObjectName(QStringLiteral("MDIForm1"));
  setWindowTitle(QStringLiteral("Kalvex Zelvar-Beam-Berechnung"));
  setWindowIcon(ProgramIcon());

  clientArea_ = new FrameClientArea(this);
  setCentralWidget(clientArea_);
  BuildMenus();
  statusBar1_ = new StatusPanels(this);

  // The designed placement of the client area, in force until the stored
  // placement is applied.
  setGeometry(TwipsToPixels(kDesignLeft, this), TwipsToPixels(kDesignTop, this),
              TwipsToPixels(kDesignWidth, this), TwipsToPixels(kDesignHeight, this));

  connect(qApp, &QGuiApplication::focusWindowChanged, this, &MDIForm1::FocusWindowChanged);
}

MDIForm1::~MDIForm1() = default;

void MDIForm1::BuildMenus() {
  QMenuBar* bar = menuBar();

  QMenu* mnuDat = AddSubmenu(this, "mnuDat", QStringLiteral("&Datei"));
  bar->addMenu(mnuDat);
  connect(AddEntry(mnuDat, "mnuAnzeigen", QStringLiteral("&Anzeigen/Drucken")), &QAction::triggered, this,
          &MDIForm1::mnuAnzeigen_Click);
  QMenu* mnuDruck = AddSubmenu(mnuDat, "mnuDruck", QStringLiteral("Drucken"));
  mnuDat->addMenu(mnuDruck);
  connect(AddEntry(mnuDruck, "mnuZeichnDruck", QStringLiteral("Antennen&zeichnung ")), &QAction::triggered,
          this, &MDIForm1::mnuZeichnDruck_Click);
  mnuDatDruck = AddEntry(mnuDruck, "mnuDatDruck", QStringLiteral("&Eingaben"));
  connect(mnuDatDruck, &QAction::triggered, this, &MDIForm1::mnuDatDruck_Click);
  AddSeparator(mnuDat, "mnuTrenn2");
  connect(AddEntry(mnuDat, "mnuEnde", QStringLiteral("&Beenden"), QKeySequence(Qt::CTRL | Qt::Key_X)),
          &QAction::triggered, this, &MDIForm1::mnuEnde_Click);
  connect(mnuDat, &QMenu::aboutToShow, this, &MDIForm1::mnuDat_Click);

  QMenu* mnuBauv = AddSubmenu(this, "mnuBauv", QStringLiteral("Bau&variante"));
  bar->addMenu(mnuBauv);
  mnu2Querträger = AddEntry(mnuBauv, "mnu2Querträger", QStringLiteral("&2 Querträger (mit Spannseil)"),
                            QKeySequence(Qt::Key_F2));
  mnu2Querträger->setCheckable(true);
  connect(mnu2Querträger, &QAction::triggered, this, &MDIForm1::mnu2Querträger_Click);
  mnu3Querträger = AddEntry(mnuBauv, "mnu3Querträger", QStringLiteral("&3 Querträger (ohne Spannseil)"),
                            QKeySequence(Qt::Key_F3));
  mnu3Querträger->setCheckable(true);
  connect(mnu3Querträger, &QAction::triggered, this, &MDIForm1::mnu3Querträger_Click);
  connect(mnuBauv, &QMenu::aboutToShow, this, &MDIForm1::mnuBauv_Click);

  QMenu* mnuBer = AddSubmenu(this, "mnuBer", QStringLiteral("&Berechnen"));
  bar->addMenu(mnuBer);
  connect(
      AddEntry(mnuBer, "mnuVk", QStringLiteral("1. &Verkürzungsfaktor"), QKeySequence(Qt::CTRL | Qt::Key_V)),
      &QAction::triggered, this, &MDIForm1::mnuVk_Click);
  connect(AddEntry(mnuBer, "mnuBerStromsAnt", QStringLiteral("2. &Zelvar-Beam"),
                   QKeySequence(Qt::CTRL | Qt::Key_A)),
          &QAction::triggered, this, &MDIForm1::mnuBerStromsAnt_Click);
  AddSeparator(mnuBer, "mnuTrenn1");
  connect(AddEntry(mnuBer, "mnuPruning", QStringLiteral("3. Pruning / Optimieren"),
                   QKeySequence(Qt::CTRL | Qt::Key_O)),
          &QAction::triggered, this, &MDIForm1::mnuPruning_Click);
  AddSeparator(mnuBer, "mnuTrenn3")->setVisible(false);
  QAction* mnuBerZusDipol =
      AddEntry(mnuBer, "mnuBerZusDipol", QStringLiteral("&Zusatzdipol (strahlungsgekoppelt)"));
  mnuBerZusDipol->setVisible(false);
  mnuBerZusDipol->setEnabled(false);
  connect(mnuBerZusDipol, &QAction::triggered, this, &MDIForm1::mnuBerZusDipol_Click);

  QMenu* mnuHelp = AddSubmenu(this, "mnuHelp", QStringLiteral("&?"));
  bar->addMenu(mnuHelp);
  connect(AddEntry(mnuHelp, "mnuHilfe", QStringLiteral("&Hilfe"), QKeySequence(Qt::Key_F1)),
          &QAction::triggered, this, &MDIForm1::mnuHilfe_Click);
  connect(AddEntry(mnuHelp, "mnuInfo", QStringLiteral("&Info"), QKeySequence(Qt::CTRL | Qt::Key_F1)),
          &QAction::triggered, this, &MDIForm1::mnuInfo_Click);
}

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

// ------------------------------------------------------------ window events

void MDIForm1::MDIForm_Activate() {
  SetStatusText(QStringLiteral("Status: Bereit für Antennen-Berechnungen"));
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
  MDIForm_Activate();
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
        if (isVisible()) MDIForm_Resize();
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

QString MDIForm1::StatusText() const { return statusBar1_->Text(); }
void MDIForm1::SetStatusText(const QString& text) { statusBar1_->SetText(text); }

// ---------------------------------------------------------------- drawing

const WmfPicture& MDIForm1::Picture() const { return clientArea_->Picture(); }

void MDIForm1::SetPicture(const WmfPicture& picture, const QString& file) {
  clientArea_->SetPicture(picture);
  drawingFile_ = file;
}

// ------------------------------------------------------------------ menus

void MDIForm1::mnuDat_Click() {
  // Asking whether the beam form is visible does not create it.
  mnuDatDruck->setEnabled(module_.IsShown(window_class::kBeamForm));
}

void MDIForm1::mnuAnzeigen_Click() {
  QString file = Q(module_.State().Ergebnisdatei);
  module_.ShowTextFile(file);
  module_.State().Ergebnisdatei = U8(file);
}

void MDIForm1::mnuEnde_Click() {
  bool closed = true;
  try {
    closed = close();
  } catch (const std::exception&) {
    // The program ends all the same.
  }
  // A window that refused to close (the quick view's "Nein") keeps the
  // program running with every window as it was.
  if (!closed) return;
  QCoreApplication::exit(0);
}

void MDIForm1::mnuBauv_Click() {
  const bool drei = module_.State().DreiQuertraeger;
  mnu3Querträger->setChecked(drei);
  mnu2Querträger->setChecked(!drei);
  module_.Platform().DoEvents();
}

void MDIForm1::mnu2Querträger_Click() { ChangeVariant(false); }
void MDIForm1::mnu3Querträger_Click() { ChangeVariant(true); }

void MDIForm1::ChangeVariant(bool dreiQuertraeger) {
  mnu2Querträger->setChecked(!dreiQuertraeger);
  mnu3Querträger->setChecked(dreiQuertraeger);
  module_.State().DreiQuertraeger = dreiQuertraeger;
  // The frame is drawn anew with the other drawing.
  UiPlatform& platform = module_.Platform();
  platform.SetHourglass(true);
  hide();
  module_.UpdateFrameDrawing();
  show();
  platform.SetHourglass(false);
}

void MDIForm1::mnuVk_Click() { module_.WindowAs<VkWindow>(window_class::kVelocityFactor).OpenInVfMode(); }

// One pruning window at a time: a second choice only beeps.
void MDIForm1::mnuPruning_Click() {
  zb::ModuleState& state = module_.State();
  if (state.PruningFensterAnzahl >= 1) {
    module_.Platform().Beep();
    return;
  }
  PruningFenster = module_.Windows().NewInstance(window_class::kVelocityFactor);
  ++state.PruningFensterAnzahl;
  WindowRegistry::As<VkWindow>(*PruningFenster).OpenInPruningMode();
}

void MDIForm1::mnuBerStromsAnt_Click() { ShowChildWindow(&module_.Window(window_class::kBeamForm)); }

// The coupled-dipole window. Its menu entry stays hidden and disabled, so the
// user does not reach it this way.
void MDIForm1::mnuBerZusDipol_Click() { ShowChildWindow(&module_.Window(window_class::kZusatzDipol)); }

}  // namespace zb::ui

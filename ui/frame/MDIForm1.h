#pragma once
// The program's frame window: menus, status bar, the antenna drawing in its
// background, and the child windows.

#include <QMainWindow>
#include <QPointer>
#include <QRect>
#include <QString>
#include <optional>

#include "ui/app/FrameWindow.h"
#include "ui/app/WindowClasses.h"
#include "ui/common/HandlerGuard.h"
#include "ui/drawing/WmfPicture.h"
#include "ui/platform/InstalledDataFolder.h"

class QAction;
class QLabel;
class QMenu;
class QWindow;

namespace zb::ui {

class Module1;
class FrameClientArea;
class StatusPanels;

class MDIForm1 : public QMainWindow, public FrameWindow {
  Q_OBJECT

 public:
  static constexpr std::string_view kWindowClass = window_class::kFrame;

  explicit MDIForm1(Module1& module);
  ~MDIForm1() override;

  // Applies the stored placement (runs once, right after the frame is created).
  void MDIForm_Load();
  // The frame became the program's active window.
  void MDIForm_Activate();
  // Size or window state changed: the background drawing follows.
  void MDIForm_Resize();
  // Stores the placement and closes every other window, the newest first.
  // Returns false when a window refused to close (the quick view's "Nein"):
  // the frame's closing stops there and every window stays as it was.
  // Ending the program anyway would lose the unsaved quick-view text.
  bool MDIForm_QueryUnload();

  // Puts a window into the frame as a child window (hidden until shown).
  void AddChildWindow(QWidget* window) override;
  // Shows a child window and makes it the active one.
  void ShowChildWindow(QWidget* window) override;
  // True while the frame closes the other windows on its way out; a window
  // that only hides itself when the user closes it lets itself be closed then.
  bool ClosingFrame() const override { return closingFrame_; }

  // Panel 1 of StatusBar1.
  QString StatusText() const override;
  void SetStatusText(const QString& text) override;

  // The background drawing and the file it came from ("" before the first).
  const WmfPicture& Picture() const;
  QString CurrentDrawingFile() const { return drawingFile_; }
  void SetPicture(const WmfPicture& picture, const QString& file) override;
  QWidget* OpenedPruningWindow() override;
  void CheckThreeCrossArms() override { threeSpreadersAction_->setChecked(true); }

  // The pruning window, a further instance of the velocity-factor window set
  // by the pruning command (null once closed); the input printout prints it
  // while it holds a result.
  QPointer<QWidget> pruningWindow_;

  // Where the help document is looked for: the program's own folder first,
  // then the installed data folder.
  void SetProgramFolders(const QString& programFolder, const QString& dataFolder);
  // The help document's path: beside the program, or in the data folder when
  // it is only there.
  QString HelpDocumentPath() const;

  // The menus, as their entries' object names (their designed names) give them:
  //   OnFileMenuOpening mnuDat          OnShowReportClicked mnuAnzeigen
  //   OnPrintDrawingClicked mnuZeichnDruck
  //   OnPrintInputsClicked, printInputsAction_ mnuDatDruck
  //   OnQuitClicked mnuEnde             OnVariantMenuOpening mnuBauv
  //   OnTwoSpreadersClicked, twoSpreadersAction_ mnu2Querträger
  //   OnThreeSpreadersClicked, threeSpreadersAction_ mnu3Querträger
  //   OnVelocityFactorClicked mnuVk     OnBeamClicked mnuBerStromsAnt
  //   OnPruningClicked mnuPruning       OnCoupledDipoleClicked mnuBerZusDipol
  //   OnSweepFileClicked mnuMessung     OnAnalyserClicked mnuAnalysator
  //   OnHelpClicked mnuHilfe            OnInfoClicked mnuInfo
  //   BuildLanguageMenu mnuSprache (entries mnuDeutsch, mnuEnglish)
  void OnFileMenuOpening();
  void OnShowReportClicked();
  void OnPrintDrawingClicked();
  void OnPrintInputsClicked();
  void OnQuitClicked();
  void OnVariantMenuOpening();
  void OnTwoSpreadersClicked();
  void OnThreeSpreadersClicked();
  void OnVelocityFactorClicked();
  void OnBeamClicked();
  void OnPruningClicked();
  void OnCoupledDipoleClicked();
  void OnSweepFileClicked();
  void OnAnalyserClicked();
  void OnHelpClicked();
  void OnInfoClicked();

  QAction* twoSpreadersAction_ = nullptr;
  QAction* threeSpreadersAction_ = nullptr;
  QAction* printInputsAction_ = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildMenus();
  void BuildFileMenu();
  void BuildVariantMenu();
  void BuildCalculateMenu();
  void BuildHelpMenu();
  void BuildLanguageMenu(QMenu* helpMenu);
  void ScheduleResize();
  void FocusWindowChanged(QWindow* window);
  void ChangeVariant(bool dreiQuertraeger);

  Module1& module_;
  HandlerGuard guarded_;
  FrameClientArea* clientArea_ = nullptr;
  StatusPanels* statusBar_ = nullptr;
  QString drawingFile_;
  ProgramFolders folders_;
  bool closingFrame_ = false;
  // The stored outer geometry, applied again once the window system tells
  // the size of the window border (on X11 only after the frame shows).
  struct OuterPlacement {
    QRect outer;
    bool widthStored = false;   // otherwise the window keeps its width
    bool heightStored = false;  // otherwise the window keeps its height
  };
  std::optional<OuterPlacement> pendingOuterGeometry_;
  void ApplyOuterGeometry(const OuterPlacement& placement);
  void ApplyPendingOuterGeometry();
  bool resizePending_ = false;
  // What had the program's focus before: nothing yet, the frame, another
  // window of the program, or a dialog or popup.
  enum class LastFocus { Nothing, Frame, Window, Dialog };
  LastFocus lastFocus_ = LastFocus::Nothing;
};

}  // namespace zb::ui

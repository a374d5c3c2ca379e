#pragma once
// The program's module: the shared state, the shared procedures, and the
// window registry with the windows' default instances. Asking for a window
// that is not loaded creates it hidden and runs its load behaviour once, as
// the windows expect of each other.

#include <QPointer>
#include <QString>
#include <QStringList>
#include <string_view>
#include <vector>

#include "core/shared/ModuleState.h"
#include "core/shared/VfWindowState.h"
#include "ui/app/WindowRegistry.h"

class QWidget;

namespace zb {
class VfWindowState;
}

namespace zb::ui {

class UiPlatform;
class FrameWindow;

class Module1 {
 public:
  explicit Module1(UiPlatform& platform);
  ~Module1();
  Module1(const Module1&) = delete;
  Module1& operator=(const Module1&) = delete;

  zb::ModuleState& State() { return state_; }
  UiPlatform& Platform() { return platform_; }

  // The windows: default instances by class (ui/app/WindowClasses.h),
  // extra instances, and the load order.
  WindowRegistry& Windows() { return windows_; }
  // A default instance, loaded on first use.
  QWidget& Window(std::string_view windowClass) { return windows_.Default(windowClass); }
  // The default instance through one of its interfaces.
  template <class Interface>
  Interface& WindowAs(std::string_view windowClass) {
    return windows_.DefaultAs<Interface>(windowClass);
  }
  bool IsLoaded(std::string_view windowClass) const { return windows_.LoadedDefault(windowClass) != nullptr; }
  // True when the default instance is loaded and shown; never loads it.
  bool IsShown(std::string_view windowClass) const;
  // The frame's default instance, as the other windows see it.
  FrameWindow& Frame();
  // The velocity-factor window's state for the calculations; loads the
  // window hidden when needed. A program without that window reads as one
  // without a current estimate.
  zb::VfWindowState& VelocityFactorWindow();

  // Start-up: loads the frame, sets the shared state and shows the frame.
  void StartProgram();
  // Loads the frame's background drawing for its window state and variant.
  void UpdateFrameDrawing();
  // True when the file exists; otherwise tells the user and returns false.
  bool CheckFileExists(const QString& path);
  // The program registered to open the document, or "".
  QString FindViewer(const QString& document);
  // Starts the viewer on the document; may put quotes around the caller's text.
  void OpenWithViewer(const QString& viewer, QString& document);
  // Loads a text file into the quick view and shows it.
  void ShowTextFile(QString& fileName);

  // Where a data file of the program (drawing, help) stands: the working
  // directory first, then the program's own folder, then its installed data
  // folder. The bare name when it is nowhere.
  QString FindDataFile(const QString& name) const;
  // The first of the folders that holds the file (empty folders are passed
  // over), or `otherwise`.
  static QString FindFileIn(const QStringList& folders, const QString& name, const QString& otherwise);

  // The loaded windows besides the frame, in the order they were loaded; the
  // frame closes them newest first when it closes. Windows that are gone
  // show as null.
  void RegisterWindow(QWidget* window) { windows_.RecordLoaded(window); }
  std::vector<QPointer<QWidget>> LoadedWindows() const { return windows_.LoadOrder(); }

 private:
  UiPlatform& platform_;
  zb::ModuleState state_;
  WindowRegistry windows_;
  zb::NoVfWindow noVfWindow_;
};

}  // namespace zb::ui

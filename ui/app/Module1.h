#pragma once
// The program's module: the shared state, the shared procedures, and the
// windows' default instances. Asking for a window that is not loaded creates
// it hidden and runs its load behaviour once, as the windows expect of each
// other.

#include <QPointer>
#include <QString>
#include <QStringList>
#include <vector>

#include "core/ModuleState.h"

class QWidget;

namespace zb::ui {

class UiPlatform;
class MDIForm1;
class frmHauptform;
class frmRTF;

class Module1 {
 public:
  explicit Module1(UiPlatform& platform);
  ~Module1();
  Module1(const Module1&) = delete;
  Module1& operator=(const Module1&) = delete;

  zb::ModuleState& State() { return state_; }
  UiPlatform& Platform() { return platform_; }

  // Default instances.
  MDIForm1& Frame();
  frmHauptform& Hauptform();
  frmRTF& Rtf();
  bool IsFrameLoaded() const { return !frame_.isNull(); }
  bool IsHauptformLoaded() const { return !hauptform_.isNull(); }
  bool IsRtfLoaded() const { return !rtf_.isNull(); }

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
  // The folder the program's data files are installed in.
  static QString InstalledDataFolder();

  // The loaded windows besides the frame, in the order they were loaded; the
  // frame closes them newest first when it closes. Windows that are gone
  // show as null.
  void RegisterWindow(QWidget* window);
  std::vector<QPointer<QWidget>> LoadedWindows() const { return loadedWindows_; }

 private:
  UiPlatform& platform_;
  zb::ModuleState state_;
  QPointer<MDIForm1> frame_;
  QPointer<frmHauptform> hauptform_;
  QPointer<frmRTF> rtf_;
  std::vector<QPointer<QWidget>> loadedWindows_;
};

}  // namespace zb::ui

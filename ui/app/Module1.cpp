#include "ui/app/Module1.h"

#include <QDir>
#include <QFileInfo>

#include "core/shared/VfWindowState.h"
#include "ui/app/FrameWindow.h"
#include "ui/app/WindowClasses.h"
#include "ui/platform/InstalledDataFolder.h"

namespace zb::ui {

Module1::Module1(UiPlatform& platform) : platform_(platform) {}

// The windows go while the module is still whole; they may ask it things.
Module1::~Module1() { windows_.DeleteWindows(); }

bool Module1::IsShown(std::string_view windowClass) const {
  const QWidget* window = windows_.LoadedDefault(windowClass);
  return window && window->isVisible();
}

FrameWindow& Module1::Frame() { return WindowAs<FrameWindow>(window_class::kFrame); }

zb::VfWindowState& Module1::VelocityFactorWindow() {
  if (!windows_.Knows(window_class::kVelocityFactor)) return noVfWindow_;
  return WindowAs<zb::VfWindowState>(window_class::kVelocityFactor);
}

QString Module1::FindDataFile(const QString& name) const {
  return FindFileIn(QStringList{QDir::currentPath()} + InstalledProgramFolders().InOrder(), name, name);
}

QString Module1::FindFileIn(const QStringList& folders, const QString& name, const QString& otherwise) {
  for (const QString& folder : folders) {
    if (folder.isEmpty()) continue;
    QString path = QDir(folder).filePath(name);
    if (QFileInfo(path).isFile()) return path;
  }
  return otherwise;
}

}  // namespace zb::ui

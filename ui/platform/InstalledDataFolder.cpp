#include "ui/platform/InstalledDataFolder.h"

#include <QCoreApplication>
#include <QDir>

#ifndef ZB_DATA_DIR_FROM_PROGRAM
#define ZB_DATA_DIR_FROM_PROGRAM "../share/zelvar-beam"
#endif

namespace zb::ui {

QString InstalledDataFolder() {
  return QDir::cleanPath(
      QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(ZB_DATA_DIR_FROM_PROGRAM)));
}

ProgramFolders InstalledProgramFolders() {
  return {QCoreApplication::applicationDirPath(), InstalledDataFolder()};
}

}  // namespace zb::ui

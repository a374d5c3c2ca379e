#pragma once
// Where the installed program keeps its drawings and help document.

#include <QString>
#include <QStringList>

namespace zb::ui {

// The data folder relative to the program's own folder (bin/../share/zelvar-beam),
// so an installation under any prefix or DESTDIR, or a package, finds its files.
QString InstalledDataFolder();

// The folders the program looks into for its own files: beside itself first,
// then its installed data folder.
struct ProgramFolders {
  QString program;
  QString data;
  QStringList InOrder() const { return {program, data}; }
};
ProgramFolders InstalledProgramFolders();

}  // namespace zb::ui

#pragma once
// Where the installed program keeps its drawings and help document.

#include <QString>

namespace zb::ui {

// The data folder relative to the program's own folder (bin/../share/zelvar-beam),
// so an installation under any prefix or DESTDIR, or a package, finds its files.
QString InstalledDataFolder();

}  // namespace zb::ui

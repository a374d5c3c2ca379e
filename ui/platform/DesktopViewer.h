#pragma once
// The program the desktop has registered for a document: the desktop's
// default application for the document's MIME type (as xdg-mime reports it),
// its desktop entry's Exec line, and the executable named first there.

#include <QString>
#include <QStringList>

namespace zb::ui {

// The executable registered for the document's type, or "" when none is.
QString RegisteredViewerFor(const QString& document);

// The steps of the lookup.

// The document's MIME type by its name and content ("application/pdf").
QString DocumentMimeType(const QString& document);
// The desktop entry registered as the default for a MIME type
// ("org.gnome.Evince.desktop"), or "" when there is none or no xdg-mime.
QString DefaultDesktopEntry(const QString& mimeType);
// The data folders whose applications/ folders hold desktop entries, most
// important first: XDG_DATA_HOME, then XDG_DATA_DIRS, with their defaults.
QStringList XdgDataDirs();
// The file of a desktop entry in the data folders' applications/ folders
// ("kde4-okular.desktop" may also be applications/kde4/okular.desktop), or "".
QString FindDesktopEntryFile(const QString& desktopId, const QStringList& dataDirs);
// The Exec value of a desktop entry file's [Desktop Entry] group, or "".
QString DesktopEntryExec(const QString& desktopFile);
// The first word of an Exec value with the entry's escapes and quoting
// undone ("\"/opt/My Viewer/view\" %f" gives "/opt/My Viewer/view").
QString ExecProgram(const QString& execValue);

}  // namespace zb::ui

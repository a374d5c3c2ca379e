// Opening a document with the program the desktop has registered for it.

#include <QCoreApplication>
#include <QFileInfo>

#include "locale/LocaleText.h"
#include "ui/app/Module1.h"
#include "ui/platform/UiPlatform.h"

namespace zb::ui {

bool Module1::CheckFileExists(const QString& path) {
  if (QFileInfo(path).isFile()) return true;
  const std::string& nl = state_.Zeilenumbruch;
  platform_.MessageBox(U8(QCoreApplication::translate("Messages", "Die Datei ")) + nl + U8(path) + nl +
                           U8(QCoreApplication::translate("Messages", "ist nicht vorhanden!")) + nl +
                           U8(QCoreApplication::translate("Messages", "Bitte selbst nach der Datei suchen.")),
                       MsgButtons::Ok, MsgIcon::Critical,
                       U8(QCoreApplication::translate("Messages", " Datei nicht gefunden")));
  return false;
}

QString Module1::FindViewer(const QString& document) {
  QString viewer = platform_.RegisteredViewer(document);
  const qsizetype end = viewer.indexOf(QChar(u'\0'));
  if (end >= 0) viewer.truncate(end);
  if (viewer == document) return QString();
  return viewer;
}

void Module1::OpenWithViewer(const QString& viewer, QString& document) {
  // The caller's text becomes one quoted command-line word, as it always has;
  // the viewer itself is handed the bare path as one argument, so blanks or
  // quote characters in it cannot reach a shell or split into more words.
  QString path = document;
  if (path.size() >= 2 && path.startsWith(QLatin1Char('"')) && path.endsWith(QLatin1Char('"')))
    path = path.mid(1, path.size() - 2);
  if (document.toLower().contains(QStringLiteral(".pdf")))
    document = QLatin1Char('"') + document + QLatin1Char('"');
  platform_.StartDetached(viewer, QStringList{path});
  platform_.DoEvents();
}

}  // namespace zb::ui

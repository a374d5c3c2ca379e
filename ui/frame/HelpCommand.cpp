// The help command: the help document opened with the program the desktop
// has registered for it.

#include <QDir>
#include <QFileInfo>
#include <exception>

#include "ui/frame/MDIForm1.h"
#include "ui/app/Module1.h"
#include "locale/LocaleText.h"
#include "ui/platform/UiPlatform.h"

namespace zb::ui {

namespace {

const QString kHelpDocument = QStringLiteral("Zelvar-Beam_Hilfe.pdf");

}  // namespace

bool Module1::CheckFileExists(const QString& path) {
  if (QFileInfo(path).isFile()) return true;
  const std::string& nl = state_.Zeilenumbruch;
  platform_.MessageBox("Die Datei " + nl + U8(path) + nl + "ist nicht vorhanden!" + nl +
                           "Bitte selbst nach der Datei suchen.",
                       MsgButtons::Ok, MsgIcon::Critical, " Datei nicht gefunden");
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
  if (document.toLower().contains(QStringLiteral(".pdf"))) document = QLatin1Char('"') + document + QLatin1Char('"');
  platform_.StartDetached(viewer, QStringList{path});
  platform_.DoEvents();
}

void MDIForm1::SetProgramFolders(const QString& programFolder, const QString& dataFolder) {
  programFolder_ = programFolder;
  dataFolder_ = dataFolder;
}

QString MDIForm1::HelpDocumentPath() const {
  const QString besideProgram = QDir(programFolder_).filePath(kHelpDocument);
  const QString found = Module1::FindFileIn({programFolder_, dataFolder_}, kHelpDocument, besideProgram);
  return QDir::toNativeSeparators(found);
}

void MDIForm1::mnuHilfe_Click() {
  try {
    const QString document = HelpDocumentPath();
    if (!module_.CheckFileExists(document)) return;
    const QString viewer = module_.FindViewer(document);
    if (!viewer.isEmpty() && QFileInfo(viewer).isFile()) {
      QString text = document;
      module_.OpenWithViewer(viewer, text);
      return;
    }
    const std::string& nl = module_.State().Zeilenumbruch;
    module_.Platform().MessageBox("Acrobat Reader o.ä. nicht gefunden!" + nl + "Hilfe finden Sie in der Datei " + nl +
                                      U8(document) + nl,
                                  MsgButtons::Ok, MsgIcon::Critical, " Hilfe");
  } catch (const std::exception&) {
    // Anything else that goes wrong in the help command passes silently.
  }
}

}  // namespace zb::ui

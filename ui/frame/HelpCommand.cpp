// The help command: the help document opened with the program the desktop
// has registered for it.

#include <QDir>
#include <QFileInfo>
#include <exception>

#include "locale/LocaleText.h"
#include "ui/app/Module1.h"
#include "ui/frame/MDIForm1.h"
#include "ui/platform/UiPlatform.h"

namespace zb::ui {

void MDIForm1::SetProgramFolders(const QString& programFolder, const QString& dataFolder) {
  folders_ = {programFolder, dataFolder};
}

QString MDIForm1::HelpDocumentPath() const {
  // The document in the language the program speaks: the English catalogue
  // names the English one.
  const QString document = tr("Zelvar-Beam_Hilfe.pdf");
  const QString besideProgram = QDir(folders_.program).filePath(document);
  const QString found = Module1::FindFileIn(folders_.InOrder(), document, besideProgram);
  return QDir::toNativeSeparators(found);
}

void MDIForm1::OnHelpClicked() {
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
    module_.Platform().MessageBox(U8(tr("Acrobat Reader o.ä. nicht gefunden!")) + nl +
                                      U8(tr("Hilfe finden Sie in der Datei ")) + nl + U8(document) + nl,
                                  MsgButtons::Ok, MsgIcon::Critical, U8(tr(" Hilfe")));
  } catch (const std::exception&) {
    // Anything else that goes wrong in the help command passes silently.
  }
}

}  // namespace zb::ui

// The desktop program: the frame with its windows.

#include <QLibraryInfo>
#include <QTranslator>

#include "locale/LocaleText.h"
#include "ui/app/Application.h"
#include "ui/app/Module1.h"
#include "ui/platform/QtPlatform.h"
#include "ui/program/ProgramWindows.h"

int main(int argc, char* argv[]) {
  zb::ui::Application app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Zelvar-Beam"));
  QApplication::setOrganizationName(QStringLiteral("Zelvar-Beam"));
  zb::ui::ApplyDecimalSeparator();

  // The program speaks German, so do Qt's own buttons and dialogs ("Ja",
  // "Abbrechen", "Wiederholen"), whatever the desktop's language.
  QTranslator qtTexts;
  if (qtTexts.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtTexts);

  zb::ui::QtPlatform platform;
  app.SetPlatform(&platform);
  zb::ui::Module1 module(platform);
  zb::ui::RegisterProgramWindows(module);
  module.StartProgram();
  return QApplication::exec();
}

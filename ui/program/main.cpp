// The desktop program: the frame with its windows.

#include "locale/Language.h"
#include "locale/LocaleText.h"
#include "ui/app/Application.h"
#include "ui/app/Module1.h"
#include "ui/app/ProgramLanguage.h"
#include "ui/platform/QtPlatform.h"
#include "ui/program/ProgramWindows.h"

int main(int argc, char* argv[]) {
  zb::ui::Application app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Zelvar-Beam"));
  QApplication::setOrganizationName(QStringLiteral("Zelvar-Beam"));
  zb::ui::ApplyDecimalSeparator();

  // German as designed, or English; Qt's own buttons and dialogs ("Ja",
  // "Abbrechen", "Wiederholen") speak the same language.
  const zb::ui::Translations translations(zb::ui::StartLanguage());

  zb::ui::QtPlatform platform;
  app.SetPlatform(&platform);
  zb::ui::Module1 module(platform);
  zb::ui::RegisterProgramWindows(module);
  module.StartProgram();
  return QApplication::exec();
}

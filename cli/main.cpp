// zelvar-beam-cli: the beam calculation from a terminal.

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <iostream>

#include "cli/CommandLine.h"
#include "locale/Language.h"
#include "locale/LocaleText.h"

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  zb::ui::ApplyDecimalSeparator();
  // The terminal's language (LANGUAGE, LANG), by the same rule as the program's.
  const zb::ui::Translations texts(zb::ui::DesktopLanguage(QLocale::system().uiLanguages()));
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const zb::CliEnvironment environment{
      [] { return zb::ui::GeneralDateTime(QDateTime::currentDateTime()).toStdString(); }, {}};
  return zb::RunCommandLine(arguments, std::cout, std::cerr, environment);
}

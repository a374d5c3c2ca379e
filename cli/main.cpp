// zelvar-beam-cli: the beam calculation from a terminal.

#include <QCoreApplication>
#include <QDateTime>
#include <iostream>

#include "cli/CommandLine.h"
#include "locale/LocaleText.h"

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  zb::ui::ApplyDecimalSeparator();
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const zb::CliEnvironment environment{
      [] { return zb::ui::GeneralDateTime(QDateTime::currentDateTime()).toStdString(); }, {}};
  return zb::RunCommandLine(arguments, std::cout, std::cerr, environment);
}

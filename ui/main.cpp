// The desktop program: the frame with its windows.

#include <QApplication>

#include "ui/Module1.h"
#include "ui/locale/LocaleText.h"
#include "ui/platform/QtPlatform.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Zelvar-Beam"));
  QApplication::setOrganizationName(QStringLiteral("Zelvar-Beam"));
  zb::ui::ApplyDecimalSeparator();

  zb::ui::QtPlatform platform;
  zb::ui::Module1 module(platform);
  module.StartProgram();
  return QApplication::exec();
}

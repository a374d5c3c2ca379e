// Entry point of the window tests: a QApplication on the offscreen platform.

#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QStandardPaths::setTestModeEnabled(true);  // settings go to a test location
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Zelvar-Beam"));
  QApplication::setOrganizationName(QStringLiteral("Zelvar-Beam"));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

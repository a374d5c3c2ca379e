// The fonts the program asks for by name.

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

#include "ui/common/InstalledFamily.h"

namespace zb::ui::test {
namespace {

TEST(QuickViewFonts, AskedForNamesGiveAnInstalledFamilyOfTheRightKind) {
  const QStringList installed = QFontDatabase::families();
  const QString courier = InstalledFamily("Courier New");
  EXPECT_TRUE(installed.contains(courier, Qt::CaseInsensitive)) << courier.toStdString();
  EXPECT_TRUE(QFontInfo(QFont(courier)).fixedPitch()) << courier.toStdString();
  if (!installed.contains("Courier New", Qt::CaseInsensitive) &&
      installed.contains("Liberation Mono", Qt::CaseInsensitive)) {
    EXPECT_EQ(courier, "Liberation Mono");
  }

  const QString arial = InstalledFamily("Arial");
  EXPECT_TRUE(installed.contains(arial, Qt::CaseInsensitive)) << arial.toStdString();
  EXPECT_FALSE(QFontInfo(QFont(arial)).fixedPitch()) << arial.toStdString();

  EXPECT_EQ(InstalledFamily("Keine Schrift dieses Namens"), "Keine Schrift dieses Namens");
}

}  // namespace
}  // namespace zb::ui::test

// The frame's placement in the per-user settings store across restarts.

#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>

#include "tests/ui/frame/FrameTestSupport.h"
#include "ui/app/Settings.h"
#include "ui/common/Twips.h"

namespace zb::test {
namespace {

using zb::ui::PixelsToTwips;
using zb::ui::TwipsToPixels;

class FrameSettingsTest : public FrameTest {
 protected:
  // The store's file as text, to see what really stands there.
  QString StoreText() const {
    QFile file(SettingsFolder() + QStringLiteral("/Zelvar-Beam/Zelvar-Beam.conf"));
    if (!file.open(QIODevice::ReadOnly)) return QString();
    return QString::fromUtf8(file.readAll());
  }

  // A second program start on the same store.
  void Restart() {
    NewModule();
    Start();
  }

  double LeftTwips() { return PixelsToTwips(Frame().x(), &Frame()); }
  double TopTwips() { return PixelsToTwips(Frame().y(), &Frame()); }
  double WidthTwips() { return PixelsToTwips(Frame().frameGeometry().width(), &Frame()); }
  double HeightTwips() { return PixelsToTwips(Frame().frameGeometry().height(), &Frame()); }
  int Px(double twips) { return TwipsToPixels(twips, &Frame()); }
  // The frame's outer rectangle in pixels for a placement in twips.
  QRect Outer(double left, double top, double width, double height) {
    return QRect(Px(left), Px(top), Px(width), Px(height));
  }
  QRect Available() { return QGuiApplication::primaryScreen()->availableGeometry(); }
};

TEST_F(FrameSettingsTest, FirstStartWithAnEmptyStoreUsesTheDefaultPlacement) {
  Start();
  EXPECT_EQ(Frame().windowState(), Qt::WindowNoState);
  EXPECT_EQ(Frame().frameGeometry(), Outer(15, 1200, 11820, 9345));
  // Starting stores nothing.
  EXPECT_FALSE(Stored("WindowState").isValid());
  EXPECT_FALSE(Stored("MainLeft").isValid());
}

TEST_F(FrameSettingsTest, NormalCloseStoresPlacementAsTextAndTheNextStartRestoresIt) {
  Start();
  Frame().move(Px(1500), Px(900));
  const QSize border = Frame().frameGeometry().size() - Frame().size();
  ASSERT_FALSE(border.isNull());  // the outer size differs from the inner one
  Frame().resize(QSize(Px(9000), Px(7500)) - border);
  ASSERT_TRUE(Frame().close());

  const QString text = StoreText();
  EXPECT_TRUE(text.contains(QStringLiteral("[Settings]"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("WindowState=0"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("MainLeft=1500"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("MainTop=900"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("MainWidth=9000"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("MainHeight=7500"))) << text.toStdString();

  Restart();
  EXPECT_EQ(Frame().windowState(), Qt::WindowNoState);
  EXPECT_DOUBLE_EQ(LeftTwips(), 1500);
  EXPECT_DOUBLE_EQ(TopTwips(), 900);
  EXPECT_DOUBLE_EQ(WidthTwips(), 9000);
  EXPECT_DOUBLE_EQ(HeightTwips(), 7500);
}

TEST_F(FrameSettingsTest, MaximisedCloseStoresOnlyTheStateAndTheNextStartKeepsTheDesignedPlacement) {
  Store("MainLeft", "3000");
  Store("MainTop", "1500");
  Store("MainWidth", "10500");
  Store("MainHeight", "8250");
  Start();
  Frame().showMaximized();
  QCoreApplication::processEvents();
  ASSERT_TRUE(Frame().close());

  EXPECT_EQ(Stored("WindowState").toString(), "2");
  EXPECT_EQ(Stored("MainLeft").toString(), "3000");
  EXPECT_EQ(Stored("MainTop").toString(), "1500");
  EXPECT_EQ(Stored("MainWidth").toString(), "10500");
  EXPECT_EQ(Stored("MainHeight").toString(), "8250");

  Restart();
  EXPECT_TRUE(Frame().windowState() & Qt::WindowMaximized);
  // Restoring shows the designed placement, not the stored one.
  Frame().showNormal();
  QCoreApplication::processEvents();
  EXPECT_EQ(Frame().geometry(), QRect(Px(372), Px(2016), Px(8496), Px(8976)));
}

TEST_F(FrameSettingsTest, MinimisedCloseStoresNothing) {
  Store("MainLeft", "3000");
  Start();
  Frame().move(Px(4500), Px(4500));
  Frame().showMinimized();
  QCoreApplication::processEvents();
  ASSERT_TRUE(Frame().close());

  EXPECT_FALSE(Stored("WindowState").isValid());
  EXPECT_EQ(Stored("MainLeft").toString(), "3000");
  EXPECT_FALSE(Stored("MainTop").isValid());
  EXPECT_FALSE(Stored("MainWidth").isValid());
  EXPECT_FALSE(Stored("MainHeight").isValid());
}

TEST_F(FrameSettingsTest, StoredStatesOpenTheFrameMinimisedOrMaximisedWithoutPlacement) {
  Store("WindowState", "1");
  Store("MainLeft", "6000");
  Start();
  EXPECT_TRUE(Frame().windowState() & Qt::WindowMinimized);
  EXPECT_NE(Frame().x(), Px(6000));

  Store("WindowState", "2");
  Restart();
  EXPECT_TRUE(Frame().windowState() & Qt::WindowMaximized);
}

TEST_F(FrameSettingsTest, UnreadableValuesLeaveTheirPropertyAlone) {
  Store("WindowState", "maximiert");
  Store("MainLeft", "links");
  Store("MainTop", "2400");
  Store("MainWidth", "");
  Store("MainHeight", "9000");
  Start();
  EXPECT_EQ(Frame().windowState(), Qt::WindowNoState);
  // Still the designed left edge (give or take the window border), not the
  // default of 15 twips.
  EXPECT_NEAR(Frame().geometry().x(), Px(372), 4);
  EXPECT_EQ(Frame().y(), Px(2400));
  EXPECT_EQ(Frame().width(), Px(8496));  // still the designed width
  EXPECT_EQ(Frame().frameGeometry().height(), Px(9000));
}

TEST_F(FrameSettingsTest, AWindowStateOutsideTheThreeStatesIsIgnored) {
  Store("WindowState", "7");
  Store("MainLeft", "4500");
  Start();
  EXPECT_EQ(Frame().windowState(), Qt::WindowNoState);
  EXPECT_EQ(Frame().x(), Px(4500));
}

TEST_F(FrameSettingsTest, APlacementOffEveryScreenMovesOntoThePrimaryScreen) {
  Store("MainLeft", "-30000");
  Store("MainTop", "1200");
  Store("MainWidth", "7500");
  Store("MainHeight", "90000");
  Start();
  const QRect frame = Frame().frameGeometry();
  EXPECT_TRUE(Available().contains(frame)) << frame.x() << "," << frame.y();
  EXPECT_EQ(frame.width(), Px(7500));               // the stored width fits
  EXPECT_EQ(frame.height(), Available().height());  // the stored height does not

  // A frame whose title bar can still be grabbed stays where it was put.
  Store("MainLeft", "9000");  // the right part beyond the screen
  Store("MainHeight", "6000");
  Restart();
  EXPECT_EQ(Frame().frameGeometry(), Outer(9000, 1200, 7500, 6000));
}

TEST(FrameSettingsConversion, NumbersAreWrittenWithAPointAndReadInEitherForm) {
  const QLocale locale = QLocale::system();
  EXPECT_EQ(zb::ui::SettingToSingle(locale.toString(1234.5)), 1234.5f);  // as an earlier version wrote it
  EXPECT_EQ(zb::ui::SettingToSingle("1234.5"), 1234.5f);
  EXPECT_EQ(zb::ui::SingleToSetting(-16.25), "-16.25");
  EXPECT_EQ(zb::ui::SettingToSingle(zb::ui::SingleToSetting(-16.25)), -16.25f);
  // No thousands separators, so the text reads back in any locale the same.
  EXPECT_EQ(zb::ui::SingleToSetting(11820), "11820");
  EXPECT_EQ(zb::ui::SingleToSetting(1234567.0), "1234567");
  EXPECT_FALSE(zb::ui::SettingToSingle("").has_value());
  EXPECT_FALSE(zb::ui::SettingToSingle("12 Zoll").has_value());
  EXPECT_FALSE(zb::ui::SettingToSingle("1e60").has_value());

  // Integers round to even and stay in 16 bits.
  EXPECT_EQ(zb::ui::SettingToInteger("2"), 2);
  EXPECT_EQ(zb::ui::SettingToInteger(locale.toString(2.5)), 2);
  EXPECT_EQ(zb::ui::SettingToInteger(locale.toString(1.5)), 2);
  EXPECT_EQ(zb::ui::SettingToInteger(locale.toString(0.4)), 0);
  EXPECT_EQ(zb::ui::SettingToInteger("32767"), 32767);
  EXPECT_FALSE(zb::ui::SettingToInteger("32768").has_value());
  EXPECT_FALSE(zb::ui::SettingToInteger("-32769").has_value());
  EXPECT_FALSE(zb::ui::SettingToInteger("zwei").has_value());
}

}  // namespace
}  // namespace zb::test

// "Drucken" -> "&Eingaben" with the real velocity-factor and pruning windows
// opened from the frame's menu and typed into as the desktop types: each on
// a page of its own while it holds a result, under its title line, without
// its button and without its menu bar.

#include <optional>

#include "locale/Language.h"
#include "tests/ui/print/PrintTestSupport.h"
#include "tests/ui/vk/VfTestSupport.h"

namespace zb::test {
namespace {

class RealWindowsPrintoutTest : public PrintTestOn<VfTest> {
 protected:
  // Types the three entries and presses the button with the keyboard.
  void EnterAndCompute(zb::ui::frmVk& window, const char* t1, const char* t2, const char* t3) {
    Enter(window, t1, t2, t3);
    PressKey(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), window.calculateButton_);
    PressKey(Qt::Key_Space);
  }
};

TEST_F(RealWindowsPrintoutTest, EstimateAndPruningWindowsWhileTheyHoldAResult) {
  zb::ui::frmVk& vf = OpenVf();
  EnterAndCompute(vf, "50,2", "3", "2");
  ASSERT_EQ(vf.Status(), zb::VfWindowStatus::Estimated);
  Choose("mnuDatDruck");
  EXPECT_EQ(PrintedPages(), 2);
  QString text = PrintedText();
  EXPECT_TRUE(text.contains(QStringLiteral("Zelvar-Beam Vf errechnen"))) << text.toStdString();
  EXPECT_FALSE(text.contains(QStringLiteral("Optionen")));
  EXPECT_FALSE(text.contains(QStringLiteral("Rechnen")));

  zb::ui::frmVk* pruning = OpenPruning();
  ASSERT_NE(pruning, nullptr);
  EnterAndCompute(*pruning, "3,20", "49,8", "50,2");
  Choose("mnuDatDruck");
  EXPECT_EQ(PrintedPages(), 3);
  EXPECT_TRUE(PrintedText().contains(QStringLiteral("Zelvar-Beam Pruning/Optimieren")));
  for (zb::ui::frmVk* window : {&vf, pruning}) {
    EXPECT_TRUE(window->printTitleLabel_->isHidden());
    EXPECT_FALSE(window->calculateButton_->isHidden());
  }

  CloseWindow(pruning);
  Choose("mnuDatDruck");
  EXPECT_EQ(PrintedPages(), 2);
  text = PrintedText();
  EXPECT_TRUE(text.contains(QStringLiteral("Zelvar-Beam Vf errechnen")));
  EXPECT_FALSE(text.contains(QStringLiteral("Pruning")));
  EXPECT_TRUE(platform.messages.empty());
}

// The same on paper under the English interface: the heading, the windows'
// captions and the beam form are English.
class EnglishPrintoutTest : public RealWindowsPrintoutTest {
 protected:
  void SetUp() override {
    english_.emplace(zb::ui::Language::English);
    RealWindowsPrintoutTest::SetUp();
  }
  std::optional<zb::ui::Translations> english_;
};

TEST_F(EnglishPrintoutTest, TheInputsPrintInEnglish) {
  zb::ui::frmVk& vf = OpenVf();
  EnterAndCompute(vf, "50.2", "3", "2");
  zb::ui::frmVk* pruning = OpenPruning();
  ASSERT_NE(pruning, nullptr);
  EnterAndCompute(*pruning, "3.20", "49.8", "50.2");
  Choose("mnuDatDruck");
  EXPECT_EQ(PrintedPages(), 3);
  const QString text = PrintedText();
  for (const char* english : {"Calculation of a Zelvar-Beam nach Kalvex", "Zelvar-Beam: estimating the VF",
                              "Expected velocity factor:", "Zelvar-Beam pruning/trimming", "Overall VF:"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(english))) << english << " in: " << text.toStdString();
  for (const char* german : {"Berechnung", "Verkürzung", "Antennenhöhe", "Resonanzfrequenz", " am "})
    EXPECT_FALSE(text.contains(QString::fromUtf8(german))) << german << " in: " << text.toStdString();
  if (const QByteArray keep = qgetenv("ZB_KEEP_PRINTOUT"); !keep.isEmpty())
    QFile::copy(platform.printFile, QString::fromLocal8Bit(keep));
}

}  // namespace
}  // namespace zb::test

// "Drucken" -> "&Eingaben" with the real velocity-factor and pruning windows
// opened from the frame's menu and typed into as the desktop types: each on
// a page of its own while it holds a result, under its title line, without
// its button and without its menu bar.

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

}  // namespace
}  // namespace zb::test

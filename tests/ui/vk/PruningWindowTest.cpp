// The pruning window: one at a time, empty boxes, the changes of all three
// elements from one measurement.

#include "tests/ui/vk/VkTestSupport.h"
#include "ui/app/VkWindow.h"
#include "ui/common/Twips.h"

namespace zb {
namespace {

using test::VkTest;

TEST_F(VkTest, PruningOpensEmptyAndComputesTheWorkedExample) {
  zb::ui::frmVk& w = *OpenPruning();
  EXPECT_EQ(w.windowTitle(), " Antennen-Pruning/Optimieren ");
  for (QLineEdit* box : {w.Text1, w.Text2, w.Text3}) EXPECT_TRUE(box->text().isEmpty());
  EXPECT_EQ(w.Tag(), "");
  EXPECT_FALSE(w.menuBar->isVisible());
  for (QLabel* row : {w.Label10, w.Label11, w.Label12, w.Label13}) EXPECT_TRUE(row->isVisible());
  EXPECT_EQ(w.parentWidget()->height(), zb::ui::TwipsToPixels(5420, &w));
  EXPECT_EQ(w.Command1->y(), zb::ui::TwipsToPixels(5420 - 1050, &w));

  Enter(w, "3,20", "49,8", "50,2");
  Compute(w);
  EXPECT_EQ(w.Label5->text(), "0,947");
  EXPECT_TRUE(Normal(w.Label5));
  EXPECT_EQ(w.Label7->text(), "3,175");
  EXPECT_EQ(w.Label9->text(), "- 25,5");
  EXPECT_EQ(w.Label11->text(), "- 25,9");
  EXPECT_EQ(w.Label13->text(), "- 24,7");
  EXPECT_EQ(w.Tag(), "Optimieren");
  QTest::mouseDClick(w.Label9, Qt::LeftButton);  // a length change is no velocity factor
  EXPECT_EQ(form->Text4->text(), "1,00");
}

// A resonance handed over from a sweep replaces the advice on show at once:
// the same as "Rechnen" would give, or nothing while a box is missing.
TEST_F(VkTest, AHandedOverResonanceNeverLeavesTheOldAdvice) {
  zb::ui::frmVk& w = *OpenPruning();
  Enter(w, "10,8", "14,05", "14,2");
  Compute(w);
  const auto shown = [&w] {
    QStringList texts;
    for (QLabel* value : {w.Label5, w.Label7, w.Label9, w.Label11, w.Label13}) texts << value->text();
    return texts;
  };
  const QStringList before = shown();
  static_cast<zb::ui::VkWindow&>(w).SetMeasuredResonance(QStringLiteral("13,9"));
  EXPECT_EQ(w.Text2->text(), "13,9");
  const QStringList handedOver = shown();
  EXPECT_NE(handedOver, before);
  Compute(w);
  EXPECT_EQ(shown(), handedOver);
  EXPECT_EQ(w.Tag(), "Optimieren");

  const int beeps = platform.beeps;
  TypeInto(w.Text1, "");
  test::PressKey(Qt::Key_Delete);
  ASSERT_EQ(w.Text1->text(), "");
  static_cast<zb::ui::VkWindow&>(w).SetMeasuredResonance(QStringLiteral("14,0"));
  EXPECT_EQ(shown(), QStringList(5, QString()));
  EXPECT_EQ(w.Tag(), "");
  EXPECT_EQ(platform.beeps, beeps);  // no input of the user's was refused
}

// A length or frequency of 0 or below counts as missing:
// beep, focus on that box, no advice.
TEST_F(VkTest, PruningRefusesNegativeLengthsAndFrequencies) {
  zb::ui::frmVk& w = *OpenPruning();
  struct Case {
    const char* t1;
    const char* t2;
    const char* t3;
    QLineEdit* zb::ui::frmVk::*focus;
  };
  int beeps = platform.beeps;
  for (const Case& c : {Case{"-10,8", "14,05", "14,2", &zb::ui::frmVk::Text1},
                        Case{"10,8", "-14,05", "-14,2", &zb::ui::frmVk::Text2},
                        Case{"10,8", "14,05", "-14,2", &zb::ui::frmVk::Text3},
                        Case{"10,8", "0", "14,2", &zb::ui::frmVk::Text2}}) {
    SCOPED_TRACE(std::string(c.t1) + " " + c.t2 + " " + c.t3);
    Enter(w, c.t1, c.t2, c.t3);
    Compute(w);
    EXPECT_EQ(platform.beeps, ++beeps);
    EXPECT_TRUE((w.*c.focus)->hasFocus());
    EXPECT_EQ(w.Label5->text(), "");
    EXPECT_EQ(w.Label9->text(), "");
    EXPECT_EQ(w.Tag(), "");
  }
}

TEST_F(VkTest, ASecondPruningWindowOnlyBeepsUntilTheFirstIsClosed) {
  zb::ui::frmVk* first = OpenPruning();
  ASSERT_NE(first, nullptr);
  TypeInto(first->Text1, "3,20");
  platform.beeps = 0;
  EXPECT_EQ(OpenPruning(), first);
  EXPECT_EQ(platform.beeps, 1);
  EXPECT_EQ(frame().findChildren<zb::ui::frmVk*>().size(), 1);

  CloseWindow(first);
  EXPECT_EQ(module->State().PruningFensterAnzahl, 0);
  zb::ui::frmVk* fresh = OpenPruning();
  ASSERT_NE(fresh, nullptr);
  EXPECT_TRUE(fresh->Text1->text().isEmpty());
  EXPECT_EQ(platform.beeps, 1);
}

TEST_F(VkTest, BothWindowsAtOnceKeepTheirOwnModes) {
  zb::ui::frmVk& pruningWindow = *OpenPruning();
  Enter(pruningWindow, "1E39", "65,3", "50,2");
  test::PressKey(Qt::Key_V, Qt::ControlModifier);  // the frame's menu, not a paste
  ASSERT_TRUE(module->IsShown(zb::ui::frmVk::kWindowClass));
  zb::ui::frmVk& vfWindow = module->Windows().Default<zb::ui::frmVk>();
  EXPECT_EQ(pruningWindow.Text3->text(), "50,2");
  Compute(pruningWindow);  // the length reads as missing
  EXPECT_EQ(QApplication::focusWidget(), pruningWindow.Text1);
  TypeInto(pruningWindow.Text1, "3,2");
  Compute(pruningWindow);  // measured more than 30 % above the wanted frequency
  EXPECT_EQ(QApplication::focusWidget(), pruningWindow.Text3);
  Compute(vfWindow);
  EXPECT_EQ(vfWindow.Tag(), "Aktiv");
  EXPECT_EQ(pruningWindow.Tag(), "");
}


// "VF gesamt" above 1 (a wrongly measured length) is shown, in red.
TEST_F(VkTest, AVelocityFactorAboveOneIsDrawnRed) {
  zb::ui::frmVk& w = *OpenPruning();
  Enter(w, "5", "60", "50");
  Compute(w);
  EXPECT_EQ(w.Label5->text(), "1,783");
  EXPECT_TRUE(Red(w.Label5));
  EXPECT_TRUE(Normal(w.Label7));

  Enter(w, "3,20", "49,8", "50,2");
  Compute(w);
  EXPECT_TRUE(Normal(w.Label5));
}

}  // namespace
}  // namespace zb

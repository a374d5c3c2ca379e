// The pruning window: one at a time, empty boxes, the changes of all three
// elements from one measurement.

#include "tests/ui/vk/VfTestSupport.h"
#include "ui/app/VfPruningWindow.h"
#include "ui/common/Twips.h"

namespace zb {
namespace {

using test::VfTest;

TEST_F(VfTest, PruningOpensEmptyAndComputesTheWorkedExample) {
  zb::ui::frmVk& w = *OpenPruning();
  EXPECT_EQ(w.windowTitle(), " Antennen-Pruning/Optimieren ");
  for (QLineEdit* box : {w.frequencyOrLengthEdit_, w.heightOrResonanceEdit_, w.diameterOrWantedEdit_})
    EXPECT_TRUE(box->text().isEmpty());
  EXPECT_EQ(w.Status(), zb::VfWindowStatus::Empty);
  EXPECT_FALSE(w.menuBar_->isVisible());
  for (QLabel* row :
       {w.reflectorChangeCaption_, w.reflectorChangeValue_, w.directorChangeCaption_, w.directorChangeValue_})
    EXPECT_TRUE(row->isVisible());
  EXPECT_EQ(w.parentWidget()->height(), zb::ui::TwipsToPixels(5420, &w));
  EXPECT_EQ(w.calculateButton_->y(), zb::ui::TwipsToPixels(5420 - 1050, &w));

  Enter(w, "3,20", "49,8", "50,2");
  Compute(w);
  EXPECT_EQ(w.heightShareOrVfValue_->text(), "0,947");
  EXPECT_TRUE(Normal(w.heightShareOrVfValue_));
  EXPECT_EQ(w.slendernessOrLengthValue_->text(), "3,175");
  EXPECT_EQ(w.estimateOrRadiatorValue_->text(), "- 25,5");
  EXPECT_EQ(w.reflectorChangeValue_->text(), "- 25,9");
  EXPECT_EQ(w.directorChangeValue_->text(), "- 24,7");
  EXPECT_EQ(w.Status(), zb::VfWindowStatus::Pruned);
  QTest::mouseDClick(w.estimateOrRadiatorValue_, Qt::LeftButton);  // a length change is no velocity factor
  EXPECT_EQ(form->velocityFactorEdit_->text(), "1,00");
}

// A resonance handed over from a sweep replaces the advice on show at once:
// the same as "Rechnen" would give, or nothing while a box is missing.
TEST_F(VfTest, AHandedOverResonanceNeverLeavesTheOldAdvice) {
  zb::ui::frmVk& w = *OpenPruning();
  Enter(w, "10,8", "14,05", "14,2");
  Compute(w);
  const auto shown = [&w] {
    QStringList texts;
    for (QLabel* value : {w.heightShareOrVfValue_, w.slendernessOrLengthValue_, w.estimateOrRadiatorValue_,
                          w.reflectorChangeValue_, w.directorChangeValue_})
      texts << value->text();
    return texts;
  };
  const QStringList before = shown();
  static_cast<zb::ui::VfPruningWindow&>(w).SetMeasuredResonance(QStringLiteral("13,9"));
  EXPECT_EQ(w.heightOrResonanceEdit_->text(), "13,9");
  const QStringList handedOver = shown();
  EXPECT_NE(handedOver, before);
  Compute(w);
  EXPECT_EQ(shown(), handedOver);
  EXPECT_EQ(w.Status(), zb::VfWindowStatus::Pruned);

  const int beeps = platform.beeps;
  TypeInto(w.frequencyOrLengthEdit_, "");
  test::PressKey(Qt::Key_Delete);
  ASSERT_EQ(w.frequencyOrLengthEdit_->text(), "");
  static_cast<zb::ui::VfPruningWindow&>(w).SetMeasuredResonance(QStringLiteral("14,0"));
  EXPECT_EQ(shown(), QStringList(5, QString()));
  EXPECT_EQ(w.Status(), zb::VfWindowStatus::Empty);
  EXPECT_EQ(platform.beeps, beeps);  // no input of the user's was refused
}

// A length or frequency of 0 or below counts as missing:
// beep, focus on that box, no advice.
TEST_F(VfTest, PruningRefusesNegativeLengthsAndFrequencies) {
  zb::ui::frmVk& w = *OpenPruning();
  struct Case {
    const char* t1;
    const char* t2;
    const char* t3;
    QLineEdit* zb::ui::frmVk::*focus;
  };
  int beeps = platform.beeps;
  for (const Case& c : {Case{"-10,8", "14,05", "14,2", &zb::ui::frmVk::frequencyOrLengthEdit_},
                        Case{"10,8", "-14,05", "-14,2", &zb::ui::frmVk::heightOrResonanceEdit_},
                        Case{"10,8", "14,05", "-14,2", &zb::ui::frmVk::diameterOrWantedEdit_},
                        Case{"10,8", "0", "14,2", &zb::ui::frmVk::heightOrResonanceEdit_}}) {
    SCOPED_TRACE(std::string(c.t1) + " " + c.t2 + " " + c.t3);
    Enter(w, c.t1, c.t2, c.t3);
    Compute(w);
    EXPECT_EQ(platform.beeps, ++beeps);
    EXPECT_TRUE((w.*c.focus)->hasFocus());
    EXPECT_EQ(w.heightShareOrVfValue_->text(), "");
    EXPECT_EQ(w.estimateOrRadiatorValue_->text(), "");
    EXPECT_EQ(w.Status(), zb::VfWindowStatus::Empty);
  }
}

TEST_F(VfTest, ASecondPruningWindowOnlyBeepsUntilTheFirstIsClosed) {
  zb::ui::frmVk* first = OpenPruning();
  ASSERT_NE(first, nullptr);
  TypeInto(first->frequencyOrLengthEdit_, "3,20");
  platform.beeps = 0;
  EXPECT_EQ(OpenPruning(), first);
  EXPECT_EQ(platform.beeps, 1);
  EXPECT_EQ(frame().findChildren<zb::ui::frmVk*>().size(), 1);

  CloseWindow(first);
  EXPECT_EQ(module->State().PruningFensterAnzahl, 0);
  zb::ui::frmVk* fresh = OpenPruning();
  ASSERT_NE(fresh, nullptr);
  EXPECT_TRUE(fresh->frequencyOrLengthEdit_->text().isEmpty());
  EXPECT_EQ(platform.beeps, 1);
}

TEST_F(VfTest, BothWindowsAtOnceKeepTheirOwnModes) {
  zb::ui::frmVk& pruningWindow = *OpenPruning();
  Enter(pruningWindow, "1E39", "65,3", "50,2");
  test::PressKey(Qt::Key_V, Qt::ControlModifier);  // the frame's menu, not a paste
  ASSERT_TRUE(module->IsShown(zb::ui::frmVk::kWindowClass));
  zb::ui::frmVk& vfWindow = module->Windows().Default<zb::ui::frmVk>();
  EXPECT_EQ(pruningWindow.diameterOrWantedEdit_->text(), "50,2");
  Compute(pruningWindow);  // the length reads as missing
  EXPECT_EQ(QApplication::focusWidget(), pruningWindow.frequencyOrLengthEdit_);
  TypeInto(pruningWindow.frequencyOrLengthEdit_, "3,2");
  Compute(pruningWindow);  // measured more than 30 % above the wanted frequency
  EXPECT_EQ(QApplication::focusWidget(), pruningWindow.diameterOrWantedEdit_);
  Compute(vfWindow);
  EXPECT_EQ(vfWindow.Status(), zb::VfWindowStatus::Estimated);
  EXPECT_EQ(pruningWindow.Status(), zb::VfWindowStatus::Empty);
}

// "VF gesamt" above 1 (a wrongly measured length) is shown, in red.
TEST_F(VfTest, AVelocityFactorAboveOneIsDrawnRed) {
  zb::ui::frmVk& w = *OpenPruning();
  Enter(w, "5", "60", "50");
  Compute(w);
  EXPECT_EQ(w.heightShareOrVfValue_->text(), "1,783");
  EXPECT_TRUE(Red(w.heightShareOrVfValue_));
  EXPECT_TRUE(Normal(w.slendernessOrLengthValue_));

  Enter(w, "3,20", "49,8", "50,2");
  Compute(w);
  EXPECT_TRUE(Normal(w.heightShareOrVfValue_));
}

}  // namespace
}  // namespace zb

// The beam form's boxes and buttons, used through the keyboard and the mouse.

#include "tests/ui/beamform/FormTestSupport.h"

namespace zb {
namespace {

using test::FormTest;

TEST_F(FormTest, StartsWithTheDesignedEntries) {
  EXPECT_EQ(frame().StatusText(), "Status: Berechnung eines Zelvar-Beam");
  EXPECT_EQ(form->windowTitle(), "Berechnung eines Zelvar-Beam nach Kalvex");
  EXPECT_EQ(form->Text1->text(), "50,2");
  EXPECT_EQ(form->Combo1->currentText(), "1,00059 Luft");
  EXPECT_EQ(form->Combo1->count(), 25);
  EXPECT_EQ(form->Combo1->itemText(4), "2,2   PTFE GY");
  EXPECT_EQ(form->Text4->text(), "1,00");
  EXPECT_TRUE(form->Text4->font().bold());
  EXPECT_EQ(form->Text6->text(), "9");
  EXPECT_EQ(form->Text7->text(), "8");
  for (QWidget* w : {static_cast<QWidget*>(form->Text6), static_cast<QWidget*>(form->Text7),
                     static_cast<QWidget*>(form->Label9), static_cast<QWidget*>(form->Label10),
                     static_cast<QWidget*>(form->Label11)})
    EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
  EXPECT_FALSE(form->Command2->isEnabled());
  EXPECT_TRUE(form->Option2[10]->isChecked());
  EXPECT_TRUE(form->Option1[1]->isChecked());
  EXPECT_EQ(form->Option2[0]->text(), "1,8");
  EXPECT_EQ(form->Option2[2]->text(), "7");
  EXPECT_EQ(form->Option2[10]->text(), "andere");
  EXPECT_EQ(form->VkSteller->value(), 0);
  EXPECT_EQ(form->Info->text(), "Hinweis: ");
  EXPECT_EQ(form->Text1->maxLength(), 7);
  EXPECT_EQ(form->Text6->maxLength(), 5);
  EXPECT_EQ(form->findChild<QRadioButton*>("Option2(9)"), form->Option2[9]);
  EXPECT_EQ(form->Text4->toolTip(), " aus Schlankheitsgrad u. Antennenhöhe ");
  EXPECT_EQ(form->Command1->toolTip(), " Berechnung durchführen  ");
}

TEST_F(FormTest, BandAndSegmentButtonsFillTheFrequency) {
  Click(form->Option2[0]);
  EXPECT_EQ(form->Text1->text(), "1,86");  // SSB is selected
  Click(form->Option1[0]);
  EXPECT_EQ(form->Text1->text(), "1,82");
  Click(form->Option1[2]);
  EXPECT_EQ(form->Text1->text(), "1,857");
  Click(form->Option2[7]);
  EXPECT_EQ(form->Text1->text(), "24,0");
  TypeInto(form->Text1, "24,9");
  Click(form->Option1[0]);
  EXPECT_EQ(form->Text1->text(), "24,89");
  Click(form->Option2[10]);  // "andere" leaves the frequency
  EXPECT_EQ(form->Text1->text(), "24,89");
}

TEST_F(FormTest, TypedLettersAreRefusedWithABeep) {
  TypeInto(form->Text1, "1a4-,2");
  EXPECT_EQ(form->Text1->text(), "14,2");
  EXPECT_EQ(platform.beeps, 2);
  TypeInto(form->Text4, "x");
  EXPECT_EQ(form->Text4->text(), "1,00");  // nothing replaced the selection
  EXPECT_EQ(platform.beeps, 3);
  form->Combo1->lineEdit()->setFocus(Qt::MouseFocusReason);
  form->Combo1->lineEdit()->selectAll();
  QTest::keyClicks(form->Combo1->lineEdit(), "P3");
  EXPECT_EQ(form->Combo1->currentText(), "3");
  // Leaving the velocity-factor box with 1 beeped once too.
  EXPECT_EQ(platform.beeps, 5);
}

TEST_F(FormTest, LeavingTheVelocityFactorBox) {
  TypeInto(form->Text4, "0,946");
  LeaveWithTab(form->Text4);
  EXPECT_EQ(form->VkSteller->value(), 54);
  EXPECT_EQ(form->Text4->text(), "0,946");
  EXPECT_EQ(platform.beeps, 0);

  form->Combo1->setCurrentIndex(4);  // PTFE GY, then an ideal wire
  TypeInto(form->Text4, "1");
  Focus(form->Text1);  // leave the box without landing on the spinner
  EXPECT_EQ(form->Combo1->currentText(), "1,0");
  EXPECT_FALSE(form->Text6->isEnabled());
  EXPECT_EQ(form->VkSteller->value(), 54);
  EXPECT_EQ(platform.beeps, 1);

  for (const char* text : {"1,2", "0", ""}) {
    TypeInto(form->Text4, text);
    if (QString(text).isEmpty()) QTest::keyClick(form->Text4, Qt::Key_Delete);
    LeaveWithTab(form->Text4);
    EXPECT_EQ(form->Text4->text(), "0,946") << text;
    EXPECT_EQ(form->InfoCaption(), " Bitte einen Verkürzungsfaktor von 0 - 1,0 !(typisch 0,946) eintragen");
  }
  EXPECT_EQ(platform.beeps, 4);
}

TEST_F(FormTest, TheSpinnerStepsFromTheTypedValue) {
  TypeInto(form->Text4, "0,946");
  LeaveWithTab(form->Text4);
  form->VkSteller->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(form->Text4->text(), "0,945");
  form->VkSteller->triggerAction(QAbstractSlider::SliderSingleStepSub);
  form->VkSteller->triggerAction(QAbstractSlider::SliderSingleStepSub);
  EXPECT_EQ(form->Text4->text(), "0,947");

  // Typed 0,9, then the spinner's lower arrow clicked with the mouse.
  TypeInto(form->Text4, "0,9");
  const QRect r = form->VkSteller->rect();
  QTest::mouseClick(form->VkSteller, Qt::LeftButton, {}, QPoint(r.center().x(), r.bottom() - 2));
  EXPECT_TRUE(form->VkSteller->hasFocus());
  EXPECT_EQ(form->Text4->text(), "0,899");

  // Typed again while the spinner keeps the focus's old value: re-based.
  form->Text4->setText("0,8");
  form->VkSteller->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(form->Text4->text(), "0,799");
}

TEST_F(FormTest, LowVelocityFactorsAreRed) {
  TypeInto(form->Text4, "0,79");
  EXPECT_EQ(TextColor(form->Text4), QColor(255, 0, 0));
  TypeInto(form->Text4, "0,8");
  EXPECT_EQ(TextColor(form->Text4), QColor(0, 0, 0));
}

TEST_F(FormTest, TheInsulationGroupEnablesItsDiameters) {
  Focus(form->Combo1);
  for (int i = 0; i < 4; ++i) QTest::keyClick(form->Combo1, Qt::Key_Down);  // to PTFE GY
  EXPECT_EQ(form->Combo1->currentText(), "2,2   PTFE GY");
  EXPECT_TRUE(form->Text7->isEnabled());
  EXPECT_TRUE(form->Label9->isEnabled());
  QTest::keyClick(form->Combo1, Qt::Key_Up);
  QTest::keyClick(form->Combo1, Qt::Key_Up);  // Luft
  EXPECT_FALSE(form->Text7->isEnabled());

  form->Combo1->lineEdit()->selectAll();
  QTest::keyClicks(form->Combo1->lineEdit(), "1,00059");
  EXPECT_FALSE(form->Text6->isEnabled());
  QTest::keyClick(form->Combo1->lineEdit(), Qt::Key_Backspace);
  QTest::keyClicks(form->Combo1->lineEdit(), "6");
  EXPECT_EQ(form->Combo1->currentText(), "1,00056");
  EXPECT_FALSE(form->Text6->isEnabled());
  form->Combo1->lineEdit()->selectAll();
  QTest::keyClicks(form->Combo1->lineEdit(), "1,0006");
  EXPECT_TRUE(form->Text6->isEnabled());

  TypeInto(form->Text6, "2");
  TypeInto(form->Text7, "2");
  EXPECT_EQ(form->Text6->text(), "2,5");
  TypeInto(form->Text6, "2,1");
  TypeInto(form->Text7, "2");
  EXPECT_EQ(form->Text6->text(), "2,1");
}

TEST_F(FormTest, EnterRunsTheCalculation) {
  TypeInto(form->Text1, "14,2");
  QTest::keyClick(form->Text1, Qt::Key_Return);
  EXPECT_TRUE(form->Command2->isEnabled());
  EXPECT_EQ(form->Text1->text(), "14,2");
  EXPECT_TRUE(form->Option2[4]->isChecked());
  EXPECT_TRUE(QFile::exists(workDir.filePath("Zelvar-Beam.txt")));
  EXPECT_EQ(frame().StatusText(), "Status: Bereit zum Anzeigen der Berechnungsergebnisse");
  EXPECT_TRUE(form->Info->text().startsWith("Berechnet für die Resonanzfrequenz = 14,2 MHz"));
  EXPECT_FALSE(form->Info->text().contains('\r'));
  EXPECT_FALSE(platform.hourglass);
}

TEST_F(FormTest, TabbingAwayFromAnzeigenDisablesIt) {
  QTest::mouseClick(form->Command1, Qt::LeftButton);
  ASSERT_TRUE(form->Command2->isEnabled());
  Focus(form->Command2);
  LeaveWithTab(form->Command2);
  EXPECT_FALSE(form->Command2->isEnabled());
  EXPECT_EQ(frame().StatusText(), "Status: Berechnung eines Zelvar-Beam");
}

TEST_F(FormTest, ClosingOnlyHidesTheForm) {
  TypeInto(form->Text1, "7,05");
  form->Combo1->setCurrentIndex(14);
  ASSERT_TRUE(form->parentWidget()->close() == false);
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(frame().StatusText(), "Status: Bereit für Antennen-Berechnungen");
  EXPECT_EQ(&module->Windows().Default<zb::ui::frmHauptform>(), form);
  frame().mnuBerStromsAnt_Click();
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(form->Text1->text(), "7,05");
  EXPECT_EQ(form->Combo1->currentText(), "4,0   PVC");
}

TEST_F(FormTest, TheDataMenuOffersTheInputPrintoutOnlyWhileTheFormShows) {
  frame().mnuDat_Click();
  EXPECT_TRUE(frame().mnuDatDruck->isEnabled());
  form->parentWidget()->close();
  frame().mnuDat_Click();
  EXPECT_FALSE(frame().mnuDatDruck->isEnabled());
}

}  // namespace
}  // namespace zb

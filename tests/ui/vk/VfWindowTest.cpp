// The velocity-factor window: opened from the menu, typed into, computed,
// handed over to the beam form.

#include "tests/ui/vk/VfTestSupport.h"
#include "ui/common/Twips.h"

namespace zb {
namespace {

using test::PasteText;
using test::PressKey;
using test::VfTest;

TEST_F(VfTest, OpensWithTheBeamFormsEntriesAndItsDesignedPlaces) {
  form->frequencyEdit_->setText("28,5");
  zb::ui::frmVk& w = OpenVf();
  EXPECT_EQ(w.windowTitle(), " VF berechnen ");
  EXPECT_EQ(w.frequencyOrLengthEdit_->text(), "28,5");
  EXPECT_EQ(w.heightOrResonanceEdit_->text(), "10,0");  // below 50 MHz the antenna hangs higher
  EXPECT_EQ(w.diameterOrWantedEdit_->text(), form->conductorDiameterEdit_->text());
  EXPECT_EQ(w.Status(), zb::VfWindowStatus::Loaded);
  EXPECT_EQ(w.parentWidget()->height(), zb::ui::TwipsToPixels(4875, &w));
  EXPECT_EQ(w.calculateButton_->y(), zb::ui::TwipsToPixels(3420, &w));
  EXPECT_TRUE(w.menuBar_->isVisible());
  EXPECT_TRUE(w.takeOverVfAction_->isChecked());
  EXPECT_FALSE(w.groundCorrectionAction_->isChecked());
  for (QLabel* hidden : {w.reflectorChangeCaption_, w.reflectorChangeValue_, w.directorChangeCaption_,
                         w.directorChangeValue_, w.printTitleLabel_})
    EXPECT_FALSE(hidden->isVisible());
  EXPECT_EQ(w.printTitleLabel_->font().family(), "Tahoma");
  EXPECT_EQ(w.estimateOrRadiatorValue_->palette().color(w.estimateOrRadiatorValue_->backgroundRole()),
            w.palette().color(QPalette::Base));
  // The access key of a caption leads to its box, and Tab goes on to the button.
  EXPECT_EQ(w.heightOrResonanceLabel_->buddy(), w.heightOrResonanceEdit_);
  TypeInto(w.diameterOrWantedEdit_, "2");
  PressKey(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), w.calculateButton_);
}

TEST_F(VfTest, TheWorkedExampleTypedInAndHandedOver) {
  zb::ui::frmVk& w = OpenVf();
  Enter(w, "50,2", "3", "2");
  Compute(w);
  EXPECT_EQ(w.slendernessOrLengthValue_->text(), "3,4");
  EXPECT_EQ(w.heightShareOrVfValue_->text(), "2,8");
  EXPECT_EQ(w.estimateOrRadiatorValue_->text(), "0,958");
  EXPECT_TRUE(Normal(w.slendernessOrLengthValue_));
  EXPECT_TRUE(Normal(w.heightShareOrVfValue_));
  EXPECT_TRUE(Normal(w.diameterOrWantedEdit_));
  EXPECT_EQ(w.Status(), zb::VfWindowStatus::Estimated);
  EXPECT_EQ(form->velocityFactorEdit_->text(), "0,9576");
  EXPECT_EQ(w.printTitleLabel_->y(),
            w.calculateButton_->y());  // the printout's title stands where the button was

  w.groundCorrectionAction_->trigger();
  Compute(w);
  EXPECT_EQ(w.heightShareOrVfValue_->text(), "2,7");
}

TEST_F(VfTest, WithoutHandoverOnlyTheDiameterReachesTheBeamForm) {
  zb::ui::frmVk& w = OpenVf();
  QTest::mouseDClick(w.estimateOrRadiatorValue_, Qt::LeftButton);  // before any estimate: 0
  EXPECT_EQ(form->velocityFactorEdit_->text(), "0,00");

  w.takeOverVfAction_->trigger();  // off
  Enter(w, "14,1", "10", "25");
  Compute(w);
  EXPECT_EQ(form->velocityFactorEdit_->text(), "0,00");
  EXPECT_EQ(form->frequencyEdit_->text(), "50,2");
  EXPECT_EQ(form->conductorDiameterEdit_->text(), "25");

  w.takeOverVfAction_->trigger();  // on again: hands over at once
  EXPECT_EQ(form->frequencyEdit_->text(), "14,1");
  EXPECT_EQ(form->velocityFactorEdit_->text(), "0,9348");
}

TEST_F(VfTest, LimitedAndImplausibleEntriesBeepAndShowRed) {
  zb::ui::frmVk& w = OpenVf();
  Enter(w, "50,2", "0,005", "25");
  platform.beeps = 0;
  Compute(w);
  EXPECT_EQ(w.heightOrResonanceEdit_->text(), "0,01");
  EXPECT_EQ(QApplication::focusWidget(), w.heightOrResonanceEdit_);
  EXPECT_EQ(w.Status(), zb::VfWindowStatus::Loaded);
  EXPECT_EQ(platform.beeps, 1);

  Compute(w);  // now with 0,01 m: twice the height is 20 mm
  EXPECT_EQ(w.diameterOrWantedEdit_->text(), "20,0");
  EXPECT_TRUE(Red(w.diameterOrWantedEdit_));
  EXPECT_TRUE(Red(w.heightShareOrVfValue_));
  EXPECT_EQ(platform.beeps, 2);
}

// These boxes take every text; a number beyond the 4-byte range reads as
// nothing, as an unreadable entry does, and the program goes on.
TEST_F(VfTest, ANumberBeyondRangePastedDoesNotEndTheProgram) {
  zb::ui::frmVk& w = OpenVf();
  for (QLineEdit* box : {w.diameterOrWantedEdit_, w.heightOrResonanceEdit_, w.frequencyOrLengthEdit_}) {
    box->setFocus(Qt::MouseFocusReason);
    box->selectAll();
    PasteText("1E39");
    EXPECT_EQ(box->text(), "1E39");
    Compute(w);
  }
  EXPECT_EQ(QApplication::focusWidget(), w.frequencyOrLengthEdit_);  // no frequency
  EXPECT_EQ(w.heightOrResonanceEdit_->text(), "0,01");               // no height
  EXPECT_TRUE(platform.messages.empty());
}

// The command line says "Label5Colour": "red" for these entries (a height of
// 2,0 % of the wavelength, below 2); the window draws the same row in red.
TEST_F(VfTest, AHeightShareBelowTwoPercentIsDrawnRed) {
  zb::ui::frmVk& w = OpenVf();
  Enter(w, "50,2", "0,5", "60");
  Compute(w);
  EXPECT_EQ(w.heightShareOrVfValue_->text(), "2,0");
  EXPECT_TRUE(Red(w.heightShareOrVfValue_));
  EXPECT_EQ(w.slendernessOrLengthValue_->text(), "5,9");
  EXPECT_TRUE(Normal(w.slendernessOrLengthValue_));
  EXPECT_TRUE(Normal(w.diameterOrWantedEdit_));

  Enter(w, "50,2", "3", "2");  // back in range: the value is drawn normal again
  Compute(w);
  EXPECT_TRUE(Normal(w.heightShareOrVfValue_));
}

// A dark desktop theme (Adwaita:dark under Qt's GTK platform theme): "black"
// is the palette's normal text colour, so every value stays readable; red
// stays red.
class DarkThemeVfTest : public VfTest {
 protected:
  void SetUp() override {
    lightPalette = QApplication::palette();
    QApplication::setPalette(test::DarkThemePalette());
    VfTest::SetUp();
  }
  void TearDown() override {
    VfTest::TearDown();
    QApplication::setPalette(lightPalette);
  }
  QPalette lightPalette;
};

TEST_F(DarkThemeVfTest, NormalValuesAreDrawnInTheThemesTextColour) {
  zb::ui::frmVk& w = OpenVf();
  Enter(w, "50,2", "3", "2");
  Compute(w);
  for (QWidget* value :
       {static_cast<QWidget*>(w.frequencyOrLengthEdit_), static_cast<QWidget*>(w.heightOrResonanceEdit_),
        static_cast<QWidget*>(w.diameterOrWantedEdit_), static_cast<QWidget*>(w.slendernessOrLengthValue_),
        static_cast<QWidget*>(w.heightShareOrVfValue_), static_cast<QWidget*>(w.estimateOrRadiatorValue_)}) {
    SCOPED_TRACE(value->objectName().toStdString());
    EXPECT_TRUE(Normal(value)) << "luminance spread " << test::ReadDrawnText(value).spread;
  }

  Enter(w, "50,2", "0,5", "60");
  Compute(w);
  EXPECT_TRUE(Red(w.heightShareOrVfValue_));
  EXPECT_TRUE(Normal(w.diameterOrWantedEdit_));
}

TEST_F(DarkThemeVfTest, APrunedVelocityFactorAboveOneIsDrawnRed) {
  zb::ui::frmVk& w = *OpenPruning();
  Enter(w, "5", "60", "50");
  Compute(w);
  EXPECT_EQ(w.heightShareOrVfValue_->text(), "1,783");
  EXPECT_TRUE(Red(w.heightShareOrVfValue_));
  EXPECT_TRUE(Normal(w.slendernessOrLengthValue_));
}

}  // namespace
}  // namespace zb

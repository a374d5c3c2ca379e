// The velocity-factor window: opened from the menu, typed into, computed,
// handed over to the beam form.

#include "tests/ui/vk/VkTestSupport.h"
#include "ui/common/Twips.h"

namespace zb {
namespace {

using test::PasteText;
using test::PressKey;
using test::VkTest;

TEST_F(VkTest, OpensWithTheBeamFormsEntriesAndItsDesignedPlaces) {
  form->Text1->setText("28,5");
  zb::ui::frmVk& w = OpenVf();
  EXPECT_EQ(w.windowTitle(), " VF berechnen ");
  EXPECT_EQ(w.Text1->text(), "28,5");
  EXPECT_EQ(w.Text2->text(), "10,0");  // below 50 MHz the antenna hangs higher
  EXPECT_EQ(w.Text3->text(), form->Text7->text());
  EXPECT_EQ(w.Tag(), "-");
  EXPECT_EQ(w.parentWidget()->height(), zb::ui::TwipsToPixels(4875, &w));
  EXPECT_EQ(w.Command1->y(), zb::ui::TwipsToPixels(3420, &w));
  EXPECT_TRUE(w.menuBar->isVisible());
  EXPECT_TRUE(w.mnuVkübernehmen->isChecked());
  EXPECT_FALSE(w.mnuErdbodenKor->isChecked());
  for (QLabel* hidden : {w.Label10, w.Label11, w.Label12, w.Label13, w.Label14}) EXPECT_FALSE(hidden->isVisible());
  EXPECT_EQ(w.Label14->font().family(), "Tahoma");
  EXPECT_EQ(w.Label9->palette().color(w.Label9->backgroundRole()), w.palette().color(QPalette::Base));
  // The access key of a caption leads to its box, and Tab goes on to the button.
  EXPECT_EQ(w.Label2->buddy(), w.Text2);
  TypeInto(w.Text3, "2");
  PressKey(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), w.Command1);
}

TEST_F(VkTest, TheWorkedExampleTypedInAndHandedOver) {
  zb::ui::frmVk& w = OpenVf();
  Enter(w, "50,2", "3", "2");
  Compute(w);
  EXPECT_EQ(w.Label7->text(), "3,4");
  EXPECT_EQ(w.Label5->text(), "2,8");
  EXPECT_EQ(w.Label9->text(), "0,958");
  EXPECT_TRUE(Normal(w.Label7));
  EXPECT_TRUE(Normal(w.Label5));
  EXPECT_TRUE(Normal(w.Text3));
  EXPECT_EQ(w.Tag(), "Aktiv");
  EXPECT_EQ(form->Text4->text(), "0,9576");
  EXPECT_EQ(w.Label14->y(), w.Command1->y());  // the printout's title stands where the button was

  w.mnuErdbodenKor->trigger();
  Compute(w);
  EXPECT_EQ(w.Label5->text(), "2,7");
}

TEST_F(VkTest, WithoutHandoverOnlyTheDiameterReachesTheBeamForm) {
  zb::ui::frmVk& w = OpenVf();
  QTest::mouseDClick(w.Label9, Qt::LeftButton);  // before any estimate: 0
  EXPECT_EQ(form->Text4->text(), "0,00");

  w.mnuVkübernehmen->trigger();  // off
  Enter(w, "14,1", "10", "25");
  Compute(w);
  EXPECT_EQ(form->Text4->text(), "0,00");
  EXPECT_EQ(form->Text1->text(), "50,2");
  EXPECT_EQ(form->Text7->text(), "25");

  w.mnuVkübernehmen->trigger();  // on again: hands over at once
  EXPECT_EQ(form->Text1->text(), "14,1");
  EXPECT_EQ(form->Text4->text(), "0,9348");
}

TEST_F(VkTest, LimitedAndImplausibleEntriesBeepAndShowRed) {
  zb::ui::frmVk& w = OpenVf();
  Enter(w, "50,2", "0,005", "25");
  platform.beeps = 0;
  Compute(w);
  EXPECT_EQ(w.Text2->text(), "0,01");
  EXPECT_EQ(QApplication::focusWidget(), w.Text2);
  EXPECT_EQ(w.Tag(), "-");
  EXPECT_EQ(platform.beeps, 1);

  Compute(w);  // now with 0,01 m: twice the height is 20 mm
  EXPECT_EQ(w.Text3->text(), "20,0");
  EXPECT_TRUE(Red(w.Text3));
  EXPECT_TRUE(Red(w.Label5));
  EXPECT_EQ(platform.beeps, 2);
}

// These boxes take every text; a number beyond the 4-byte range reads as
// nothing, as an unreadable entry does, and the program goes on.
TEST_F(VkTest, ANumberBeyondRangePastedDoesNotEndTheProgram) {
  zb::ui::frmVk& w = OpenVf();
  for (QLineEdit* box : {w.Text3, w.Text2, w.Text1}) {
    box->setFocus(Qt::MouseFocusReason);
    box->selectAll();
    PasteText("1E39");
    EXPECT_EQ(box->text(), "1E39");
    Compute(w);
  }
  EXPECT_EQ(QApplication::focusWidget(), w.Text1);  // no frequency
  EXPECT_EQ(w.Text2->text(), "0,01");             // no height
  EXPECT_TRUE(platform.messages.empty());
}


// The command line says "Label5Colour": "red" for these entries (a height of
// 2,0 % of the wavelength, below 2); the window draws the same row in red.
TEST_F(VkTest, AHeightShareBelowTwoPercentIsDrawnRed) {
  zb::ui::frmVk& w = OpenVf();
  Enter(w, "50,2", "0,5", "60");
  Compute(w);
  EXPECT_EQ(w.Label5->text(), "2,0");
  EXPECT_TRUE(Red(w.Label5));
  EXPECT_EQ(w.Label7->text(), "5,9");
  EXPECT_TRUE(Normal(w.Label7));
  EXPECT_TRUE(Normal(w.Text3));

  Enter(w, "50,2", "3", "2");  // back in range: the value is drawn normal again
  Compute(w);
  EXPECT_TRUE(Normal(w.Label5));
}

// A dark desktop theme (Adwaita:dark under Qt's GTK platform theme): "black"
// is the palette's normal text colour, so every value stays readable; red
// stays red.
class DarkThemeVkTest : public VkTest {
 protected:
  void SetUp() override {
    lightPalette = QApplication::palette();
    QApplication::setPalette(test::DarkThemePalette());
    VkTest::SetUp();
  }
  void TearDown() override {
    VkTest::TearDown();
    QApplication::setPalette(lightPalette);
  }
  QPalette lightPalette;
};

TEST_F(DarkThemeVkTest, NormalValuesAreDrawnInTheThemesTextColour) {
  zb::ui::frmVk& w = OpenVf();
  Enter(w, "50,2", "3", "2");
  Compute(w);
  for (QWidget* value : {static_cast<QWidget*>(w.Text1), static_cast<QWidget*>(w.Text2),
                         static_cast<QWidget*>(w.Text3), static_cast<QWidget*>(w.Label7),
                         static_cast<QWidget*>(w.Label5), static_cast<QWidget*>(w.Label9)}) {
    SCOPED_TRACE(value->objectName().toStdString());
    EXPECT_TRUE(Normal(value)) << "luminance spread " << test::ReadDrawnText(value).spread;
  }

  Enter(w, "50,2", "0,5", "60");
  Compute(w);
  EXPECT_TRUE(Red(w.Label5));
  EXPECT_TRUE(Normal(w.Text3));
}

TEST_F(DarkThemeVkTest, APrunedVelocityFactorAboveOneIsDrawnRed) {
  zb::ui::frmVk& w = *OpenPruning();
  Enter(w, "5", "60", "50");
  Compute(w);
  EXPECT_EQ(w.Label5->text(), "1,783");
  EXPECT_TRUE(Red(w.Label5));
  EXPECT_TRUE(Normal(w.Label7));
}

}  // namespace
}  // namespace zb

// The beam form's boxes and buttons, used through the keyboard and the mouse.

#include <QAccessible>
#include <QAction>
#include <QGroupBox>
#include <QKeyEvent>

#include "tests/support/DrawnText.h"
#include "tests/ui/beamform/FormTestSupport.h"

namespace zb {
namespace {

using test::FormTest;

TEST_F(FormTest, StartsWithTheDesignedEntries) {
  EXPECT_EQ(frame().StatusText(), "Status: Berechnung eines Zelvar-Beam");
  EXPECT_EQ(form->windowTitle(), "Berechnung eines Zelvar-Beam nach Kalvex");
  EXPECT_EQ(form->frequencyEdit_->text(), "50,2");
  EXPECT_EQ(form->insulationCombo_->currentText(), "1,00059 Luft");
  EXPECT_EQ(form->insulationCombo_->count(), 25);
  EXPECT_EQ(form->insulationCombo_->itemText(4), "2,2   PTFE GY");
  EXPECT_EQ(form->velocityFactorEdit_->text(), "1,00");
  EXPECT_TRUE(form->velocityFactorEdit_->font().bold());
  EXPECT_EQ(form->outerDiameterEdit_->text(), "9");
  EXPECT_EQ(form->conductorDiameterEdit_->text(), "8");
  for (QWidget* w :
       {static_cast<QWidget*>(form->outerDiameterEdit_), static_cast<QWidget*>(form->conductorDiameterEdit_),
        static_cast<QWidget*>(form->diameterLabel_), static_cast<QWidget*>(form->outerDiameterLabel_),
        static_cast<QWidget*>(form->conductorDiameterLabel_)})
    EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
  EXPECT_FALSE(form->showButton_->isEnabled());
  EXPECT_TRUE(form->bandButtons_[10]->isChecked());
  EXPECT_TRUE(form->segmentButtons_[1]->isChecked());
  EXPECT_EQ(form->bandButtons_[0]->text(), "1,8");
  EXPECT_EQ(form->bandButtons_[2]->text(), "7");
  EXPECT_EQ(form->bandButtons_[10]->text(), "andere");
  EXPECT_EQ(form->velocityFactorSpinner_->value(), 0);
  EXPECT_EQ(form->noteLabel_->text(), "Hinweis: ");
  EXPECT_EQ(form->findChild<QRadioButton*>("Option2(9)"), form->bandButtons_[9]);
  EXPECT_EQ(form->velocityFactorEdit_->toolTip(), " aus Schlankheitsgrad u. Antennenhöhe ");
  EXPECT_EQ(form->calculateButton_->toolTip(), " Berechnung durchführen  ");
}

TEST_F(FormTest, BandAndSegmentButtonsFillTheFrequency) {
  Click(form->bandButtons_[0]);
  EXPECT_EQ(form->frequencyEdit_->text(), "1,86");  // SSB is selected
  Click(form->segmentButtons_[0]);
  EXPECT_EQ(form->frequencyEdit_->text(), "1,82");
  Click(form->segmentButtons_[2]);
  EXPECT_EQ(form->frequencyEdit_->text(), "1,857");
  Click(form->bandButtons_[7]);
  EXPECT_EQ(form->frequencyEdit_->text(), "24,0");
  TypeInto(form->frequencyEdit_, "24,9");
  Click(form->segmentButtons_[0]);
  EXPECT_EQ(form->frequencyEdit_->text(), "24,89");
  Click(form->bandButtons_[10]);  // "andere" leaves the frequency
  EXPECT_EQ(form->frequencyEdit_->text(), "24,89");
}

TEST_F(FormTest, TypedLettersAreRefusedWithABeep) {
  TypeInto(form->frequencyEdit_, "1a4-,2");
  EXPECT_EQ(form->frequencyEdit_->text(), "14,2");
  EXPECT_EQ(platform.beeps, 2);
  TypeInto(form->velocityFactorEdit_, "x");
  EXPECT_EQ(form->velocityFactorEdit_->text(), "1,00");  // nothing replaced the selection
  EXPECT_EQ(platform.beeps, 3);
  TypeIntoCombo("P3");
  EXPECT_EQ(form->insulationCombo_->currentText(), "3");
  EXPECT_TRUE(form->outerDiameterEdit_->isEnabled());
  // Leaving the velocity-factor box with 1 beeped once too.
  EXPECT_EQ(platform.beeps, 5);
}

TEST_F(FormTest, LeavingTheVelocityFactorBox) {
  TypeInto(form->velocityFactorEdit_, "0,946");
  LeaveWithTab(form->velocityFactorEdit_);
  EXPECT_EQ(form->velocityFactorSpinner_->value(), 54);
  EXPECT_EQ(form->velocityFactorEdit_->text(), "0,946");
  EXPECT_EQ(platform.beeps, 0);

  form->insulationCombo_->setCurrentIndex(4);  // PTFE GY, then an ideal wire
  TypeInto(form->velocityFactorEdit_, "1");
  Focus(form->frequencyEdit_);  // leave the box without landing on the spinner
  EXPECT_EQ(form->insulationCombo_->currentText(), "1,0");
  EXPECT_FALSE(form->outerDiameterEdit_->isEnabled());
  EXPECT_EQ(form->velocityFactorSpinner_->value(), 54);
  EXPECT_EQ(platform.beeps, 1);

  for (const char* text : {"1,2", "0", ""}) {
    TypeInto(form->velocityFactorEdit_, text);
    if (QString(text).isEmpty()) test::PressKey(Qt::Key_Delete);
    LeaveWithTab(form->velocityFactorEdit_);
    EXPECT_EQ(form->velocityFactorEdit_->text(), "0,946") << text;
    EXPECT_EQ(form->InfoCaption(), " Bitte einen Verkürzungsfaktor von 0 - 1,0 !(typisch 0,946) eintragen");
  }
  EXPECT_EQ(platform.beeps, 4);
}

TEST_F(FormTest, TheSpinnerStepsFromTheTypedValue) {
  TypeInto(form->velocityFactorEdit_, "0,946");
  LeaveWithTab(form->velocityFactorEdit_);
  form->velocityFactorSpinner_->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(form->velocityFactorEdit_->text(), "0,945");
  form->velocityFactorSpinner_->triggerAction(QAbstractSlider::SliderSingleStepSub);
  form->velocityFactorSpinner_->triggerAction(QAbstractSlider::SliderSingleStepSub);
  EXPECT_EQ(form->velocityFactorEdit_->text(), "0,947");

  // Typed 0,9, then the spinner's lower arrow clicked with the mouse.
  TypeInto(form->velocityFactorEdit_, "0,9");
  const QRect r = form->velocityFactorSpinner_->rect();
  QTest::mouseClick(form->velocityFactorSpinner_, Qt::LeftButton, {}, QPoint(r.center().x(), r.bottom() - 2));
  EXPECT_TRUE(form->velocityFactorSpinner_->hasFocus());
  EXPECT_EQ(form->velocityFactorEdit_->text(), "0,899");

  // Typed again while the spinner keeps the focus's old value: re-based.
  form->velocityFactorEdit_->setText("0,8");
  form->velocityFactorSpinner_->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(form->velocityFactorEdit_->text(), "0,799");
}

// A click whose press and release arrive together (a
// touchpad tap, `xdotool click 1`) while the focus is in "Gesamt Beam": the
// spinner's GotFocus lets pending events run during the press; the release
// must still end the click, so it is one step and the spinner stops.
TEST_F(FormTest, AQuickClickOnTheSpinnerIsOneStep) {
  platform.letEventsRun = true;
  TypeInto(form->velocityFactorEdit_, "0,9");
  Focus(form->frequencyEdit_);
  const QRect r = form->velocityFactorSpinner_->rect();
  test::QuickClick(form->velocityFactorSpinner_, QPoint(r.center().x(), r.bottom() - 2));
  EXPECT_TRUE(form->velocityFactorSpinner_->hasFocus());
  EXPECT_EQ(form->velocityFactorEdit_->text(), "0,899");
  QTest::qWait(900);  // an arrow left pressed would have repeated by now
  EXPECT_EQ(form->velocityFactorEdit_->text(), "0,899");

  // And again from there: one more click, one more step.
  Focus(form->frequencyEdit_);
  test::QuickClick(form->velocityFactorSpinner_, QPoint(r.center().x(), r.bottom() - 2));
  QTest::qWait(900);
  EXPECT_EQ(form->velocityFactorEdit_->text(), "0,898");
}

// The same for a band button clicked while leaving the velocity-factor box
// raises its note (beep, pending events run): the button is clicked.
TEST_F(FormTest, AQuickClickOnABandButtonWhileTheNoteIsRaisedSelectsIt) {
  platform.letEventsRun = true;
  TypeInto(form->velocityFactorEdit_, "1,5");
  test::QuickClick(form->bandButtons_[0], QPoint(6, form->bandButtons_[0]->height() / 2));
  EXPECT_EQ(form->InfoCaption(), " Bitte einen Verkürzungsfaktor von 0 - 1,0 !(typisch 0,946) eintragen");
  EXPECT_EQ(form->velocityFactorEdit_->text(), "0,946");
  EXPECT_TRUE(form->bandButtons_[0]->isChecked());
  EXPECT_FALSE(form->bandButtons_[0]->isDown());
  EXPECT_EQ(form->frequencyEdit_->text(), "1,86");
}

TEST_F(FormTest, LowVelocityFactorsAreRed) {
  TypeInto(form->velocityFactorEdit_, "0,79");
  EXPECT_TRUE(test::DrawnRed(form->velocityFactorEdit_));
  TypeInto(form->velocityFactorEdit_, "0,8");
  EXPECT_TRUE(test::DrawnNormal(form->velocityFactorEdit_));
}

// Under a dark desktop theme the velocity factor is drawn in the theme's
// text colour once it is in range again, not in black on the dark box.
TEST_F(FormTest, UnderADarkThemeTheVelocityFactorStaysReadable) {
  const QPalette light = QApplication::palette();
  QApplication::setPalette(test::DarkThemePalette());
  TypeInto(form->velocityFactorEdit_, "0,79");
  EXPECT_TRUE(test::DrawnRed(form->velocityFactorEdit_));
  TypeInto(form->velocityFactorEdit_, "0,95");
  const bool normal = test::DrawnNormal(form->velocityFactorEdit_);
  const int spread = test::ReadDrawnText(form->velocityFactorEdit_).spread;
  QApplication::setPalette(light);
  EXPECT_TRUE(normal) << "luminance spread " << spread;
}

TEST_F(FormTest, TheInsulationGroupEnablesItsDiameters) {
  Focus(form->insulationCombo_);
  for (int i = 0; i < 4; ++i) test::PressKey(Qt::Key_Down);  // to PTFE GY
  EXPECT_EQ(form->insulationCombo_->currentText(), "2,2   PTFE GY");
  EXPECT_TRUE(form->conductorDiameterEdit_->isEnabled());
  EXPECT_TRUE(form->diameterLabel_->isEnabled());
  test::PressKey(Qt::Key_Up);
  test::PressKey(Qt::Key_Up);  // Luft
  EXPECT_FALSE(form->conductorDiameterEdit_->isEnabled());

  TypeIntoCombo("1,00059");
  EXPECT_FALSE(form->outerDiameterEdit_->isEnabled());
  test::TypeKeys("\b6");
  EXPECT_EQ(form->insulationCombo_->currentText(), "1,00056");
  EXPECT_FALSE(form->outerDiameterEdit_->isEnabled());
  TypeIntoCombo("1,0006");
  EXPECT_TRUE(form->outerDiameterEdit_->isEnabled());

  TypeInto(form->outerDiameterEdit_, "2");
  TypeInto(form->conductorDiameterEdit_, "2");
  EXPECT_EQ(form->outerDiameterEdit_->text(), "2,5");
  TypeInto(form->outerDiameterEdit_, "2,1");
  TypeInto(form->conductorDiameterEdit_, "2");
  EXPECT_EQ(form->outerDiameterEdit_->text(), "2,1");
}

TEST_F(FormTest, DeleteAndCursorKeysEditTheNumberBoxes) {
  form->insulationCombo_->setCurrentIndex(4);  // PTFE GY: the diameters can be typed
  form->OnInsulationChosen(4);
  for (QLineEdit* box : {form->frequencyEdit_, form->velocityFactorEdit_, form->outerDiameterEdit_,
                         form->conductorDiameterEdit_}) {
    TypeInto(box, "1,25");
    platform.beeps = 0;  // leaving the velocity-factor box with 12 beeps
    test::PressKey(Qt::Key_Home);
    test::PressKey(Qt::Key_Right);
    test::PressKey(Qt::Key_Delete);
    test::PressKey(Qt::Key_End);
    test::PressKey(Qt::Key_Backspace);
    EXPECT_EQ(box->text(), "12") << box->objectName().toStdString();
    EXPECT_EQ(platform.beeps, 0);
  }
}

// A number is corrected where it stands: the cursor stays after what was
// typed, deleted or pasted, and the box keeps its undo history.
TEST_F(FormTest, EditingInTheMiddleKeepsTheCursorWhereItStands) {
  form->insulationCombo_->setCurrentIndex(4);  // PTFE GY: the diameters can be typed
  form->OnInsulationChosen(4);
  for (QLineEdit* box : {form->frequencyEdit_, form->velocityFactorEdit_, form->outerDiameterEdit_,
                         form->conductorDiameterEdit_}) {
    const std::string name = box->objectName().toStdString();
    TypeInto(box, "50,2");
    test::PressKey(Qt::Key_Home);
    test::TypeKeys("1");
    EXPECT_EQ(box->text(), "150,2") << name;
    EXPECT_EQ(box->cursorPosition(), 1) << name;
    test::PressKey(Qt::Key_Right);
    test::PressKey(Qt::Key_Delete);
    EXPECT_EQ(box->text(), "15,2") << name;
    EXPECT_EQ(box->cursorPosition(), 2) << name;
    test::PressKey(Qt::Key_Backspace);
    EXPECT_EQ(box->text(), "1,2") << name;
    EXPECT_EQ(box->cursorPosition(), 1) << name;
    test::PasteText("4");
    EXPECT_EQ(box->text(), "14,2") << name;
    EXPECT_EQ(box->cursorPosition(), 2) << name;
    test::PressKey(Qt::Key_End);
    test::PressKey(Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(box->selectedText(), "2") << name;
    test::TypeKeys("7");
    EXPECT_EQ(box->text(), "14,7") << name;
    EXPECT_EQ(box->cursorPosition(), 4) << name;
    EXPECT_TRUE(box->isUndoAvailable()) << name;
  }
}

// A screen reader names every control the focus can reach after the caption
// that labels it, and finds it in the form or the group it stands in.
TEST_F(FormTest, EveryFocusableControlHasANameInTheFormsTree) {
  for (QWidget* control : form->findChildren<QWidget*>()) {
    if (control->focusPolicy() == Qt::NoFocus || !control->isVisible()) continue;
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    ASSERT_NE(accessible, nullptr);
    const std::string name = control->objectName().toStdString();
    EXPECT_FALSE(accessible->text(QAccessible::Name).trimmed().isEmpty()) << name;
    QObject* parent = accessible->parent() ? accessible->parent()->object() : nullptr;
    EXPECT_TRUE(parent == form || qobject_cast<QGroupBox*>(parent) || parent == form->insulationCombo_)
        << name;
  }
  EXPECT_EQ(QAccessible::queryAccessibleInterface(form->frequencyEdit_)->text(QAccessible::Name),
            "Gesamt Beam :");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(form->velocityFactorSpinner_)->text(QAccessible::Name),
            "Verkürzungsfaktor:");
}

TEST_F(FormTest, APastedNumberBeyondTheRangeIsReportedAndTheProgramGoesOn) {
  Focus(form->velocityFactorEdit_);
  form->velocityFactorEdit_->selectAll();
  platform.answers = {MsgResult::Ok, MsgResult::Ok};
  test::PasteText("1E39");
  EXPECT_EQ(form->velocityFactorEdit_->text(), "1E39");
  ASSERT_GE(platform.messages.size(), 1u);
  const std::string overflow = "Überlauf\r\nBitte kleinere Werte verwenden.";
  EXPECT_EQ(platform.messages[0].prompt, overflow);
  EXPECT_EQ(platform.messages[0].title, " Fehler ");
  EXPECT_EQ(platform.messages[0].icon, MsgIcon::Exclamation);
  EXPECT_EQ(platform.messages[0].buttons, MsgButtons::Ok);
  Focus(form->frequencyEdit_);  // leaving the box reads it again
  EXPECT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(form->velocityFactorEdit_->text(), "1E39");

  // The run has its own error box, with Abort, Retry and Ignore.
  platform.answers = {MsgResult::Abort};
  QTest::mouseClick(form->calculateButton_, Qt::LeftButton);
  ASSERT_EQ(platform.messages.size(), 3u);
  EXPECT_EQ(platform.messages[2].buttons, MsgButtons::AbortRetryIgnore);
  TypeInto(form->velocityFactorEdit_, "0,9");
  EXPECT_EQ(form->velocityFactorEdit_->text(), "0,9");
}

// The Enter that closes the overflow box is pressed in the
// box; its release reaches the combo box and is no KeyUp of it: one paste,
// one box.
TEST_F(FormTest, TheKeyClosingTheOverflowBoxDoesNotReachTheCombo) {
  Focus(form->insulationCombo_);
  form->insulationCombo_->lineEdit()->selectAll();
  platform.answers = {MsgResult::Ok, MsgResult::Ok};
  test::PasteText("1E39");
  ASSERT_GE(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].prompt, "Überlauf\r\nBitte kleinere Werte verwenden.");
  EXPECT_EQ(platform.messages[0].title, " Fehler ");
  const std::size_t boxes = platform.messages.size();
  for (int dismissal = 0; dismissal < 3; ++dismissal) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::sendKeyEvent(QTest::Release, focus, Qt::Key_Return, QStringLiteral("\r"), Qt::NoModifier);
    QApplication::processEvents();
  }
  EXPECT_EQ(platform.messages.size(), boxes);

  // A key typed in the combo box still runs its KeyUp.
  form->insulationCombo_->lineEdit()->selectAll();
  test::TypeKeys("4");
  EXPECT_EQ(form->insulationCombo_->currentText(), "4");
  EXPECT_TRUE(form->outerDiameterEdit_->isEnabled());
  EXPECT_EQ(platform.messages.size(), boxes);
}

TEST_F(FormTest, TheProgramsOwnTextsAreNotCutToTheTypingLimit) {
  form->insulationCombo_->setCurrentIndex(4);
  form->OnInsulationChosen(4);
  TypeInto(form->conductorDiameterEdit_, "1000");
  EXPECT_EQ(form->outerDiameterEdit_->text(), "1000,5");
  TypeInto(form->outerDiameterEdit_, "123456");
  EXPECT_EQ(form->outerDiameterEdit_->text(), "12345");
  TypeInto(form->frequencyEdit_, "123456789");
  EXPECT_EQ(form->frequencyEdit_->text(), "1234567");
}

TEST_F(FormTest, TheFramesMenuShortcutsWinOverTheBoxes) {
  TypeInto(form->velocityFactorEdit_, "0,9");  // leaving it then beeps nothing
  for (QWidget* box :
       {static_cast<QWidget*>(form->velocityFactorEdit_), static_cast<QWidget*>(form->insulationCombo_)}) {
    Focus(box);
    test::PressKey(Qt::Key_C, Qt::ControlModifier);  // no shortcut of the frame: refused
  }
  EXPECT_EQ(platform.beeps, 2);
  Focus(form->velocityFactorEdit_);
  test::PressKey(Qt::Key_X, Qt::ControlModifier);  // "&Beenden"
  EXPECT_FALSE(frame().isVisible());
  EXPECT_EQ(platform.beeps, 2);
}

// Under a desktop theme whose button-press keys include Enter (Qt's GNOME
// and GTK platform themes, QT_QPA_PLATFORMTHEME=gtk3), Qt 6.4's group box
// takes an Enter that reaches it and ends its way there; this filter does the
// same to every group of the form.
class GroupsTakingEnter : public QObject {
 public:
  explicit GroupsTakingEnter(QWidget* form) {
    for (QGroupBox* group : form->findChildren<QGroupBox*>()) group->installEventFilter(this);
  }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    event->accept();
    return true;
  }
};

TEST_F(FormTest, EnterInEachBoxRunsTheCalculationAlsoWhereGroupsTakeEnter) {
  GroupsTakingEnter groups(form);
  Click(form->bandButtons_[3]);  // 10 MHz
  const QString report = workDir.filePath("Zelvar-Beam.txt");
  for (QWidget* box :
       {static_cast<QWidget*>(form->frequencyEdit_), static_cast<QWidget*>(form->velocityFactorEdit_),
        static_cast<QWidget*>(form->insulationCombo_), static_cast<QWidget*>(form->bandButtons_[3]),
        static_cast<QWidget*>(form->segmentButtons_[0])}) {
    SCOPED_TRACE(box->objectName().toStdString());
    QFile::remove(report);
    Focus(box);
    test::PressKey(Qt::Key_Return);
    EXPECT_TRUE(QFile::exists(report));
  }
}

TEST_F(FormTest, EnterRunsTheCalculation) {
  TypeInto(form->frequencyEdit_, "14,2");
  test::PressKey(Qt::Key_Return);
  EXPECT_TRUE(form->showButton_->isEnabled());
  EXPECT_EQ(form->frequencyEdit_->text(), "14,2");
  EXPECT_TRUE(form->bandButtons_[4]->isChecked());
  EXPECT_TRUE(QFile::exists(workDir.filePath("Zelvar-Beam.txt")));
  EXPECT_EQ(frame().StatusText(), "Status: Bereit zum Anzeigen der Berechnungsergebnisse");
  EXPECT_TRUE(form->noteLabel_->text().startsWith("Berechnet für die Resonanzfrequenz = 14,2 MHz"));
  EXPECT_FALSE(form->noteLabel_->text().contains('\r'));
  EXPECT_FALSE(platform.hourglass);
}

TEST_F(FormTest, TabbingAwayFromAnzeigenDisablesIt) {
  QTest::mouseClick(form->calculateButton_, Qt::LeftButton);
  ASSERT_TRUE(form->showButton_->isEnabled());
  Focus(form->showButton_);
  LeaveWithTab(form->showButton_);
  EXPECT_FALSE(form->showButton_->isEnabled());
  EXPECT_EQ(frame().StatusText(), "Status: Berechnung eines Zelvar-Beam");
}

TEST_F(FormTest, ClosingOnlyHidesTheForm) {
  TypeInto(form->frequencyEdit_, "7,05");
  form->insulationCombo_->setCurrentIndex(14);
  ASSERT_TRUE(form->parentWidget()->close() == false);
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(frame().StatusText(), "Status: Bereit für Antennen-Berechnungen");
  EXPECT_EQ(&module->Windows().Default<zb::ui::frmHauptform>(), form);
  frame().OnBeamClicked();
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(form->frequencyEdit_->text(), "7,05");
  EXPECT_EQ(form->insulationCombo_->currentText(), "4,0   PVC");
}

// Closed with its close box and reopened at once (Ctrl+A),
// the form hears of its activation: the status and the spinner follow.
TEST_F(FormTest, ReopeningRightAfterClosingActivatesTheForm) {
  TypeInto(form->velocityFactorEdit_, "0,9");
  ASSERT_TRUE(form->parentWidget()->close() == false);
  ASSERT_EQ(frame().StatusText(), "Status: Bereit für Antennen-Berechnungen");
  form->velocityFactorEdit_->setText("0,95");
  frame().findChild<QAction*>("mnuBerStromsAnt")->trigger();
  QApplication::processEvents();
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(frame().StatusText(), "Status: Berechnung eines Zelvar-Beam");
  EXPECT_EQ(form->velocityFactorSpinner_->value(), 50);
}

TEST_F(FormTest, TheDataMenuOffersTheInputPrintoutOnlyWhileTheFormShows) {
  frame().OnFileMenuOpening();
  EXPECT_TRUE(frame().printInputsAction_->isEnabled());
  form->parentWidget()->close();
  frame().OnFileMenuOpening();
  EXPECT_FALSE(frame().printInputsAction_->isEnabled());
}

}  // namespace
}  // namespace zb

// "&Rechnen" and "&Anzeigen" on the beam form: the questions, the notes, the
// error box, and a report equal to the command line's.

#include <QTextEdit>
#include <sstream>

#include "cli/CommandLine.h"
#include "tests/ui/beamform/FormTestSupport.h"
#include "ui/quickview/frmRTF.h"

namespace zb {
namespace {

using test::FormTest;

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The report without its last line, which tells when it was computed.
QByteArray WithoutStamp(QByteArray report) {
  const qsizetype last = report.lastIndexOf("\r\nBerechnung am ");
  return last < 0 ? report : report.left(last);
}

class FormRunTest : public FormTest {
 protected:
  void PickMaterial(int index) {
    Focus(form->insulationCombo_);
    while (form->insulationCombo_->currentIndex() < index) test::PressKey(Qt::Key_Down);
    ASSERT_EQ(form->insulationCombo_->currentIndex(), index);
  }
};

// A run that stops at a question or a note keeps the frequency the user typed,
// though it selected the band whose button shows the band's design frequency.
TEST_F(FormRunTest, AnImplausiblePermittivityIsQuestioned) {
  TypeIntoCombo("25");
  platform.answers = {MsgResult::No};
  test::PressKey(Qt::Key_Return);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].title, " Schlechtes Isoliermaterial ?");
  EXPECT_EQ(form->frequencyEdit_->text(), "50,2");
  EXPECT_TRUE(form->bandButtons_[9]->isChecked());
  TypeInto(form->frequencyEdit_, "14,1");
  platform.answers = {MsgResult::No};
  QTest::mouseClick(form->calculateButton_, Qt::LeftButton);
  EXPECT_EQ(form->frequencyEdit_->text(), "14,1");
  EXPECT_TRUE(form->bandButtons_[4]->isChecked());
  EXPECT_TRUE(form->insulationCombo_->lineEdit()->hasFocus());
  EXPECT_FALSE(form->showButton_->isEnabled());
  EXPECT_FALSE(QFile::exists(workDir.filePath("Zelvar-Beam.txt")));

  platform.answers = {MsgResult::Yes};
  QTest::mouseClick(form->calculateButton_, Qt::LeftButton);
  EXPECT_TRUE(form->showButton_->isEnabled());
  EXPECT_TRUE(ReadAll(workDir.filePath("Zelvar-Beam.txt")).contains("Drahtisolierung: 25)"));
}

TEST_F(FormRunTest, AConductorTooThinGetsTheNote) {
  PickMaterial(11);  // 3,2 Holz
  TypeInto(form->conductorDiameterEdit_, "0");
  TypeInto(form->frequencyEdit_, "7,05");
  platform.beeps = 0;
  QTest::mouseClick(form->calculateButton_, Qt::LeftButton);
  EXPECT_EQ(form->noteLabel_->text(), "Hinweis: Durchmesser zu gering!");
  EXPECT_EQ(form->frequencyEdit_->text(), "7,05");
  EXPECT_TRUE(form->conductorDiameterEdit_->hasFocus());
  EXPECT_EQ(platform.beeps, 1);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_FALSE(form->showButton_->isEnabled());
}

TEST_F(FormRunTest, TheReportEqualsTheCommandLinesForTheSameEntries) {
  TypeInto(form->frequencyEdit_, "14,1");
  Click(form->segmentButtons_[0]);
  PickMaterial(14);  // 4,0 PVC
  TypeInto(form->conductorDiameterEdit_, "1,5");
  TypeInto(form->outerDiameterEdit_, "2,4");
  TypeInto(form->velocityFactorEdit_, "0,95");
  LeaveWithTab(form->velocityFactorEdit_);
  QTest::mouseClick(form->calculateButton_, Qt::LeftButton);
  ASSERT_TRUE(form->showButton_->isEnabled());
  const QByteArray fromForm = ReadAll(workDir.filePath("Zelvar-Beam.txt"));

  QTemporaryDir cliDir;
  std::ostringstream out, err;
  const int exit =
      RunCommandLine({"--frequenz", "14,1", "--segment", "cw", "--isolierung", "PVC", "--leiter", "1,5",
                      "--aussen", "2,4", "--vk", "0,95"},
                     out, err, {[] { return std::string("jetzt"); }, cliDir.path().toStdString()});
  ASSERT_EQ(exit, kExitCompleted) << err.str();
  const QByteArray fromCli = ReadAll(cliDir.filePath("Zelvar-Beam.txt"));
  EXPECT_TRUE(fromForm.contains("Antenne berechnet CW-Band: 14 MHz\r\nResonanzfrequenz: 14,0 MHz"));
  EXPECT_EQ(WithoutStamp(fromForm), WithoutStamp(fromCli));
  EXPECT_EQ(form->noteLabel_->text().toStdString() + "\n", out.str());
}

TEST_F(FormRunTest, AnzeigenOpensTheReportInTheQuickView) {
  QTest::mouseClick(form->calculateButton_, Qt::LeftButton);
  QTest::mouseClick(form->showButton_, Qt::LeftButton);
  ASSERT_TRUE(module->IsLoaded(zb::ui::frmRTF::kWindowClass));
  EXPECT_TRUE(module->Windows().Default<zb::ui::frmRTF>().isVisible());
  EXPECT_TRUE(module->Windows().Default<zb::ui::frmRTF>().TextBox()->toPlainText().contains(
      "Zelvar-Beam nach Kalvex"));
  module->Windows().Default<zb::ui::frmRTF>().hide();
}

TEST_F(FormRunTest, AFailedReportWriteAsksAbortRetryIgnore) {
  QDir(workDir.path()).mkpath("Zelvar-Beam.txt/belegt");  // a folder where the report goes
  platform.answers = {MsgResult::Retry, MsgResult::Ignore};
  QTest::mouseClick(form->calculateButton_, Qt::LeftButton);
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[0].title, " Fehler ");
  EXPECT_EQ(platform.messages[0].prompt, "Fehler beim Zugriff auf Pfad/Datei");
  EXPECT_EQ(platform.messages[0].buttons, MsgButtons::AbortRetryIgnore);
  EXPECT_TRUE(form->showButton_->isEnabled());  // Ignore went on after the report
  EXPECT_FALSE(platform.hourglass);

  platform.messages.clear();
  platform.answers = {MsgResult::Abort};
  form->showButton_->setEnabled(false);
  QTest::mouseClick(form->calculateButton_, Qt::LeftButton);
  EXPECT_EQ(platform.messages.size(), 1u);
  EXPECT_FALSE(form->showButton_->isEnabled());
  EXPECT_FALSE(platform.hourglass);
}

}  // namespace
}  // namespace zb

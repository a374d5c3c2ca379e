// The beam run and the velocity-factor window: an active estimate gives the
// report its height and diameter lines, as the beam command's --vf-hoehe and
// --vf-durchmesser do; once the window is closed, the beam form's own
// velocity factor counts again.

#include <sstream>

#include "cli/CommandLine.h"
#include "tests/ui/vk/VfTestSupport.h"

namespace zb {
namespace {

using test::VfTest;

class VfBeamRunTest : public VfTest {
 protected:
  QByteArray ComputeBeam() {
    QTest::mouseClick(form->calculateButton_, Qt::LeftButton);
    return WithoutStamp(workDir.filePath("Zelvar-Beam.txt"));
  }

  static QByteArray CommandLineReport(std::vector<std::string> arguments) {
    QTemporaryDir folder;
    std::ostringstream out, err;
    EXPECT_EQ(RunCommandLine(arguments, out, err,
                             {[] { return std::string("jetzt"); }, folder.path().toStdString()}),
              kExitCompleted)
        << err.str();
    return WithoutStamp(folder.filePath("Zelvar-Beam.txt"));
  }

  // The report without its last line, which tells when it was computed.
  static QByteArray WithoutStamp(const QString& path) {
    QFile file(path);
    const QByteArray report = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    const qsizetype last = report.lastIndexOf("\r\nBerechnung am ");
    return last < 0 ? report : report.left(last);
  }
};

TEST_F(VfBeamRunTest, AnActiveEstimateGivesTheReportTheCommandsHeightAndDiameterLines) {
  zb::ui::frmVk& w = OpenVf();
  w.groundCorrectionAction_->trigger();
  Enter(w, "50,2", "3", "2");
  Compute(w);
  const QByteArray report = ComputeBeam();
  EXPECT_TRUE(report.contains("\r\nDrahtdurchmesser: 2 mm\r\nAntennenh\xf6he: 3 m\r\n"));
  EXPECT_EQ(report, CommandLineReport({"--vf-hoehe", "3", "--vf-durchmesser", "2", "--erdbodenkorrektur"}));
}

TEST_F(VfBeamRunTest, ClosingTheWindowSwitchesTheBeamRunBackToItsOwnVelocityFactor) {
  zb::ui::frmVk& w = OpenVf();
  Enter(w, "50,2", "10", "2");
  Compute(w);
  ASSERT_TRUE(ComputeBeam().contains("Antennenh\xf6he: 10 m"));

  CloseWindow(&w);
  EXPECT_FALSE(module->IsShown(zb::ui::frmVk::kWindowClass));
  form->velocityFactorEdit_->setText("0,95");
  const QByteArray report = ComputeBeam();
  EXPECT_FALSE(report.contains("Antennenh\xf6he"));
  EXPECT_EQ(report, CommandLineReport({"--vk", "0,95"}));
}

}  // namespace
}  // namespace zb

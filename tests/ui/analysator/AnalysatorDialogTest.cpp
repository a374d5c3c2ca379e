// The dialog "Messung am Analysator": its range around the beam form's
// frequency, the analysers it lists and names, wrong input, a sweep from the
// stand-in shown as its file would be, cancelling, faults, and what it remembers.

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QChartView>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>

#include "tests/ui/analysator/AnalysatorTestSupport.h"

namespace zb {
namespace {

using test::AnalysatorTest;
using test::PressKey;
using test::StandInFault;
using Dialog = AnalysatorTest;

TEST_F(Dialog, ProposesTheRangeAroundTheBeamFrequencyAndNamesTheAnalysers) {
  auto standIn = StandIn();
  ListAsAnalyser(standIn->Path());
  ListAsAnalyser("/dev/ttyACM7", kBinaryAnalyserVendor, kBinaryAnalyserProduct);
  ListAsAnalyser("/dev/ttyUSB0", 0x0403, 0x6001);  // a serial adapter, no analyser
  TypeInto(form->frequencyEdit_, QStringLiteral("14,15"));

  ui::frmAnalysator* d = OpenDialog();
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d->windowTitle(), QStringLiteral("Messung am Analysator"));
  EXPECT_EQ(d->fromBox->text(), QStringLiteral("13,44"));  // 14,15 MHz - 5 % on 10 kHz
  EXPECT_EQ(d->toBox->text(), QStringLiteral("14,86"));
  EXPECT_EQ(d->pointsBox->text(), QStringLiteral("201"));
  ASSERT_EQ(d->portBox->count(), 2);
  const QString path = QString::fromStdString(standIn->Path());
  EXPECT_EQ(d->portBox->currentText(), path);  // before the device has answered
  ASSERT_TRUE(QTest::qWaitFor([&] { return d->portBox->itemText(0) != path; }, 5000));
  EXPECT_EQ(d->portBox->itemText(0), path + QStringLiteral(" \u2013 NanoVNA-H 4 (1.2.27)"));
  EXPECT_EQ(d->portBox->currentText(), d->portBox->itemText(0));
  EXPECT_EQ(d->portBox->itemText(1), QStringLiteral("/dev/ttyACM7"));

  // The other family is listed, but refused.
  d->portBox->setCurrentIndex(1);
  platform.answers.push_back(MsgResult::Ok);
  Focus(d->pointsBox);
  PressMessen(d);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].prompt, AnalyserFaultText(AnalyserFault::BinaryProtocol, "/dev/ttyACM7"));
  EXPECT_EQ(platform.messages[0].title, "Messung am Analysator");
  EXPECT_FALSE(d->Measuring());
}

TEST_F(Dialog, WrongInputIsRefusedWithTheFocusOnItsBox) {
  ui::frmAnalysator* d = OpenDialog();
  ASSERT_NE(d, nullptr);
  struct Case {
    const char* from;
    const char* to;
    const char* points;
    QLineEdit* box;
  };
  for (const Case& c : {Case{"14,3", "14,1", "201", d->toBox}, Case{"14,1", "14,1", "201", d->toBox},
                        Case{"14,1x", "14,3", "201", d->fromBox}, Case{"14,1", "0", "201", d->toBox},
                        Case{"14,1", "14,3", "1", d->pointsBox}, Case{"14,1", "14,3", "10002", d->pointsBox},
                        Case{"14,1", "14,3", "20,5", d->pointsBox}}) {
    Fill(d, QStringLiteral("/dev/ttyACM0"), QString::fromUtf8(c.from), QString::fromUtf8(c.to),
         QString::fromUtf8(c.points));
    const std::size_t before = platform.messages.size();
    platform.answers.push_back(MsgResult::Ok);
    PressMessen(d);
    ASSERT_EQ(platform.messages.size(), before + 1) << c.from << " " << c.to << " " << c.points;
    EXPECT_EQ(QApplication::focusWidget(), c.box) << c.from << " " << c.to << " " << c.points;
    EXPECT_FALSE(d->Measuring());
  }
  // A decimal point reads as well as a comma: this range is no refusal but a missing port.
  Fill(d, QStringLiteral("/dev/zb-kein-anschluss"), QStringLiteral("14.1"), QStringLiteral("14,3"),
       QStringLiteral("2"));
  platform.answers.push_back(MsgResult::Ok);
  PressMessen(d);
  EXPECT_EQ(NextMessage(7), AnalyserFaultText(AnalyserFault::PortMissing, "/dev/zb-kein-anschluss"));
}

TEST_F(Dialog, ASweepShowsTheRowsOfItsFileAndTheRangeIsRemembered) {
  auto standIn = StandIn(14.12);
  ui::frmAnalysator* d = OpenDialog();
  ASSERT_NE(d, nullptr);
  std::vector<int> progress;
  QObject::connect(d->progress, &QProgressBar::valueChanged,
                   [&progress](int value) { progress.push_back(value); });
  ui::frmMessung* w =
      Measure(d, standIn->Path(), QStringLiteral("14.0"), QStringLiteral("14,25"), QStringLiteral("251"));
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(platform.messages.empty()) << platform.messages[0].prompt;
  EXPECT_FALSE(d->isVisible());
  ASSERT_TRUE(w->isVisible());

  // The same rows as the file of what the stand-in printed.
  const std::string file = StandInFile(14.12, {14'000'000, 14'250'000, 251});
  EXPECT_EQ(Shown(w), RowsOf(EvaluateTouchstone(file, 1)));
  EXPECT_TRUE(
      QRegularExpression(QStringLiteral("^%1, \\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d:\\d\\d$")
                             .arg(QRegularExpression::escape(QString::fromStdString(standIn->Path()))))
          .match(w->lblDatei->text())
          .hasMatch())
      << w->lblDatei->text().toStdString();
  // The bar counted up to the whole sweep in steps.
  EXPECT_GE(progress.size(), 3u);
  EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end() - 1));
  EXPECT_EQ(progress.back(), 0);  // the bar is emptied for the next sweep
  EXPECT_TRUE(std::find(progress.begin(), progress.end(), 251) != progress.end());

  // Opened again, the dialog offers what was measured, whatever the beam form says.
  TypeInto(form->frequencyEdit_, QStringLiteral("21,2"));
  d = OpenDialog();
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d->portBox->currentText().left(static_cast<int>(standIn->Path().size())),
            QString::fromStdString(standIn->Path()));
  EXPECT_EQ(d->fromBox->text(), QStringLiteral("14,00"));
  EXPECT_EQ(d->toBox->text(), QStringLiteral("14,25"));
  EXPECT_EQ(d->pointsBox->text(), QStringLiteral("251"));
}

TEST_F(Dialog, CancelEndsWithinHalfASecondAndClosesThePort) {
  auto standIn = StandIn(14.1, StandInFault::Trickle, 150);
  ui::frmAnalysator* d = OpenDialog();
  ASSERT_NE(d, nullptr);
  Fill(d, QString::fromStdString(standIn->Path()), QStringLiteral("14"), QStringLiteral("14,2"),
       QStringLiteral("401"));
  PressMessen(d);
  ASSERT_TRUE(d->Measuring());
  EXPECT_FALSE(d->fromBox->isEnabled());
  EXPECT_FALSE(d->portBox->isEnabled());
  ASSERT_TRUE(QTest::qWaitFor([d] { return d->progress->value() >= 101; }, 5000));
  QElapsedTimer clock;
  clock.start();
  ASSERT_EQ(QApplication::focusWidget(), d->cancelButton);
  PressKey(Qt::Key_Space);
  ASSERT_TRUE(QTest::qWaitFor([d] { return !d->Measuring(); }, 500));
  EXPECT_LT(clock.elapsed(), 500);
  // As it was: the dialog open, its boxes for a new try, no message, no sweep window.
  EXPECT_TRUE(d->isVisible());
  EXPECT_TRUE(d->fromBox->isEnabled());
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_FALSE(module->IsShown(ui::window_class::kMessung));
  // Nothing holds the port any more.
  const int fd = ::open(standIn->Path().c_str(), O_RDWR | O_NOCTTY);
  ASSERT_GE(fd, 0);
  EXPECT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
  ::close(fd);
}

TEST_F(Dialog, AFaultNamesThePortAndTheSweepWindowKeepsItsSweep) {
  auto good = StandIn(14.05);
  ui::frmMessung* w = Measure(OpenDialog(), good->Path());
  ASSERT_NE(w, nullptr);
  const std::vector<std::string> before = Shown(w);
  QChart* chart = w->chtSwr->chart();

  auto broken = StandIn(14.2, StandInFault::Unparsable, 130);
  const int held = ::open(good->Path().c_str(), O_RDWR | O_NOCTTY);  // another program holds the first
  ASSERT_EQ(::flock(held, LOCK_EX | LOCK_NB), 0);
  for (const std::string& port : {broken->Path(), good->Path()}) {
    ui::frmAnalysator* d = OpenDialog();
    ASSERT_NE(d, nullptr);
    const std::size_t shown = platform.messages.size();
    platform.answers.push_back(MsgResult::Ok);
    Measure(d, port, QStringLiteral("14"), QStringLiteral("14,4"), QStringLiteral("201"));
    const std::string message = NextMessage(shown);
    EXPECT_NE(message.find(port), std::string::npos) << message;
    EXPECT_EQ(platform.messages[shown].title, "Messung am Analysator");
    EXPECT_TRUE(d->isVisible());
    EXPECT_TRUE(d->measureButton->isEnabled());
    EXPECT_EQ(Shown(w), before);
    EXPECT_EQ(w->chtSwr->chart(), chart);
    QTest::mouseClick(d->cancelButton, Qt::LeftButton);
    EXPECT_FALSE(d->isVisible());
    BackToFrame();
  }
  EXPECT_EQ(platform.messages.back().prompt, AnalyserFaultText(AnalyserFault::PortBusy, good->Path()));
  ::close(held);
}

}  // namespace
}  // namespace zb

// The measurement window: a sweep opened with Ctrl+M shows what
// `zelvar-beam-cli messung` says about the same file, hands the resonance to
// the pruning window, refuses a bad file with a box, saves its charts.

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QElapsedTimer>
#include <QImage>
#include <QLineSeries>
#include <QPushButton>
#include <cmath>
#include <complex>
#include <cstdio>
#include <numbers>

#include "tests/cli/CliTestSupport.h"
#include "tests/ui/vk/VkTestSupport.h"
#include "ui/messung/frmMessung.h"

namespace zb {
namespace {

class MessungWindow : public test::VkTest {
 protected:
  // A series R-L-C circuit (r ohms, resonant at 28.4 MHz) swept over 27 to 30 MHz.
  QString Sweep(const QString& name, int points, double r = 40) {
    const double f0 = 28.4e6, l = 1.5e-6, c = 1 / ((2 * std::numbers::pi * f0) * (2 * std::numbers::pi * f0) * l);
    std::string text = "# Hz S MA R 50\n";
    for (int i = 0; i < points; ++i) {
      const double f = 27e6 + 3e6 * i / (points - 1), w = 2 * std::numbers::pi * f;
      const std::complex<double> g = (std::complex<double>(r, w * l - 1 / (w * c)) - 50.0) /
                                     (std::complex<double>(r, w * l - 1 / (w * c)) + 50.0);
      char line[96];
      std::snprintf(line, sizeof line, "%.0f %.17g %.17g\n", f, std::abs(g), std::arg(g) * 180 / std::numbers::pi);
      text += line;
    }
    return Write(name, text);
  }

  QString Write(const QString& name, const std::string& content) {
    QFile file(workDir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content.data(), static_cast<qint64>(content.size()));
    return file.fileName();
  }

  // Ctrl+M at the frame, the file chosen in the open dialog.
  ui::frmMessung* OpenWithCtrlM(const QString& file) {
    platform.openAnswers.push_back(file);
    Focus(form->Text1);
    test::PressKey(Qt::Key_M, Qt::ControlModifier);
    QApplication::processEvents();
    return qobject_cast<ui::frmMessung*>(module->Windows().LoadedDefault(ui::window_class::kMessung));
  }

  static std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
      lines.push_back(text.substr(start, end - start));
    return lines;
  }

  test::CliRun Cli(std::vector<std::string> args) { return test::RunCli(args, test::ScratchFolder()); }

  static QLineSeries* Series(QChartView* view, const QString& name) {
    for (QAbstractSeries* s : view->chart()->series())
      if (s->name() == name) return qobject_cast<QLineSeries*>(s);
    return nullptr;
  }
};

TEST_F(MessungWindow, CtrlMShowsTheCommandLinesRowsAndCharts) {
  const QString file = Sweep(QStringLiteral("beam10.s1p"), 601);
  ui::frmMessung* w = OpenWithCtrlM(file);
  ASSERT_NE(w, nullptr);
  ASSERT_TRUE(w->isVisible());
  EXPECT_NE(qobject_cast<QMdiSubWindow*>(w->parentWidget()), nullptr);
  ASSERT_EQ(platform.fileDialogs.size(), 1u);
  EXPECT_TRUE(platform.fileDialogs[0].filter.contains(QStringLiteral("*.s1p;*.s2p")));
  EXPECT_TRUE(w->lblDatei->text().endsWith(QStringLiteral("beam10.s1p")));

  const test::CliRun text = Cli({"messung", file.toStdString()});
  ASSERT_EQ(text.exit, kExitCompleted) << text.err;
  const std::vector<std::string> rows = Lines(text.out);
  ASSERT_EQ(rows.size(), static_cast<size_t>(ui::frmMessung::kRows));
  for (int i = 0; i < ui::frmMessung::kRows; ++i) {
    EXPECT_EQ((w->lblCaption[i]->text() + " " + w->lblWert[i]->text()).toStdString(), rows[i]);
    EXPECT_EQ(w->lblCaption[i]->buddy(), w->lblWert[i]);  // read together by a screen reader
  }
  EXPECT_NE(rows[3].find("MHz"), std::string::npos);  // the sweep reaches SWR 2 inside itself

  // The marker stands at the resonance of the JSON output, in both charts.
  const test::CliRun json = Cli({"messung", file.toStdString(), "--json"});
  const size_t at = json.out.find("\"resonanceMHz\":");
  ASSERT_NE(at, std::string::npos);
  const double resonance = std::stod(json.out.substr(at + 15));
  for (QChartView* chart : {w->chtSwr, w->chtImpedanz}) {
    QLineSeries* marker = Series(chart, QStringLiteral("Resonanz"));
    ASSERT_NE(marker, nullptr);
    EXPECT_EQ(marker->at(0).x(), resonance);
    EXPECT_EQ(marker->at(1).x(), resonance);
  }
  QLineSeries* swr = Series(w->chtSwr, QStringLiteral("SWR"));
  ASSERT_NE(swr, nullptr);
  EXPECT_EQ(swr->count(), 601);  // fewer points than columns: every one drawn
  bool band = false;
  for (QAbstractSeries* s : w->chtSwr->chart()->series()) band |= qobject_cast<QAreaSeries*>(s) != nullptr;
  EXPECT_TRUE(band);
  ASSERT_NE(Series(w->chtImpedanz, QStringLiteral("R")), nullptr);
  ASSERT_NE(Series(w->chtImpedanz, QStringLiteral("X")), nullptr);

  // The next opening starts in the folder of this file; a cancel keeps the window.
  platform.openAnswers.push_back(std::nullopt);
  w->OpenMeasurement();
  ASSERT_EQ(platform.fileDialogs.size(), 2u);
  EXPECT_EQ(platform.fileDialogs[1].folder, QFileInfo(file).absolutePath());
  EXPECT_EQ(w->lblWert[1]->text().toStdString() + "", rows[1].substr(rows[1].find(' ') + 1));
}

TEST_F(MessungWindow, HandoverOpensOnePruningWindowAndAgreesWithPruningMessung) {
  const QString file = Sweep(QStringLiteral("beam10.s1p"), 301);
  ui::frmMessung* w = OpenWithCtrlM(file);
  ASSERT_NE(w, nullptr);
  ASSERT_EQ(frame().PruningFenster, nullptr);
  Focus(w->cmdPruning);
  test::PressKey(Qt::Key_Space);
  QApplication::processEvents();
  auto* pruning = qobject_cast<ui::frmVk*>(frame().PruningFenster.data());
  ASSERT_NE(pruning, nullptr);
  EXPECT_EQ(module->State().PruningFensterAnzahl, 1);

  // The pruning computed from the handed-over box says what the command line says.
  TypeInto(pruning->Text1, QStringLiteral("5,10"));
  TypeInto(pruning->Text3, QStringLiteral("28,5"));
  Compute(*pruning);
  const test::CliRun cli = Cli({"pruning", "--laenge", "5,10", "--messung", file.toStdString(), "--soll", "28,5"});
  ASSERT_EQ(cli.exit, kExitCompleted) << cli.err;
  for (QLabel* value : {pruning->Label7, pruning->Label9, pruning->Label11, pruning->Label13}) {
    ASSERT_FALSE(value->text().isEmpty());
    EXPECT_NE(cli.out.find(value->text().toStdString()), std::string::npos) << value->text().toStdString();
  }

  // With the pruning window open the handover reuses it, without a beep.
  TypeInto(pruning->Text2, QStringLiteral("1"));
  const int beeps = platform.beeps;
  QTest::mouseClick(w->cmdPruning, Qt::LeftButton);
  EXPECT_EQ(frame().PruningFenster.data(), pruning);
  EXPECT_EQ(platform.beeps, beeps);
  EXPECT_NE(pruning->Text2->text(), QStringLiteral("1"));
  EXPECT_EQ(frame().findChildren<ui::frmVk*>().size(), 1);
}

TEST_F(MessungWindow, ABadFileGivesTheReadersMessageAndTheProgramGoesOn) {
  const QString bad = Write(QStringLiteral("kaputt.s1p"), "# MHz S RI R 50\n14,0 0.1 0.2\n");
  const test::CliRun cli = Cli({"messung", bad.toStdString()});
  ASSERT_EQ(cli.exit, kExitUnreadableFile);
  const std::string reason = cli.err.substr(bad.toStdString().size() + 2, cli.err.size() - bad.size() - 3);

  platform.answers.push_back(MsgResult::Ok);
  ui::frmMessung* w = OpenWithCtrlM(bad);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(platform.messages[0].prompt.find(reason), std::string::npos) << platform.messages[0].prompt;
  EXPECT_EQ(platform.messages[0].icon, MsgIcon::Exclamation);
  EXPECT_EQ(platform.messages[0].buttons, MsgButtons::Ok);
  EXPECT_TRUE(w == nullptr || !w->isVisible());

  w = OpenWithCtrlM(Sweep(QStringLiteral("gut.s1p"), 51));
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(w->lblWert[0]->text().left(3), QStringLiteral("51 "));
}

TEST_F(MessungWindow, SavesTheChartsAsPngAndSvg) {
  ui::frmMessung* w = OpenWithCtrlM(Sweep(QStringLiteral("beam10.s1p"), 201));
  ASSERT_NE(w, nullptr);
  const QString png = workDir.filePath(QStringLiteral("kurve.png"));
  const QString svg = workDir.filePath(QStringLiteral("kurve.svg"));
  for (const QString& file : {png, svg}) {
    platform.saveAnswers.push_back(file);
    QTest::mouseClick(w->cmdBild, Qt::LeftButton);
  }
  EXPECT_TRUE(platform.messages.empty());
  const QImage image(png);
  ASSERT_FALSE(image.isNull());
  // Laid out at least 800 x 600 for the picture, however small the window.
  EXPECT_GE(image.width(), 800);
  EXPECT_GE(image.height(), 600);
  QFile svgFile(svg);
  ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
  const QByteArray content = svgFile.readAll();
  EXPECT_TRUE(content.contains("<svg"));
  EXPECT_TRUE(content.contains("Frequenz [MHz]"));  // the axis title, as text

  // A folder that does not exist: the box says so, nothing ends.
  platform.saveAnswers.push_back(workDir.filePath(QStringLiteral("fehlt/kurve.png")));
  platform.answers.push_back(MsgResult::Ok);
  QTest::mouseClick(w->cmdBild, Qt::LeftButton);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].icon, MsgIcon::Exclamation);
}

TEST_F(MessungWindow, AHundredThousandPointsShowWithinASecond) {
  const QString file = Sweep(QStringLiteral("gross.s1p"), 100001);
  QElapsedTimer clock;
  clock.start();
  ui::frmMessung* w = OpenWithCtrlM(file);
  ASSERT_NE(w, nullptr);
  w->repaint();
  EXPECT_LT(clock.elapsed(), 1000);
  EXPECT_EQ(w->lblWert[0]->text().left(7), QStringLiteral("100001 "));
  // Fewer points drawn, but the curve keeps its lowest point.
  QLineSeries* swr = Series(w->chtSwr, QStringLiteral("SWR"));
  ASSERT_NE(swr, nullptr);
  EXPECT_LT(swr->count(), 20000);
  double lowest = swr->at(0).y();
  for (const QPointF& p : swr->points()) lowest = std::min(lowest, p.y());
  const test::CliRun json = Cli({"messung", file.toStdString(), "--json"});
  const size_t at = json.out.find("\"swrMin\":");
  ASSERT_NE(at, std::string::npos);
  EXPECT_EQ(lowest, std::stod(json.out.substr(at + 9)));
}

}  // namespace
}  // namespace zb

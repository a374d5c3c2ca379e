// The measurement window: a sweep opened with Ctrl+M shows what
// `zelvar-beam-cli messung` says about the same file, hands the resonance to
// the pruning window, refuses a bad file with a box, saves its charts.

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QElapsedTimer>
#include <QGraphicsSimpleTextItem>
#include <QGroupBox>
#include <QImage>
#include <QLineSeries>
#include <QMdiArea>
#include <QPushButton>
#include <QValueAxis>
#include <charconv>
#include <cmath>
#include <complex>
#include <cstdio>
#include <numbers>
#include <set>

#include "core/measurement/SweepEvaluation.h"
#include "locale/Language.h"
#include "tests/cli/CliTestSupport.h"
#include "tests/ui/vk/VfTestSupport.h"
#include "ui/messung/ChartAxes.h"
#include "ui/messung/MessungCharts.h"
#include "ui/messung/frmMessung.h"
#include "ui/platform/QtPlatform.h"

namespace zb {
namespace {

class MessungWindow : public test::VfTest {
 protected:
  // A series R-L-C circuit (r ohms, resonant at f0, 28.4 MHz) swept over 27 to 30 MHz.
  QString Sweep(const QString& name, int points, double r = 40, double f0 = 28.4e6) {
    const double l = 1.5e-6, c = 1 / ((2 * std::numbers::pi * f0) * (2 * std::numbers::pi * f0) * l);
    std::string text = "# Hz S MA R 50\n";
    for (int i = 0; i < points; ++i) {
      const double f = 27e6 + 3e6 * i / (points - 1), w = 2 * std::numbers::pi * f;
      const std::complex<double> g = (std::complex<double>(r, w * l - 1 / (w * c)) - 50.0) /
                                     (std::complex<double>(r, w * l - 1 / (w * c)) + 50.0);
      // Written as an analyser writes it, with a decimal point whatever the locale.
      char line[96];
      char* end = std::to_chars(line, line + sizeof line, f, std::chars_format::fixed, 0).ptr;
      *end++ = ' ';
      end = std::to_chars(end, line + sizeof line, std::abs(g)).ptr;
      *end++ = ' ';
      end = std::to_chars(end, line + sizeof line, std::arg(g) * 180 / std::numbers::pi).ptr;
      text.append(line, end).push_back('\n');
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
    Focus(form->frequencyEdit_);
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

  // The JSON number at the start of text, read with a decimal point whatever the locale.
  static double Number(const std::string& text) {
    double value = std::nan("");
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
  }

  test::CliRun Cli(std::vector<std::string> args) { return test::RunCli(args, test::ScratchFolder()); }

  // The x of the column of a chart view that holds the most pixels of the resonance marker's colour.
  static int MarkerColumn(const QImage& picture, QWidget* window, QChartView* view) {
    const QRect area(view->mapTo(window, QPoint(0, 0)), view->size());
    int best = -1, most = 0;
    for (int x = area.left(); x <= area.right(); ++x) {
      int count = 0;
      for (int y = area.top(); y <= area.bottom(); ++y) {
        const QColor c = picture.pixelColor(x, y);
        count += c.red() > 170 && c.green() > 70 && c.green() < 130 && c.blue() < 40;
      }
      if (count > most) most = count, best = x;
    }
    return best;
  }

  // Every access key a window offers: its shown buttons', group boxes', captions' and menu titles'.
  static std::set<QKeySequence> AccessKeys(QWidget* window, bool menuBarOnly = false) {
    std::set<QKeySequence> keys;
    const auto add = [&keys](const QString& text) {
      if (!QKeySequence::mnemonic(text).isEmpty()) keys.insert(QKeySequence::mnemonic(text));
    };
    for (QMenuBar* bar : window->findChildren<QMenuBar*>())
      for (QAction* menu : bar->actions()) add(menu->text());
    if (menuBarOnly) return keys;
    // A hidden control's access key reaches nothing.
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
      if (b->isVisibleTo(window)) add(b->text());
    for (QGroupBox* g : window->findChildren<QGroupBox*>())
      if (g->isVisibleTo(window)) add(g->title());
    for (QLabel* l : window->findChildren<QLabel*>())
      if (l->buddy() && l->isVisibleTo(window)) add(l->text());
    return keys;
  }

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
  EXPECT_TRUE(ui::ToQtNameFilters(platform.fileDialogs[0].filter)
                  .startsWith(QStringLiteral("Touchstone-Datei (*.s1p *.s2p *.ts)")));
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
  const double resonance = Number(json.out.substr(at + 15));
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
  ASSERT_EQ(frame().pruningWindow_, nullptr);
  Focus(w->cmdPruning);
  test::PressKey(Qt::Key_Space);
  QApplication::processEvents();
  auto* pruning = qobject_cast<ui::frmVk*>(frame().pruningWindow_.data());
  ASSERT_NE(pruning, nullptr);
  EXPECT_EQ(module->State().PruningFensterAnzahl, 1);

  // The pruning computed from the handed-over box says what the command line says.
  TypeInto(pruning->frequencyOrLengthEdit_, QStringLiteral("5,10"));
  TypeInto(pruning->diameterOrWantedEdit_, QStringLiteral("28,5"));
  Compute(*pruning);
  const test::CliRun cli =
      Cli({"pruning", "--laenge", "5,10", "--messung", file.toStdString(), "--soll", "28,5"});
  ASSERT_EQ(cli.exit, kExitCompleted) << cli.err;
  for (QLabel* value : {pruning->slendernessOrLengthValue_, pruning->estimateOrRadiatorValue_,
                        pruning->reflectorChangeValue_, pruning->directorChangeValue_}) {
    ASSERT_FALSE(value->text().isEmpty());
    EXPECT_NE(cli.out.find(value->text().toStdString()), std::string::npos) << value->text().toStdString();
  }

  // With the pruning window open the handover reuses it, without a beep.
  TypeInto(pruning->heightOrResonanceEdit_, QStringLiteral("1"));
  const int beeps = platform.beeps;
  QTest::mouseClick(w->cmdPruning, Qt::LeftButton);
  EXPECT_EQ(frame().pruningWindow_.data(), pruning);
  EXPECT_EQ(platform.beeps, beeps);
  EXPECT_NE(pruning->heightOrResonanceEdit_->text(), QStringLiteral("1"));
  EXPECT_EQ(frame().findChildren<ui::frmVk*>().size(), 1);
}

TEST_F(MessungWindow, AResonanceBelowTheSweepIsNotHandedOver) {
  ui::frmMessung* w = OpenWithCtrlM(Sweep(QStringLiteral("kurz.s1p"), 301, 40, 26.5e6));
  ASSERT_NE(w, nullptr);
  const QString refusal = QStringLiteral("Resonanz unterhalb des Messbereichs \u2013 bitte tiefer messen");
  EXPECT_EQ(w->lblWert[1]->text(), refusal);
  platform.answers.push_back(MsgResult::Ok);
  QTest::mouseClick(w->cmdPruning, Qt::LeftButton);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(QString::fromStdString(platform.messages[0].prompt), refusal);
  EXPECT_EQ(frame().pruningWindow_, nullptr);  // no pruning window with the sweep's edge in it
}

TEST_F(MessungWindow, TheChartsShowTheDipLargeAndTheResonanceAtOneX) {
  ui::frmMessung* w = OpenWithCtrlM(Sweep(QStringLiteral("beam10.s1p"), 601));
  ASSERT_NE(w, nullptr);
  QApplication::processEvents();
  const QImage picture = w->grab().toImage();
  const int upper = MarkerColumn(picture, w, w->chtSwr), lower = MarkerColumn(picture, w, w->chtImpedanz);
  ASSERT_GE(upper, 0);
  EXPECT_LE(std::abs(upper - lower), 1) << upper << " " << lower;

  // SWR 1 to 3 takes at least half the SWR axis, labelled with the locale's separator.
  QChart* chart = w->chtSwr->chart();
  auto* swrAxis = qobject_cast<QCategoryAxis*>(chart->axes(Qt::Vertical).value(0));
  ASSERT_NE(swrAxis, nullptr);
  EXPECT_TRUE(swrAxis->categoriesLabels().contains(QStringLiteral("1,5")));
  const auto y = [&](const char* label) {
    return chart
        ->mapToPosition(QPointF(28, swrAxis->endValue(QString::fromLatin1(label))), chart->series().value(0))
        .y();
  };
  EXPECT_GE((y("1") - y("3")) / (y("1") - y("10")), 0.5);

  // Ticks on multiples of 0,5 MHz over 27 to 30 MHz; the resonance's label clear of the curves' plot.
  for (QChartView* view : {w->chtSwr, w->chtImpedanz}) {
    auto* f = qobject_cast<QValueAxis*>(view->chart()->axes(Qt::Horizontal).value(0));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->tickType(), QValueAxis::TicksDynamic);
    EXPECT_DOUBLE_EQ(f->tickInterval(), 0.5);
    EXPECT_DOUBLE_EQ(f->tickAnchor(), 27);
    for (QGraphicsItem* item : view->chart()->childItems()) {
      auto* text = dynamic_cast<QGraphicsSimpleTextItem*>(item);
      if (text && text->text().startsWith("Resonanz")) {
        EXPECT_FALSE(text->mapRectToParent(text->boundingRect()).intersects(view->chart()->plotArea()));
      }
    }
  }
}

// The charts are painted, not read by a screen reader: their words are checked
// here, with the legend an analyser's earlier sweep gets.
TEST_F(MessungWindow, TheChartsSpeakEnglishUnderAnEnglishInterface) {
  const ui::Translations english(ui::Language::English);
  const QString file = Sweep(QStringLiteral("beam10.s1p"), 201);
  ui::frmMessung* w = OpenWithCtrlM(file);
  ASSERT_NE(w, nullptr);
  QApplication::processEvents();
  QStringList words;
  for (QChartView* view : {w->chtSwr, w->chtImpedanz}) {
    for (QAbstractSeries* series : view->chart()->series()) words << series->name();
    for (QAbstractAxis* axis : view->chart()->axes()) words << axis->titleText();
    for (QGraphicsItem* item : view->chart()->childItems())
      if (auto* text = dynamic_cast<QGraphicsSimpleTextItem*>(item)) words << text->text();
  }
  const MeasurementRead read = ReadMeasurement(file.toStdString());
  ASSERT_TRUE(read.measurement.has_value());
  words << ui::PreviousLegend(*read.measurement);
  const QString all = words.join(QLatin1Char('|'));
  EXPECT_TRUE(all.contains(QStringLiteral("Resonance"))) << all.toStdString();
  for (const char* german : {"Resonanz", "Frequenz", "vorher", "außerhalb"})
    EXPECT_FALSE(all.contains(QString::fromUtf8(german))) << german << " in " << all.toStdString();
}

TEST_F(MessungWindow, EveryRowShowsItsWholeText) {
  // No option line (GHz assumed), X of both signs: the longest resonance row.
  const QString bare = Write(QStringLiteral("ohne.s1p"), "0.027 0.3 40\n0.0285 0.1 0\n0.030 0.3 -40\n");
  for (const QString& file : {bare, Sweep(QStringLiteral("breit.s1p"), 601, 50)}) {
    ui::frmMessung* w = OpenWithCtrlM(file);
    ASSERT_NE(w, nullptr);
    QApplication::processEvents();
    EXPECT_EQ(w->lblDatei->text().contains(QStringLiteral("ohne Optionszeile: GHz, S, MA, R 50 angenommen")),
              file == bare);
    const QRect shown = w->parentWidget()->rect();
    for (QLabel* label : w->findChildren<QLabel*>()) {
      EXPECT_GE(label->width(), label->minimumSizeHint().width()) << label->text().toStdString();
      EXPECT_GE(label->height(), label->heightForWidth(label->width())) << label->text().toStdString();
      EXPECT_TRUE(shown.contains(QRect(label->mapTo(w->parentWidget(), QPoint(0, 0)), label->size())))
          << label->text().toStdString();
    }
  }
}

TEST_F(MessungWindow, ItsAccessKeysClashWithNoneOfTheFrameOrItsWindows) {
  QTest::mouseClick(form->calculateButton_, Qt::LeftButton);  // a report for the quick view
  frame().OnShowReportClicked();
  OpenVf();
  OpenPruning();
  frame().OnCoupledDipoleClicked();
  platform.openAnswers.push_back(Sweep(QStringLiteral("beam10.s1p"), 51));
  frame().OnSweepFileClicked();  // the coupled-dipole window has the focus: Ctrl+M would go to its boxes
  auto* w = qobject_cast<ui::frmMessung*>(module->Windows().LoadedDefault(ui::window_class::kMessung));
  ASSERT_NE(w, nullptr);
  std::set<QKeySequence> others = AccessKeys(&frame(), true);
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window != &frame() && window->isVisible()) others.merge(AccessKeys(window));
  int windows = 0;
  for (QMdiSubWindow* sub : frame().findChild<QMdiArea*>()->subWindowList())
    if (sub->widget() != w && sub->isVisible()) ++windows, others.merge(AccessKeys(sub->widget()));
  EXPECT_GE(windows, 4);  // beam form, velocity factor, pruning, coupled dipole
  const std::set<QKeySequence> own = AccessKeys(w);
  EXPECT_EQ(own.size(), 2u);  // the analyser's commands are hidden for a file
  for (const QKeySequence& key : own) EXPECT_EQ(others.count(key), 0u) << key.toString().toStdString();
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
  const QString bare = workDir.filePath(QStringLiteral("ohne"));  // typed without an extension
  for (const QString& file : {png, svg, bare}) {
    platform.saveAnswers.push_back(file);
    QTest::mouseClick(w->cmdBild, Qt::LeftButton);
  }
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_FALSE(QImage(bare + QStringLiteral(".png")).isNull());
  EXPECT_TRUE(
      platform.fileDialogs.back().extensionFromFilter);  // the desktop's dialog follows the chosen format
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

// The second is the optimised program's; the unoptimised build with
// AddressSanitizer takes about twice as long, more on a busy machine.
#if defined(__SANITIZE_ADDRESS__)
constexpr qint64 kShowBudgetMs = 4000;
#else
constexpr qint64 kShowBudgetMs = 1000;
#endif

TEST_F(MessungWindow, AHundredThousandPointsShowWithinASecond) {
  const QString file = Sweep(QStringLiteral("gross.s1p"), 100001);
  QElapsedTimer clock;
  clock.start();
  ui::frmMessung* w = OpenWithCtrlM(file);
  ASSERT_NE(w, nullptr);
  w->repaint();
  EXPECT_LT(clock.elapsed(), kShowBudgetMs);
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
  EXPECT_EQ(lowest, ui::SwrAxisPosition(Number(json.out.substr(at + 9))));
}

}  // namespace
}  // namespace zb

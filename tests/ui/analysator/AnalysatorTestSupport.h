#pragma once
// The frame with the beam form, the stand-in analyser on a pseudo terminal,
// and the dialog "Messung am Analysator" opened with Ctrl+Shift+M.

#include <QComboBox>
#include <QProgressBar>
#include <QSettings>
#include <charconv>
#include <memory>
#include <string>
#include <vector>

#include "core/measurement/AnalyserSession.h"
#include "core/measurement/SweepEvaluation.h"
#include "core/measurement/SweepTexts.h"
#include "tests/support/StandInAnalyser.h"
#include "tests/ui/vk/VfTestSupport.h"
#include "ui/analysator/frmAnalysator.h"
#include "ui/messung/frmMessung.h"

namespace zb::test {

class AnalysatorTest : public VfTest {
 protected:
  static std::unique_ptr<StandInAnalyser> StandIn(double resonanceMHz = 14.1,
                                                  StandInFault fault = StandInFault::None,
                                                  int faultPoint = 0) {
    return std::make_unique<StandInAnalyser>(
        StandInSetup{StandInFirmware::Modern, resonanceMHz, fault, faultPoint});
  }

  // The port as the desktop lists it: a shell analyser's USB ids.
  void ListAsAnalyser(const std::string& path, std::uint16_t vendor = kShellAnalyserVendor,
                      std::uint16_t product = kShellAnalyserProduct) {
    platform.serialPorts.push_back({QString::fromStdString(path), vendor, product});
  }

  // Ctrl+Shift+M wherever the focus is in the frame.
  ui::frmAnalysator* OpenDialog() {
    PressKey(Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier);
    QApplication::processEvents();
    auto* dialog =
        qobject_cast<ui::frmAnalysator*>(module->Windows().LoadedDefault(ui::window_class::kAnalysator));
    if (!dialog || !dialog->isVisible()) return nullptr;
    QApplication::setActiveWindow(dialog);
    EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
    return dialog;
  }

  void Fill(ui::frmAnalysator* d, const QString& port, const QString& from, const QString& to,
            const QString& points) {
    Focus(d->portBox);
    d->portBox->lineEdit()->selectAll();
    TypeKeys(port);
    TypeInto(d->fromBox, from);
    TypeInto(d->toBox, to);
    TypeInto(d->pointsBox, points);
  }

  // "&Messen" pressed with Alt+M, as from any of the dialog's boxes; the
  // button shows itself pressed for a moment before it clicks.
  static void PressMessen(ui::frmAnalysator* d) {
    PressKey(Qt::Key_M, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([d] { return !d->measureButton->isDown(); }, 1000));
  }

  // The dialog gone, the window manager activates the frame again.
  void BackToFrame() {
    QApplication::setActiveWindow(&frame());
    EXPECT_TRUE(QTest::qWaitForWindowActive(&frame()));
  }

  // A dialog sweep to its end; the sweep window that shows it.
  ui::frmMessung* Measure(ui::frmAnalysator* d, const std::string& port,
                          const QString& from = QStringLiteral("14"),
                          const QString& to = QStringLiteral("14,2"),
                          const QString& points = QStringLiteral("101")) {
    if (!d) {
      ADD_FAILURE() << "the dialog did not open";
      return nullptr;
    }
    Fill(d, QString::fromStdString(port), from, to, points);
    PressMessen(d);
    EXPECT_TRUE(QTest::qWaitFor([d] { return !d->Measuring(); }, 15000));
    if (!d->isVisible()) BackToFrame();
    return qobject_cast<ui::frmMessung*>(module->Windows().LoadedDefault(ui::window_class::kMessung));
  }

  static bool WaitForSweep(ui::frmMessung* w) {
    return QTest::qWaitFor([w] { return w->Sweeping(); }, 5000) &&
           QTest::qWaitFor([w] { return !w->Sweeping(); }, 15000);
  }

  // What the stand-in prints for the plan, as a Touchstone file: its own
  // frequencies of each piece and its S11 with 9 decimals.
  static std::string StandInFile(double resonanceMHz, const AnalyserPlan& plan) {
    std::string text = "# Hz S RI R 50\n";
    for (const AnalyserPiece& piece : AnalyserPieces(plan))
      for (int i = 0; i < piece.points; ++i) {
        const std::int64_t hz = StandInFrequency(piece.startHz, piece.stopHz, piece.points, i);
        const StandInGamma g = StandInS11(resonanceMHz, hz);
        char line[96];
        char* end = std::to_chars(line, line + sizeof line, hz).ptr;
        *end++ = ' ';
        end = std::to_chars(end, line + sizeof line, g.re, std::chars_format::fixed, 9).ptr;
        *end++ = ' ';
        end = std::to_chars(end, line + sizeof line, g.im, std::chars_format::fixed, 9).ptr;
        text.append(line, end).push_back('\n');
      }
    return text;
  }

  static std::vector<std::string> RowsOf(const MeasurementRead& read) {
    std::vector<std::string> rows;
    if (!read.measurement) return rows;
    for (const SweepRow& row : SweepEvaluationRows(read.measurement->evaluation))
      rows.push_back(row.caption + " " + row.value);
    return rows;
  }

  static std::vector<std::string> Shown(ui::frmMessung* w) {
    std::vector<std::string> rows;
    for (int i = 0; i < ui::frmMessung::kRows; ++i)
      rows.push_back((w->lblCaption[i]->text() + " " + w->lblWert[i]->text()).toStdString());
    return rows;
  }

  static QAbstractSeries* SeriesNamed(QChartView* view, const QString& prefix) {
    for (QAbstractSeries* s : view->chart()->series())
      if (s->name().startsWith(prefix)) return s;
    return nullptr;
  }

  // Answers the next message box with OK and gives its text.
  std::string NextMessage(std::size_t before) {
    EXPECT_TRUE(QTest::qWaitFor([&] { return platform.messages.size() > before; }, 15000));
    return platform.messages.size() > before ? platform.messages[before].prompt : std::string();
  }
};

}  // namespace zb::test

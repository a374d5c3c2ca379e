#include "ui/messung/ChartAxes.h"

#include <QCategoryAxis>
#include <QCoreApplication>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "core/numbers/NumberText.h"

namespace zb::ui {

double RoundStep(double span, int mostSteps) {
  if (!(span > 0) || mostSteps < 1) return 1;
  const double least = span / mostSteps;
  const double decade = std::pow(10.0, std::floor(std::log10(least)));
  for (double factor : {1.0, 2.0, 5.0})
    if (factor * decade >= least) return factor * decade;
  return 10 * decade;
}

// The smallest round step that keeps the ticks at ten or fewer.
double RoundFrequencyStep(double spanMHz) { return RoundStep(spanMHz, 10); }

QValueAxis* NewFrequencyAxis(double startMHz, double stopMHz) {
  // A sweep of a single frequency still gets an axis of some width.
  if (stopMHz <= startMHz) {
    startMHz -= 0.5;
    stopMHz += 0.5;
  }
  auto* axis = new QValueAxis;
  axis->setTitleText(QCoreApplication::translate("SweepChart", "Frequenz [MHz]"));
  axis->setRange(startMHz, stopMHz);
  const double step = RoundFrequencyStep(stopMHz - startMHz);
  axis->setTickType(QValueAxis::TicksDynamic);
  axis->setTickInterval(step);
  axis->setTickAnchor(std::ceil(startMHz / step) * step);
  // As many decimals as the step has: 0,05 MHz steps show two.
  const int decimals = std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
  axis->setLabelFormat(QStringLiteral("%.%1f").arg(decimals));
  return axis;
}

double SwrAxisPosition(double swr) {
  if (std::isinf(swr)) return 1;
  return (swr - 1) / (swr + 1);
}

QCategoryAxis* NewSwrAxis() {
  auto* axis = new QCategoryAxis;
  axis->setTitleText(QStringLiteral("SWR"));
  axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  axis->setRange(SwrAxisPosition(1), SwrAxisPosition(kSwrAxisTop));
  axis->setStartValue(SwrAxisPosition(1));
  for (double swr : {1.0, 1.5, 2.0, 3.0, 5.0, kSwrAxisTop})
    axis->append(QString::fromStdString(FormatGeneralDouble(swr)), SwrAxisPosition(swr));
  return axis;
}

}  // namespace zb::ui

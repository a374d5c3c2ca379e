#include "ui/messung/PlotAlignment.h"

#include <QChart>
#include <QObject>
#include <QPointer>
#include <QVariant>
#include <algorithm>
#include <cmath>

namespace zb::ui {

namespace {

// The side margin of the chart whose labels take the most room.
constexpr int kLeastSideMargin = 4;

// What a chart puts between its margins and its plot: axis labels and title
// on the left, legend on the right.
struct Insets {
  int left = 0;
  int right = 0;
};

constexpr const char* kLeastLeftProperty = "leastLeftMargin";

int LeastLeftMargin(const QChart& chart) {
  const QVariant least = chart.property(kLeastLeftProperty);
  return least.isValid() ? least.toInt() : kLeastSideMargin;
}

// The insets with what the chart draws itself in its left margin.
Insets InsetsOf(const QChart& chart) {
  const QRectF area = chart.plotArea();
  const QMargins margins = chart.margins();
  return {
      static_cast<int>(std::ceil(area.left())) - margins.left() + LeastLeftMargin(chart) - kLeastSideMargin,
      static_cast<int>(std::ceil(chart.size().width() - area.right())) - margins.right()};
}

void Align(QChart* a, QChart* b) {
  // A chart not laid out yet has no plot to align.
  if (a->plotArea().isEmpty() || b->plotArea().isEmpty()) return;
  const Insets insetsA = InsetsOf(*a), insetsB = InsetsOf(*b);
  const int left = std::max(insetsA.left, insetsB.left) + kLeastSideMargin;
  const int right = std::max(insetsA.right, insetsB.right) + kLeastSideMargin;
  // Once both plots stand at the common edges nothing changes, and no
  // further layout follows.
  for (auto [chart, insets] : {std::pair{a, insetsA}, std::pair{b, insetsB}}) {
    QMargins margins = chart->margins();
    margins.setLeft(left - insets.left + LeastLeftMargin(*chart) - kLeastSideMargin);
    margins.setRight(right - insets.right);
    if (margins != chart->margins()) chart->setMargins(margins);
  }
}

}  // namespace

void SetLeastLeftMargin(QChart* chart, int margin) { chart->setProperty(kLeastLeftProperty, margin); }

void AlignPlotAreas(QChart* upper, QChart* lower) {
  // Either chart may be replaced (and deleted) before the other.
  const QPointer<QChart> a(upper), b(lower);
  for (QChart* chart : {upper, lower})
    QObject::connect(chart, &QChart::plotAreaChanged, chart, [a, b] {
      if (a && b) Align(a, b);
    });
  Align(upper, lower);
}

}  // namespace zb::ui

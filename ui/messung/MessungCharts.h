#pragma once
// The measurement window's two charts: the SWR over frequency (1 to 10, higher
// values cut at the top, on the scale of ChartAxes.h) with the SWR <= 2 band
// shaded, and R and X below on the same frequency range; the resonance marked
// in both by a vertical line with its value above the plot. A sweep taken
// before it from the analyser may stand grey behind the curves, its
// resonance named in the legend.
//
// A sweep may hold far more points than a chart has pixel columns: the curves
// keep, per column, only the first, smallest, largest and last point, so a
// curve looks the same and draws fast. The evaluation has used every point.

#include <QPointF>
#include <QString>
#include <functional>
#include <vector>

#include "core/measurement/SweepEvaluation.h"

QT_BEGIN_NAMESPACE
class QChart;
QT_END_NAMESPACE

namespace zb::ui {

// How many columns the curves keep points for: more than a screen is wide.
inline constexpr int kCurveColumns = 4096;

// The points of one curve, per column the first, smallest, largest and last
// (in frequency order); values that are not finite are left out.
std::vector<QPointF> ThinnedCurve(const std::vector<zb::MeasuredPoint>& points,
                                  const std::function<double(const zb::MeasuredPoint&)>& value, int columns);

// The sweep before the one shown, grey behind it.
struct PreviousSweep {
  const zb::Measurement* measurement = nullptr;
  QString legend;  // "vorher: Resonanz 14,050 MHz"
};
// What the legend says of a previous sweep: where its resonance was.
QString PreviousLegend(const zb::Measurement& previous);

// The SWR chart; resonanceText is the value written beside its line.
QChart* NewSwrChart(const zb::Measurement& measurement, const QString& resonanceText,
                    const PreviousSweep* previous = nullptr);
// The chart of R and X.
QChart* NewImpedanceChart(const zb::Measurement& measurement, const QString& resonanceText,
                          const PreviousSweep* previous = nullptr);

}  // namespace zb::ui

#include "ui/messung/MessungCharts.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QCoreApplication>
#include <QGraphicsLayout>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <limits>

#include "core/measurement/SweepTexts.h"
#include "ui/messung/ChartAxes.h"
#include "ui/messung/SwrAxisLabels.h"

namespace zb::ui {

namespace {

const QColor kSwrColour(0, 0, 192);
const QColor kResistanceColour(0, 128, 0);
const QColor kReactanceColour(192, 0, 0);
const QColor kResonanceColour(200, 100, 0);
const QColor kBandColour(0, 170, 0, 60);
const QColor kPreviousColour(150, 150, 150);

// One column's points, in frequency order, each once.
void AddColumn(std::vector<QPointF>& out, const std::vector<QPointF>& column) {
  if (column.empty()) return;
  const auto [low, high] = std::minmax_element(
      column.begin(), column.end(), [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
  std::vector<const QPointF*> kept{&column.front(), &*low, &*high, &column.back()};
  std::sort(kept.begin(), kept.end());
  kept.erase(std::unique(kept.begin(), kept.end()), kept.end());
  for (const QPointF* point : kept) out.push_back(*point);
}

QLineSeries* NewCurve(const QString& name, const std::vector<QPointF>& points, const QColor& colour) {
  auto* series = new QLineSeries;
  series->setName(name);
  series->replace(QList<QPointF>(points.begin(), points.end()));
  QPen pen(colour);
  pen.setWidthF(1.5);
  series->setPen(pen);
  return series;
}

QValueAxis* NewAxis(const QString& title, double low, double high) {
  auto* axis = new QValueAxis;
  axis->setTitleText(title);
  axis->setRange(low, high);
  return axis;
}

void Attach(QChart* chart, QAbstractSeries* series, QValueAxis* x, QValueAxis* y) {
  chart->addSeries(series);
  series->attachAxis(x);
  series->attachAxis(y);
}

// The label's place: above the plot, where no curve runs, beside the line;
// on its left where the right has no room.
void PlaceResonanceLabel(QChart* chart, QGraphicsSimpleTextItem* label, QAbstractSeries* line,
                         QPointF value) {
  const double lineX = chart->mapToPosition(value, line).x();
  const QRectF area = chart->plotArea();
  const QRectF text = label->boundingRect();
  double left = lineX + 4;
  if (left + text.width() > area.right()) left = lineX - 4 - text.width();
  label->setPos(left, area.top() - text.height() - 1);
}

// The resonance: a vertical line over the whole value range and its value
// above the plot beside it, kept there when the chart changes its size.
void AddResonance(QChart* chart, double mhz, QValueAxis* x, QValueAxis* y, const QString& text) {
  QLineSeries* line = NewCurve(QCoreApplication::translate("SweepChart", "Resonanz"),
                               {{mhz, y->min()}, {mhz, y->max()}}, kResonanceColour);
  QPen pen = line->pen();
  pen.setStyle(Qt::DashLine);
  pen.setWidthF(2);
  line->setPen(pen);
  Attach(chart, line, x, y);
  auto* label = new QGraphicsSimpleTextItem(text, chart);
  label->setBrush(kResonanceColour);
  // Room above the plot for one line of the label.
  QMargins margins = chart->margins();
  margins.setTop(margins.top() + static_cast<int>(std::ceil(label->boundingRect().height())));
  chart->setMargins(margins);
  const QPointF value(mhz, y->max());
  QObject::connect(chart, &QChart::plotAreaChanged, chart,
                   [chart, label, line, value] { PlaceResonanceLabel(chart, label, line, value); });
}

QChart* NewChart() {
  auto* chart = new QChart;
  chart->setLocalizeNumbers(true);
  // The legend beside the plot: the height is what the charts are short of.
  chart->legend()->setAlignment(Qt::AlignRight);
  chart->setMargins(QMargins(4, 4, 4, 4));
  // No padding around the chart's background: every pixel of height goes to the plot.
  chart->layout()->setContentsMargins(0, 0, 0, 0);
  chart->setBackgroundRoundness(0);
  return chart;
}

// The resonance marked where it lies in the sweep; outside it nothing is marked.
void MarkResonance(QChart* chart, const zb::SweepEvaluation& e, QValueAxis* x, QValueAxis* y,
                   const QString& text) {
  if (!zb::ResonanceOutsideSweep(e.resonanceKind)) AddResonance(chart, e.resonanceMHz, x, y, text);
}

// The range of the finite values, a little wider; -1..1 without any.
std::pair<double, double> ValueRange(const std::vector<QPointF>& a, const std::vector<QPointF>& b) {
  double low = std::numeric_limits<double>::infinity();
  double high = -low;
  for (const auto* curve : {&a, &b})
    for (const QPointF& p : *curve) {
      low = std::min(low, p.y());
      high = std::max(high, p.y());
    }
  if (!(low <= high)) return {-1, 1};
  const double margin = std::max((high - low) * 0.05, 1.0);
  return {low - margin, high + margin};
}

// A curve of the previous sweep, grey and behind the current one; a curve
// without legend text keeps out of the legend.
void AddPreviousCurve(QChart* chart, const std::vector<QPointF>& points, const QString& legend,
                      Qt::PenStyle style, QValueAxis* x, QAbstractAxis* y) {
  QLineSeries* curve = NewCurve(legend, points, kPreviousColour);
  QPen pen = curve->pen();
  pen.setStyle(style);
  curve->setPen(pen);
  chart->addSeries(curve);
  curve->attachAxis(x);
  curve->attachAxis(y);
  if (legend.isEmpty())
    for (QLegendMarker* marker : chart->legend()->markers(curve)) marker->setVisible(false);
}

double Resistance(const zb::MeasuredPoint& p) { return p.resistance; }
double Reactance(const zb::MeasuredPoint& p) { return p.reactance; }

}  // namespace

QString PreviousLegend(const zb::Measurement& previous) {
  const zb::SweepEvaluation& e = previous.evaluation;
  if (zb::ResonanceOutsideSweep(e.resonanceKind))
    return QCoreApplication::translate("SweepChart", "vorher: Resonanz außerhalb");
  return QCoreApplication::translate("SweepChart", "vorher: Resonanz %1 MHz")
      .arg(QString::fromStdString(zb::SweepMHzText(e.resonanceMHz)));
}

std::vector<QPointF> ThinnedCurve(const std::vector<zb::MeasuredPoint>& points,
                                  const std::function<double(const zb::MeasuredPoint&)>& value, int columns) {
  std::vector<QPointF> out;
  if (points.empty()) return out;
  const double start = points.front().frequencyMHz;
  const double width = points.back().frequencyMHz - start;
  std::vector<QPointF> column;
  int current = -1;
  for (const zb::MeasuredPoint& point : points) {
    const double y = value(point);
    if (!std::isfinite(y)) continue;
    const int index =
        width > 0 ? std::min(columns - 1, static_cast<int>((point.frequencyMHz - start) / width * columns))
                  : 0;
    if (index != current) {
      AddColumn(out, column);
      column.clear();
      current = index;
    }
    column.emplace_back(point.frequencyMHz, y);
  }
  AddColumn(out, column);
  return out;
}

QChart* NewSwrChart(const zb::Measurement& measurement, const QString& resonanceText,
                    const PreviousSweep* previous) {
  const zb::SweepEvaluation& e = measurement.evaluation;
  QChart* chart = NewChart();
  QValueAxis* x = NewFrequencyAxis(e.fStartMHz, e.fStopMHz);
  x->setTitleVisible(false);  // the chart below names it; its height goes to the plot
  QCategoryAxis* y = NewSwrAxis();
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);

  if (e.swr2) {
    auto* lower = new QLineSeries;
    auto* upper = new QLineSeries;
    for (double f : {e.swr2->lowMHz, e.swr2->highMHz}) {
      lower->append(f, y->min());
      upper->append(f, y->max());
    }
    auto* band = new QAreaSeries(upper, lower);
    band->setName(QStringLiteral("SWR \u2264 2"));
    band->setColor(kBandColour);
    band->setBorderColor(Qt::transparent);
    Attach(chart, band, x, y);
  }
  // An SWR above the axis (an infinite one too) is drawn at its top.
  const auto position = [](const zb::MeasuredPoint& p) {
    return SwrAxisPosition(std::min(p.swr, kSwrAxisTop));
  };
  if (previous)
    AddPreviousCurve(chart, ThinnedCurve(previous->measurement->points, position, kCurveColumns),
                     previous->legend, Qt::SolidLine, x, y);
  QLineSeries* curve =
      NewCurve(QStringLiteral("SWR"), ThinnedCurve(measurement.points, position, kCurveColumns), kSwrColour);
  Attach(chart, curve, x, y);
  AddSwrAxisLabels(chart, y, curve);
  MarkResonance(chart, e, x, y, resonanceText);
  return chart;
}

QChart* NewImpedanceChart(const zb::Measurement& measurement, const QString& resonanceText,
                          const PreviousSweep* previous) {
  const zb::SweepEvaluation& e = measurement.evaluation;
  QChart* chart = NewChart();
  const std::vector<QPointF> r = ThinnedCurve(measurement.points, Resistance, kCurveColumns);
  const std::vector<QPointF> xs = ThinnedCurve(measurement.points, Reactance, kCurveColumns);
  std::vector<QPointF> oldR, oldX;
  if (previous) {
    oldR = ThinnedCurve(previous->measurement->points, Resistance, kCurveColumns);
    oldX = ThinnedCurve(previous->measurement->points, Reactance, kCurveColumns);
  }
  // The grey curves inside the range too, as far as they are finite.
  std::vector<QPointF> all = r;
  all.insert(all.end(), oldR.begin(), oldR.end());
  all.insert(all.end(), oldX.begin(), oldX.end());
  const auto [low, high] = ValueRange(all, xs);
  QValueAxis* x = NewFrequencyAxis(e.fStartMHz, e.fStopMHz);
  QValueAxis* y = NewAxis(QStringLiteral("R, X [\u03A9]"), low, high);
  y->applyNiceNumbers();
  // At most four steps: the chart is low, and Qt cuts labels standing
  // closer than their height to "…".
  const double step = RoundStep(y->max() - y->min(), 4);
  y->setTickType(QValueAxis::TicksDynamic);
  y->setTickInterval(step);
  y->setTickAnchor(std::ceil(y->min() / step) * step);
  y->setLabelFormat(step >= 1 ? QStringLiteral("%.0f") : QStringLiteral("%.1f"));
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);
  if (previous) {
    // R solid and X dashed, as the legend names the sweep once.
    AddPreviousCurve(chart, oldR, previous->legend, Qt::SolidLine, x, y);
    AddPreviousCurve(chart, oldX, QString(), Qt::DashLine, x, y);
  }
  Attach(chart, NewCurve(QStringLiteral("R"), r, kResistanceColour), x, y);
  Attach(chart, NewCurve(QStringLiteral("X"), xs, kReactanceColour), x, y);
  MarkResonance(chart, e, x, y, resonanceText);
  return chart;
}

}  // namespace zb::ui

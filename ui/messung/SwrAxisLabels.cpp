#include "ui/messung/SwrAxisLabels.h"

#include <QAbstractSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QGraphicsSimpleTextItem>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "ui/messung/PlotAlignment.h"

namespace zb::ui {

namespace {

constexpr int kGap = 4;  // between a label and the plot

using Label = std::pair<QGraphicsSimpleTextItem*, double>;  // the text and its axis value

void PlaceLabels(QChart* chart, QAbstractSeries* series, const std::vector<Label>& labels) {
  const QRectF area = chart->plotArea();
  for (const auto& [text, value] : labels) {
    const QRectF box = text->boundingRect();
    const double y = chart->mapToPosition(QPointF(0, value), series).y();
    text->setPos(area.left() - kGap - box.width(), y - box.height() / 2);
  }
}

}  // namespace

void AddSwrAxisLabels(QChart* chart, QCategoryAxis* axis, QAbstractSeries* series) {
  axis->setLabelsVisible(false);
  axis->setTitleVisible(false);  // the legend names the curve
  std::vector<Label> labels;
  double widest = 0;
  for (const QString& category : axis->categoriesLabels()) {
    auto* text = new QGraphicsSimpleTextItem(category, chart);
    text->setFont(axis->labelsFont());
    text->setBrush(axis->labelsBrush());
    widest = std::max(widest, text->boundingRect().width());
    labels.emplace_back(text, axis->endValue(category));
  }
  SetLeastLeftMargin(chart, chart->margins().left() + static_cast<int>(std::ceil(widest)) + kGap);
  QObject::connect(chart, &QChart::plotAreaChanged, chart,
                   [chart, series, labels] { PlaceLabels(chart, series, labels); });
}

}  // namespace zb::ui

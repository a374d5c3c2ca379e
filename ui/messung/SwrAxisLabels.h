#pragma once
// The SWR axis's labels, drawn by the chart window itself: Qt Charts shortens
// category labels to "..." where a category is lower than a line of text,
// and the SWR chart of a small window is that low.

#include <QtGlobal>

QT_BEGIN_NAMESPACE
class QAbstractSeries;
class QCategoryAxis;
class QChart;
QT_END_NAMESPACE

namespace zb::ui {

// Writes each category label of axis at its end value, left of the plot,
// kept there when the chart changes its size; the axis's own labels are
// hidden and the chart's left margin makes room for these.
void AddSwrAxisLabels(QChart* chart, QCategoryAxis* axis, QAbstractSeries* series);

}  // namespace zb::ui

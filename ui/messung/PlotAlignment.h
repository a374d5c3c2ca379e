#pragma once
// Two charts one above the other over the same frequencies: their plots get
// the same left and right edges, so that one frequency stands at one x in
// both, whatever room their value labels and legends take.

#include <QtGlobal>

QT_BEGIN_NAMESPACE
class QChart;
QT_END_NAMESPACE

namespace zb::ui {

// Widens the side margins of the chart whose axis labels or legend take less
// room, now and whenever either chart lays out its plot anew.
void AlignPlotAreas(QChart* upper, QChart* lower);

// The left margin a chart needs at least, for what it draws there itself.
void SetLeastLeftMargin(QChart* chart, int margin);

}  // namespace zb::ui

#pragma once
// The axes of the measurement window's charts: frequency ticks on round
// values, and the SWR drawn so that the dip is large where it matters.

#include <QString>

QT_BEGIN_NAMESPACE
class QCategoryAxis;
class QValueAxis;
QT_END_NAMESPACE

namespace zb::ui {

// The highest SWR the chart shows; above it a curve is cut at the top.
inline constexpr double kSwrAxisTop = 10;

// The smallest step of 1, 2 or 5 x 10^n that cuts span into at most mostSteps steps.
double RoundStep(double span, int mostSteps);
// A tick step of 1, 2 or 5 x 10^n MHz giving some five to ten ticks over span.
double RoundFrequencyStep(double spanMHz);

// The frequency axis over the sweep, ticks on multiples of the round step.
QValueAxis* NewFrequencyAxis(double startMHz, double stopMHz);

// Where an SWR stands on the SWR axis: its reflection coefficient
// |G| = (s - 1) / (s + 1). SWR 1 to 3 then fills more than half of the axis
// up to 10, and SWR 1; 1,5; 2; 3; 5; 10 stand almost evenly apart.
double SwrAxisPosition(double swr);

// The SWR axis from 1 to kSwrAxisTop, labelled 1; 1,5; 2; 3; 5; 10 with the
// locale's decimal separator; it maps SwrAxisPosition values.
QCategoryAxis* NewSwrAxis();

}  // namespace zb::ui

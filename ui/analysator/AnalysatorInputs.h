#pragma once
// The numbers of the analyser dialog: frequencies typed in MHz with a decimal
// comma or point, the count of points, the range the dialog proposes, and
// what it remembers of the last sweep in the program's settings store.

#include <QString>
#include <optional>
#include <utility>

namespace zb::ui {

// A frequency in MHz as typed, "14,05" or "14.05"; nothing when the text is
// not a whole number text, not above 0 or beyond 100 GHz. Unlike a box of the
// beam form, which reads the leading number of its text, the dialog refuses
// "14,05x": a sweep of the wrong range costs a trip to the antenna.
std::optional<double> ParseMHz(const QString& text);
// The count of points as typed; nothing when it is no whole number within
// the device's limits.
std::optional<int> ParsePoints(const QString& text);
// A frequency as the dialog shows it: the locale's decimal separator, at
// least two decimals (10 kHz), no needless ones.
QString MHzText(double mhz);
// The range around a design frequency: 5 % below and above, on 10 kHz.
std::pair<double, double> RangeAround(double designMHz);

// What the dialog remembers of the last sweep; an empty text where nothing is kept.
struct AnalysatorPresets {
  QString port;
  std::optional<double> fromMHz;
  std::optional<double> toMHz;
  std::optional<int> points;
};
AnalysatorPresets LoadPresets();
void SavePresets(const QString& port, double fromMHz, double toMHz, int points);

}  // namespace zb::ui

#include "ui/quickview/QuickViewRules.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zb::ui {

int SecondLineLength(const QString& text) {
  // The first break at or after the third character (index 2), the line
  // behind it up to the next break.
  const qsizetype first = text.indexOf(QChar('\n'), 2);
  if (first < 0) return -1;
  const qsizetype start = first + 1;
  const qsizetype next = text.indexOf(QChar('\n'), start);
  if (next < 0) return -1;
  return static_cast<int>(next - start);
}

std::int16_t ViewWidthForLine(int n, double screenWidthTwips) {
  const long long width = static_cast<long long>(n) * kTwipsPerReportCharacter;
  if (width <= kDefaultViewWidth) return kDefaultViewWidth;
  constexpr long long kMax = std::numeric_limits<std::int16_t>::max();
  if (width <= kMax) return static_cast<std::int16_t>(width);
  const double screen = std::floor(screenWidthTwips);
  return static_cast<std::int16_t>(
      std::clamp(screen, static_cast<double>(kDefaultViewWidth), static_cast<double>(kMax)));
}

int FindFromSecondCharacter(const QString& text, const QString& what, int selectionStart) {
  if (what.isEmpty()) return -1;
  const qsizetype from = static_cast<qsizetype>(selectionStart) + 1;
  if (from < 0 || from > text.size()) return -1;
  return static_cast<int>(text.indexOf(what, from, Qt::CaseInsensitive));
}

}  // namespace zb::ui

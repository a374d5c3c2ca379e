#include "ui/analysator/AnalysatorInputs.h"

#include <charconv>
#include <cmath>
#include <string>

#include "core/measurement/AnalyserSession.h"
#include "core/numbers/NumberText.h"
#include "ui/app/Settings.h"

namespace zb::ui {

namespace {

constexpr double kHighestMHz = 100000;

// Numbers in the settings store are written with a decimal point.
const QString kPortKey = QStringLiteral("AnalysatorAnschluss");
const QString kFromKey = QStringLiteral("AnalysatorVon");
const QString kToKey = QStringLiteral("AnalysatorBis");
const QString kPointsKey = QStringLiteral("AnalysatorPunkte");

QString Stored(const QString& key) { return GetSetting(key).value_or(QString()); }

// The whole text as a number, read with a decimal point whatever the locale.
template <typename Number>
std::optional<Number> WholeNumber(const QString& text) {
  std::string digits = text.trimmed().toStdString();
  if (const std::size_t comma = digits.find(','); comma != std::string::npos) digits[comma] = '.';
  Number value{};
  const char* end = digits.data() + digits.size();
  const auto [stop, error] = std::from_chars(digits.data(), end, value);
  if (digits.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

}  // namespace

std::optional<double> ParseMHz(const QString& text) {
  const std::optional<double> mhz = WholeNumber<double>(text);
  if (!mhz || !std::isfinite(*mhz) || *mhz <= 0 || *mhz > kHighestMHz) return std::nullopt;
  return mhz;
}

std::optional<int> ParsePoints(const QString& text) {
  const std::optional<int> points = WholeNumber<int>(text);
  if (!points || *points < zb::kAnalyserFewestPoints || *points > zb::kAnalyserMostPoints)
    return std::nullopt;
  return points;
}

QString MHzText(double mhz) { return QString::fromStdString(zb::FormatNumber(mhz, "0.00####")); }

std::pair<double, double> RangeAround(double designMHz) {
  const auto onGrid = [](double mhz) { return std::round(mhz * 100) / 100; };
  return {onGrid(designMHz * 0.95), onGrid(designMHz * 1.05)};
}

AnalysatorPresets LoadPresets() {
  AnalysatorPresets presets;
  presets.port = Stored(kPortKey);
  presets.fromMHz = ParseMHz(Stored(kFromKey));
  presets.toMHz = ParseMHz(Stored(kToKey));
  presets.points = ParsePoints(Stored(kPointsKey));
  return presets;
}

void SavePresets(const QString& port, double fromMHz, double toMHz, int points) {
  SaveSetting(kPortKey, port);
  SaveSetting(kFromKey, QString::number(fromMHz, 'g', 12));
  SaveSetting(kToKey, QString::number(toMHz, 'g', 12));
  SaveSetting(kPointsKey, QString::number(points));
}

}  // namespace zb::ui

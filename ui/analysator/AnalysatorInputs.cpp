#include "ui/analysator/AnalysatorInputs.h"

#include <QSettings>
#include <charconv>
#include <cmath>
#include <string>

#include "core/measurement/AnalyserSession.h"
#include "core/numbers/NumberText.h"

namespace zb::ui {

namespace {

constexpr double kHighestMHz = 100000;

// The program's settings store; numbers in it are written with a decimal point.
QSettings Store() { return QSettings(QSettings::UserScope, QStringLiteral("Zelvar-Beam"), QStringLiteral("Zelvar-Beam")); }
const QString kPortKey = QStringLiteral("Settings/AnalysatorAnschluss");
const QString kFromKey = QStringLiteral("Settings/AnalysatorVon");
const QString kToKey = QStringLiteral("Settings/AnalysatorBis");
const QString kPointsKey = QStringLiteral("Settings/AnalysatorPunkte");

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
  if (!points || *points < zb::kAnalyserFewestPoints || *points > zb::kAnalyserMostPoints) return std::nullopt;
  return points;
}

QString MHzText(double mhz) { return QString::fromStdString(zb::FormatNumber(mhz, "0.00####")); }

std::pair<double, double> RangeAround(double designMHz) {
  const auto onGrid = [](double mhz) { return std::round(mhz * 100) / 100; };
  return {onGrid(designMHz * 0.95), onGrid(designMHz * 1.05)};
}

AnalysatorPresets LoadPresets() {
  QSettings store = Store();
  AnalysatorPresets presets;
  presets.port = store.value(kPortKey).toString();
  presets.fromMHz = ParseMHz(store.value(kFromKey).toString());
  presets.toMHz = ParseMHz(store.value(kToKey).toString());
  presets.points = ParsePoints(store.value(kPointsKey).toString());
  return presets;
}

void SavePresets(const QString& port, double fromMHz, double toMHz, int points) {
  QSettings store = Store();
  store.setValue(kPortKey, port);
  store.setValue(kFromKey, QString::number(fromMHz, 'g', 12));
  store.setValue(kToKey, QString::number(toMHz, 'g', 12));
  store.setValue(kPointsKey, QString::number(points));
}

}  // namespace zb::ui

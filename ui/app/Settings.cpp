#include "ui/app/Settings.h"

#include <QLocale>
#include <QSettings>
#include <cmath>
#include <cstdint>
#include <limits>

namespace zb::ui {

namespace {

QSettings Store() {
  return QSettings(QSettings::UserScope, QString::fromLatin1(kSettingsApplication),
                   QString::fromLatin1(kSettingsApplication));
}

QString Key(const QString& key) { return QString::fromLatin1(kSettingsSection) + QLatin1Char('/') + key; }

// Settings are written with a decimal point, whatever the desktop's locale;
// a value an earlier version wrote with the locale's comma still reads.
std::optional<double> SettingToDouble(const QString& text) {
  QLocale c = QLocale::c();
  c.setNumberOptions(QLocale::RejectGroupSeparator);
  bool ok = false;
  double value = c.toDouble(text.trimmed(), &ok);
  if (!ok) {
    QLocale locale = QLocale::system();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    value = locale.toDouble(text.trimmed(), &ok);
  }
  if (!ok || !std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace

std::optional<QString> GetSetting(const QString& key) {
  QSettings settings = Store();
  const QVariant value = settings.value(Key(key));
  if (!value.isValid()) return std::nullopt;
  return value.toString();
}

void SaveSetting(const QString& key, const QString& value) {
  QSettings settings = Store();
  settings.setValue(Key(key), value);
}

std::optional<float> SettingToSingle(const QString& text) {
  const std::optional<double> value = SettingToDouble(text);
  if (!value || std::fabs(*value) > std::numeric_limits<float>::max()) return std::nullopt;
  return static_cast<float>(*value);
}

std::optional<int> SettingToInteger(const QString& text) {
  const std::optional<double> value = SettingToDouble(text);
  if (!value) return std::nullopt;
  const double rounded = std::nearbyint(*value);  // ties to even in the default rounding mode
  if (rounded < std::numeric_limits<std::int16_t>::min() ||
      rounded > std::numeric_limits<std::int16_t>::max())
    return std::nullopt;
  return static_cast<int>(rounded);
}

QString SingleToSetting(double value) {
  return QString::number(static_cast<double>(static_cast<float>(value)), 'g', 7);
}

}  // namespace zb::ui

#pragma once
// The program's per-user settings store, the one place that opens it:
// application "Zelvar-Beam", section "Settings". Every value is kept as text;
// the frame's numbers are written with a decimal point and read in either
// form.

#include <QString>
#include <optional>

namespace zb::ui {

inline constexpr const char* kSettingsApplication = "Zelvar-Beam";
inline constexpr const char* kSettingsSection = "Settings";

// The stored text of a key, or nothing when the key is absent.
std::optional<QString> GetSetting(const QString& key);
void SaveSetting(const QString& key, const QString& value);

// A stored text as a 4-byte number; nothing when it is not a number in the
// user's locale.
std::optional<float> SettingToSingle(const QString& text);
// A stored text as a 16-bit integer (rounded to the nearest, ties to even);
// nothing when it is not a number or out of range.
std::optional<int> SettingToInteger(const QString& text);
// A number as stored: at most 7 significant digits, the locale's decimal
// separator, no thousands separators.
QString SingleToSetting(double value);

}  // namespace zb::ui

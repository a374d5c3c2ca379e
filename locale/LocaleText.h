#pragma once
// The user's locale as the program shows numbers and dates. QLocale::system()
// follows LC_ALL, LC_NUMERIC and LANG even where the C library's locale is
// not generated.

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <string>

namespace zb::ui {

// Sets core's decimal separator from the locale (',' for German).
void ApplyDecimalSeparator(const QLocale& locale = QLocale::system());

// The general date-and-time form: the short date with a four-digit year and
// the time with seconds, "07.12.2026 14:03:59" under German.
QString GeneralDateTime(const QDateTime& when, const QLocale& locale = QLocale::system());

// The locale's short date form with a four-digit year, "07.12.2026" under German.
QString ShortDate(const QDate& date, const QLocale& locale = QLocale::system());

// A Qt text as core's UTF-8 text and back.
inline std::string U8(const QString& text) { return text.toStdString(); }
inline QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace zb::ui

#include "locale/LocaleText.h"

#include <QRegularExpression>

#include "core/numbers/NumberText.h"

namespace zb::ui {

namespace {

// Qt's short formats use two-digit years in many locales; the program shows four.
QString WithFourDigitYear(QString format) {
  if (!format.contains(QStringLiteral("yyyy"))) format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
  return format;
}

// The short time format with seconds after the minutes.
QString WithSeconds(QString format) {
  if (!format.contains(QLatin1Char('s'))) format.replace(QStringLiteral("mm"), QStringLiteral("mm:ss"));
  return format;
}

}  // namespace

void ApplyDecimalSeparator(const QLocale& locale) {
  const QString point = locale.decimalPoint();
  zb::SetDecimalSeparator(point.size() == 1 && point[0].unicode() < 128 ? point[0].toLatin1() : '.');
}

QString GeneralDateTime(const QDateTime& when, const QLocale& locale) {
  const QString format = WithFourDigitYear(locale.dateFormat(QLocale::ShortFormat)) + QLatin1Char(' ') +
                         WithSeconds(locale.timeFormat(QLocale::ShortFormat));
  return locale.toString(when, format);
}

QString ShortDate(const QDate& date, const QLocale& locale) {
  return locale.toString(date, WithFourDigitYear(locale.dateFormat(QLocale::ShortFormat)));
}

}  // namespace zb::ui

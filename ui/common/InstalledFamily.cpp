#include "ui/common/InstalledFamily.h"

#include <QFontDatabase>
#include <QStringList>

namespace zb::ui {

QString InstalledFamily(const QString& wanted) {
  const QStringList installed = QFontDatabase::families();
  const auto has = [&installed](const QString& family) {
    return installed.contains(family, Qt::CaseInsensitive);
  };
  if (has(wanted)) return wanted;
  // The Liberation fonts have the same character widths as these two, so the
  // report's columns stand where they would.
  if (wanted.compare(QStringLiteral("Courier New"), Qt::CaseInsensitive) == 0) {
    if (has(QStringLiteral("Liberation Mono"))) return QStringLiteral("Liberation Mono");
    return QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
  }
  if (wanted.compare(QStringLiteral("Arial"), Qt::CaseInsensitive) == 0) {
    if (has(QStringLiteral("Liberation Sans"))) return QStringLiteral("Liberation Sans");
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
  }
  return wanted;
}

}  // namespace zb::ui

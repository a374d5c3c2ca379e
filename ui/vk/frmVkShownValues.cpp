// For the desktop smoke test: what the window shows, read back without a
// screenshot. Only when ZB_TEST_SHOWN_VALUES names a file does "&Rechnen"
// append the shown rows there, a caption (without its access-key mark) and
// its value per line.

#include <QFile>
#include <QLabel>
#include <QLineEdit>

#include "ui/vk/frmVk.h"

namespace zb::ui {

namespace {

QString ValueText(const QWidget* value) {
  if (const auto* box = qobject_cast<const QLineEdit*>(value)) return box->text();
  return static_cast<const QLabel*>(value)->text();
}

}  // namespace

void frmVk::RecordShownValues() const {
  const QString path = qEnvironmentVariable("ZB_TEST_SHOWN_VALUES");
  if (path.isEmpty()) return;
  const std::pair<const QLabel*, const QWidget*> rows[] = {
      {Label1, Text1}, {Label2, Text2}, {Label3, Text3}, {Label6, Label7},
      {Label4, Label5}, {Label8, Label9}, {Label10, Label11}, {Label12, Label13}};
  QString shown;
  for (const auto& [caption, value] : rows)
    if (value->isVisible()) shown += QString(caption->text()).remove(QLatin1Char('&')) + ' ' + ValueText(value) + '\n';
  QFile file(path);
  if (file.open(QIODevice::Append)) file.write(shown.toUtf8());
}

}  // namespace zb::ui

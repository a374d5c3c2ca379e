#include "ui/quickview/PastedCopyTextEdit.h"

#include <QMimeData>
#include <QPointer>
#include <QStringList>
#include <memory>

namespace zb::ui {

namespace {

// What a text area can take from a paste, asked for once each and kept. The
// clipboard's data object itself may go while a format is fetched (its owner
// gone, the clipboard changed): then the copy keeps what came before. A
// format whose owner has gone comes back empty and is left out.
std::unique_ptr<QMimeData> OwnCopy(const QMimeData& source) {
  auto copy = std::make_unique<QMimeData>();
  const QPointer<const QMimeData> alive(&source);
  const QStringList formats = source.formats();
  for (const QString& format : formats) {
    const bool usable =
        format.startsWith(QLatin1String("text/")) || format == QLatin1String("application/x-qrichtext");
    if (!usable) continue;
    if (!alive) break;
    const QByteArray data = alive->data(format);
    if (!data.isEmpty()) copy->setData(format, data);
  }
  return copy;
}

}  // namespace

void PastedCopyTextEdit::insertFromMimeData(const QMimeData* source) {
  if (!source) return;
  const std::unique_ptr<QMimeData> copy = OwnCopy(*source);
  if (copy->formats().isEmpty()) return;  // nothing left to paste
  QTextEdit::insertFromMimeData(copy.get());
}

}  // namespace zb::ui

#include "ui/quickview/PastedCopyTextEdit.h"

#include <QMimeData>
#include <memory>

namespace zb::ui {

namespace {

// What a text area can take from a paste, asked for once each and kept: a
// format whose owner has gone comes back empty and is left out.
std::unique_ptr<QMimeData> OwnCopy(const QMimeData& source) {
  auto copy = std::make_unique<QMimeData>();
  for (const QString& format : source.formats()) {
    const bool usable =
        format.startsWith(QLatin1String("text/")) || format == QLatin1String("application/x-qrichtext");
    if (!usable) continue;
    const QByteArray data = source.data(format);
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

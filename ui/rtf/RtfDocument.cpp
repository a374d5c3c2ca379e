#include "ui/rtf/RtfDocument.h"

#include <QCoreApplication>
#include <QTextDocument>
#include <string_view>

#include "ui/rtf/RtfReader.h"
#include "ui/rtf/RtfWriter.h"

namespace zb::ui::rtf {

bool LooksLikeRtf(const QByteArray& data) { return data.startsWith("{\\rtf"); }

bool ReadRtf(const QByteArray& data, QTextDocument& document, QString* error) {
  if (!LooksLikeRtf(data)) {
    // The document keeps its content: the caller may fall back to plain text.
    if (error != nullptr) *error = QCoreApplication::translate("Rtf", "Die Datei ist keine RTF-Datei.");
    return false;
  }
  // Loading replaces the content; nothing of it needs to be undoable, and an
  // undo record per inserted run would only cost memory.
  const bool undo = document.isUndoRedoEnabled();
  document.setUndoRedoEnabled(false);
  RtfReader reader(document);
  reader.Read(std::string_view(data.constData(), static_cast<std::size_t>(data.size())));
  document.setUndoRedoEnabled(undo);
  document.setModified(false);
  return true;
}

QByteArray WriteRtf(const QTextDocument& document) { return RtfWriter(document).Write(); }

}  // namespace zb::ui::rtf

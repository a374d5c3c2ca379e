#include "ui/rtf/RtfDocument.h"

#include <QTextDocument>

namespace zb::ui::rtf {

// Replaced by the real reader and writer.
bool LooksLikeRtf(const QByteArray& data) { return data.startsWith("{\\rtf"); }
bool ReadRtf(const QByteArray&, QTextDocument&, QString*) { return false; }
QByteArray WriteRtf(const QTextDocument&) { return QByteArray(); }

}  // namespace zb::ui::rtf

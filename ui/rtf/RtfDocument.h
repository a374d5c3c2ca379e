#pragma once
// Rich text files to and from a QTextDocument.

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace zb::ui::rtf {

// True when the bytes start like an RTF file ("{\rtf").
bool LooksLikeRtf(const QByteArray& data);

// Reads RTF into the document (replacing its content). Malformed input loads
// what can be read; false (with a description in *error) when nothing could.
bool ReadRtf(const QByteArray& data, QTextDocument& document, QString* error = nullptr);

// Writes the whole document as RTF.
QByteArray WriteRtf(const QTextDocument& document);

}  // namespace zb::ui::rtf

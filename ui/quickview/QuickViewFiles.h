#pragma once
// Reading the quick view's files, with the program's error numbers for what
// went wrong (core/numbers/RuntimeError.h).

#include <QByteArray>
#include <QString>

namespace zb::ui {

// Reads the whole file into data. Returns 0, or the error number: 53 when
// the file does not exist, 76 when its folder does not, 70 when it may not be
// read, 75 for anything else (a folder instead of a file, a read error).
int ReadWholeFile(const QString& path, QByteArray& data);

// The text of a plain-text file: Windows-1252, lines ended by CR LF (a CR or
// an LF alone ends a line too), as the text area takes it, one '\n' a line.
QString PlainTextOfFile(const QByteArray& bytes);

}  // namespace zb::ui

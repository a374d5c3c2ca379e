#pragma once
// Reading and writing the quick view's files, with the program's error
// numbers for what went wrong (core/RuntimeError.h).

#include <QByteArray>
#include <QString>

namespace zb::ui {

// Reads the whole file into data. Returns 0, or the error number: 53 when
// the file does not exist, 76 when its folder does not, 70 when it may not be
// read, 75 for anything else (a folder instead of a file, a read error).
int ReadWholeFile(const QString& path, QByteArray& data);

// Writes data to the file through a temporary file beside it, which replaces
// the file only once it is complete: a failed write never leaves a half file
// and never destroys the earlier one. Returns 0, or the error number: 76 when
// the folder does not exist, 70 when the file or folder may not be written,
// 61 when the disk is full, 75 for anything else.
int WriteFileSafely(const QString& path, const QByteArray& data);

// The text of a plain-text file: Windows-1252, lines ended by CR LF (a CR or
// an LF alone ends a line too), as the text area takes it, one '\n' a line.
QString PlainTextOfFile(const QByteArray& bytes);

}  // namespace zb::ui

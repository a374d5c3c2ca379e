#include "ui/quickview/QuickViewFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

#include "core/Cp1252.h"
#include "core/RuntimeError.h"

namespace zb::ui {

namespace {

bool FolderExists(const QFileInfo& file) { return QFileInfo(file.absolutePath()).isDir(); }

}  // namespace

int ReadWholeFile(const QString& path, QByteArray& data) {
  const QFileInfo info(path);
  if (path.isEmpty()) return kFileNotFound;
  if (!info.exists()) return FolderExists(info) ? kFileNotFound : kPathNotFound;
  if (info.isDir()) return kPathFileAccess;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return info.isReadable() ? kPathFileAccess : kPermissionDenied;
  QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return kPathFileAccess;
  data = std::move(bytes);
  return 0;
}

int WriteFileSafely(const QString& path, const QByteArray& data) {
  const QFileInfo info(path);
  if (path.isEmpty() || !FolderExists(info)) return kPathNotFound;
  if (info.isDir()) return kPathFileAccess;
  // A file the user made read-only stays as it is, although the folder would
  // let the temporary file replace it.
  if (info.exists() && !info.isWritable()) return kPermissionDenied;

  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly))
    return QFileInfo(info.absolutePath()).isWritable() ? kPathFileAccess : kPermissionDenied;
  const bool written = file.write(data) == data.size();
  if (written && file.commit()) return 0;
  file.cancelWriting();
  const QStorageInfo storage(info.absolutePath());
  if (storage.isValid() && storage.bytesAvailable() < data.size()) return kDiskFull;
  return kPathFileAccess;
}

QString PlainTextOfFile(const QByteArray& bytes) {
  QString text =
      QString::fromStdString(zb::Cp1252ToUtf8(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QChar('\r'), QChar('\n'));
  return text;
}

}  // namespace zb::ui

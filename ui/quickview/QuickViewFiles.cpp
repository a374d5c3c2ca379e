#include "ui/quickview/QuickViewFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/numbers/Cp1252.h"
#include "core/numbers/RuntimeError.h"
#include "locale/LocaleText.h"

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

QString PlainTextOfFile(const QByteArray& bytes) {
  const std::string_view view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  QString text = Q(zb::Cp1252ToUtf8(view));
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QChar('\r'), QChar('\n'));
  return text;
}

}  // namespace zb::ui

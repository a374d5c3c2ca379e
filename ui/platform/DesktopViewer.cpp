#include "ui/platform/DesktopViewer.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>

namespace zb::ui {

namespace {

constexpr int kQueryTimeoutMs = 5000;

// The escapes of a desktop entry's string values: \s \n \t \r \\.
QString UnescapeValue(const QString& value) {
  QString result;
  result.reserve(value.size());
  for (qsizetype i = 0; i < value.size(); ++i) {
    const QChar c = value[i];
    if (c != QLatin1Char('\\') || i + 1 == value.size()) {
      result += c;
      continue;
    }
    const QChar next = value[++i];
    switch (next.unicode()) {
      case 's':
        result += QLatin1Char(' ');
        break;
      case 'n':
        result += QLatin1Char('\n');
        break;
      case 't':
        result += QLatin1Char('\t');
        break;
      case 'r':
        result += QLatin1Char('\r');
        break;
      case '\\':
        result += QLatin1Char('\\');
        break;
      default:
        result += c;
        result += next;
        break;
    }
  }
  return result;
}

}  // namespace

QString DocumentMimeType(const QString& document) {
  const QMimeDatabase database;
  const QMimeType type = database.mimeTypeForFile(document);
  if (type.isValid() && !type.isDefault()) return type.name();
  // Without the shared MIME database a PDF is still a PDF.
  if (QFileInfo(document).suffix().compare(QStringLiteral("pdf"), Qt::CaseInsensitive) == 0)
    return QStringLiteral("application/pdf");
  return QString();
}

QString DefaultDesktopEntry(const QString& mimeType) {
  if (mimeType.isEmpty()) return QString();
  const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
  if (xdgMime.isEmpty()) return QString();
  QProcess process;
  process.setProcessChannelMode(QProcess::SeparateChannels);
  process.setStandardInputFile(QProcess::nullDevice());
  process.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), mimeType});
  if (!process.waitForFinished(kQueryTimeoutMs)) {
    process.kill();
    process.waitForFinished(kQueryTimeoutMs);
    return QString();
  }
  if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) return QString();
  const QString output = QString::fromLocal8Bit(process.readAllStandardOutput());
  QString entry = output.section(QLatin1Char('\n'), 0, 0).section(QLatin1Char(';'), 0, 0).trimmed();
  // A desktop entry is a bare file name; anything else is not one.
  if (entry.contains(QLatin1Char('/')) || !entry.endsWith(QStringLiteral(".desktop"))) return QString();
  return entry;
}

QStringList XdgDataDirs() {
  QStringList dirs;
  QString home = qEnvironmentVariable("XDG_DATA_HOME");
  if (home.isEmpty()) home = QDir::homePath() + QStringLiteral("/.local/share");
  dirs << home;
  QString system = qEnvironmentVariable("XDG_DATA_DIRS");
  if (system.isEmpty()) system = QStringLiteral("/usr/local/share/:/usr/share/");
  for (const QString& dir : system.split(QLatin1Char(':'), Qt::SkipEmptyParts)) dirs << dir;
  return dirs;
}

QString FindDesktopEntryFile(const QString& desktopId, const QStringList& dataDirs) {
  if (desktopId.isEmpty() || desktopId.contains(QLatin1Char('/'))) return QString();
  for (const QString& dataDir : dataDirs) {
    const QDir applications(QDir(dataDir).filePath(QStringLiteral("applications")));
    if (!applications.exists()) continue;
    QString direct = applications.filePath(desktopId);
    if (QFileInfo(direct).isFile()) return direct;
    // Entries in subfolders have the folder names joined with '-' in their id.
    if (!desktopId.contains(QLatin1Char('-'))) continue;
    QDirIterator it(applications.path(), {QStringLiteral("*.desktop")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
      QString file = it.next();
      QString id = applications.relativeFilePath(file);
      id.replace(QLatin1Char('/'), QLatin1Char('-'));
      if (id == desktopId) return file;
    }
  }
  return QString();
}

QString DesktopEntryExec(const QString& desktopFile) {
  QFile file(desktopFile);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return QString();
  QTextStream in(&file);
  bool inEntry = false;
  while (!in.atEnd()) {
    const QString line = in.readLine().trimmed();
    if (line.startsWith(QLatin1Char('['))) {
      inEntry = line == QStringLiteral("[Desktop Entry]");
      continue;
    }
    if (!inEntry || line.startsWith(QLatin1Char('#'))) continue;
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals < 0) continue;
    if (line.left(equals).trimmed() == QStringLiteral("Exec"))
      return UnescapeValue(line.mid(equals + 1).trimmed());
  }
  return QString();
}

QString ExecProgram(const QString& execValue) {
  const QString value = execValue.trimmed();
  if (value.isEmpty()) return QString();
  if (!value.startsWith(QLatin1Char('"'))) return value.section(QLatin1Char(' '), 0, 0);
  // A quoted word: \" \` \$ \\ stand for the character itself.
  QString word;
  for (qsizetype i = 1; i < value.size(); ++i) {
    const QChar c = value[i];
    if (c == QLatin1Char('"')) return word;
    if (c == QLatin1Char('\\') && i + 1 < value.size()) {
      const QChar next = value[i + 1];
      if (next == QLatin1Char('"') || next == QLatin1Char('`') || next == QLatin1Char('$') ||
          next == QLatin1Char('\\')) {
        word += next;
        ++i;
        continue;
      }
    }
    word += c;
  }
  return QString();  // the closing quote is missing
}

QString RegisteredViewerFor(const QString& document) {
  const QString entry = DefaultDesktopEntry(DocumentMimeType(document));
  if (entry.isEmpty()) return QString();
  const QString file = FindDesktopEntryFile(entry, XdgDataDirs());
  if (file.isEmpty()) return QString();
  const QString program = ExecProgram(DesktopEntryExec(file));
  if (program.isEmpty()) return QString();
  return QStandardPaths::findExecutable(program);
}

}  // namespace zb::ui

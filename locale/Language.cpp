#include "locale/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include "core/shared/Translate.h"

namespace zb::ui {

Language DesktopLanguage(const QStringList& uiLanguages) {
  for (const QString& tag : uiLanguages) {
    const QString primary = tag.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
    if (primary == QLatin1String("de") || primary == QLatin1String("c") || primary == QLatin1String("posix"))
      return Language::German;
    if (primary == QLatin1String("en")) return Language::English;
  }
  return Language::German;
}

std::optional<Language> LanguageFromSetting(const std::optional<QString>& stored) {
  if (!stored) return std::nullopt;
  if (*stored == QLatin1String("de")) return Language::German;
  if (*stored == QLatin1String("en")) return Language::English;
  return std::nullopt;
}

QString LanguageSetting(Language language) {
  return language == Language::English ? QStringLiteral("en") : QStringLiteral("de");
}

namespace {
// core's texts through the same catalogue as the windows'.
std::string QtTranslate(const char* context, const char* source) {
  return QCoreApplication::translate(context, source).toStdString();
}
}  // namespace

Translations::Translations(Language language) {
  const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  if (language == Language::German) {
    // Qt's own buttons and dialogs in German too ("Ja", "Abbrechen").
    if (qtTexts_.load(QStringLiteral("qtbase_de"), qtFolder)) QCoreApplication::installTranslator(&qtTexts_);
    return;
  }
  if (programTexts_.load(QStringLiteral(":/i18n/zelvar-beam_en.qm"))) {
    QCoreApplication::installTranslator(&programTexts_);
    zb::SetTextTranslator(&QtTranslate);
  }
}

Translations::~Translations() {
  zb::SetTextTranslator(nullptr);
  QCoreApplication::removeTranslator(&programTexts_);
  QCoreApplication::removeTranslator(&qtTexts_);
}

}  // namespace zb::ui

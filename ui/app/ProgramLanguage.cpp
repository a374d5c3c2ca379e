#include "ui/app/ProgramLanguage.h"

#include <QLocale>

#include "ui/app/Settings.h"

namespace zb::ui {

namespace {
const QString kLanguageKey = QStringLiteral("Sprache");
}

Language StartLanguage() {
  return LanguageFromSetting(GetSetting(kLanguageKey))
      .value_or(DesktopLanguage(QLocale::system().uiLanguages()));
}

void ChooseStartLanguage(Language language) { SaveSetting(kLanguageKey, LanguageSetting(language)); }

}  // namespace zb::ui

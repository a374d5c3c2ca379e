#pragma once
// Which language the program speaks: German, as designed, or English. The
// desktop's list of UI languages decides unless the user chose one in the
// frame's "?" menu (setting "Sprache", read at the start).

#include <QString>
#include <QStringList>
#include <QTranslator>
#include <optional>

namespace zb::ui {

enum class Language { German, English };

// The first language on the desktop's list that the program has: German for
// German, English for English; C and POSIX mean German. A language without a
// catalogue is passed over; a list with neither German nor English means
// German.
Language DesktopLanguage(const QStringList& uiLanguages);

// The stored choice ("de", "en"); nothing for an absent or unknown one.
std::optional<Language> LanguageFromSetting(const std::optional<QString>& stored);
QString LanguageSetting(Language language);

// The catalogues of one language, installed for as long as this lives: the
// program's own (English only; German is the source) and Qt's for its
// standard buttons and dialogs.
class Translations {
 public:
  explicit Translations(Language language);
  ~Translations();
  Translations(const Translations&) = delete;
  Translations& operator=(const Translations&) = delete;

 private:
  QTranslator qtTexts_;
  QTranslator programTexts_;
};

}  // namespace zb::ui

#pragma once
// The language the program starts in: the one chosen under "?" ->
// "Sprache / Language" (setting "Sprache"), else the desktop's.

#include "locale/Language.h"

namespace zb::ui {

Language StartLanguage();
// Stores the choice; it holds from the next start.
void ChooseStartLanguage(Language language);

}  // namespace zb::ui

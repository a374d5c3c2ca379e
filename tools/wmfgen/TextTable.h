#pragma once
// A drawing in another language: its description with every text replaced by
// the translation a table gives. The table holds one "original<TAB>translation"
// per line; empty lines and lines starting with "#" are comments. Labels of a
// single word that the table does not name ("lD", "AQ1", "45°") stay as they
// are; a missing phrase is an error, so no German sentence slips through.

#include <string>
#include <string_view>

namespace zb::tools {

std::string TranslatedDescription(std::string_view description, std::string_view table);

}  // namespace zb::tools

#pragma once
// The manual page zelvar-beam-cli(1), in German, written from the same
// option tables that --help prints.

#include <string>
#include <string_view>
#include <vector>

#include "cli/Usage.h"

namespace zb {

// The page in roff (man macros), pure ASCII; `version` goes into the footer.
std::string ManualPage(const std::vector<UsageSection>& sections, std::string_view version);

// Text made safe for a roff text line: backslashes, minus signs and a leading
// dot or apostrophe escaped, every non-ASCII character as \[uXXXX].
std::string RoffText(std::string_view utf8);

}  // namespace zb

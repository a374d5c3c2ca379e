#include "core/shared/Translate.h"

#include <atomic>

namespace zb {

namespace {
// Set once at the start; read from the analyser's worker thread too.
std::atomic<TextTranslator> translator{nullptr};
}  // namespace

void SetTextTranslator(TextTranslator t) { translator.store(t); }

std::string Tr(const char* context, const char* source) {
  const TextTranslator t = translator.load();
  return t ? t(context, source) : std::string(source);
}

std::string Fill(const std::string& pattern, std::initializer_list<std::string> arguments) {
  std::string text;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    const auto number = static_cast<std::size_t>(next - '0');
    if (pattern[i] == '%' && next >= '1' && next <= '9' && number <= arguments.size()) {
      text += *(arguments.begin() + (number - 1));
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

}  // namespace zb

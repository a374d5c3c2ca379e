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

}  // namespace zb

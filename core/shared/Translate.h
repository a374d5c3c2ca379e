#pragma once
// The one door through which core's texts for the user pass: German as the
// source writes them, or the language the program speaks once the program
// or the command line has installed a translator (Qt's, at their start).
// core itself knows no Qt. lupdate reads Tr("context", "text") as a text to
// translate (option -tr-function-alias translate+=Tr).

#include <initializer_list>
#include <string>

namespace zb {

using TextTranslator = std::string (*)(const char* context, const char* source);

// nullptr: every text stays German.
void SetTextTranslator(TextTranslator translator);

std::string Tr(const char* context, const char* source);

// The pattern with %1, %2, ... replaced by the arguments in turn, so that a
// translation may put them in another order: Fill("%1 bis %2 MHz", {a, b}).
std::string Fill(const std::string& pattern, std::initializer_list<std::string> arguments);

// Marks a text for the catalogue where it is stored rather than shown;
// Tr with the same context translates it where it is shown. lupdate reads
// TrMark("context", "text") (option -tr-function-alias
// QT_TRANSLATE_NOOP+=TrMark).
constexpr const char* TrMark(const char* /*context*/, const char* text) { return text; }

}  // namespace zb

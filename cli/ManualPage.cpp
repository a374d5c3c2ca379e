#include "cli/ManualPage.h"

#include <cstdio>

#include "core/shared/Translate.h"

namespace zb {

namespace {

// Decodes one UTF-8 sequence starting at text[i] and advances i past it;
// a broken sequence yields U+FFFD so the page stays readable.
char32_t NextCodePoint(std::string_view text, std::size_t& i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i++);
  if (lead < 0x80) return lead;
  const int length = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
  if (length < 0 || i + static_cast<std::size_t>(length) > text.size()) return U'\uFFFD';
  char32_t code = lead & (0x3F >> length);
  for (int k = 0; k < length; ++k) {
    if ((byte(i) & 0xC0) != 0x80) return U'\uFFFD';
    code = (code << 6) | (byte(i++) & 0x3F);
  }
  return code;
}

std::string Escaped(char32_t code) {
  switch (code) {
    case U'\\':
      return "\\e";
    case U'-':
      return "\\-";
    default:
      break;
  }
  if (code < 0x80) return std::string(1, static_cast<char>(code));
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "\\[u%04X]", static_cast<unsigned>(code));
  return buffer;
}

// The option bold and its argument in italics; `blank` goes between them.
std::string OptionText(const UsageRow& row, std::string_view blank = " ") {
  if (IsOperand(row)) return "\\fI" + RoffText(ShownArgument(row.argument)) + "\\fR";
  std::string text = "\\fB" + RoffText(row.option) + "\\fR";
  if (!row.argument.empty())
    text += std::string(blank) + "\\fI" + RoffText(ShownArgument(row.argument)) + "\\fR";
  return text;
}

// The same synopsis as --help: required options plainly, others in brackets.
// Continued lines hang under the command; the unbreakable blank keeps an
// option on one line with its argument, and \\% keeps roff from hyphenating it.
std::string Synopsis(const UsageSection& section) {
  std::string lines = ".in +8n\n.ti -8n\n.B zelvar\\-beam\\-cli";
  if (!section.command.empty()) lines += " " + RoffText(section.command);
  lines += "\n";
  for (const UsageRow& row : section.rows) {
    if (!InSynopsis(row)) continue;
    const std::string option = OptionText(row, "\\ ");
    lines += "\\%" + (row.required ? option : "[" + option + "]") + "\n";
  }
  return lines + ".in -8n\n";
}

std::string Paragraphs(const std::vector<std::string_view>& paragraphs) {
  std::string out;
  for (std::string_view paragraph : paragraphs) out += ".PP\n" + RoffText(UsageWords(paragraph)) + "\n";
  return out;
}

std::string Options(const std::vector<UsageRow>& rows) {
  std::string out;
  for (const UsageRow& row : rows) {
    out += ".TP\n" + OptionText(row) + "\n" + RoffText(UsageWords(row.description)) + "\n";
  }
  return out;
}

}  // namespace

std::string RoffText(std::string_view utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) out += Escaped(NextCodePoint(utf8, i));
  // roff reads a line that starts with a dot or an apostrophe as a request.
  if (!out.empty() && (out[0] == '.' || out[0] == '\'')) out.insert(0, "\\&");
  return out;
}

std::string ManualPage(const std::vector<UsageSection>& sections, std::string_view version) {
  std::string page = ".TH ZELVAR\\-BEAM\\-CLI 1 \"\" \"Zelvar\\-Beam " + RoffText(version) + "\" \"" +
                     RoffText(Tr("ManualPage", "Benutzerbefehle")) + "\"\n";
  page += ".SH NAME\nzelvar\\-beam\\-cli \\- " +
          RoffText(Tr("ManualPage", "Zelvar-Beam nach Kalvex ohne Fenster berechnen")) + "\n";
  page += ".SH " + RoffText(Tr("ManualPage", "ÜBERSICHT")) + "\n";
  page += ".na\n";  // ragged lines: a justified synopsis scatters the options
  for (const UsageSection& section : sections) page += Synopsis(section);
  page += ".ad\n";
  for (std::size_t i = 0; i < sections.size(); ++i) {
    const UsageSection& section = sections[i];
    if (i == 0) {
      page += ".SH " + RoffText(Tr("ManualPage", "BESCHREIBUNG")) + "\n" + Paragraphs(section.introduction) +
              ".SH " + RoffText(Tr("ManualPage", "OPTIONEN")) + "\n";
    } else {
      page += ".SH \"" + RoffText(Tr("ManualPage", "BEFEHL")) + " " + RoffText(section.command) + "\"\n" +
              Paragraphs(section.introduction) + ".SS " + RoffText(Tr("ManualPage", "Optionen")) + "\n";
    }
    page += Options(section.rows) + Paragraphs(section.closing);
  }
  page +=
      ".SH " + RoffText(Tr("ManualPage", "DATEIEN")) + "\n.TP\n.I Zelvar\\-Beam.txt\n" +
      RoffText(Tr("ManualPage",
                  "Die Ergebnistabelle im Arbeitsverzeichnis, bei jeder vollständigen Berechnung ersetzt.")) +
      "\n";
  page += ".SH \"" + RoffText(Tr("ManualPage", "SIEHE AUCH")) + "\"\n.BR zelvar\\-beam (1)\n";
  return page;
}

}  // namespace zb

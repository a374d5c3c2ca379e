#include "cli/Usage.h"

#include <algorithm>

#include "cli/Subcommands.h"

namespace zb {

namespace {

constexpr std::size_t kTerminalWidth = 79;
constexpr std::size_t kLongestOptionColumn = 30;  // longer options put their description below

std::size_t Columns(std::string_view utf8) {
  return static_cast<std::size_t>(
      std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// The words of a text at single blanks; a run of blanks inside the text
// ("2,2   PTFE") gives empty words, so it stays as it is written.
std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words;
  while (!text.empty()) {
    const std::size_t blank = text.find(' ');
    words.emplace_back(text.substr(0, blank));
    text = blank == std::string_view::npos ? std::string_view{} : text.substr(blank + 1);
  }
  return words;
}

// Greedy wrap: a word never breaks, lines after the first start at indent.
std::string Wrapped(const std::vector<std::string>& words, std::size_t indent, std::size_t firstColumn) {
  std::string out;
  std::size_t column = firstColumn;
  bool lineStart = true;
  for (const std::string& word : words) {
    if (!lineStart && column + 1 + Columns(word) > kTerminalWidth) {
      out += '\n' + std::string(indent, ' ');
      column = indent;
      lineStart = true;
    }
    if (!lineStart) {
      out += ' ';
      ++column;
    }
    out += word;
    column += Columns(word);
    lineStart = word.empty() && lineStart;
  }
  return out + '\n';
}

std::string Wrapped(std::string_view text, std::size_t indent, std::size_t firstColumn) {
  return Wrapped(Words(text), indent, firstColumn);
}

std::string OptionColumn(const UsageRow& row) {
  if (IsOperand(row)) return std::string(row.argument);
  std::string text(row.option);
  if (!row.argument.empty()) text += ' ' + std::string(row.argument);
  return text;
}

std::string OptionLines(const std::vector<UsageRow>& rows) {
  std::size_t width = 0;
  for (const UsageRow& row : rows) {
    const std::size_t columns = Columns(OptionColumn(row));
    if (columns <= kLongestOptionColumn) width = std::max(width, columns);
  }
  const std::size_t indent = 2 + width + 2;  // two blanks before every description
  std::string out;
  for (const UsageRow& row : rows) {
    const std::string option = "  " + OptionColumn(row);
    out += option;
    if (Columns(option) + 2 > indent) {
      out += '\n' + std::string(indent, ' ');
    } else {
      out += std::string(indent - Columns(option), ' ');
    }
    out += Wrapped(row.description, indent, indent);
  }
  return out;
}

std::string Paragraphs(const std::vector<std::string_view>& paragraphs) {
  std::string out;
  for (std::string_view paragraph : paragraphs) out += Wrapped(paragraph, 0, 0) + '\n';
  return out;
}

// "Aufruf: zelvar-beam-cli vk --frequenz TEXT ... [--json]"; an option and
// its argument stay on one line.
std::string SynopsisLines(const UsageSection& section) {
  const std::string label = "Aufruf: ";
  std::vector<std::string> items{"zelvar-beam-cli"};
  if (!section.command.empty()) items.emplace_back(section.command);
  for (const UsageRow& row : section.rows)
    if (InSynopsis(row)) items.push_back(SynopsisItem(row));
  return label + Wrapped(items, label.size(), label.size());
}

}  // namespace

const UsageSection& BeamUsage() {
  static const UsageSection section{
      "",
      {"Berechnet einen Zelvar-Beam nach Kalvex wie das Eingabefenster \"Berechnung eines Zelvar-Beam nach "
       "Kalvex\": Die Optionen wirken wie Eingaben in ein frisch geöffnetes Fenster, in der angegebenen "
       "Reihenfolge; danach wird einmal \"Rechnen\" gedrückt. Die Ergebnistabelle wird als \"Zelvar-Beam.txt\" "
       "(Windows-1252) ins Arbeitsverzeichnis geschrieben, die Zusammenfassung erscheint auf der Standardausgabe.",
       "In die Zahlenfelder lassen sich wie im Fenster nur Ziffern, Komma und Punkt tippen; andere Zeichen werden "
       "verworfen, und was über die Länge des Feldes hinausgeht, wird abgeschnitten. Welche Option dabei Zeichen "
       "verloren hat und was stattdessen getippt wurde, steht auf der Fehlerausgabe (z. B. --frequenz: „1e3“ "
       "getippt als „13“); --streng lehnt solche Eingaben mit Rückgabewert 2 ab. Ein leerer Text leert das Feld.",
       "Jeder Hinweis, den eine Feldregel oder die Berechnung in das Hinweisfeld des Fensters schreibt (z. B. "
       "\"Bitte einen Verkürzungsfaktor von 0 - 1,0 !(typisch 0,946) eintragen\"), steht auf der Fehlerausgabe. "
       "Was das Fenster rot zeigt (ein Verkürzungsfaktor unter 0,8), ist in der Textausgabe markiert, z. B. "
       "\"(rot: unter 0,8)\"."},
      {
          {"--frequenz", "TEXT", "Resonanzfrequenz in MHz eintippen (höchstens 7 Zeichen)"},
          {"--band", "BAND", "Bandknopf anklicken: 1.8 3.5 7.0 10 14 18 21 24 28 50 andere"},
          {"--segment", "cw|ssb|mitte", "Resonanz im Band für CW-Bereich, SSB-Bereich oder Bandmitte"},
          {"--vk", "TEXT", "Verkürzungsfaktor eintippen und das Feld verlassen"},
          {"--isolierung", "TEXT",
           "relative Dielektrizitätszahl: Zahl oder Listeneintrag, z. B. \"2,2   PTFE GY\" oder kurz \"PTFE GY\" "
           "(auch \"ptfe gy\"; ein Name, der nicht in der Liste steht, ist ein falscher Aufruf)"},
          {"--aussen", "TEXT", "Außendurchmesser des isolierten Drahtes in mm"},
          {"--leiter", "TEXT", "Leiterdurchmesser in mm (der Außendurchmesser bleibt mindestens 0,1 mm größer)"},
          {"--variante", "2|3", "Bauvariante: 2 Querträger mit Spannseil oder 3 Querträger ohne Spannseil (Vorgabe)"},
          {"--vf-hoehe", "TEXT",
           "wie ein Verkürzungsfaktor-Fenster mit fertiger Berechnung: Antennenhöhe in m (nur zusammen mit "
           "--vf-durchmesser)"},
          {"--vf-durchmesser", "TEXT", "dazu der Drahtdurchmesser in mm"},
          {"--erdbodenkorrektur", "", "dazu mit Erdbodenkorrektur"},
          {"--ja", "", "Frage nach einer Dielektrizitätszahl über 20 mit Ja beantworten (sonst Nein)"},
          {"--json", "", "statt der Zusammenfassung alle Werte als JSON ausgeben"},
          {"--streng", "",
           "Eingaben ablehnen (Rückgabewert 2), von denen das Fenster Zeichen verwerfen oder abschneiden würde"},
          {"--help", "", "diese Hilfe"},
      },
      {"Das Dezimaltrennzeichen folgt der Spracheinstellung (LC_ALL, LC_NUMERIC, LANG).",
       "Rückgabewerte: 0 Berechnung vollständig, 1 Berechnung vorzeitig beendet (Hinweis oder Frage auf der "
       "Fehlerausgabe), 2 falscher Aufruf oder mit --streng eine verworfene Eingabe, 3 Laufzeitfehler (Nummer und Beschreibung auf der Fehlerausgabe; es wird "
       "nichts halb geschrieben).",
       "Die Nebenrechner sind eigene Befehle: vk (Verkürzungsfaktor schätzen), pruning (Antennen-Pruning/"
       "Optimieren), zusatzdipol (strahlungsgekoppelter Zusatzdipol) und messung (Messdatei eines "
       "Antennenanalysators auswerten); ihre Optionen zeigt zelvar-beam-cli BEFEHL --help.",
       "geraete listet die angeschlossenen Antennenanalysatoren; mit messung --geraet misst einer selbst."},
  };
  return section;
}

std::vector<UsageSection> UsageSections() {
  return {BeamUsage(), VkUsage(), PruningUsage(), ZusatzDipolUsage(), MessungUsage(), GeraeteUsage()};
}

bool InSynopsis(const UsageRow& row) { return row.option != "--help"; }

std::string SynopsisItem(const UsageRow& row) {
  const std::string item = OptionColumn(row);
  return row.required ? item : '[' + item + ']';
}

std::string UsageText(const UsageSection& section) {
  std::string text = SynopsisLines(section) + '\n';
  text += Paragraphs(section.introduction);
  text += OptionLines(section.rows) + '\n';
  std::string closing = Paragraphs(section.closing);
  if (!closing.empty()) closing.pop_back();  // no empty line at the very end
  return text + closing;
}

}  // namespace zb

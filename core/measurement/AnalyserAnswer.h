#pragma once
// Reading the analyser shell's answers: where the prompt ends an answer, its
// lines without the echo, and the words and numbers of a line. Numbers are
// read in the C locale's manner whatever the user's locale. Plain C++, no Qt.

#include <string>
#include <string_view>
#include <vector>

namespace zb::analyser {

// Where the prompt "ch> " starts at the beginning of a line of the bytes; npos while none has come.
std::size_t PromptAt(std::string_view bytes);

// The lines of an answer (the bytes before the prompt), each without its CR
// LF and blanks around it, empty lines left out; the first line is left out
// where it echoes the command.
std::vector<std::string> AnswerLines(std::string_view answer, std::string_view command);

// "usage: scan {start(Hz)} ...": the shell refusing a command's arguments.
bool IsUsageLine(std::string_view line);

// The words of a line, split at blanks and tabs.
std::vector<std::string_view> Words(std::string_view line);

// True for a finite decimal number as the device prints it ("14000000", "-1.5e-3").
bool IsNumber(std::string_view word);
// A number that can be a frequency: not negative.
bool IsFrequency(std::string_view word);
// Its value; 0 for a word that is no number.
double NumberOf(std::string_view word);

// The text without blanks, tabs, CRs and LFs around it.
std::string_view Trimmed(std::string_view text);

// The text with control characters and bytes that are no UTF-8 as '?', at
// most 80 characters: what a device prints goes into messages unchanged only
// where it cannot garble them.
std::string Printable(std::string_view text);

}  // namespace zb::analyser

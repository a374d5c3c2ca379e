#pragma once
// The pieces a Touchstone file is read from: its words and numbers, the
// formats a complex value is written in, and the refusal that names the line
// a fault stands in. Only the Touchstone reader uses them.

#include <complex>
#include <string>
#include <string_view>

namespace zb::touchstone {

enum class Parameter { S, Y, Z };
enum class Format { RI, MA, DB };
enum class MatrixFormat { Full, Lower, Upper };

// A refusal; carries the line it names.
struct Refusal {
  int line;
  std::string text;
};

[[noreturn]] void Refuse(int line, std::string text);
// The refusal's message as the user reads it ("Zeile 17: ...").
std::string WithLine(const Refusal& refusal);

bool IsSpace(char c);
std::string Lowered(std::string_view text);
std::string_view Trimmed(std::string_view text);
// A word of the file as the message quotes it: printable ASCII only, at most 24 characters.
std::string Quoted(std::string_view word);
// The next word of text at blanks; empty at the end.
std::string_view NextWord(std::string_view& text);
// A decimal number of the file; a leading "+" is allowed.
double ReadNumber(std::string_view word, int line);
int ReadPortCount(std::string_view text, int line);
std::string PortRefusal(long long ports);
// One complex value as the file's format writes it.
std::complex<double> Pair(double a, double b, Format format);

}  // namespace zb::touchstone

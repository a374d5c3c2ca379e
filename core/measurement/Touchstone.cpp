#include "core/measurement/Touchstone.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

#include "core/measurement/TouchstoneWords.h"
#include "core/shared/Translate.h"

namespace zb {

using namespace touchstone;

namespace {

class Reader {
 public:
  Reader(std::string_view text, int portsFromName) : text_(text), ports_(portsFromName) {}

  Sweep Read() {
    // An editor on another desktop may have put a byte-order mark before the text.
    if (text_.starts_with(kUtf8ByteOrderMark)) text_.remove_prefix(kUtf8ByteOrderMark.size());
    if (text_.empty()) Refuse(0, Tr("Touchstone", "Die Datei ist leer."));
    int lineNumber = 0;
    std::size_t at = 0;
    while (at < text_.size() && !ended_) {
      std::string_view line = NextLine(at);
      ++lineNumber;
      line = line.substr(0, std::min(line.find('!'), line.size()));
      line = Trimmed(line);
      if (!line.empty()) Line(line, lineNumber);
    }
    FinishData();
    if (sweep_.frequencyMHz.empty()) Refuse(0, Tr("Touchstone", "Die Datei enthält keine Messwerte."));
    if (expectedFrequencies_ >= 0 &&
        static_cast<std::size_t>(expectedFrequencies_) != sweep_.frequencyMHz.size())
      Refuse(frequenciesLine_,
             Fill(Tr("Touchstone", "[Number of Frequencies] nennt %1 Frequenzen, die Datei enthält aber %2."),
                  {std::to_string(expectedFrequencies_), std::to_string(sweep_.frequencyMHz.size())}));
    sweep_.optionLineGiven = optionSeen_;
    sweep_.z0 = Reference(0);
    sweep_.ports = ports_;
    sweep_.version = version_;
    return std::move(sweep_);
  }

 private:
  static constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

  // The line starting at at, without its end; at moves past the end. A line
  // ends in LF, CR LF or a bare CR (as old Macintosh programs write).
  std::string_view NextLine(std::size_t& at) const {
    const std::size_t end = std::min(text_.find_first_of("\r\n", at), text_.size());
    const std::string_view line = text_.substr(at, end - at);
    at = end + 1;
    if (end < text_.size() && text_[end] == '\r' && at < text_.size() && text_[at] == '\n') ++at;
    return line;
  }

  void Line(std::string_view line, int number) {
    if (!started_) {
      started_ = true;
      if (line.front() == '[' &&
          Lowered(line.substr(0, std::min<std::size_t>(line.size(), 9))) == "[version]") {
        version_ = 2;
        ports_ = 0;  // the file says it
      }
      if (ports_ > 2) Refuse(0, PortRefusal(ports_));
    }
    if (inInformation_) {
      if (line.front() == '[' && line.find(']') != std::string_view::npos &&
          KeywordName(line, number).first == "end information")
        inInformation_ = false;
      return;
    }
    if (line.front() == '[') return Keyword(line, number);
    if (line.front() == '#') return OptionLine(line.substr(1), number);
    if (referencePending_) return ReferenceValues(line, number);
    if (inNoise_) return;
    if (version_ == 2 && !inNetworkData_)
      Refuse(number, Fill(Tr("Touchstone", "Werte außerhalb von [Network Data]: %1."), {Quoted(line)}));
    DataLine(line, number);
  }

  // "[Name] rest": the name in lower case and the rest.
  std::pair<std::string, std::string_view> KeywordName(std::string_view line, int number) {
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos)
      Refuse(number, Fill(Tr("Touchstone", "Dem Schlüsselwort %1 fehlt \"]\"."), {Quoted(line)}));
    std::string name = Lowered(Trimmed(line.substr(1, close - 1)));
    // Blanks inside the name count as one.
    std::string single;
    for (char c : name) {
      if (IsSpace(c) && (single.empty() || single.back() == ' ')) continue;
      single += IsSpace(c) ? ' ' : c;
    }
    return {single, Trimmed(line.substr(close + 1))};
  }

  void Keyword(std::string_view line, int number) {
    const auto [name, rest] = KeywordName(line, number);
    if (version_ != 2)
      Refuse(number, Fill(Tr("Touchstone",
                             "Das Schlüsselwort %1 gehört zu Touchstone 2.0, die Datei beginnt aber nicht "
                             "mit [Version] 2.0."),
                          {Quoted(line.substr(0, line.find(']') + 1))}));
    if (referencePending_) Refuse(referenceLine_, Tr("Touchstone", "Zu [Reference] fehlen Widerstände."));
    if (name == "version") {
      if (rest != "2.0" && rest != "2.1")
        Refuse(number,
               Fill(Tr("Touchstone", "Touchstone-Version %1 wird nicht gelesen (nur 1.x, 2.0 und 2.1)."),
                    {Quoted(rest)}));
    } else if (name == "number of ports") {
      const int count = ReadPortCount(rest, number);
      if (count > 2) Refuse(number, PortRefusal(count));
      ports_ = count;
    } else if (name == "two-port data order") {
      const std::string order = Lowered(rest);
      if (order != "12_21" && order != "21_12")
        Refuse(number, Fill(Tr("Touchstone", "[Two-Port Data Order] ist 12_21 oder 21_12, nicht %1."),
                            {Quoted(rest)}));
    } else if (name == "number of frequencies") {
      std::string_view words = rest;
      const std::string_view word = NextWord(words);
      long long count = -1;
      const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), count);
      if (word.empty() || error != std::errc() || end != word.data() + word.size() || count < 1)
        Refuse(number,
               Fill(Tr("Touchstone", "[Number of Frequencies] braucht eine ganze Zahl ab 1, nicht %1."),
                    {Quoted(rest)}));
      expectedFrequencies_ = count;
      frequenciesLine_ = number;
    } else if (name == "reference") {
      NeedPorts(number, "[Reference]");
      referencePending_ = true;
      referenceLine_ = number;
      referenceCount_ = 0;
      if (!rest.empty()) ReferenceValues(rest, number);
    } else if (name == "matrix format") {
      const std::string format = Lowered(rest);
      if (format == "full")
        matrix_ = MatrixFormat::Full;
      else if (format == "lower")
        matrix_ = MatrixFormat::Lower;
      else if (format == "upper")
        matrix_ = MatrixFormat::Upper;
      else
        Refuse(number, Fill(Tr("Touchstone", "[Matrix Format] ist Full, Lower oder Upper, nicht %1."),
                            {Quoted(rest)}));
    } else if (name == "mixed-mode order") {
      Refuse(number, Tr("Touchstone", "Gemischte Moden ([Mixed-Mode Order]) werden nicht gelesen."));
    } else if (name == "begin information") {
      inInformation_ = true;
    } else if (name == "network data") {
      NeedPorts(number, "[Network Data]");
      inNetworkData_ = true;
    } else if (name == "noise data") {
      FinishData();
      inNetworkData_ = false;
      inNoise_ = true;
    } else if (name == "end") {
      FinishData();
      ended_ = true;
    }
    // Other keywords (number of noise frequencies, end information, later
    // additions of the format) change nothing for S11.
  }

  void NeedPorts(int number, const char* keyword) {
    if (ports_ == 0)
      Refuse(number, Fill(Tr("Touchstone", "%1 steht vor [Number of Ports]."), {std::string(keyword)}));
  }

  void ReferenceValues(std::string_view line, int number) {
    for (std::string_view rest = line;;) {
      const std::string_view word = NextWord(rest);
      if (word.empty()) break;
      if (referenceCount_ >= ports_)
        Refuse(number, Tr("Touchstone", "[Reference] nennt mehr Widerstände als die Datei Tore hat."));
      const double r = ReadNumber(word, number);
      if (!(r > 0))
        Refuse(number, Fill(Tr("Touchstone", "Der Bezugswiderstand muss größer als 0 sein, nicht %1."),
                            {Quoted(word)}));
      reference_[static_cast<std::size_t>(referenceCount_++)] = r;
    }
    if (referenceCount_ == ports_) {
      referencePending_ = false;
      referenceGiven_ = true;
    }
  }

  void OptionLine(std::string_view options, int number) {
    if (optionSeen_) return;  // only the first option line counts
    if (!sweep_.frequencyMHz.empty() || !pending_.empty())
      Refuse(number, Tr("Touchstone", "Die Optionszeile steht nach den ersten Messwerten."));
    optionSeen_ = true;
    for (std::string_view rest = options;;) {
      const std::string_view word = NextWord(rest);
      if (word.empty()) break;
      const std::string w = Lowered(word);
      if (w == "hz")
        toMHz_ = 1e-6;
      else if (w == "khz")
        toMHz_ = 1e-3;
      else if (w == "mhz")
        toMHz_ = 1;
      else if (w == "ghz")
        toMHz_ = 1e3;
      else if (w == "s")
        parameter_ = Parameter::S;
      else if (w == "z")
        parameter_ = Parameter::Z;
      else if (w == "y")
        parameter_ = Parameter::Y;
      else if (w == "h" || w == "g")
        Refuse(
            number,
            Fill(Tr("Touchstone",
                    "%1-Parameter werden nicht gelesen; die Datei muss S-, Z- oder Y-Parameter enthalten."),
                 {std::string(w == "h" ? "H" : "G")}));
      else if (w == "ri")
        format_ = Format::RI;
      else if (w == "ma")
        format_ = Format::MA;
      else if (w == "db")
        format_ = Format::DB;
      else if (w == "r") {
        const std::string_view value = NextWord(rest);
        if (value.empty())
          Refuse(number, Tr("Touchstone", "Nach R fehlt in der Optionszeile der Bezugswiderstand."));
        const double r = ReadNumber(value, number);
        if (!(r > 0))
          Refuse(number, Fill(Tr("Touchstone", "Der Bezugswiderstand muss größer als 0 sein, nicht %1."),
                              {Quoted(value)}));
        optionR_ = r;
      } else {
        Refuse(number, Fill(Tr("Touchstone", "%1 ist in der Optionszeile unbekannt."), {Quoted(word)}));
      }
    }
  }

  std::size_t ValuesPerPoint() const {
    const std::size_t pairs = ports_ == 1 ? 1 : matrix_ == MatrixFormat::Full ? 4 : 3;
    return 1 + 2 * pairs;
  }

  void DataLine(std::string_view line, int number) {
    if (version_ == 1 && ports_ == 0) {
      // No port count from the name: the first data line tells.
      std::size_t count = 0;
      for (std::string_view rest = line; !NextWord(rest).empty();) ++count;
      if (count == 3)
        ports_ = 1;
      else if (count == 9)
        ports_ = 2;
      else
        Refuse(number, Fill(Tr("Touchstone",
                               "Eine Messzeile hat 3 Werte (Eintor) oder 9 Werte (Zweitor), diese hat %1."),
                            {std::to_string(count)}));
    }
    const std::size_t needed = ValuesPerPoint();
    std::array<double, 9> values{};
    std::size_t count = 0;
    for (std::string_view rest = line;;) {
      const std::string_view word = NextWord(rest);
      if (word.empty()) break;
      const double value = ReadNumber(word, number);
      if (count < values.size()) values[count] = value;
      ++count;
    }
    if (version_ == 2) return ContinuedValues(values, count, number);
    if (ports_ == 2 && count == 5 && !sweep_.frequencyMHz.empty() &&
        values[0] * FrequencyFactor() <= sweep_.frequencyMHz.back()) {
      inNoise_ = true;  // version 1: the noise parameters follow the network data
      return;
    }
    if (count < needed) Refuse(number, TooFew(needed, count));
    if (count > needed) Refuse(number, TooMany(needed, count));
    Point(values.data(), number);
  }

  // Version 2: the values of one frequency may go on over the next lines.
  void ContinuedValues(const std::array<double, 9>& values, std::size_t count, int number) {
    const std::size_t needed = ValuesPerPoint();
    if (pending_.empty()) pendingLine_ = number;
    if (pending_.size() + count > needed) {
      if (!pending_.empty()) Refuse(pendingLine_, TooFew(needed, pending_.size()));
      Refuse(number, TooMany(needed, count));
    }
    pending_.insert(pending_.end(), values.begin(), values.begin() + static_cast<std::ptrdiff_t>(count));
    if (pending_.size() == needed) {
      Point(pending_.data(), pendingLine_);
      pending_.clear();
    }
  }

  void FinishData() {
    if (!pending_.empty()) Refuse(pendingLine_, TooFew(ValuesPerPoint(), pending_.size()));
  }

  static std::string TooFew(std::size_t needed, std::size_t count) {
    return Fill(Tr("Touchstone", "Zu wenige Werte: %1 erwartet, %2 gefunden."),
                {std::to_string(needed), std::to_string(count)});
  }
  static std::string TooMany(std::size_t needed, std::size_t count) {
    return Fill(Tr("Touchstone", "Zu viele Werte: %1 erwartet, %2 gefunden."),
                {std::to_string(needed), std::to_string(count)});
  }

  double FrequencyFactor() const { return toMHz_; }

  double Reference(int port) const {
    if (referenceGiven_) return reference_[static_cast<std::size_t>(port)];
    return optionR_;
  }

  // One frequency point: v[0] the frequency, then the value pairs.
  void Point(const double* v, int number) {
    const double f = v[0] * FrequencyFactor();
    if (!std::isfinite(f))
      Refuse(number, Fill(Tr("Touchstone", "Die Frequenz %1 ist zu groß."), {Quoted(ShortText(v[0]))}));
    if (f < 0) Refuse(number, Tr("Touchstone", "Die Frequenz darf nicht negativ sein."));
    if (!sweep_.frequencyMHz.empty() && !(f > sweep_.frequencyMHz.back()))
      Refuse(number, Fill(Tr("Touchstone", "Die Frequenzen steigen nicht an: %1 folgt auf %2."),
                          {Quoted(ShortText(v[0])), Quoted(ShortText(lastFileFrequency_))}));
    lastFileFrequency_ = v[0];
    const std::complex<double> p11 = Pair(v[1], v[2], format_);
    std::complex<double> gamma;
    if (ports_ == 1) {
      gamma = OnePort(p11);
    } else {
      const std::complex<double> p12 = Pair(v[3], v[4], format_);
      const std::complex<double> p21 = matrix_ == MatrixFormat::Full ? Pair(v[5], v[6], format_) : p12;
      const std::complex<double> p22 =
          matrix_ == MatrixFormat::Full ? Pair(v[7], v[8], format_) : Pair(v[5], v[6], format_);
      gamma = TwoPort(p11, p12, p21, p22);
    }
    if (!std::isfinite(gamma.real()) || !std::isfinite(gamma.imag()))
      Refuse(number, Tr("Touchstone", "Die Werte ergeben keinen endlichen Reflexionsfaktor."));
    sweep_.frequencyMHz.push_back(f);
    sweep_.gamma.push_back(gamma);
  }

  static std::string ShortText(double value) {
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
  }

  // Division without the library's special cases: a zero divisor gives inf or NaN, which the caller refuses.
  static std::complex<double> Divided(std::complex<double> a, std::complex<double> b) {
    const double norm = b.real() * b.real() + b.imag() * b.imag();
    return {(a.real() * b.real() + a.imag() * b.imag()) / norm,
            (a.imag() * b.real() - a.real() * b.imag()) / norm};
  }

  // A parameter value made dimensionless against the reference of ports i and j.
  std::complex<double> Normalised(std::complex<double> value, int i, int j) const {
    if (version_ == 1 || parameter_ == Parameter::S) return value;  // version 1: normalised already
    const double scale = std::sqrt(Reference(i) * Reference(j));
    return parameter_ == Parameter::Z ? value / scale : value * scale;
  }

  std::complex<double> OnePort(std::complex<double> p) const {
    const std::complex<double> n = Normalised(p, 0, 0);
    switch (parameter_) {
      case Parameter::S:
        return p;
      case Parameter::Z:
        return Divided(n - 1.0, n + 1.0);
      case Parameter::Y:
        return Divided(1.0 - n, 1.0 + n);
    }
    return {};
  }

  // S11 of the two-port: S = (z - 1)(z + 1)^-1, S = (1 - y)(1 + y)^-1.
  std::complex<double> TwoPort(std::complex<double> p11, std::complex<double> p12, std::complex<double> p21,
                               std::complex<double> p22) const {
    if (parameter_ == Parameter::S) return p11;
    const std::complex<double> a = Normalised(p11, 0, 0), b = Normalised(p12, 0, 1),
                               c = Normalised(p21, 1, 0), d = Normalised(p22, 1, 1);
    if (parameter_ == Parameter::Z)
      return Divided((a - 1.0) * (d + 1.0) - b * c, (a + 1.0) * (d + 1.0) - b * c);
    return Divided((1.0 - a) * (1.0 + d) + b * c, (1.0 + a) * (1.0 + d) - b * c);
  }

  std::string_view text_;
  int ports_;  // 0: not known yet
  int version_ = 1;
  bool started_ = false;
  bool ended_ = false;
  bool optionSeen_ = false;
  bool inInformation_ = false;
  bool inNetworkData_ = false;
  bool inNoise_ = false;
  double toMHz_ = 1e3;  // GHz
  Parameter parameter_ = Parameter::S;
  Format format_ = Format::MA;
  MatrixFormat matrix_ = MatrixFormat::Full;
  double optionR_ = 50;
  std::array<double, 2> reference_{50, 50};
  bool referenceGiven_ = false;
  bool referencePending_ = false;
  int referenceLine_ = 0;
  int referenceCount_ = 0;
  long long expectedFrequencies_ = -1;
  int frequenciesLine_ = 0;
  std::vector<double> pending_;
  int pendingLine_ = 0;
  double lastFileFrequency_ = 0;
  Sweep sweep_;
};

}  // namespace

TouchstoneRead ParseTouchstone(std::string_view text, int ports) {
  TouchstoneRead read;
  try {
    Reader reader(text, ports);
    Sweep sweep = reader.Read();
    read.sweep = std::move(sweep);
  } catch (const Refusal& refusal) {
    read.error = {refusal.line, WithLine(refusal)};
  }
  return read;
}

}  // namespace zb
#include "core/measurement/AnalyserSession.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <tuple>
#include <utility>

#include "core/measurement/AnalyserAnswer.h"
#include "core/shared/Translate.h"

namespace zb {

using namespace analyser;

namespace {

// An answer longer than this is no answer of the shell: 101 points take a few kB.
constexpr std::size_t kLongestAnswer = 1u << 20;

}  // namespace

std::vector<AnalyserPiece> AnalyserPieces(const AnalyserPlan& plan) {
  std::vector<AnalyserPiece> pieces;
  if (plan.points < kAnalyserFewestPoints || plan.stopHz < plan.startHz) return pieces;
  const std::int64_t span = plan.stopHz - plan.startHz;
  const std::int64_t steps = plan.points - 1;
  // Rounded to the nearest hertz in integers: no grid point moves with the piece it falls in.
  const auto grid = [&](std::int64_t i) { return plan.startHz + (2 * i * span + steps) / (2 * steps); };
  const int count = (plan.points + kAnalyserPiecePoints - 1) / kAnalyserPiecePoints;
  const int base = plan.points / count;
  const int longer = plan.points % count;  // the first pieces take one point more
  std::int64_t first = 0;
  for (int k = 0; k < count; ++k) {
    const int n = base + (k < longer ? 1 : 0);
    pieces.push_back({grid(first), grid(first + n - 1), n});
    first += n;
  }
  return pieces;
}

AnalyserIdentity IdentityFromVersion(std::string_view answer) {
  AnalyserIdentity identity;
  const std::string line =
      Printable(Trimmed(answer.substr(0, std::min(answer.find_first_of("\r\n"), answer.size()))));
  // "version?" is the shell's word for an unknown command: firmware without it is old.
  if (line.empty() || line.back() == '?') return identity;
  identity.firmware = line;
  std::string_view digits = line;
  if (digits.front() == 'v' || digits.front() == 'V') digits.remove_prefix(1);
  int parts[3] = {0, 0, 0};
  int read = 0;
  while (read < 3) {
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), parts[read]);
    if (error != std::errc()) break;
    digits.remove_prefix(static_cast<std::size_t>(end - digits.data()));
    ++read;
    if (digits.empty() || digits.front() != '.') break;
    digits.remove_prefix(1);
  }
  identity.scanWithMask = read >= 2 && std::tie(parts[0], parts[1], parts[2]) >= std::make_tuple(0, 7, 1);
  return identity;
}

std::string BoardFromInfo(const std::vector<std::string>& lines) {
  if (lines.empty() || lines.front().ends_with('?')) return {};
  for (const std::string& line : lines) {
    if (line.starts_with("Board:")) return Printable(Trimmed(std::string_view(line).substr(6)));
  }
  return Printable(Trimmed(lines.front()));
}

AnalyserSession::AnalyserSession(std::string port, AnalyserPlan plan)
    : port_(std::move(port)), plan_(plan), pieces_(AnalyserPieces(plan)) {
  if (plan_.points > 0 && pieces_.empty()) plan_.points = 0;
}

void AnalyserSession::Start(std::int64_t nowMs) { Send("", Step::Prompt, nowMs); }

std::string AnalyserSession::TakeOutgoing() { return std::exchange(outgoing_, {}); }

void AnalyserSession::Send(std::string command, Step step, std::int64_t nowMs) {
  outgoing_ += command + "\r";
  command_ = std::move(command);
  step_ = step;
  received_.clear();
  lastByteMs_ = nowMs;
  exchangeStartMs_ = nowMs;
}

void AnalyserSession::Receive(std::string_view bytes, std::int64_t nowMs) {
  if (state_ != State::Running || bytes.empty()) return;
  lastByteMs_ = nowMs;
  received_ += bytes;
  // The other family answers a CR with the byte '2'; the shell never starts with it.
  if (step_ == Step::Prompt && received_.front() == '2') return Fail(AnalyserFault::BinaryProtocol);
  if (received_.size() > kLongestAnswer)
    return Fail(AnalyserFault::Unparsable, "... (mehr als 1 MB ohne Eingabeaufforderung)");
  const std::size_t prompt = PromptAt(received_);
  if (prompt == std::string::npos) return;
  const std::vector<std::string> lines = AnswerLines(std::string_view(received_).substr(0, prompt), command_);
  received_.clear();
  Answered(lines, nowMs);
}

void AnalyserSession::Answered(const std::vector<std::string>& lines, std::int64_t nowMs) {
  switch (step_) {
    case Step::Prompt:
      return Send("version", Step::Version, nowMs);
    case Step::Version:
      identity_ = IdentityFromVersion(lines.empty() ? std::string_view() : std::string_view(lines.front()));
      return Send("info", Step::Info, nowMs);
    case Step::Info:
      identity_.board = BoardFromInfo(lines);
      return NextPiece(nowMs);
    case Step::Scan:
      return ScanAnswered(lines, nowMs);
    case Step::Frequencies:
      return FrequenciesAnswered(lines, nowMs);
    case Step::Data:
      return DataAnswered(lines, nowMs);
  }
}

void AnalyserSession::NextPiece(std::int64_t nowMs) {
  if (piece_ >= pieces_.size()) return Finish();
  const AnalyserPiece& piece = pieces_[piece_];
  std::string command = "scan " + std::to_string(piece.startHz) + " " + std::to_string(piece.stopHz) + " " +
                        std::to_string(piece.points);
  if (identity_.scanWithMask) command += " 3";  // frequency and S11 on every line
  Send(std::move(command), Step::Scan, nowMs);
}

// A usage line anywhere fails the session.
bool AnalyserSession::NoUsageLine(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    if (IsUsageLine(line)) {
      Fail(AnalyserFault::Usage, line);
      return false;
    }
  }
  return true;
}

// After the lines that came were read: fewer than the piece's points fail the
// session. Of more lines than points, the first belong to the piece.
bool AnalyserSession::EnoughLines(std::size_t lines, std::size_t expected) {
  if (lines >= expected) return true;
  Fail(AnalyserFault::TooFewLines, std::to_string(lines) + " von " + std::to_string(expected));
  return false;
}

void AnalyserSession::ScanAnswered(const std::vector<std::string>& lines, std::int64_t nowMs) {
  const auto expected = static_cast<std::size_t>(pieces_[piece_].points);
  if (!identity_.scanWithMask) {
    // Older firmware answers the scan with nothing and keeps the sweep for "frequencies" and "data".
    if (!NoUsageLine(lines)) return;
    return Send("frequencies", Step::Frequencies, nowMs);
  }
  if (!NoUsageLine(lines)) return;
  for (std::size_t i = 0; i < std::min(expected, lines.size()); ++i) {
    const std::vector<std::string_view> words = Words(lines[i]);
    if (words.size() != 3 || !IsFrequency(words[0]) || !IsNumber(words[1]) || !IsNumber(words[2]))
      return Fail(AnalyserFault::Unparsable, lines[i]);
    piecePoints_.push_back({std::string(words[0]), std::string(words[1]), std::string(words[2])});
  }
  if (EnoughLines(lines.size(), expected)) PieceDone(nowMs);
}

void AnalyserSession::FrequenciesAnswered(const std::vector<std::string>& lines, std::int64_t nowMs) {
  const auto expected = static_cast<std::size_t>(pieces_[piece_].points);
  if (!NoUsageLine(lines)) return;
  frequencies_.clear();
  for (std::size_t i = 0; i < std::min(expected, lines.size()); ++i) {
    const std::vector<std::string_view> words = Words(lines[i]);
    if (words.size() != 1 || !IsFrequency(words[0])) return Fail(AnalyserFault::Unparsable, lines[i]);
    frequencies_.emplace_back(words[0]);
  }
  if (EnoughLines(lines.size(), expected)) Send("data 0", Step::Data, nowMs);
}

void AnalyserSession::DataAnswered(const std::vector<std::string>& lines, std::int64_t nowMs) {
  const std::size_t expected = frequencies_.size();
  if (!NoUsageLine(lines)) return;
  for (std::size_t i = 0; i < std::min(expected, lines.size()); ++i) {
    const std::vector<std::string_view> words = Words(lines[i]);
    if (words.size() != 2 || !IsNumber(words[0]) || !IsNumber(words[1]))
      return Fail(AnalyserFault::Unparsable, lines[i]);
    piecePoints_.push_back({frequencies_[i], std::string(words[0]), std::string(words[1])});
  }
  if (EnoughLines(lines.size(), expected)) PieceDone(nowMs);
}

void AnalyserSession::PieceDone(std::int64_t nowMs) {
  points_.insert(points_.end(), std::make_move_iterator(piecePoints_.begin()),
                 std::make_move_iterator(piecePoints_.end()));
  piecePoints_.clear();
  ++piece_;
  NextPiece(nowMs);
}

// The union of the pieces in ascending frequency; a frequency the device
// printed twice (two pieces meeting on one hertz) is kept once, its first.
void AnalyserSession::Finish() {
  std::stable_sort(points_.begin(), points_.end(), [](const AnalyserPoint& a, const AnalyserPoint& b) {
    return NumberOf(a.frequency) < NumberOf(b.frequency);
  });
  points_.erase(std::unique(points_.begin(), points_.end(),
                            [](const AnalyserPoint& a, const AnalyserPoint& b) {
                              return NumberOf(a.frequency) == NumberOf(b.frequency);
                            }),
                points_.end());
  state_ = State::Done;
}

void AnalyserSession::CheckTime(std::int64_t nowMs) {
  if (state_ != State::Running) return;
  if (step_ == Step::Prompt) {
    if (nowMs - exchangeStartMs_ >= kAnalyserSilenceMs) Fail(AnalyserFault::NoPrompt);
    return;
  }
  if (nowMs - lastByteMs_ >= kAnalyserSilenceMs) return Fail(AnalyserFault::Silence);
  if (nowMs - exchangeStartMs_ >= kAnalyserExchangeMs) Fail(AnalyserFault::TooSlow);
}

std::int64_t AnalyserSession::MsUntilDeadline(std::int64_t nowMs) const {
  if (state_ != State::Running) return 0;
  std::int64_t deadline = step_ == Step::Prompt ? exchangeStartMs_ + kAnalyserSilenceMs
                                                : std::min(lastByteMs_ + kAnalyserSilenceMs,
                                                           exchangeStartMs_ + kAnalyserExchangeMs);
  return std::max<std::int64_t>(0, deadline - nowMs);
}

void AnalyserSession::Fail(AnalyserFault fault, std::string_view detail) {
  if (state_ != State::Running) return;
  state_ = State::Failed;
  fault_ = fault;
  faultText_ = AnalyserFaultText(fault, port_, detail);
  piecePoints_.clear();
  points_.clear();
}

int AnalyserSession::PointsDone() const {
  std::size_t partial = 0;
  // Lines of the scan or data arriving count as they come, for a bar that moves within a piece.
  if (state_ == State::Running && (step_ == Step::Data || (step_ == Step::Scan && identity_.scanWithMask))) {
    const auto lines = static_cast<std::size_t>(std::count(received_.begin(), received_.end(), '\n'));
    const auto cap = static_cast<std::size_t>(pieces_[piece_].points);
    partial = std::min(lines > 0 ? lines - 1 : 0, cap);  // the first line is the echo
  }
  return static_cast<int>(points_.size() + piecePoints_.size() + partial);
}

std::string AnalyserTouchstone(const AnalyserSession& session, std::string_view dateText) {
  const AnalyserIdentity& identity = session.Identity();
  // Comment lines in the program's language; a reader skips them.
  const std::string unknown = Tr("Touchstone", "unbekannt");
  std::string text = Tr("Touchstone", "! Zelvar-Beam: Messung am Analysator") + "\n";
  text += Fill(Tr("Touchstone", "! Analysator: %1"),
               {Printable(identity.board.empty() ? unknown : identity.board)});
  text += "\n" + Fill(Tr("Touchstone", "! Firmware: %1"),
                      {Printable(identity.firmware.empty() ? unknown : identity.firmware)});
  text += "\n" + Fill(Tr("Touchstone", "! Anschluss: %1"), {Printable(session.Port())});
  text += "\n" + Fill(Tr("Touchstone", "! Datum: %1"), {Printable(dateText)}) + "\n";
  text += "# Hz S RI R 50\n";
  for (const AnalyserPoint& point : session.Points())
    text += point.frequency + " " + point.re + " " + point.im + "\n";
  return text;
}

AnalyserFamily FamilyOfUsbId(std::uint16_t vendor, std::uint16_t product) {
  if (vendor == kShellAnalyserVendor && product == kShellAnalyserProduct) return AnalyserFamily::Shell;
  if (vendor == kBinaryAnalyserVendor && product == kBinaryAnalyserProduct) return AnalyserFamily::Binary;
  return AnalyserFamily::None;
}

}  // namespace zb

#include "tests/support/StandInAnalyser.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <complex>
#include <cstring>
#include <stdexcept>

namespace zb::test {

namespace {

constexpr int kDevicePiecePoints = 101;  // the firmware sweeps at most this many points at once
constexpr double kResistance = 40;
constexpr double kLoadedQ = 8;
constexpr const char* kPrompt = "ch> ";
constexpr const char* kModernUsage = "usage: scan {start(Hz)} {stop(Hz)} [points] [outmask]";
constexpr const char* kOldUsage = "usage: scan {start(Hz)} {stop(Hz)} [points]";

std::vector<std::string> SplitWords(const std::string& line) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < line.size()) {
    const std::size_t start = line.find_first_not_of(' ', i);
    if (start == std::string::npos) break;
    const std::size_t end = line.find(' ', start);
    words.push_back(line.substr(start, end - start));
    i = end == std::string::npos ? line.size() : end;
  }
  return words;
}

template <typename T>
bool ReadInteger(const std::string& word, T& value) {
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  return error == std::errc() && end == word.data() + word.size();
}

// A decimal point and 9 decimals whatever the process locale, as the firmware prints.
std::string Fixed9(double value) {
  char text[48];
  char* end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 9).ptr;
  return std::string(text, end);
}

void MakeRaw(int fd) {
  termios t{};
  if (tcgetattr(fd, &t) != 0) return;
  cfmakeraw(&t);
  cfsetspeed(&t, B115200);
  tcsetattr(fd, TCSANOW, &t);
}

}  // namespace

std::optional<StandInFirmware> StandInFirmwareNamed(std::string_view name) {
  if (name == "modern") return StandInFirmware::Modern;
  if (name == "old") return StandInFirmware::OldUnnumbered;
  if (name == "old-numbered") return StandInFirmware::OldNumbered;
  if (name == "question-prompt") return StandInFirmware::QuestionPrompt;
  return std::nullopt;
}

std::optional<StandInFault> StandInFaultNamed(std::string_view name) {
  static constexpr std::pair<std::string_view, StandInFault> kNames[] = {
      {"none", StandInFault::None},           {"silent", StandInFault::Silent},
      {"binary", StandInFault::Binary},       {"unparsable", StandInFault::Unparsable},
      {"usage", StandInFault::Usage},         {"few-lines", StandInFault::FewLines},
      {"unplugged", StandInFault::Unplugged}, {"falls-silent", StandInFault::FallsSilent},
      {"trickle", StandInFault::Trickle},
  };
  for (const auto& [word, fault] : kNames)
    if (word == name) return fault;
  return std::nullopt;
}

StandInGamma StandInS11(double resonanceMHz, std::int64_t frequencyHz) {
  const double ratio = static_cast<double>(frequencyHz) / (resonanceMHz * 1e6);
  const std::complex<double> z(kResistance, 50.0 * kLoadedQ * (ratio - 1.0 / ratio));
  const std::complex<double> gamma = (z - 50.0) / (z + 50.0);
  return {gamma.real(), gamma.imag()};
}

std::int64_t StandInFrequency(std::int64_t startHz, std::int64_t stopHz, int n, int i) {
  if (n < 2) return startHz;
  // The firmware's integer steps: the span shared out with its remainder, rounded.
  const std::int64_t intervals = n - 1;
  return startHz + ((stopHz - startHz) * i + intervals / 2) / intervals;
}

StandInAnalyser::StandInAnalyser(StandInSetup setup) : setup_(setup) {
  if (openpty(&master_, &slave_, nullptr, nullptr, nullptr) != 0)
    throw std::runtime_error(std::string("openpty: ") + std::strerror(errno));
  path_ = ttyname(slave_);
  // No echo and no line editing from the terminal: the device echoes itself.
  MakeRaw(slave_);
  MakeRaw(master_);
  fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
  // A program the test starts must not keep the terminal from hanging up when the stand-in unplugs.
  fcntl(master_, F_SETFD, FD_CLOEXEC);
  fcntl(slave_, F_SETFD, FD_CLOEXEC);
  wake_ = eventfd(0, EFD_CLOEXEC);
  thread_ = std::thread([this] { Serve(); });
}

StandInAnalyser::~StandInAnalyser() {
  stop_ = true;
  const std::uint64_t one = 1;
  if (write(wake_, &one, sizeof one) < 0) {
    // The thread also ends at its next poll; nothing else to do.
  }
  thread_.join();
  if (master_ >= 0) close(master_);
  close(slave_);
  close(wake_);
}

std::vector<std::string> StandInAnalyser::Commands() const {
  const std::lock_guard lock(mutex_);
  return commands_;
}

int StandInAnalyser::ScansAnswered() const {
  const std::lock_guard lock(mutex_);
  return scansAnswered_;
}

void StandInAnalyser::Serve() {
  while (!stop_ && master_ >= 0) {
    pollfd fds[2] = {{master_, POLLIN, 0}, {wake_, POLLIN, 0}};
    if (poll(fds, 2, -1) < 0 && errno != EINTR) return;
    if (fds[1].revents) return;
    if (!(fds[0].revents & POLLIN)) continue;
    char buffer[512];
    const ssize_t n = read(master_, buffer, sizeof buffer);
    if (n <= 0) continue;
    if (!HandleInput({buffer, static_cast<std::size_t>(n)})) return;
  }
}

// False once the stand-in has nothing more to do (unplugged, or trickled until stopped).
bool StandInAnalyser::HandleInput(std::string_view bytes) {
  for (const char c : bytes) {
    if (c == '\n') continue;
    if (c != '\r') {
      line_ += c;
      continue;
    }
    const std::string command = std::move(line_);
    line_.clear();
    {
      const std::lock_guard lock(mutex_);
      commands_.push_back(command);
    }
    if (mute_ || setup_.fault == StandInFault::Silent) continue;
    if (setup_.fault == StandInFault::Binary) {
      if (!Write("2")) return false;
      continue;
    }
    if (!Execute(command)) return false;
  }
  return true;
}

bool StandInAnalyser::Modern() const {
  return setup_.firmware == StandInFirmware::Modern || setup_.firmware == StandInFirmware::QuestionPrompt;
}

bool StandInAnalyser::Execute(const std::string& command) {
  const bool firstCr = !greeted_ && command.empty();
  greeted_ = true;
  if (firstCr && setup_.firmware == StandInFirmware::QuestionPrompt) return Write("\r\n?\r\nch> ");
  if (!Write(command + "\r\n")) return false;
  const std::vector<std::string> words = SplitWords(command);
  const std::string name = words.empty() ? "" : words[0];
  bool going = true;
  if (name.empty()) {
  } else if (name == "version" && setup_.firmware != StandInFirmware::OldUnnumbered) {
    going = Write(setup_.firmware == StandInFirmware::OldNumbered ? "0.4.5\r\n" : "1.2.27\r\n");
  } else if (name == "info") {
    going = Modern() ? Write(
                           "Board: NanoVNA-H 4\r\n2019-2024 Copyright the firmware's authors\r\n"
                           "Version: 1.2.27 build 2024\r\nBuild Time: Jan  1 2024 - 00:00:00\r\n")
                     : Write("Kernel: 4.0.0\r\nCompiler: GCC 7.2.1\r\nPlatform: STM32F072xB\r\n");
  } else if (name == "scan") {
    going = Scan(words);
  } else if (name == "frequencies") {
    going = SendPoints(true, false, false);
  } else if (name == "data" && words.size() == 2 && words[1] == "0") {
    going = SendPoints(false, true, !Modern());
  } else {
    going = Write(name + "?\r\n");
  }
  if (!going) return false;
  return mute_ || Write(kPrompt);
}

bool StandInAnalyser::Scan(const std::vector<std::string>& words) {
  const std::size_t most = Modern() ? 5 : 4;
  Sweep sweep;
  sweep.points = kDevicePiecePoints;
  unsigned mask = 0;
  const bool read = words.size() >= 3 && words.size() <= most && ReadInteger(words[1], sweep.startHz) &&
                    ReadInteger(words[2], sweep.stopHz) &&
                    (words.size() < 4 || ReadInteger(words[3], sweep.points)) &&
                    (words.size() < 5 || ReadInteger(words[4], mask));
  const bool usageFault = setup_.fault == StandInFault::Usage && setup_.faultPoint >= pointsServed_ &&
                          setup_.faultPoint < pointsServed_ + sweep.points;
  if (!read || sweep.startHz <= 0 || sweep.stopHz < sweep.startHz || sweep.points < 1 ||
      sweep.points > kDevicePiecePoints || usageFault)
    return Write(std::string(Modern() ? kModernUsage : kOldUsage) + "\r\n");
  sweep_ = sweep;
  {
    const std::lock_guard lock(mutex_);
    ++scansAnswered_;
  }
  // Bit 0 asks for the frequency, bit 1 for S11 of every point.
  if ((mask & 3) == 0) return true;
  return SendPoints(mask & 1, mask & 2, true);
}

std::string StandInAnalyser::PointLine(int index, bool frequency, bool data) const {
  const std::int64_t hz = StandInFrequency(sweep_.startHz, sweep_.stopHz, sweep_.points, index);
  std::string line;
  if (frequency) line = std::to_string(hz);
  if (data) {
    const StandInGamma gamma = StandInS11(setup_.resonanceMHz, hz);
    if (!line.empty()) line += ' ';
    line += Fixed9(gamma.re) + ' ' + Fixed9(gamma.im);
  }
  return line + "\r\n";
}

// The point lines of the last sweep; withFaults where they are the sweep's data.
bool StandInAnalyser::SendPoints(bool frequency, bool data, bool withFaults) {
  for (int i = 0; i < sweep_.points; ++i) {
    if (withFaults && pointsServed_ == setup_.faultPoint) {
      switch (setup_.fault) {
        case StandInFault::Unparsable: {
          std::string line = PointLine(i, frequency, data);
          line.insert(line.size() - 6, "x");  // a character lost in the middle of a number
          ++pointsServed_;
          if (!Write(line)) return false;
          continue;
        }
        case StandInFault::FewLines:
          ++pointsServed_;
          return true;
        case StandInFault::Unplugged:
          Unplug();
          return false;
        case StandInFault::FallsSilent:
          mute_ = true;
          return true;
        case StandInFault::Trickle: {
          std::string rest;
          for (int j = i; j < sweep_.points; ++j) rest += PointLine(j, frequency, data);
          return Trickle(rest);
        }
        default:
          break;
      }
    }
    if (withFaults) ++pointsServed_;
    if (!Write(PointLine(i, frequency, data))) return false;
  }
  return true;
}

// One byte a second until stopped, never a prompt; the rest of the answer is
// repeated when it runs out.
bool StandInAnalyser::Trickle(std::string rest) {
  for (std::size_t i = 0; !stop_; i = (i + 1) % rest.size()) {
    pollfd wake{wake_, POLLIN, 0};
    if (poll(&wake, 1, 1000) != 0) return false;
    if (!Write(rest.substr(i, 1))) return false;
  }
  return false;
}

bool StandInAnalyser::Write(std::string_view bytes) {
  while (!bytes.empty() && master_ >= 0 && !stop_) {
    const ssize_t n = write(master_, bytes.data(), bytes.size());
    if (n > 0) {
      bytes.remove_prefix(static_cast<std::size_t>(n));
      continue;
    }
    if (n < 0 && errno != EAGAIN && errno != EINTR) return false;
    // Nobody reads: wait for room, or for the end.
    pollfd fds[2] = {{master_, POLLOUT, 0}, {wake_, POLLIN, 0}};
    poll(fds, 2, 100);
  }
  return bytes.empty();
}

// The points sent before are read first: a hang-up discards what the program has not read yet.
void StandInAnalyser::Unplug() {
  for (int waited = 0; waited < 1000 && !stop_; waited += 10) {
    int unread = 0;
    if (ioctl(slave_, FIONREAD, &unread) != 0 || unread == 0) break;
    usleep(10'000);
  }
  close(master_);
  master_ = -1;
}

}  // namespace zb::test

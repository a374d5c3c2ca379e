#pragma once
// A stand-in for the hand-held analyser on a pseudo terminal: the program
// opens the slave's path (/dev/pts/N) as its serial port, and a thread answers
// in the device's text shell as the firmware does, with the prompt "ch> ",
// the echo of every command and answer lines ending CR LF. It can misbehave
// in every way the program must survive: no prompt, the other family's
// binary protocol, a line that does not read, a usage line, too few lines,
// the cable pulled, silence or a trickle mid-sweep.
//
// Its S11 is that of a dipole as a series R-L-C circuit resonant at a chosen
// frequency, printed in the C locale with 9 decimals.

#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace zb::test {

enum class StandInFirmware {
  Modern,          // "1.2.27" on a "NanoVNA-H 4": "scan START STOP N 3" gives FREQ RE IM lines
  OldUnnumbered,   // answers "version?" (no such command): scan, then "frequencies" and "data 0"
  OldNumbered,     // "0.4.5": as old as the unnumbered one
  QuestionPrompt,  // modern, but answers the first CR with "\r\n?\r\nch> "
};

enum class StandInFault {
  None,
  Silent,       // never answers anything, not even the CR
  Binary,       // the other family: answers a CR with the single byte "2"
  Unparsable,   // point k is printed as a line that does not read
  Usage,        // the scan holding point k is answered with the usage line
  FewLines,     // the answer holding point k ends before it (prompt after k points)
  Unplugged,    // the cable is pulled after k points: the master side closes
  FallsSilent,  // after k points nothing more comes
  Trickle,      // from point k on one byte a second, forever, never a prompt
};

struct StandInSetup {
  StandInFirmware firmware = StandInFirmware::Modern;
  double resonanceMHz = 14.1;
  StandInFault fault = StandInFault::None;
  int faultPoint = 0;  // k: the points of the whole sweep sent before the fault
};

// The words of firmware and fault names, as the stand-in program reads them:
// "modern", "old", "old-numbered", "question-prompt"; "none", "silent",
// "binary", "unparsable", "usage", "few-lines", "unplugged", "falls-silent",
// "trickle".
std::optional<StandInFirmware> StandInFirmwareNamed(std::string_view name);
std::optional<StandInFault> StandInFaultNamed(std::string_view name);

// The stand-in's reflection coefficient at frequencyHz: a series R-L-C
// circuit of 40 ohms with a loaded Q of 8, resonant at resonanceMHz.
struct StandInGamma {
  double re = 0;
  double im = 0;
};
StandInGamma StandInS11(double resonanceMHz, std::int64_t frequencyHz);

// Point i of a device sweep from start to stop in n points, in whole hertz as
// the firmware computes it.
std::int64_t StandInFrequency(std::int64_t startHz, std::int64_t stopHz, int n, int i);

class StandInAnalyser {
 public:
  // Opens the pseudo terminal and starts serving; throws std::runtime_error
  // when no pseudo terminal can be had.
  explicit StandInAnalyser(StandInSetup setup);
  ~StandInAnalyser();
  StandInAnalyser(const StandInAnalyser&) = delete;
  StandInAnalyser& operator=(const StandInAnalyser&) = delete;

  // The path the program opens as its port.
  const std::string& Path() const { return path_; }
  // Every command received, without its CR, in order ("" for a bare CR).
  std::vector<std::string> Commands() const;
  // The scan commands answered with data or accepted for "frequencies"/"data 0".
  int ScansAnswered() const;

 private:
  struct Sweep {
    std::int64_t startHz = 0;
    std::int64_t stopHz = 0;
    int points = 0;
  };
  void Serve();
  bool HandleInput(std::string_view bytes);
  bool Execute(const std::string& command);
  bool Scan(const std::vector<std::string>& words);
  bool SendPoints(bool frequency, bool data, bool oneAnswerOfScan);
  std::string PointLine(int index, bool frequency, bool data) const;
  bool Trickle(std::string rest);
  bool Write(std::string_view bytes);
  void Unplug();
  bool Modern() const;

  StandInSetup setup_;
  int master_ = -1;
  int slave_ = -1;  // kept open, so that the program closing its port does not hang up the terminal
  int wake_ = -1;   // an eventfd: the destructor ends the thread through it
  std::string path_;
  std::string line_;  // the command typed so far
  bool greeted_ = false;
  bool mute_ = false;
  Sweep sweep_{50'000, 900'000'000, 101};
  int pointsServed_ = 0;
  mutable std::mutex mutex_;
  std::vector<std::string> commands_;
  int scansAnswered_ = 0;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

}  // namespace zb::test

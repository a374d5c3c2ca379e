#pragma once
// Taking a sweep from a hand-held vector network analyser over its USB serial
// port (USB id 0483:5740), in the device's text shell: it prints the prompt
// "ch> ", echoes a command sent with a CR, answers in lines ending CR LF and
// prompts again.
//
// The session is the protocol alone, with no port and no clock of its own: the
// caller writes what TakeOutgoing() gives, passes on what the device sends
// (Receive) and the time in milliseconds on a steady clock, and learns from
// State() when the session is over. The command line drives it from a blocking
// loop, the windows from a serial port's signals: both get the same bytes, the
// same checks and the same messages. Plain C++, no Qt.
//
// The order of a sweep: a CR, the prompt; "version"; "info"; then the pieces
// of at most 101 points. Firmware 0.7.1 and later answers "scan START STOP N 3"
// with one "FREQ RE IM" line a point; older firmware is asked "scan START STOP
// N", then "frequencies" and "data 0". The numbers are kept as the device
// printed them and become a Touchstone file ("# Hz S RI R 50"), which is
// evaluated as any file is.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zb {

// Limits of the exchange.
inline constexpr int kAnalyserSilenceMs = 3000;    // no byte for this long ends the session
inline constexpr int kAnalyserExchangeMs = 10000;  // no exchange (command to prompt) may take longer
inline constexpr int kAnalyserPiecePoints = 101;   // points the device sweeps at once
inline constexpr int kAnalyserFewestPoints = 2;
inline constexpr int kAnalyserMostPoints = 10001;
inline constexpr int kAnalyserDefaultPoints = 201;

// What to sweep: points on the grid from startHz to stopHz (both included).
// points == 0 only asks the device who it is ("version", "info").
struct AnalyserPlan {
  std::int64_t startHz = 0;
  std::int64_t stopHz = 0;
  int points = 0;
};

// One piece of the sweep: the device's "scan START STOP N".
struct AnalyserPiece {
  std::int64_t startHz = 0;
  std::int64_t stopHz = 0;
  int points = 0;
};

// The plan's grid cut into pieces of at most kAnalyserPiecePoints points, none
// sharing a point with the next, each with at least two points, in ascending
// order. The grid point i is startHz + i * (stopHz - startHz) / (points - 1),
// rounded to the nearest hertz.
std::vector<AnalyserPiece> AnalyserPieces(const AnalyserPlan& plan);

// What the device said of itself.
struct AnalyserIdentity {
  std::string firmware;       // the answer to "version" ("1.2.27"); "" where it had none
  std::string board;          // from the answer to "info" ("NanoVNA-H 4"); "" where it named none
  bool scanWithMask = false;  // firmware 0.7.1 or later: "scan START STOP N 3"
};

// The firmware from the first line of a "version" answer: the leading
// "MAJOR.MINOR.PATCH" (an optional "v" before it), with 0.7.1 and later
// scanning with a mask. An answer without such a number is older firmware.
AnalyserIdentity IdentityFromVersion(std::string_view answer);
// The board from the lines of an "info" answer: the value of a "Board:" line,
// else the first line; "" for none.
std::string BoardFromInfo(const std::vector<std::string>& lines);

// One point as the device printed it: the words themselves, not numbers.
struct AnalyserPoint {
  std::string frequency;  // hertz, as printed
  std::string re;
  std::string im;
};

// Why a session or a port failed.
enum class AnalyserFault {
  None,
  Cancelled,       // the user stopped it: no message
  PortMissing,     // the port does not exist
  PortPermission,  // no right to open it: the group dialout
  PortBusy,        // another program has it
  PortOther,       // opening failed otherwise (detail given)
  BinaryProtocol,  // answers a CR with "2": the other family's binary protocol
  NoPrompt,        // no prompt within kAnalyserSilenceMs after the CR
  Silence,         // the device fell silent mid-exchange
  TooSlow,         // an exchange took longer than kAnalyserExchangeMs
  Unparsable,      // a line that does not read (detail: the line)
  Usage,           // a usage line instead of data (detail: the line)
  TooFewLines,     // fewer lines than points (detail: how many)
  Unplugged,       // the port went away mid-sweep
};

// The German message for a fault at the port, naming it; "" for None and
// Cancelled. detail is the line, the count or the system's reason as the
// fault needs it.
std::string AnalyserFaultText(AnalyserFault fault, std::string_view port, std::string_view detail = {});

class AnalyserSession {
 public:
  enum class State { Running, Done, Failed };

  AnalyserSession(std::string port, AnalyserPlan plan);

  // Starts the session at nowMs: the CR is waiting in TakeOutgoing().
  void Start(std::int64_t nowMs);
  // The bytes to write to the device now; empties the queue.
  std::string TakeOutgoing();
  // Bytes from the device, received at nowMs.
  void Receive(std::string_view bytes, std::int64_t nowMs);
  // Checks the time limits; call at least every 100 ms while running.
  void CheckTime(std::int64_t nowMs);
  // Ends the session from outside: the user cancelled, or the port failed
  // (Unplugged, with the system's reason as detail).
  void Fail(AnalyserFault fault, std::string_view detail = {});
  // The milliseconds from nowMs until CheckTime must next be called.
  std::int64_t MsUntilDeadline(std::int64_t nowMs) const;

  State GetState() const { return state_; }
  AnalyserFault Fault() const { return fault_; }
  // The message of the fault (AnalyserFaultText); "" when none.
  const std::string& FaultText() const { return faultText_; }
  const std::string& Port() const { return port_; }
  const AnalyserPlan& Plan() const { return plan_; }
  const AnalyserIdentity& Identity() const { return identity_; }

  // Progress: points received so far and the points of the plan.
  int PointsDone() const;
  int PointsTotal() const { return plan_.points; }

  // The points after Done: ascending frequency, without repeats.
  const std::vector<AnalyserPoint>& Points() const { return points_; }

 private:
  enum class Step { Prompt, Version, Info, Scan, Frequencies, Data };
  void Send(std::string command, Step step, std::int64_t nowMs);
  void Answered(const std::vector<std::string>& lines, std::int64_t nowMs);
  void NextPiece(std::int64_t nowMs);
  void ScanAnswered(const std::vector<std::string>& lines, std::int64_t nowMs);
  void FrequenciesAnswered(const std::vector<std::string>& lines, std::int64_t nowMs);
  void DataAnswered(const std::vector<std::string>& lines, std::int64_t nowMs);
  void PieceDone(std::int64_t nowMs);
  bool NoUsageLine(const std::vector<std::string>& lines);
  bool EnoughLines(std::size_t lines, std::size_t expected);
  void Finish();

  std::string port_;
  AnalyserPlan plan_;
  std::vector<AnalyserPiece> pieces_;
  std::size_t piece_ = 0;
  AnalyserIdentity identity_;
  State state_ = State::Running;
  AnalyserFault fault_ = AnalyserFault::None;
  std::string faultText_;
  Step step_ = Step::Prompt;
  std::string outgoing_;  // bytes not yet taken for the device
  std::string command_;   // the command waiting for its answer, without the CR
  std::string received_;  // bytes of the answer so far
  std::int64_t lastByteMs_ = 0;
  std::int64_t exchangeStartMs_ = 0;
  std::vector<std::string> frequencies_;  // older firmware: the piece's "frequencies"
  std::vector<AnalyserPoint> piecePoints_;
  std::vector<AnalyserPoint> points_;
};

// The sweep of a finished session as a Touchstone 1.1 file: "!" lines naming
// the device, its firmware, the port and dateText, the option line
// "# Hz S RI R 50", one "FREQ RE IM" line a point as the device printed it,
// lines ending LF.
std::string AnalyserTouchstone(const AnalyserSession& session, std::string_view dateText);

// USB ids of the analysers found on the buses.
inline constexpr std::uint16_t kShellAnalyserVendor = 0x0483;  // the shell protocol's family
inline constexpr std::uint16_t kShellAnalyserProduct = 0x5740;
inline constexpr std::uint16_t kBinaryAnalyserVendor = 0x04b4;  // the binary protocol's family
inline constexpr std::uint16_t kBinaryAnalyserProduct = 0x0008;

enum class AnalyserFamily { None, Shell, Binary };
AnalyserFamily FamilyOfUsbId(std::uint16_t vendor, std::uint16_t product);

}  // namespace zb

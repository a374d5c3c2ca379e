#pragma once
// The analyser's serial port for the command line: plain POSIX, no Qt. The
// port is opened raw at 115200 baud and held exclusively (TIOCEXCL and an
// flock, as other serial programs hold it), and a session is driven over it
// in a blocking loop that never waits longer than the session's limits.

#include <string>

#include "core/measurement/AnalyserSession.h"

namespace zb {

class AnalyserPort {
 public:
  // Opens path; Fault() says why it could not be opened.
  explicit AnalyserPort(const std::string& path);
  ~AnalyserPort();
  AnalyserPort(const AnalyserPort&) = delete;
  AnalyserPort& operator=(const AnalyserPort&) = delete;

  bool IsOpen() const { return fd_ >= 0; }
  AnalyserFault Fault() const { return fault_; }
  const std::string& Detail() const { return detail_; }  // the system's reason for PortOther

  // Starts the session and runs it over the port until it is done or failed.
  void Drive(AnalyserSession& session);

 private:
  void Fail(AnalyserFault fault, int errnoValue);
  bool Write(AnalyserSession& session, std::string& pending);
  bool Read(AnalyserSession& session);

  int fd_ = -1;
  bool exclusive_ = false;
  AnalyserFault fault_ = AnalyserFault::None;
  std::string detail_;
};

// The port fault of a failed open() or ioctl: missing, no right, busy, other.
AnalyserFault PortFaultOfErrno(int errnoValue);

// Opens the session's port and drives the session over it; a port that does
// not open fails the session with the reason.
void MeasureThroughPort(AnalyserSession& session);

}  // namespace zb

#include "cli/AnalyserPort.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

namespace zb {

namespace {

constexpr std::int64_t kLongestPollMs = 100;

std::int64_t NowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

bool SetRaw(int fd) {
  termios t{};
  if (tcgetattr(fd, &t) != 0) return false;
  cfmakeraw(&t);
  cfsetspeed(&t, B115200);
  t.c_cflag |= CLOCAL | CREAD;
  return tcsetattr(fd, TCSANOW, &t) == 0;
}

}  // namespace

AnalyserFault PortFaultOfErrno(int errnoValue) {
  switch (errnoValue) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
      return AnalyserFault::PortMissing;
    case EACCES:
    case EPERM:
      return AnalyserFault::PortPermission;
    case EBUSY:
    case EWOULDBLOCK:
      return AnalyserFault::PortBusy;
    default:
      return AnalyserFault::PortOther;
  }
}

AnalyserPort::AnalyserPort(const std::string& path) {
  fd_ = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd_ < 0) {
    Fail(PortFaultOfErrno(errno), errno);
    return;
  }
  // The lock comes before any setting: a port another program holds keeps its settings.
  if (flock(fd_, LOCK_EX | LOCK_NB) != 0) {
    Fail(AnalyserFault::PortBusy, errno);
    return;
  }
  if (!SetRaw(fd_)) {
    Fail(AnalyserFault::PortOther, errno);
    return;
  }
  exclusive_ = ioctl(fd_, TIOCEXCL) == 0;
  // Bytes from before this program opened the port belong to no command of it.
  tcflush(fd_, TCIOFLUSH);
}

AnalyserPort::~AnalyserPort() {
  if (fd_ < 0) return;
  // Exclusive use ends with this program, also where the terminal stays open elsewhere.
  if (exclusive_) ioctl(fd_, TIOCNXCL);
  close(fd_);
}

void AnalyserPort::Fail(AnalyserFault fault, int errnoValue) {
  fault_ = fault;
  detail_ = std::strerror(errnoValue);
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
}

void AnalyserPort::Drive(AnalyserSession& session) {
  session.Start(NowMs());
  std::string pending;
  while (session.GetState() == AnalyserSession::State::Running) {
    pending += session.TakeOutgoing();
    const std::int64_t wait = std::clamp<std::int64_t>(session.MsUntilDeadline(NowMs()), 0, kLongestPollMs);
    pollfd port{fd_, static_cast<short>(POLLIN | (pending.empty() ? 0 : POLLOUT)), 0};
    const int ready = poll(&port, 1, static_cast<int>(wait));
    if (ready < 0 && errno != EINTR) session.Fail(AnalyserFault::Unplugged, std::strerror(errno));
    if (ready > 0) {
      if ((port.revents & POLLOUT) && !Write(session, pending)) break;
      if ((port.revents & POLLIN) && !Read(session)) break;
      // A hang-up with nothing left to read: the cable was pulled.
      if (!(port.revents & POLLIN) && (port.revents & (POLLHUP | POLLERR | POLLNVAL)) &&
          session.GetState() == AnalyserSession::State::Running)
        session.Fail(AnalyserFault::Unplugged, std::strerror(EIO));
    }
    if (session.GetState() == AnalyserSession::State::Running) session.CheckTime(NowMs());
  }
}

bool AnalyserPort::Write(AnalyserSession& session, std::string& pending) {
  const ssize_t written = write(fd_, pending.data(), pending.size());
  if (written >= 0) {
    pending.erase(0, static_cast<std::size_t>(written));
    return true;
  }
  if (errno == EAGAIN || errno == EINTR) return true;
  session.Fail(AnalyserFault::Unplugged, std::strerror(errno));
  return false;
}

// Everything waiting; false where the port went away.
bool AnalyserPort::Read(AnalyserSession& session) {
  char buffer[4096];
  while (session.GetState() == AnalyserSession::State::Running) {
    const ssize_t got = read(fd_, buffer, sizeof buffer);
    if (got > 0) {
      session.Receive({buffer, static_cast<std::size_t>(got)}, NowMs());
      continue;
    }
    if (got < 0 && (errno == EAGAIN || errno == EINTR)) return true;
    session.Fail(AnalyserFault::Unplugged, std::strerror(got == 0 ? EIO : errno));
    return false;
  }
  return true;
}

void MeasureThroughPort(AnalyserSession& session) {
  AnalyserPort port(session.Port());
  if (!port.IsOpen()) {
    session.Fail(port.Fault(), port.Fault() == AnalyserFault::PortOther ? port.Detail() : std::string());
    return;
  }
  port.Drive(session);
}

}  // namespace zb

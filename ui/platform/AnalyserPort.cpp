#include "ui/platform/AnalyserPort.h"

#include <sys/file.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QSerialPort>
#include <QTimer>
#include <cerrno>

namespace zb::ui {

namespace {

// The session must check its limits at least every 100 ms.
constexpr int kTickMs = 50;

// The errors by which a port that was open has gone away under the session.
bool PortGone(QSerialPort::SerialPortError error) {
  return error == QSerialPort::ResourceError || error == QSerialPort::ReadError ||
         error == QSerialPort::WriteError || error == QSerialPort::DeviceNotFoundError;
}

}  // namespace

AnalyserPort::AnalyserPort(const QString& path, const zb::AnalyserPlan& plan, QObject* parent)
    : QObject(parent), path_(path), session_(path.toStdString(), plan) {}

AnalyserPort::~AnalyserPort() {
  // No signal of the closing port may reach a half-destroyed driver.
  if (port_) {
    port_->disconnect(this);
    port_->close();
  }
}

void AnalyserPort::Start() {
  clock_.start();
  if (!Open()) return;
  timer_ = new QTimer(this);
  timer_->setInterval(kTickMs);
  connect(timer_, &QTimer::timeout, this, &AnalyserPort::Tick);
  connect(port_, &QSerialPort::readyRead, this, &AnalyserPort::Received);
  connect(port_, &QSerialPort::errorOccurred, this,
          [this](QSerialPort::SerialPortError error) { PortFailed(static_cast<int>(error)); });
  running_ = true;
  session_.Start(NowMs());
  timer_->start();
  AfterStep();
}

// Each refusal is told apart before or right after opening, because Qt's
// own error of a failed opening says "permission" for a port that another
// program holds as well as for one the user may not open.
bool AnalyserPort::Open() {
  const QByteArray local = QFile::encodeName(path_);
  if (path_.trimmed().isEmpty() || !QFileInfo::exists(path_)) {
    Refuse(zb::AnalyserFault::PortMissing);
    return false;
  }
  if (::access(local.constData(), R_OK | W_OK) != 0 && errno == EACCES) {
    Refuse(zb::AnalyserFault::PortPermission);
    return false;
  }
  port_ = new QSerialPort(this);
  port_->setPortName(path_);
  if (!port_->open(QIODevice::ReadWrite)) {
    const int reason = errno;
    const QSerialPort::SerialPortError error = port_->error();
    if (error == QSerialPort::DeviceNotFoundError)
      Refuse(zb::AnalyserFault::PortMissing);
    else if (error == QSerialPort::PermissionError && reason == EACCES)
      Refuse(zb::AnalyserFault::PortPermission);
    else if (error == QSerialPort::PermissionError)  // Qt's lock file, or the port opened exclusively
      Refuse(zb::AnalyserFault::PortBusy);
    else
      Refuse(zb::AnalyserFault::PortOther, port_->errorString());
    return false;
  }
  // A terminal program or the command line locks the port it talks to.
  if (::flock(static_cast<int>(port_->handle()), LOCK_EX | LOCK_NB) != 0) {
    port_->close();
    Refuse(zb::AnalyserFault::PortBusy);
    return false;
  }
  return true;
}

// A refused opening ends on the next pass of the event loop, as a session
// does, so the caller has connected to Finished and is out of Start.
void AnalyserPort::Refuse(zb::AnalyserFault fault, const QString& detail) {
  openFault_ = fault;
  openFaultText_ = zb::AnalyserFaultText(fault, path_.toStdString(), detail.toStdString());
  QTimer::singleShot(0, this, [this] { emit Finished(); });
}

void AnalyserPort::Cancel() {
  if (!running_) return;
  session_.Fail(zb::AnalyserFault::Cancelled);
  End();
}

zb::AnalyserFault AnalyserPort::Fault() const {
  return openFault_ != zb::AnalyserFault::None ? openFault_ : session_.Fault();
}

std::string AnalyserPort::FaultText() const {
  return openFault_ != zb::AnalyserFault::None ? openFaultText_ : session_.FaultText();
}

void AnalyserPort::Received() {
  if (!running_) return;
  const QByteArray bytes = port_->readAll();
  session_.Receive(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), NowMs());
  AfterStep();
}

void AnalyserPort::PortFailed(int error) {
  const auto serialError = static_cast<QSerialPort::SerialPortError>(error);
  if (!running_ || !PortGone(serialError)) return;
  session_.Fail(zb::AnalyserFault::Unplugged, port_->errorString().toStdString());
  AfterStep();
}

void AnalyserPort::Tick() {
  if (!running_) return;
  session_.CheckTime(NowMs());
  AfterStep();
}

void AnalyserPort::SendWaiting() {
  const std::string bytes = session_.TakeOutgoing();
  if (!bytes.empty()) port_->write(bytes.data(), static_cast<qint64>(bytes.size()));
}

void AnalyserPort::AfterStep() {
  if (session_.GetState() == zb::AnalyserSession::State::Running) SendWaiting();
  if (session_.PointsDone() != lastDone_) {
    lastDone_ = session_.PointsDone();
    emit Progress(lastDone_, session_.PointsTotal());
  }
  if (session_.GetState() != zb::AnalyserSession::State::Running) End();
}

// The port is closed before anyone hears of the end, so a new session may
// open it right away.
void AnalyserPort::End() {
  running_ = false;
  if (timer_) timer_->stop();
  if (port_) {
    port_->disconnect(this);
    port_->close();
  }
  emit Finished();
}

}  // namespace zb::ui

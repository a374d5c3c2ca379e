#pragma once
// One session with an analyser on its serial port, driven from the port's
// signals on the GUI thread without ever waiting there: what the session
// wants sent is written, what the port reads goes into the session with the
// time of a steady clock, and a timer lets the session check its limits.
//
// Opening refuses a port that is missing, one the user may not open (the
// group dialout) and one another program holds (a lock on the open handle,
// as terminal programs take it). Cancel closes the port at once.

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <memory>
#include <string>

#include "core/measurement/AnalyserSession.h"

class QSerialPort;
class QTimer;

namespace zb::ui {

class AnalyserPort : public QObject {
  Q_OBJECT

 public:
  AnalyserPort(const QString& path, const zb::AnalyserPlan& plan, QObject* parent = nullptr);
  ~AnalyserPort() override;
  AnalyserPort(const AnalyserPort&) = delete;
  AnalyserPort& operator=(const AnalyserPort&) = delete;

  // Opens the port and starts the session; Finished follows in any case,
  // after a failed opening on the next pass of the event loop.
  void Start();
  // Stops the session as the user's cancel; Finished follows at once.
  void Cancel();

  bool Running() const { return running_; }
  // After Finished: the fault (None when the sweep is complete) and its message.
  zb::AnalyserFault Fault() const;
  std::string FaultText() const;
  const zb::AnalyserSession& Session() const { return session_; }
  const QString& Path() const { return path_; }

 signals:
  // Points received so far of the points of the plan.
  void Progress(int done, int total);
  // The session is over: done, failed or cancelled; the port is closed. A
  // slot that drops the driver does so with deleteLater().
  void Finished();

 private:
  bool Open();
  void Refuse(zb::AnalyserFault fault, const QString& detail = {});
  void Received();
  void PortFailed(int error);
  void Tick();
  void SendWaiting();
  void AfterStep();
  void End();
  std::int64_t NowMs() const { return clock_.elapsed(); }

  QString path_;
  zb::AnalyserSession session_;
  QSerialPort* port_ = nullptr;
  QTimer* timer_ = nullptr;
  QElapsedTimer clock_;
  bool running_ = false;
  int lastDone_ = -1;
  zb::AnalyserFault openFault_ = zb::AnalyserFault::None;
  std::string openFaultText_;
};

}  // namespace zb::ui

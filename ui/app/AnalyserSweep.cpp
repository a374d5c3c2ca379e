#include "ui/app/AnalyserSweep.h"

#include "ui/platform/UiPlatform.h"

namespace zb::ui {

std::optional<AnalyserSweep> SweepOfSession(const zb::AnalyserSession& session, const QDateTime& taken,
                                            std::string* error) {
  AnalyserSweep sweep;
  sweep.port = QString::fromStdString(session.Port());
  sweep.plan = session.Plan();
  sweep.taken = taken.toString(QStringLiteral("dd.MM.yyyy hh:mm:ss"));
  sweep.touchstone = zb::AnalyserTouchstone(session, sweep.taken.toStdString());
  zb::MeasurementRead read = zb::EvaluateTouchstone(sweep.touchstone, 1);
  if (!read.measurement) {
    if (error) *error = read.error.message;
    return std::nullopt;
  }
  sweep.measurement = std::move(*read.measurement);
  return sweep;
}

QString SweepSourceText(const AnalyserSweep& sweep) {
  return sweep.port + QStringLiteral(", ") + sweep.taken;
}

zb::AnalyserFamily FamilyOfPort(UiPlatform& platform, const QString& path) {
  for (const SerialPortEntry& entry : platform.SerialPorts())
    if (entry.path == path && entry.vendor && entry.product)
      return zb::FamilyOfUsbId(*entry.vendor, *entry.product);
  return zb::AnalyserFamily::None;
}

}  // namespace zb::ui

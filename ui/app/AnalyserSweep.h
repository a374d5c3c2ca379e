#pragma once
// A sweep taken from an analyser, as the analyser dialog hands it to the
// measurement window and as that window takes it again ("Wiederholen"): where
// and how it was taken, the Touchstone text of what the device printed, and
// its evaluation, the same as a file with that text gives.

#include <QDateTime>
#include <QString>
#include <optional>
#include <string>

#include "core/measurement/AnalyserSession.h"
#include "core/measurement/SweepEvaluation.h"

namespace zb::ui {

struct AnalyserSweep {
  QString port;
  zb::AnalyserPlan plan;
  QString taken;           // "09.12.2026 06:12:03"
  std::string touchstone;  // the file's text
  zb::Measurement measurement;
};

// The sweep of a finished session taken at the time given; nothing, with the
// reader's message in *error, where the device's numbers do not evaluate.
std::optional<AnalyserSweep> SweepOfSession(const zb::AnalyserSession& session, const QDateTime& taken,
                                            std::string* error);

// Where the sweep came from, as the measurement window's file row names it:
// "/dev/ttyACM0, 09.12.2026 06:12:03".
QString SweepSourceText(const AnalyserSweep& sweep);

// The family of the device on a port the system lists with its USB ids;
// None for a port it does not list or lists without them.
class UiPlatform;
zb::AnalyserFamily FamilyOfPort(UiPlatform& platform, const QString& path);

}  // namespace zb::ui

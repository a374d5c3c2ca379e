#include "cli/MessungDevice.h"

#include <charconv>
#include <cmath>
#include <ctime>
#include <optional>
#include <ostream>

#include "cli/AnalyserPort.h"
#include "cli/AnalyserSearch.h"
#include "cli/CommandLine.h"
#include "core/measurement/AnalyserSession.h"
#include "core/numbers/RuntimeError.h"
#include "core/shared/Translate.h"
#include "report/SafeFile.h"

namespace zb {

namespace {

// Far above any analyser, and low enough for the hertz to fit 8 bytes.
constexpr double kHighestMHz = 1e9;

std::int64_t HzOf(const GivenOptions& given, const std::string& option) {
  if (!given.contains(option)) throw UsageError{MissingOption(option)};
  const double mhz = NumberOption(given, option);
  if (!(mhz > 0 && mhz < kHighestMHz))
    throw UsageError{Fill(Tr("CommandLine", "%1 erwartet eine Frequenz in MHz über 0, nicht %2"),
                          {option, given.at(option)})};
  return std::llround(mhz * 1e6);
}

int PointsOf(const GivenOptions& given) {
  if (!given.contains("--punkte")) return kAnalyserDefaultPoints;
  const std::string& text = given.at("--punkte");
  int points = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), points);
  if (error != std::errc() || end != text.data() + text.size() || points < kAnalyserFewestPoints ||
      points > kAnalyserMostPoints)
    throw UsageError{
        Fill(Tr("CommandLine", "--punkte erwartet eine ganze Zahl von %1 bis %2, nicht %3"),
             {std::to_string(kAnalyserFewestPoints), std::to_string(kAnalyserMostPoints), text})};
  return points;
}

AnalyserPlan PlanOf(const GivenOptions& given) {
  const AnalyserPlan plan{HzOf(given, "--von"), HzOf(given, "--bis"), PointsOf(given)};
  if (plan.startHz >= plan.stopHz) throw UsageError{Tr("CommandLine", "--von muss unter --bis liegen.")};
  // Points closer than a hertz would repeat a frequency.
  if (plan.stopHz - plan.startHz < plan.points - 1)
    throw UsageError{Tr("CommandLine", "Zwischen --von und --bis liegen weniger Hertz als Messpunkte.")};
  return plan;
}

// The port to measure at: as given, or with auto the first analyser found;
// none (after the reason on err) where there is none of the shell's family.
std::optional<std::string> PortOf(const std::string& given, std::ostream& err) {
  if (given != "auto") {
    if (AnalyserAtPort(given).family != AnalyserFamily::Binary) return given;
    err << AnalyserFaultText(AnalyserFault::BinaryProtocol, given) << "\n";
    return std::nullopt;
  }
  const std::vector<FoundAnalyser> found = FindAnalysers();
  for (const FoundAnalyser& analyser : found)
    if (analyser.family == AnalyserFamily::Shell) return analyser.port;
  if (!found.empty())
    err << AnalyserFaultText(AnalyserFault::BinaryProtocol, found.front().port) << "\n";
  else
    err << Fill(Tr("CommandLine",
                   "Kein Antennenanalysator gefunden (USB-Kennung %1); bitte anschließen oder den Anschluss "
                   "mit --geraet angeben."),
                {UsbIdText(kShellAnalyserVendor, kShellAnalyserProduct)})
        << "\n";
  return std::nullopt;
}

// The date of the saved file's comment: local time, "2026-12-09 06:12:00".
std::string LocalDateText() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  return text;
}

bool Saved(const std::string& path, const std::string& touchstone, std::ostream& err) {
  try {
    ReplaceFileSafely(path, touchstone);
    return true;
  } catch (const RuntimeError& error) {
    err << path << ": " << error.Description() << "\n";
    return false;
  }
}

}  // namespace

int MeasureWithAnalyser(const GivenOptions& given, std::ostream& out, std::ostream& err) {
  const AnalyserPlan plan = PlanOf(given);  // a wrong call never reaches the device
  const std::optional<std::string> port = PortOf(given.at("--geraet"), err);
  if (!port) return kExitDeviceFault;
  AnalyserSession session(*port, plan);
  MeasureThroughPort(session);
  if (session.GetState() != AnalyserSession::State::Done) {
    err << session.FaultText() << "\n";
    return kExitDeviceFault;
  }
  const std::string touchstone = AnalyserTouchstone(session, LocalDateText());
  const MeasurementRead read = EvaluateTouchstone(touchstone, 1);
  if (!read.measurement) {
    err << *port << ": " << read.error.message << "\n";
    return kExitDeviceFault;
  }
  if (given.contains("--speichern") && !Saved(given.at("--speichern"), touchstone, err))
    return kExitDeviceFault;
  PrintEvaluation(given, read.measurement->evaluation, out);
  return kExitCompleted;
}

}  // namespace zb

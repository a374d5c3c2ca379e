// libFuzzer target: the analyser session fed arbitrary bytes as the device's
// answers. The first byte picks the points of the sweep; the rest arrives in
// pieces, with the clock moving on between them. Every session ends done or
// failed with a message; a done sweep reads as a Touchstone file.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/measurement/AnalyserSession.h"
#include "core/measurement/SweepEvaluation.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int points = data[0] % 8 == 0 ? 0 : data[0];
  zb::AnalyserSession session("/dev/ttyACM0", {14'000'000, 14'100'000, points});
  const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  std::int64_t now = 0;
  session.Start(now);
  for (std::size_t at = 0; at < bytes.size(); at += 7) {
    session.Receive(bytes.substr(at, 7), now += 50);
    session.CheckTime(now);
    if (session.GetState() == zb::AnalyserSession::State::Running && session.PointsDone() > points)
      std::abort();
    (void)session.TakeOutgoing();
  }
  while (session.GetState() == zb::AnalyserSession::State::Running) session.CheckTime(now += 1000);
  if (session.GetState() == zb::AnalyserSession::State::Failed) {
    if (session.FaultText().empty() || !session.Points().empty()) std::abort();
    return 0;
  }
  const zb::MeasurementRead read = zb::EvaluateTouchstone(zb::AnalyserTouchstone(session, "heute"), 1);
  if (session.PointsTotal() > 0 && !read.measurement)
    std::abort();  // what the session kept is a readable sweep
  return 0;
}

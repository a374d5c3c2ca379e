// The analyser's shell protocol against a device played in the test: what the
// session sends, how it reads the answers, and how every fault ends it.

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <sstream>

#include "core/measurement/AnalyserSession.h"
#include "core/measurement/SweepEvaluation.h"

namespace zb {
namespace {

// A device of the shell family: answers each command as the firmware does.
struct PlayedDevice {
  bool maskScan = true;  // firmware 0.7.1 and later
  std::string promptAfterCr = "\r\nch> ";
  std::vector<std::string> commands;
  std::vector<std::string> lastScan;  // the frequencies of the last "scan", as printed
  // Replaces the answer lines of a command; return false to keep the device's own.
  std::function<bool(const std::string&, std::string&)> fault;

  static std::string Re(long f) { return Fixed(0.3 * std::cos(f / 1e6)); }
  static std::string Im(long f) { return Fixed(0.02 * (f / 1e6 - 14.1)); }
  static std::string Fixed(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9f", v);
    return text;
  }

  std::string Lines(const std::string& command) {
    std::istringstream words(command);
    std::string name;
    words >> name;
    std::string lines;
    if (name == "version") return maskScan ? "1.2.27\r\n" : "version?\r\n";
    if (name == "info") return "Board: NanoVNA-H 4\r\n2019-2024 Copyright\r\n";
    if (name == "scan") {
      long start = 0, stop = 0;
      int n = 0;
      words >> start >> stop >> n;
      lastScan.clear();
      for (int i = 0; i < n; ++i) {
        const long f = start + (n > 1 ? (stop - start) * i / (n - 1) : 0);
        lastScan.push_back(std::to_string(f));
        if (maskScan) lines += lastScan.back() + " " + Re(f) + " " + Im(f) + "\r\n";
      }
      return lines;
    }
    if (name == "frequencies") {
      for (const std::string& f : lastScan) lines += f + "\r\n";
    } else if (name == "data") {
      for (const std::string& f : lastScan) lines += Re(std::stol(f)) + " " + Im(std::stol(f)) + "\r\n";
    }
    return lines;
  }

  // The device's bytes for what the session sent.
  std::string Answer(const std::string& sent) {
    std::string bytes;
    std::size_t at = 0;
    for (std::size_t cr = sent.find('\r'); cr != std::string::npos; at = cr + 1, cr = sent.find('\r', at)) {
      const std::string command = sent.substr(at, cr - at);
      commands.push_back(command);
      if (command.empty()) {
        bytes += promptAfterCr;
        continue;
      }
      std::string lines;
      if (!fault || !fault(command, lines)) lines = Lines(command);
      bytes += command + "\r\n" + lines + "ch> ";
    }
    return bytes;
  }
};

// Runs the session against the device, the answer arriving chunk bytes at a time.
void Converse(AnalyserSession& session, PlayedDevice& device, std::size_t chunk = 4096) {
  std::int64_t now = 0;
  session.Start(now);
  for (int round = 0; round < 10000 && session.GetState() == AnalyserSession::State::Running; ++round) {
    const std::string bytes = device.Answer(session.TakeOutgoing());
    for (std::size_t at = 0; at < bytes.size(); at += chunk)
      session.Receive(std::string_view(bytes).substr(at, chunk), now += 1);
    if (bytes.empty()) session.CheckTime(now += 500);
  }
}

AnalyserPlan Plan(int points) { return {13'500'000, 14'700'000, points}; }

TEST(AnalyserPieces, CutTheGridIntoPiecesTheDeviceTakesAtOnce) {
  for (const int points : {2, 101, 102, 250, 10001}) {
    const std::vector<AnalyserPiece> pieces = AnalyserPieces(Plan(points));
    int total = 0;
    for (std::size_t k = 0; k < pieces.size(); ++k) {
      EXPECT_LE(pieces[k].points, kAnalyserPiecePoints);
      EXPECT_GE(pieces[k].points, 2);
      if (k > 0) {
        EXPECT_GT(pieces[k].startHz, pieces[k - 1].stopHz);
      }
      total += pieces[k].points;
    }
    EXPECT_EQ(total, points);
    EXPECT_EQ(pieces.front().startHz, 13'500'000);
    EXPECT_EQ(pieces.back().stopHz, 14'700'000);
  }
  // 1.2 MHz in 249 steps: the second piece starts on the grid point 84, rounded to the nearest hertz.
  EXPECT_EQ(AnalyserPieces(Plan(250))[1].startHz, 13'500'000 + 404'819);
  EXPECT_TRUE(AnalyserPieces(Plan(1)).empty());
}

TEST(AnalyserIdentity, FirmwareFromTheVersionAnswer) {
  EXPECT_TRUE(IdentityFromVersion("1.2.27").scanWithMask);
  EXPECT_TRUE(IdentityFromVersion("0.7.1").scanWithMask);
  EXPECT_TRUE(IdentityFromVersion("v0.8.0-beta").scanWithMask);
  EXPECT_FALSE(IdentityFromVersion("0.7.0").scanWithMask);
  EXPECT_FALSE(IdentityFromVersion("0.4.5-12-gabcdef").scanWithMask);
  EXPECT_EQ(IdentityFromVersion("version?").firmware, "");
  EXPECT_EQ(IdentityFromVersion("1.2.27\r\n").firmware, "1.2.27");
  EXPECT_EQ(BoardFromInfo({"Kit: X", "Board: NanoVNA-H 4"}), "NanoVNA-H 4");
  EXPECT_EQ(BoardFromInfo({"info?"}), "");
}

// Both firmware kinds, whole answers and byte by byte: the same points as the
// device printed them, which read as a file holding them.
TEST(AnalyserSession, SweepsInPiecesWithBothFirmwareKinds) {
  for (const bool mask : {true, false}) {
    for (const std::size_t chunk : {std::size_t{1}, std::size_t{4096}}) {
      PlayedDevice device;
      device.maskScan = mask;
      device.promptAfterCr = "\r\n?\r\nch> ";
      AnalyserSession session("/dev/ttyACM0", Plan(250));
      Converse(session, device, chunk);
      ASSERT_EQ(session.GetState(), AnalyserSession::State::Done) << session.FaultText();
      ASSERT_EQ(session.Points().size(), 250u);
      EXPECT_EQ(session.PointsDone(), 250);
      EXPECT_EQ(session.Points()[84].frequency, std::to_string(13'500'000 + 404'819));
      EXPECT_EQ(session.Points()[84].re, PlayedDevice::Re(13'500'000 + 404'819));
      for (const std::string& command : device.commands) {
        if (command.starts_with("scan")) {
          EXPECT_EQ(command.ends_with(" 3"), mask) << command;
        }
      }
      const std::string file = AnalyserTouchstone(session, "2026-12-09 06:00:00");
      EXPECT_NE(
          file.find("! Analysator: NanoVNA-H 4\n! Firmware: " + std::string(mask ? "1.2.27" : "unbekannt")),
          std::string::npos);
      const MeasurementRead read = EvaluateTouchstone(file, 1);
      ASSERT_TRUE(read.measurement) << read.error.message;
      EXPECT_EQ(read.measurement->evaluation.points, 250u);
      EXPECT_EQ(read.measurement->evaluation.fStopMHz, 14.7);
    }
  }
}

// 250 points on 100 Hz: the device prints whole hertz, so many a frequency
// twice; the sweep keeps each once, ascending, as a file must have them.
TEST(AnalyserSession, FrequenciesPrintedTwiceAreKeptOnce) {
  PlayedDevice device;
  AnalyserSession session("/dev/ttyACM0", AnalyserPlan{14'000'000, 14'000'100, 250});
  Converse(session, device);
  ASSERT_EQ(session.GetState(), AnalyserSession::State::Done) << session.FaultText();
  ASSERT_EQ(session.Points().size(), 101u);
  for (std::size_t i = 0; i < session.Points().size(); ++i)
    EXPECT_EQ(session.Points()[i].frequency, std::to_string(14'000'000 + i));
  EXPECT_TRUE(EvaluateTouchstone(AnalyserTouchstone(session, "heute"), 1).measurement);
}

// Every fault ends the session with a message naming the port and keeps no point.
TEST(AnalyserSession, FaultsEndTheSessionWithTheirMessage) {
  struct Case {
    const char* name;
    std::function<bool(const std::string&, std::string&)> answer;
    AnalyserFault fault;
    const char* shown;
  };
  const auto onScan = [](std::string lines) {
    return [lines](const std::string& command, std::string& out) {
      if (!command.starts_with("scan")) return false;
      out = lines;
      return true;
    };
  };
  const std::vector<Case> cases = {
      {"usage", onScan("usage: scan {start(Hz)} {stop(Hz)} [points] [outmask]\r\n"), AnalyserFault::Usage,
       "usage: scan"},
      {"garbage", onScan("14000000 0.1 zwei\r\n"), AnalyserFault::Unparsable, "14000000 0.1 zwei"},
      {"control bytes", onScan("\x1b[2J\xff\r\n"), AnalyserFault::Unparsable, "?[2J?"},
      {"too few", onScan("14000000 0.1 0.2\r\n"), AnalyserFault::TooFewLines, "1 von 101"},
  };
  for (const Case& c : cases) {
    PlayedDevice device;
    device.fault = c.answer;
    AnalyserSession session("/dev/ttyUSB7", Plan(101));
    Converse(session, device);
    EXPECT_EQ(session.Fault(), c.fault) << c.name;
    EXPECT_NE(session.FaultText().find("/dev/ttyUSB7"), std::string::npos) << c.name;
    EXPECT_NE(session.FaultText().find(c.shown), std::string::npos) << c.name << ": " << session.FaultText();
    EXPECT_TRUE(session.Points().empty());
  }
}

TEST(AnalyserSession, BinaryFamilyAndTimeLimits) {
  AnalyserSession binary("/dev/ttyACM1", Plan(101));
  binary.Start(0);
  binary.Receive("2", 5);
  EXPECT_EQ(binary.Fault(), AnalyserFault::BinaryProtocol);
  EXPECT_NE(binary.FaultText().find("Touchstone-Datei"), std::string::npos);

  AnalyserSession mute("/dev/ttyACM1", Plan(101));
  mute.Start(0);
  mute.Receive("\r\n", 100);  // bytes without a prompt do not put off the 3 s
  mute.CheckTime(2999);
  EXPECT_EQ(mute.GetState(), AnalyserSession::State::Running);
  EXPECT_EQ(mute.MsUntilDeadline(2999), 1);
  mute.CheckTime(3000);
  EXPECT_EQ(mute.Fault(), AnalyserFault::NoPrompt);

  // After the prompt: silence of 3 s, or a trickle that never ends, within 10 s.
  for (const bool trickle : {false, true}) {
    AnalyserSession session("/dev/ttyACM1", Plan(101));
    session.Start(0);
    session.Receive("\r\nch> ", 0);
    std::int64_t now = 0;
    while (session.GetState() == AnalyserSession::State::Running && now < 20000) {
      now += 100;
      if (trickle && now % 1000 == 0) session.Receive("v", now);
      session.CheckTime(now);
    }
    EXPECT_EQ(session.Fault(), trickle ? AnalyserFault::TooSlow : AnalyserFault::Silence);
    EXPECT_LE(now, trickle ? 10000 : 3000);
  }

  AnalyserSession unplugged("/dev/ttyACM1", Plan(101));
  unplugged.Start(0);
  unplugged.Fail(AnalyserFault::Unplugged, "Input/output error");
  EXPECT_NE(unplugged.FaultText().find("abgerissen"), std::string::npos);
  unplugged.Receive("\r\nch> ", 1);  // nothing more happens after the end
  EXPECT_EQ(unplugged.Fault(), AnalyserFault::Unplugged);
}

TEST(AnalyserSession, IdentifyOnlyAsksVersionAndInfo) {
  PlayedDevice device;
  AnalyserSession session("/dev/ttyACM0", AnalyserPlan{});
  Converse(session, device);
  ASSERT_EQ(session.GetState(), AnalyserSession::State::Done);
  EXPECT_EQ(device.commands, (std::vector<std::string>{"", "version", "info"}));
  EXPECT_EQ(session.Identity().board, "NanoVNA-H 4");
  EXPECT_EQ(session.Identity().firmware, "1.2.27");
}

// The system's reason under a German locale keeps its umlauts; what is no text does not get through.
TEST(AnalyserFaultText, KeepsTextAndNothingElse) {
  EXPECT_EQ(
      AnalyserFaultText(AnalyserFault::PortOther, "/dev/ttyACM0", "Ger\u00e4t oder Ressource belegt"),
      "Der Anschluss /dev/ttyACM0 l\u00e4sst sich nicht \u00f6ffnen: Ger\u00e4t oder Ressource belegt.");
  const std::string shown =
      AnalyserFaultText(AnalyserFault::Unparsable, "/dev/ttyACM0", "\xc3\x28\x07" + std::string(200, 'x'));
  EXPECT_NE(shown.find("\u201E?(?xxx"), std::string::npos) << shown;
  EXPECT_NE(shown.find("x...\u201C"), std::string::npos) << shown;
}

TEST(AnalyserFamilies, ByUsbId) {
  EXPECT_EQ(FamilyOfUsbId(0x0483, 0x5740), AnalyserFamily::Shell);
  EXPECT_EQ(FamilyOfUsbId(0x04b4, 0x0008), AnalyserFamily::Binary);
  EXPECT_EQ(FamilyOfUsbId(0x0483, 0x5741), AnalyserFamily::None);
}

}  // namespace
}  // namespace zb

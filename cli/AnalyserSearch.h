#pragma once
// Finding analysers without Qt: the serial ports whose USB device (the port's
// device in /sys/class/tty, or one of its parents) carries an analyser's USB
// id.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/measurement/AnalyserSession.h"

namespace zb {

struct FoundAnalyser {
  std::string port;  // "/dev/ttyACM0"
  std::uint16_t vendor = 0;
  std::uint16_t product = 0;
  AnalyserFamily family = AnalyserFamily::None;
};

// "0483:5740"
std::string UsbIdText(std::uint16_t vendor, std::uint16_t product);

// The USB ids of a port's device, from the port's entry in ttyClass; family
// None where the port is no USB device or carries no analyser's id.
FoundAnalyser AnalyserAtPort(const std::string& port,
                             const std::filesystem::path& ttyClass = "/sys/class/tty");

// Every port with an analyser's USB id, in the order of their names.
std::vector<FoundAnalyser> FindAnalysers(const std::filesystem::path& ttyClass = "/sys/class/tty");

}  // namespace zb

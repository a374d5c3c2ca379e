#include "cli/AnalyserSearch.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <optional>

namespace zb {

namespace {

// A four-digit hex id file of sysfs ("0483\n").
std::optional<std::uint16_t> ReadHexId(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::string text;
  if (!(in >> text)) return std::nullopt;
  std::uint16_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// The tty's device and its parents up to the bus: the first with both ids is the USB device.
FoundAnalyser IdsAbove(const std::filesystem::path& device, std::string port) {
  FoundAnalyser found{std::move(port)};
  std::error_code error;
  std::filesystem::path at = std::filesystem::canonical(device, error);
  for (; !error && at.has_relative_path(); at = at.parent_path()) {
    const std::optional<std::uint16_t> vendor = ReadHexId(at / "idVendor");
    const std::optional<std::uint16_t> product = ReadHexId(at / "idProduct");
    if (!vendor || !product) continue;
    found.vendor = *vendor;
    found.product = *product;
    found.family = FamilyOfUsbId(*vendor, *product);
    break;
  }
  return found;
}

}  // namespace

std::string UsbIdText(std::uint16_t vendor, std::uint16_t product) {
  char text[16];
  std::snprintf(text, sizeof text, "%04x:%04x", vendor, product);
  return text;
}

FoundAnalyser AnalyserAtPort(const std::string& port, const std::filesystem::path& ttyClass) {
  std::error_code error;
  // A symbolic link such as /dev/serial/by-id/... names the tty it points to.
  const std::filesystem::path real = std::filesystem::weakly_canonical(port, error);
  const std::filesystem::path name = error ? std::filesystem::path(port).filename() : real.filename();
  return IdsAbove(ttyClass / name / "device", port);
}

std::vector<FoundAnalyser> FindAnalysers(const std::filesystem::path& ttyClass) {
  std::vector<FoundAnalyser> found;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(ttyClass, error)) {
    if (!std::filesystem::exists(entry.path() / "device")) continue;
    FoundAnalyser analyser = IdsAbove(entry.path() / "device", "/dev/" + entry.path().filename().string());
    if (analyser.family != AnalyserFamily::None) found.push_back(std::move(analyser));
  }
  std::sort(found.begin(), found.end(),
            [](const FoundAnalyser& a, const FoundAnalyser& b) { return a.port < b.port; });
  return found;
}

}  // namespace zb

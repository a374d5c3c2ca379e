// Touchstone files on disk: the port count their name tells, and reading one
// whole before it is parsed.

#include <charconv>
#include <fstream>
#include <system_error>

#include "core/measurement/Touchstone.h"
#include "core/measurement/TouchstoneWords.h"
#include "core/shared/Translate.h"

namespace zb {

int PortsFromFileName(const std::filesystem::path& path) {
  const std::string extension = touchstone::Lowered(path.extension().string());
  if (extension.size() < 4 || extension[0] != '.' || extension[1] != 's' || extension.back() != 'p') return 0;
  int ports = 0;
  const char* first = extension.data() + 2;
  const char* last = extension.data() + extension.size() - 1;
  const auto [end, error] = std::from_chars(first, last, ports);
  if (error != std::errc() || end != last || ports < 1) return 0;
  return ports;
}

TouchstoneRead ReadTouchstoneFile(const std::filesystem::path& path) {
  TouchstoneRead read;
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  if (!std::filesystem::exists(status)) {
    read.error.message = Tr("Touchstone", "Die Datei gibt es nicht.");
    return read;
  }
  if (!std::filesystem::is_regular_file(status)) {
    read.error.message = Tr("Touchstone", "Das ist keine gewöhnliche Datei.");
    return read;
  }
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error) {
    read.error.message = Tr("Touchstone", "Die Datei lässt sich nicht lesen.");
    return read;
  }
  if (size > kLargestTouchstoneFile) {
    read.error.message = Tr("Touchstone", "Die Datei ist größer als 50 MB und wird nicht gelesen.");
    return read;
  }
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    read.error.message = Tr("Touchstone", "Die Datei lässt sich nicht öffnen.");
    return read;
  }
  // Never more than the size checked above, even if the file grew meanwhile.
  std::string text(static_cast<std::size_t>(size), '\0');
  file.read(text.data(), static_cast<std::streamsize>(size));
  text.resize(static_cast<std::size_t>(file.gcount()));
  if (file.bad()) {
    read.error.message = Tr("Touchstone", "Die Datei lässt sich nicht lesen.");
    return read;
  }
  return ParseTouchstone(text, PortsFromFileName(path));
}

}  // namespace zb

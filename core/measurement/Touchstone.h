#pragma once
// Reading an analyser's sweep from a Touchstone file (.s1p, .s2p): version 1.x
// and version 2.0/2.1, one-port and two-port. What is kept of every frequency
// point is the reflection coefficient at port 1 (S11), also where the file
// holds Z or Y parameters. Plain C++, no Qt.
//
// Bad input never ends the program: the reader answers with a message
// that names the line ("Zeile 17: ...").

#include <complex>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zb {

// Files above this size are refused before a byte is read (50 MB = 50 * 2^20 bytes).
inline constexpr std::uintmax_t kLargestTouchstoneFile = 50ull * 1024 * 1024;

// The sweep as read: ascending frequencies, each with its reflection coefficient.
struct Sweep {
  std::vector<double> frequencyMHz;         // strictly ascending, not negative
  std::vector<std::complex<double>> gamma;  // S11 against z0, one per frequency
  double z0 = 50;                           // reference resistance of port 1 in ohms
  int ports = 1;                            // 1 or 2
  int version = 1;                          // 1 or 2 (Touchstone 2.x)
  bool optionLineGiven = true;              // false: GHz, S, MA, R 50 were assumed
};

// Why a file was not read.
struct TouchstoneError {
  int line = 0;         // 1-based line at fault; 0 where the file as a whole is (missing, too large, empty)
  std::string message;  // complete sentence(s) in the language shown, "Zeile 17: ..." where line > 0
};

// A sweep, or why there is none.
struct TouchstoneRead {
  std::optional<Sweep> sweep;
  TouchstoneError error;  // only meaningful without a sweep
};

// The port count a file name promises: 1 for ".s1p", 2 for ".s2p" (any letter
// case), another count for ".s3p" and the like, 0 for any other name.
int PortsFromFileName(const std::filesystem::path& path);

// Reads the text of a Touchstone file. ports is what the file name promises
// (PortsFromFileName): it decides a version 1 file's port count; with 0 the
// count of values on the first data line decides (3: one-port, 9: two-port).
// A version 2 file says its port count itself.
TouchstoneRead ParseTouchstone(std::string_view text, int ports);

// Reads the file; files above kLargestTouchstoneFile are refused by their size.
TouchstoneRead ReadTouchstoneFile(const std::filesystem::path& path);

}  // namespace zb

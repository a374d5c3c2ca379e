#pragma once
// Replacing a file without ever leaving a half-written one behind.

#include <filesystem>
#include <string_view>

namespace zb {

// Writes the bytes to a temporary file beside `path` and renames it over
// `path` once everything is on disk. A read-only file is not replaced. On
// failure the old file is untouched, the temporary file is removed, and the
// run-time error of the failure is raised: 70 "Zugriff verweigert", 61
// "Datenträger voll", 76 "Pfad nicht gefunden" (also for an empty path), 75
// "Fehler beim Zugriff auf Pfad/Datei" for anything else.
void ReplaceFileSafely(const std::filesystem::path& path, std::string_view bytes);

// The run-time error number for a failed file operation's errno.
int FileErrorNumber(int errnoValue);

}  // namespace zb

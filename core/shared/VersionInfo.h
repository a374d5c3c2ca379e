#pragma once
// The program's version information, shown in the info boxes, the report and
// the printouts.

#include <string>

#include "core/shared/Translate.h"

namespace zb::version {

inline constexpr const char* kFileDescription = TrMark("Version", "Zelvar-Beam-Berechnung nach Kalvex");
inline constexpr const char* kProductName = TrMark("Version", "Zelvar-Beam-Antennen-Berechnung");
inline constexpr int kMajor = 1;
inline constexpr int kMinor = 0;
inline constexpr int kRevision = 0;
inline constexpr const char* kLegalNotice = TrMark("Version", "© 2026 Zelvar-Beam-Projekt");
// The usage terms of the info boxes, two lines.
inline constexpr const char* kUsageTerms1 =
    TrMark("Version", "Freie Software für Funkamateure; Nutzung auf eigene Gefahr,");
inline constexpr const char* kUsageTerms2 =
    TrMark("Version", "ohne Gewähr für die Richtigkeit der berechneten Maße.");

// One of the texts above in the language the program speaks.
inline std::string Text(const char* text) { return Tr("Version", text); }

}  // namespace zb::version

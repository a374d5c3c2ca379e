#pragma once
// The program's version information, shown in the info boxes, the report and
// the printouts.

namespace zb::version {

inline constexpr const char* kFileDescription = "Zelvar-Beam-Berechnung nach Kalvex";
inline constexpr const char* kProductName = "Zelvar-Beam-Antennen-Berechnung";
inline constexpr int kMajor = 1;
inline constexpr int kMinor = 0;
inline constexpr int kRevision = 0;
inline constexpr const char* kLegalNotice = "© 2026 Zelvar-Beam-Projekt";
// The usage terms of the info boxes, two lines.
inline constexpr const char* kUsageTerms1 = "Freie Software für Funkamateure; Nutzung auf eigene Gefahr,";
inline constexpr const char* kUsageTerms2 = "ohne Gewähr für die Richtigkeit der berechneten Maße.";

}  // namespace zb::version

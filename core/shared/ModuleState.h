#pragma once
// The values all windows share. The program owns one instance; everything
// that reads or writes them gets it passed in.

#include <cstdint>
#include <string>

namespace zb {

inline constexpr float kKoeffDipol = 168.23985f;       // dipole length coefficient
inline constexpr float kFaktorReflektor = 1.0152133f;  // reflector / dipole length
inline constexpr float kFaktorDirektor = 0.97023302f;  // director / dipole length
inline constexpr const char* kResultFileName = "Zelvar-Beam.txt";

struct ModuleState {
  std::string Zeilenumbruch = "\r\n";           // line separator inside messages and the summary
  std::string Ergebnisdatei = kResultFileName;  // result file; empty until one exists
  double IsolierVf = 0.0;                       // extra shortening share of the wire insulation
  float AndereFrequenz = 0.0f;                  // band label value for frequencies outside every band
  bool DreiQuertraeger = true;                  // three spreaders without tension rope
  float KoeffDipol = kKoeffDipol;
  float FaktorReflektor = kFaktorReflektor;
  float FaktorDirektor = kFaktorDirektor;
  std::int16_t PruningFensterAnzahl = 0;  // open pruning windows, 0 or 1

  // The shared coefficients as every calculation run re-establishes them.
  void ResetCoefficients() {
    KoeffDipol = kKoeffDipol;
    FaktorReflektor = kFaktorReflektor;
    FaktorDirektor = kFaktorDirektor;
  }
};

}  // namespace zb

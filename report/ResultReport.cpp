#include "report/ResultReport.h"

#include "core/beam/Insulation.h"
#include "core/numbers/NumberText.h"
#include "core/shared/ModuleState.h"
#include "core/shared/Translate.h"
#include "core/shared/VersionInfo.h"
#include "report/PrintZoneWriter.h"
#include "report/SafeFile.h"

namespace zb {

// The labels come in the language the program speaks (Tr); the numbers and
// the layout stay as they are.
namespace {

std::string F(double value, const char* mask) { return FormatNumber(value, mask); }

std::string PositionText(int bandPosition) {
  switch (bandPosition) {
    case 0:
      return Tr("Report", "CW-Band: ");
    case 1:
      return Tr("Report", "für SSB-Band: ");
    case 2:
      return Tr("Report", "für Bandmitte: ");
    default:
      return "";
  }
}

void WriteHeader(PrintZoneWriter& w, const ReportInputs& in, const std::string& rule) {
  const BeamDimensions& d = in.dims;
  w.Line("");
  w.Line("                        Zelvar-Beam nach Kalvex ");
  w.Line(rule);
  w.Piece(Tr("Report", "Antenne berechnet "))
      .Piece(PositionText(in.bandPosition))
      .Piece(in.bandLabel)
      .Line(" MHz");
  w.Piece(Tr("Report", "Resonanzfrequenz: ")).Piece(F(in.f, "###0.0##")).Line(" MHz");
  if (in.vfWindowActive) {
    w.Piece(Tr("Report", "Drahtdurchmesser: ")).Piece(in.vfDiameterText).Line(" mm");
    w.Piece(Tr("Report", "Antennenhöhe: ")).Piece(in.vfHeightText).Line(" m");
  }
  w.Piece(Tr("Report", "Verkürzungsfaktor des Drahtes: ")).Line(F(in.vf, "0.0###"));
  if (CountsAsInsulated(in.permittivity))
    w.Piece(Tr("Report", " (Zusatz-Vf durch Drahtisolierung: ")).Piece(in.insulationText).Line(")");
  w.Piece(Tr("Report", "Größte Antennenbreite: ~ ")).Piece(F(LargestWidth(d), "##0.0#")).Line(" m");
  w.Piece(Tr("Report", "Gesamte Boomlänge: ~ ")).Piece(F(d.geslBoom, "###0.0#")).Line(" m");
  w.Line(in.dreiQuertraeger ? Tr("Report", "Aufbauvariante: drei Querträger ohne Spannseil")
                            : Tr("Report", "Aufbauvariante: zwei Querträger mit Spannseil"));
  w.Line(rule);
}

void WriteWireLengths(PrintZoneWriter& w, const ReportInputs& in, const std::string& nl) {
  const BeamDimensions& d = in.dims;
  const auto length = [&](const char* label, float value, const std::string& end) {
    w.Piece(label).Piece(F(value, "###0.000")).Piece(" m ").Line(end);
  };
  w.Line(Tr("Report", "Drahtlängen:"));
  w.Line(Tr("Report", " Direktor:"));
  length("  lD  = ", d.lD, "");
  length("  lDs = ", d.lDs, nl);
  w.Line(Tr("Report", " Dipol (Strahler):"));
  length("  lS  = ", d.lS, "");
  length("  lSs = ", d.lSs, nl);
  w.Line(Tr("Report", " Reflektor:"));
  length("  lR  = ", d.lR, "");
  length("  lRs = ", d.lRs, nl);
  w.Piece(Tr("Report", " Alle Winkel der drei Elemente betragen 45° bzw. 90°.")).Line(nl);
  w.Line(Tr("Report", "Abstände:"));
  length(" A1  = ", d.A1, "");
  length(" A2  = ", d.A2, "");
  if (in.dreiQuertraeger) {
    length(" AQ1 = ", d.AQ1, "");
    length(" AQ2 = ", d.AQ2, "");
    length(" AQ3 = ", d.AQ3, "");
  } else {
    length(" A3  = ", d.A3, "");
  }
  w.Line(" ");
}

void WriteWidthsAndBoom(PrintZoneWriter& w, const ReportInputs& in, const std::string& nl) {
  const BeamDimensions& d = in.dims;
  const bool drei = in.dreiQuertraeger;
  const auto width = [&](const char* label, float value, const std::string& spreader,
                         const std::string& where) {
    w.Piece(label).Piece(F(value, "###0.0##")).Piece(" m ").Zone();
    w.Piece(spreader).Piece(F(SpreaderLength(value), "###0.0##")).Piece(" m ").Line(where);
  };
  w.Line(Tr("Report", "Breitenmaße:"));
  if (drei) {
    width(" Bv = ", d.Bv, Tr("Report", "Querträger 3 = "), Tr("Report", "(für den Direktor)"));
    width(" Bm = ", d.Bm, Tr("Report", "Querträger 2 = "), Tr("Report", "(für den Dipol)"));
    width(" Bh = ", d.Bh, Tr("Report", "Querträger 1 = "), Tr("Report", "(für den Reflektor)"));
  } else {
    width(" Bv = ", d.Bv, Tr("Report", "Querträger 2 = "), Tr("Report", "(vorne)"));
    width(" Bh = ", d.Bh, Tr("Report", "Querträger 1 = "), Tr("Report", "(hinten)"));
  }
  w.Line(" ");
  w.Line(Tr("Report", "Boom:"));
  w.Piece(" lBoom    = ").Piece(F(d.lBoom, "###0.0##")).Line(" m ");
  if (drei) {
    w.Piece(" geslBoom = ").Piece(F(BoomWithEnds(d), "###0.0##")).Piece(" m ").Line(nl);
  } else {
    w.Piece(" C        = ").Piece(F(d.C, "###0.0##")).Line(" m ");
    w.Piece(" geslBoom = ").Piece(F(BoomWithExtensions(d), "###0.0##")).Piece(" m ").Line(nl);
  }
}

void WriteClearancesAndData(PrintZoneWriter& w, const ReportInputs& in, const std::string& nl) {
  w.Line(Tr("Report", "Mindestabstände zu anderen Antennen/Metallflächen/Erdboden o.Ä.:"));
  w.Piece(Tr("Report", " oberhalb/unterhalb = "))
      .Piece(F(ClearanceAboveBelow(in.lambda), "###0.00"))
      .Line(" m");
  w.Piece(Tr("Report", " nach hinten        = "))
      .Piece(F(ClearanceRear(in.lambda), "###0.00"))
      .Piece(" m")
      .Line(nl);
  w.Line(Tr("Report", "Technische Antennendaten:"));
  w.Piece(Tr("Report", " Gewinn G: "))
      .Piece(F(6, "#0.0#"))
      .Piece(" dBd / ")
      .Piece(F(8.15, "#0.0#"))
      .Line(" dBi");
  w.Line(Tr("Report", " Vor-Rück-Verhältnis: min 22 dB bis max 61 dB (frequenzabhängig)"));
  w.Piece(Tr("Report", " Speise-Pkt.: "))
      .Piece(F(12.5, "#0.0#"))
      .Line(Tr("Report", " Ohm / 50 Ohm über 4:1-Balun an der N-Buchse"));
}

}  // namespace

std::string ComposeResultReport(const ReportInputs& in, const ReportStamp& stamp, const std::string& nl) {
  std::string rule;
  for (int i = 0; i < 80; ++i) rule += "¯";
  PrintZoneWriter w;
  WriteHeader(w, in, rule);
  WriteWireLengths(w, in, nl);
  WriteWidthsAndBoom(w, in, nl);
  WriteClearancesAndData(w, in, nl);
  w.Line("");
  w.Piece(Tr("Report", "Berechnung am ")).Piece(stamp.dateTime).Piece("  ").Line(stamp.legalNotice);
  return w.Bytes();
}

ResultFileWriter::ResultFileWriter(std::function<std::string()> dateTimeNow, std::filesystem::path folder)
    : dateTimeNow_(std::move(dateTimeNow)), folder_(std::move(folder)) {}

void ResultFileWriter::WriteResultReport(ModuleState& state, const ReportInputs& inputs) {
  state.Ergebnisdatei = kResultFileName;
  const std::string report = ComposeResultReport(
      inputs, {dateTimeNow_(), version::Text(version::kLegalNotice)}, state.Zeilenumbruch);
  ReplaceFileSafely(
      folder_.empty() ? std::filesystem::path(state.Ergebnisdatei) : folder_ / state.Ergebnisdatei, report);
}

}  // namespace zb

#pragma once
// Where the calculation run writes its result report. The report writer
// implements it; tests put in one that fails like a full disk.

#include <string>

#include "core/beam/BeamDimensions.h"

namespace zb {

struct ModuleState;

// Everything the report shows, as it stands at the moment of writing.
struct ReportInputs {
  float f = 0;        // design frequency, MHz
  float vf = 0;       // velocity factor of the run
  double lambda = 0;  // 300 / f
  BeamDimensions dims;
  bool dreiQuertraeger = true;
  std::string bandLabel;
  int bandPosition = -1;  // the selected segment button (0..2), -1 for none
  float permittivity = 0;
  std::string insulationText;  // the permittivity box as shown
  bool vfWindowActive = false;
  std::string vfDiameterText;  // the velocity-factor window's entries as typed
  std::string vfHeightText;
};

class ResultReportSink {
 public:
  virtual ~ResultReportSink() = default;
  // Sets state.Ergebnisdatei to the result file and writes the report there.
  // A failed write raises the run-time error of the file operation.
  virtual void WriteResultReport(ModuleState& state, const ReportInputs& inputs) = 0;
};

}  // namespace zb

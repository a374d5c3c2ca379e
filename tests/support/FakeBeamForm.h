#pragma once
// A beam form for tests of the calculation run: plain texts and a record of
// what the run did to the form.

#include <string>
#include <vector>

#include "core/beam/BeamFormAccess.h"
#include "core/beam/BeamFormEntries.h"
#include "core/beam/Insulation.h"

namespace zb::test {

struct FakeBeamForm : BeamFormAccess {
  // The entries of a freshly loaded form.
  std::string text1 = LoadedFrequencyText(), velocityFactorText = kBeamFormEntries.velocityFactor,
              combo1 = AirMaterialText(), text6 = kBeamFormEntries.outerDiameter,
              text7 = kBeamFormEntries.conductorDiameter;
  std::string info = kBeamFormEntries.info;
  std::string frameStatus;
  int band = kBeamFormEntries.band;
  int segment = kBeamFormEntries.segment;
  bool command2 = false;
  std::vector<int> option2Selections;  // every SelectBand call
  std::vector<std::string> focus;

  std::string FrequencyText() override { return text1; }
  void SetFrequencyText(const std::string& t) override { text1 = t; }
  std::string VelocityFactorText() override { return velocityFactorText; }
  void SetVelocityFactorText(const std::string& t) override { velocityFactorText = t; }
  std::string PermittivityText() override { return combo1; }
  std::string OuterDiameterText() override { return text6; }
  std::string ConductorDiameterText() override { return text7; }
  void SelectBand(int index) override {
    option2Selections.push_back(index);
    band = index;
  }
  int SelectedSegment() override { return segment; }
  void SetInfoCaption(const std::string& t) override { info = t; }
  void EnableShowButton() override { command2 = true; }
  void SetFrameStatus(const std::string& t) override { frameStatus = t; }
  void FocusPermittivity() override { focus.push_back("Combo1"); }
  void FocusConductorDiameter() override { focus.push_back("Text7"); }
};

}  // namespace zb::test

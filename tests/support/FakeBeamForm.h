#pragma once
// A beam form for tests of the calculation run: plain texts and a record of
// what the run did to the form.

#include <string>
#include <vector>

#include "core/BeamFormAccess.h"
#include "core/BeamFormEntries.h"
#include "core/Insulation.h"

namespace zb::test {

struct FakeBeamForm : BeamFormAccess {
  // The entries of a freshly loaded form.
  std::string text1 = LoadedFrequencyText(), text4 = kBeamFormEntries.velocityFactor, combo1 = AirMaterialText(),
              text6 = kBeamFormEntries.outerDiameter, text7 = kBeamFormEntries.conductorDiameter;
  std::string info = kBeamFormEntries.info;
  std::string frameStatus;
  int option2 = kBeamFormEntries.option2;
  int option1 = kBeamFormEntries.option1;
  bool command2 = false;
  std::vector<int> option2Selections;  // every SelectOption2 call
  std::vector<std::string> focus;

  std::string GetText1() override { return text1; }
  void SetText1(const std::string& t) override { text1 = t; }
  std::string GetText4() override { return text4; }
  void SetText4(const std::string& t) override { text4 = t; }
  std::string GetCombo1Text() override { return combo1; }
  std::string GetText6() override { return text6; }
  std::string GetText7() override { return text7; }
  void SelectOption2(int index) override {
    option2Selections.push_back(index);
    option2 = index;
  }
  int SelectedOption1() override { return option1; }
  void SetInfoCaption(const std::string& t) override { info = t; }
  void EnableCommand2() override { command2 = true; }
  void SetFrameStatus(const std::string& t) override { frameStatus = t; }
  void FocusCombo1() override { focus.push_back("Combo1"); }
  void FocusText7() override { focus.push_back("Text7"); }
};

}  // namespace zb::test

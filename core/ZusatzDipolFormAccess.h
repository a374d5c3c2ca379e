#pragma once
// What the coupled-dipole run reads and writes on its window (ZusatzDipol).
// Additional dipole: Text1 wanted frequency (MHz), Text3 impedance (ohm),
// Text4 its wire diameter (mm), Label8 spacing (mm), Label10 length (m).
// Exciter: Text2 lowest resonance (MHz), Text5 wire diameter (mm), Text6 VF.

#include <string>

namespace zb {

class ZusatzDipolFormAccess {
 public:
  virtual ~ZusatzDipolFormAccess() = default;

  virtual std::string GetText1() = 0;
  virtual std::string GetText2() = 0;
  virtual std::string GetText3() = 0;
  virtual std::string GetText4() = 0;
  virtual std::string GetText5() = 0;
  virtual std::string GetText6() = 0;
  virtual void SetText4(const std::string& text) = 0;
  virtual void SetText5(const std::string& text) = 0;
  virtual void SetText6(const std::string& text) = 0;
  virtual void SetLabel8(const std::string& caption) = 0;
  virtual void SetLabel10(const std::string& caption) = 0;
  // Focus on box Text1 .. Text6.
  virtual void FocusText(int number) = 0;
};

}  // namespace zb

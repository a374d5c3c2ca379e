#pragma once
// The program's empirical antenna physics. Arguments are 4-byte floats,
// intermediates 8-byte; frequencies in MHz, heights in m, diameters in mm.
// The wavelength is always 300 / f metres.

namespace zb {

class VfWindowState;
struct ModuleState;

inline constexpr double kPi = 3.14159265358979;

// Relative extra shortening (a fraction) of a wire with insulation of relative
// permittivity er, outer diameter outer and conductor diameter conductor.
double InsulationShortening(float er, float outer, float conductor, float vf);

// Shortening in percent caused by the height above ground; 0 for h <= 0.
// A failing step is skipped and the evaluation goes on with the next one.
float HeightShorteningPercent(float f, float h, bool groundCorrection);

// Shortening in percent caused by the ratio of wavelength to wire diameter.
float SlendernessShorteningPercent(float f, float d);

// The total shortening in percent from the velocity-factor window's height,
// ground switch and (when d is 0) diameter, or the fallback unchanged while
// that window holds no current estimate.
float EffectiveShorteningPercent(float f, float d, float fallback, VfWindowState& vfWindow,
                                 const ModuleState& state);

// Spacing in mm at which a radiation-coupled dipole gives the feed impedance z;
// 0 when the diameters give no positive ratio.
float CouplingSpacing(float z, float f, float dExciter, float dDipol, double isolierVf);

// Common logarithm, ln x / ln 10.
double Log10(double x);

}  // namespace zb

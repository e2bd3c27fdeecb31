#pragma once

#include "engineering/oscillating_circuit.h"

// Single filter sections of the constant-k kind, in henries, farads, ohms and
// hertz. An LC section's L and C fix its cut-off by fc = 1 / (k·√(L·C))
// (LcFrequency and LcPartner), with k by the kind of section.

namespace engineering {

enum class FilterPass { LowPass, HighPass };
// Г, Т and П: how many of the series and the shunt elements the section doubles.
enum class SectionForm { Gamma, Tee, Pi };

// π for the low-pass section, 4π for the high-pass one.
Real LcConstant(FilterPass pass);

// Each of two like elements is typed; these factors turn that value into the
// one the section formulas take.
struct ElementFactors {
    Real inductorOrResistor;
    Real capacitor;
};
ElementFactors FormFactors(FilterPass pass, SectionForm form);

// An RC section: fc = 1 / (2π·R·C); the R or the C that gives fc with the
// other element: 1 / (2π·fc·other).
Real RcCutOff(Real resistance, Real capacitance);
Real RcPartner(Real other, Real cutOff);

// A band filter as one Т section of a low-pass half (two like coils) and a
// high-pass half (two like capacitors).
inline constexpr ElementFactors BandLowPassHalf{2, 1};
inline constexpr ElementFactors BandHighPassHalf{1, 0.5L};

// A band-pass filter passes a band only while the low-pass half cuts off
// above the high-pass half; a band-stop filter stops one only the other way round.
bool PassesBand(Real lowPassCutOff, Real highPassCutOff);
bool StopsBand(Real lowPassCutOff, Real highPassCutOff);

} // namespace engineering

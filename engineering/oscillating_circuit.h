#pragma once

#include "engineering/checked_math.h"

// An LC circuit and the wave of its frequency, in henries, farads, hertz,
// seconds and metres.

namespace engineering {

// An inductance and a capacitance whose product fixes a frequency,
// f = 1 / (k·√(L·C)); k = 2π is resonance, filter sections have their own k.
Real LcFrequency(Real k, Real inductance, Real capacitance);
// The L or the C that pairs with `other` at f by the same rule: 1 / (other·(k·f)²).
Real LcPartner(Real k, Real other, Real frequency);

// Thomson's formula of resonance: f = 1 / (2π·√(L·C)).
Real ResonantFrequency(Real inductance, Real capacitance);
// The L or the C that resonates with `other` at f: 1 / (other·(2π·f)²).
Real ResonantPartner(Real other, Real frequency);

// Radio amateurs round the speed of light to 3·10⁸ m/s.
inline constexpr Real SpeedOfLight = 3e8L;

// T = 1 / f, and f = 1 / T.
Real Period(Real frequency);
Real FrequencyOfPeriod(Real period);
// λ = c / f, and f = c / λ.
Real Wavelength(Real frequency);
Real FrequencyOfWavelength(Real wavelength);

} // namespace engineering

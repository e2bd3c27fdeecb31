#pragma once

#include "engineering/checked_math.h"

// Wound cores. These pages have no unit combos, so the functions take the
// units of their captions; each raises ArithmeticError where the inputs give
// no answer.

namespace engineering {

// Winding on a ferrite ring of outer and inner diameter Dн, Dв and height H
// (millimetres), permeability µ, inductance in microhenries:
// L = H·µ·W²·(Dн − Dв) / (2500·(Dн + Dв)), the toroid's µ·W²·A/ℓ with the
// cross-section H·(Dн − Dв)/2 over the mean path π·(Dн + Dв)/2.
Real RingInductance(Real turns, Real permeability, Real outerDiameter, Real innerDiameter, Real height);
Real RingTurns(Real inductance, Real permeability, Real outerDiameter, Real innerDiameter, Real height);
Real RingPermeability(Real inductance, Real turns, Real outerDiameter, Real innerDiameter, Real height);
Real RingOuterDiameter(Real inductance, Real turns, Real permeability, Real innerDiameter, Real height);
Real RingInnerDiameter(Real inductance, Real turns, Real permeability, Real outerDiameter, Real height);
Real RingHeight(Real inductance, Real turns, Real permeability, Real outerDiameter, Real innerDiameter);

// Small mains transformer by the usual rules of thumb, with the core's two
// dimensions in centimetres, volts, amperes and watts.
Real CoreArea(Real coreL, Real coreT);  // cm²
// 50/S turns per volt at 50 Hz.
Real WindingTurns(Real voltage, Real coreArea);
// Wire diameter in millimetres: d = √(I/2.5), which loads the copper with
// 10/π ≈ 3.2 A/mm².
Real WindingWireDiameter(Real current);
Real LoadPower(Real voltage, Real current);
// The primary carries the load's power at its own voltage, losses aside.
Real PrimaryCurrent(Real power, Real primaryVoltage);
// The core needs S = 1.2·√P: so a core of S cm² carries at most (S/1.2)² W,
// and P watts need at least 1.2·√P cm².
Real CorePowerLimit(Real coreArea);
Real CoreAreaFor(Real power);

} // namespace engineering

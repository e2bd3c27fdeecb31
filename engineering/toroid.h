#pragma once

#include "engineering/checked_math.h"

// A winding on a ring core of rectangular section taken exactly: the field
// falls off as 1/r across the ring, so the flux integrates to a logarithm.
// Dimensions in millimetres, inductance in microhenries, A_L in nanohenries
// per turn squared; each raises ArithmeticError where the inputs give no
// answer.

namespace engineering {

// A_L = µ0·µ·H·ln(Dн/Dв) / (2π).
Real ToroidInductanceFactor(Real permeability, Real outerDiameter, Real innerDiameter, Real height);

// L = A_L·W².
Real ToroidInductance(Real turns, Real permeability, Real outerDiameter, Real innerDiameter, Real height);

// W = √(L / A_L) for an A_L read from a catalogue.
Real TurnsForInductance(Real inductance, Real inductanceFactor);

// The permeability that gives a measured inductance with W turns.
Real ToroidPermeability(Real inductance, Real turns, Real outerDiameter, Real innerDiameter, Real height);

} // namespace engineering

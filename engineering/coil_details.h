#pragma once

#include "engineering/checked_math.h"

// A closer look at a single-layer air coil than its everyday rule gives, in
// the units of that coil's page: lengths and diameters in millimetres,
// inductance in microhenries, capacitance in picofarads, frequency in
// megahertz, resistance in ohms. Each raises ArithmeticError where the inputs
// give no answer.

namespace engineering {

// Nagaoka's coefficient of a current sheet of diameter D and length l, from
// the complete elliptic integrals with k² = D²/(D² + l²).
Real NagaokaCoefficient(Real diameter, Real length);

// The current sheet: L = µ0·π·D²·W²·K / (4·l), D the mean diameter of a turn.
Real NagaokaInductance(Real turns, Real diameter, Real length);

// Rosa's correction from a current sheet to W turns of round wire d at
// pitch p = l/W (Grover): ΔL = µ0·(D/2)·W·(A + B), A = 5/4 − ln(2p/d), B the
// mutual-inductance term as Knight's series in W.
Real RosaCorrection(Real turns, Real diameter, Real length, Real wireDiameter);

// Medhurst's self-capacitance of a single-layer coil:
// C = D·(0.1126·l/D + 0.08 + 0.27/√(l/D)) pF, D in centimetres.
Real MedhurstCapacitance(Real diameter, Real length);

// Where the coil resonates with its own capacitance: f = 1 / (2π·√(L·C)).
Real SelfResonance(Real inductance, Real capacitance);

// The wire of W turns of a helix of pitch l/W: W·√((π·D)² + (l/W)²).
Real HelixWireLength(Real turns, Real diameter, Real length);

// Annealed copper at 20 °C, ρ = 1/58 Ω·mm²/m (IEC 60028): R = ρ·ℓ/(π·d²/4).
Real CopperResistance(Real wireLength, Real wireDiameter);

// Skin depth in copper at 20 °C: δ = √(ρ/(π·f·µ0)), in millimetres.
Real CopperSkinDepth(Real frequency);

// The current flows in a skin δ deep: R = R₌·(d²/4)/(δ·(d − δ)) while
// δ < d/2, the direct-current resistance below that frequency. Proximity of
// the turns, the former and radiation are not counted.
Real CopperSkinResistance(Real wireLength, Real wireDiameter, Real frequency);

// Q = 2π·f·L / R.
Real CoilQ(Real inductance, Real resistance, Real frequency);

} // namespace engineering

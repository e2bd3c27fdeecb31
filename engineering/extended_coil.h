#pragma once

#include "engineering/checked_math.h"

// A single-layer air-core coil by Wheeler's formula in the rounded form radio
// amateurs use, in the units it is written for: millimetres and microhenries.
//
//   L = 0.001·W²·D / (J/D + 0.46)
//
// W turns, D = Dк + Dп the diameter to the middle of the wire (former plus
// wire), J the winding length. Within 0.45 ≤ J/D ≤ 2.5 it holds to about 1 %.

namespace engineering {

inline constexpr Real LowestLengthRatio = 0.45L;
inline constexpr Real HighestLengthRatio = 2.5L;

Real CoilInductance(Real turns, Real diameter, Real length);
Real CoilTurns(Real inductance, Real diameter, Real length);
Real CoilLength(Real turns, Real diameter, Real inductance);
// The positive root D of 0.001·W²·D² − 0.46·L·D − L·J = 0.
Real CoilDiameter(Real turns, Real inductance, Real length);

// J / D, and whether the formula holds to 1 % there.
Real LengthRatio(Real length, Real diameter);
bool RatioWithinAccuracy(Real ratio);

// Wound turn to turn, the winding is exactly W·Dп long. In doubles, so that
// a length computed from it never fails the fit test against itself.
double TurnToTurnLength(double turns, double wire);
bool TurnsFit(double turns, double wire, double length);

// Turn to turn, the turns solve (D²/L)·W² − 1000·Dп·W − 460·D = 0.
Real TurnToTurnTurns(Real inductance, Real diameter, Real wire);
// Turn to turn, the wire solves W²·Dп² + b·Dп + c = 0 with
// b = 2·W²·Dк − 1000·W·L − 460·L and c = (W·Dк)² − 460·L·Dк; the smaller
// root is the wire that fits.
Real TurnToTurnWire(Real turns, Real former, Real inductance);

} // namespace engineering

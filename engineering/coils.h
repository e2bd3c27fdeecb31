#pragma once

#include "engineering/checked_math.h"

// Air coils and a straight wire. These pages have no unit combos, so the
// functions take the units of their captions: lengths and diameters in
// millimetres, inductance in microhenries. Each raises ArithmeticError where
// the inputs give no answer.

namespace engineering {

// Single-layer cylindrical coil, a Wheeler-type rule:
// L = 0.001·W²·D / (J/D + 0.46), D = Dк + Dп the mean diameter of a turn,
// within 1 % while J/D stays between 0.45 and 2.5.
Real SingleLayerInductance(Real turns, Real formerDiameter, Real wireDiameter, Real length);
Real SingleLayerTurns(Real inductance, Real formerDiameter, Real wireDiameter, Real length);
Real SingleLayerFormerDiameter(Real turns, Real wireDiameter, Real length, Real inductance);
Real SingleLayerWireDiameter(Real turns, Real formerDiameter, Real length, Real inductance);
Real SingleLayerLength(Real turns, Real formerDiameter, Real wireDiameter, Real inductance);

// Wound turn to turn the length is no input of its own: J = W·Dп.
Real CloseWoundLength(Real turns, Real wireDiameter);
Real CloseWoundTurns(Real inductance, Real formerDiameter, Real wireDiameter);
Real CloseWoundWireDiameter(Real turns, Real formerDiameter, Real inductance);

// J / (Dк + Dп), and whether the rule above holds to 1 % for it.
Real SingleLayerShapeRatio(Real length, Real formerDiameter, Real wireDiameter);
bool SingleLayerRuleHolds(Real shapeRatio);
// Whether W turns of wire Dп fit into the winding length.
bool TurnsFit(Real turns, Real wireDiameter, Real length);

// Multilayer cylindrical coil of outer and inner diameter Dн, Dв and winding
// length J: L = W²·Dm / (1000·(1.125·J/Dm + 1.25·t/Dm + 0.375)), with the mean
// diameter Dm = (Dн + Dв)/2 and the winding thickness t = (Dн − Dв)/2.
Real MultilayerInductance(Real turns, Real outerDiameter, Real innerDiameter, Real length);
Real MultilayerTurns(Real inductance, Real outerDiameter, Real innerDiameter, Real length);
// The same rule with the winding given by its wire: n turns per row of wire
// Dп on a former Dв make W/n rows, so D = Dв + W·Dп/n.
Real MultilayerInductanceFromWinding(Real turns, Real turnsPerRow, Real wireDiameter, Real innerDiameter);

// Straight round wire of length J and diameter D at high frequency:
// L = 0.2·J·(ln(4J/D) − 1) nH, here J·(ln(4J/D) − 1)/5000 µH.
Real WireInductance(Real length, Real diameter);
Real WireDiameter(Real length, Real inductance);
// The length has no closed form: the longest length in whole 1E-5 mm steps,
// found digit by digit, whose inductance does not exceed the target. Raises
// an overflow when even the largest double falls short of the target.
Real WireLength(Real inductance, Real diameter);

} // namespace engineering

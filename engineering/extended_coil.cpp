#include "engineering/extended_coil.h"

namespace engineering {

using namespace checked;

Real CoilInductance(Real turns, Real diameter, Real length)
{
    return Div(0.001L * turns * turns * diameter, Div(length, diameter) + 0.46L);
}

Real CoilTurns(Real inductance, Real diameter, Real length)
{
    return Sqrt(Div(1000 * inductance * (Div(length, diameter) + 0.46L), diameter));
}

Real CoilLength(Real turns, Real diameter, Real inductance)
{
    return Div(0.001L * diameter * diameter * turns * turns, inductance) - 0.46L * diameter;
}

Real CoilDiameter(Real turns, Real inductance, Real length)
{
    const Real x = Div(0.01L * turns * turns, inductance);
    const Real y = 0.4L * x * length + 0.2116L;
    return (Sqrt(y) + 0.46L) * Div(5, x);
}

Real LengthRatio(Real length, Real diameter)
{
    return Div(length, diameter);
}

bool RatioWithinAccuracy(Real ratio)
{
    return ratio >= LowestLengthRatio && ratio <= HighestLengthRatio;
}

double TurnToTurnLength(double turns, double wire)
{
    return turns * wire;
}

bool TurnsFit(double turns, double wire, double length)
{
    return !(TurnToTurnLength(turns, wire) > length);
}

Real TurnToTurnTurns(Real inductance, Real diameter, Real wire)
{
    const Real d = diameter;
    const Real root = Sqrt(1e6L * wire * wire + Div(1840 * d * d * d, inductance));
    return Div(1000 * wire + root, Div(2 * d * d, inductance));
}

Real TurnToTurnWire(Real turns, Real former, Real inductance)
{
    const Real w = turns;
    const Real l = inductance;
    const Real a = w * w;
    const Real b = 2 * w * w * former - 1000 * w * l - 460 * l;
    const Real c = (w * former) * (w * former) - 460 * l * former;
    return Div(-b - Sqrt(b * b - 4 * a * c), 2 * a);
}

} // namespace engineering

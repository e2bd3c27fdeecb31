#include "engineering/toroid.h"

namespace engineering {

using checked::Div;
using checked::Ln;
using checked::Sqrt;

namespace {

// µ0/(2π) = 2E-7 H/m; with H in millimetres that is 0.2 nH per millimetre.
constexpr Real NanohenryPerMillimetre = 0.2L;

} // namespace

Real ToroidInductanceFactor(Real permeability, Real outerDiameter, Real innerDiameter, Real height)
{
    return NanohenryPerMillimetre * permeability * height * Ln(Div(outerDiameter, innerDiameter));
}

Real ToroidInductance(Real turns, Real permeability, Real outerDiameter, Real innerDiameter, Real height)
{
    return ToroidInductanceFactor(permeability, outerDiameter, innerDiameter, height) * turns * turns / 1000;
}

Real TurnsForInductance(Real inductance, Real inductanceFactor)
{
    return Sqrt(Div(inductance * 1000, inductanceFactor));
}

Real ToroidPermeability(Real inductance, Real turns, Real outerDiameter, Real innerDiameter, Real height)
{
    return Div(inductance * 1000, ToroidInductanceFactor(1, outerDiameter, innerDiameter, height) * turns * turns);
}

} // namespace engineering

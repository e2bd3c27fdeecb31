#include "engineering/ring_and_transformer.h"

namespace engineering {

using checked::Div;
using checked::Sqrt;

namespace {

constexpr Real RingConstant = 2500;

// H·µ·W² / (2500·L): the ratio (Dн + Dв)/(Dн − Dв) the ring must have.
Real RingDiameterRatio(Real inductance, Real turns, Real permeability, Real height)
{
    return Div(height * permeability * turns * turns, RingConstant * inductance);
}

} // namespace

Real RingInductance(Real turns, Real permeability, Real outerDiameter, Real innerDiameter, Real height)
{
    return Div(height * permeability * turns * turns * (outerDiameter - innerDiameter),
               RingConstant * (outerDiameter + innerDiameter));
}

Real RingTurns(Real inductance, Real permeability, Real outerDiameter, Real innerDiameter, Real height)
{
    return Sqrt(Div(RingConstant * inductance * (outerDiameter + innerDiameter),
                    height * permeability * (outerDiameter - innerDiameter)));
}

Real RingPermeability(Real inductance, Real turns, Real outerDiameter, Real innerDiameter, Real height)
{
    return Div(RingConstant * inductance * (outerDiameter + innerDiameter),
               height * turns * turns * (outerDiameter - innerDiameter));
}

Real RingOuterDiameter(Real inductance, Real turns, Real permeability, Real innerDiameter, Real height)
{
    const Real k = RingDiameterRatio(inductance, turns, permeability, height);
    return Div(innerDiameter * (k + 1), k - 1);
}

Real RingInnerDiameter(Real inductance, Real turns, Real permeability, Real outerDiameter, Real height)
{
    const Real k = RingDiameterRatio(inductance, turns, permeability, height);
    return Div(outerDiameter * (k - 1), k + 1);
}

Real RingHeight(Real inductance, Real turns, Real permeability, Real outerDiameter, Real innerDiameter)
{
    return Div(RingConstant * inductance * (outerDiameter + innerDiameter),
               permeability * turns * turns * (outerDiameter - innerDiameter));
}

Real CoreArea(Real coreL, Real coreT)
{
    return coreL * coreT;
}

Real WindingTurns(Real voltage, Real coreArea)
{
    return voltage * Div(50, coreArea);
}

Real WindingWireDiameter(Real current)
{
    return Sqrt(current / 2.5L);
}

Real LoadPower(Real voltage, Real current)
{
    return voltage * current;
}

Real PrimaryCurrent(Real power, Real primaryVoltage)
{
    return Div(power, primaryVoltage);
}

Real CorePowerLimit(Real coreArea)
{
    return (coreArea / 1.2L) * (coreArea / 1.2L);
}

Real CoreAreaFor(Real power)
{
    return 1.2L * Sqrt(power);
}

} // namespace engineering

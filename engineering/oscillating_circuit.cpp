#include "engineering/oscillating_circuit.h"

#include "engineering/constants.h"

namespace engineering {

using namespace checked;

Real LcFrequency(Real k, Real inductance, Real capacitance)
{
    return Div(1, k * Sqrt(inductance * capacitance));
}

Real LcPartner(Real k, Real other, Real frequency)
{
    const Real omega = k * frequency;
    return Div(1, other * omega * omega);
}

Real ResonantFrequency(Real inductance, Real capacitance)
{
    return LcFrequency(TwoPi, inductance, capacitance);
}

Real ResonantPartner(Real other, Real frequency)
{
    return LcPartner(TwoPi, other, frequency);
}

Real Period(Real frequency)
{
    return Div(1, frequency);
}

Real FrequencyOfPeriod(Real period)
{
    return Div(1, period);
}

Real Wavelength(Real frequency)
{
    return Div(SpeedOfLight, frequency);
}

Real FrequencyOfWavelength(Real wavelength)
{
    return Div(SpeedOfLight, wavelength);
}

} // namespace engineering

#include "engineering/meter_ranges.h"

#include "engineering/resistive_circuits.h"

namespace engineering {

Real ShuntedRange(Real meterCurrent, Real meterResistance, Real shunt)
{
    return checked::Div(meterCurrent * (meterResistance + shunt), shunt);
}

Real ShuntForRange(Real meterCurrent, Real meterResistance, Real range)
{
    return checked::Div(meterResistance * meterCurrent, range - meterCurrent);
}

Real ShuntPower(Real meterCurrent, Real shunt, Real range)
{
    return PowerOfCurrent(range - meterCurrent, shunt);
}

Real SourceAcrossMeter(Real loadVoltage, Real meterVoltage)
{
    return loadVoltage + meterVoltage;
}

Real LoadBesideMeter(Real sourceVoltage, Real meterVoltage)
{
    return sourceVoltage - meterVoltage;
}

Real VoltmeterRange(Real meterCurrent, Real meterVoltage, Real series)
{
    return OhmVoltage(meterCurrent, series) + meterVoltage;
}

Real VoltmeterSeries(Real meterCurrent, Real meterVoltage, Real range)
{
    return OhmResistance(range - meterVoltage, meterCurrent);
}

} // namespace engineering

#pragma once

#include "engineering/checked_math.h"

// A moving-coil meter of resistance Rм that reads full scale at the current
// Iм (and so the voltage Uм = Iм·Rм across it) becomes an ammeter with a
// shunt across it, or a voltmeter with a resistor in series. Quantities in
// ohm, volt, ampere and watt; faults raise ArithmeticError.

namespace engineering {

// Kirchhoff's current law at the shunt: the range I = Iм·(Rм + Rш) / Rш.
Real ShuntedRange(Real meterCurrent, Real meterResistance, Real shunt);
// The shunt for the range I: Rш = Rм·Iм / (I − Iм), both at the meter's voltage.
Real ShuntForRange(Real meterCurrent, Real meterResistance, Real range);
// The heat in the shunt at full scale: (I − Iм)²·Rш.
Real ShuntPower(Real meterCurrent, Real shunt, Real range);

// The ammeter in series with a load: the source covers the load and the
// meter's drop, E = U + Uм.
Real SourceAcrossMeter(Real loadVoltage, Real meterVoltage);
Real LoadBesideMeter(Real sourceVoltage, Real meterVoltage);

// A series resistor R extends the meter to the range E = Iм·R + Uм
// (Kirchhoff's voltage law with Ohm's law across R).
Real VoltmeterRange(Real meterCurrent, Real meterVoltage, Real series);
// The series resistor for the range E: R = (E − Uм) / Iм.
Real VoltmeterSeries(Real meterCurrent, Real meterVoltage, Real range);

} // namespace engineering

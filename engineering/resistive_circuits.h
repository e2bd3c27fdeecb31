#pragma once

#include "engineering/checked_math.h"

#include <optional>

// Direct-current circuits of resistors: Ohm's and Joule's laws, resistors in
// parallel, a series dropping resistor, the star-delta transformation and the
// loaded voltage divider. Quantities in ohm, volt, ampere and watt. A
// division by zero, a negative root or an overflow raises ArithmeticError.

namespace engineering {

// Ohm's law U = I·R in its three forms.
Real OhmVoltage(Real current, Real resistance);
Real OhmCurrent(Real voltage, Real resistance);
Real OhmResistance(Real voltage, Real current);

// Joule's law: the power a resistor turns into heat, P = I²·R = U²/R = U·I.
Real PowerOfCurrent(Real current, Real resistance);
Real PowerOfVoltage(Real voltage, Real resistance);
Real Power(Real voltage, Real current);

// The four quantities of a resistive load; any two give the other two.
enum class LoadQuantity { Voltage, Current, Resistance, Power };
struct Load {
    Real voltage = 0;
    Real current = 0;
    Real resistance = 0;
    Real power = 0;
};

// `sought` from the two quantities that are neither it nor `alsoSought`.
Real SolveLoad(LoadQuantity sought, LoadQuantity alsoSought, const Load& load);

// Two resistors in parallel: R = R1·R2 / (R1 + R2).
Real ParallelResistance(Real r1, Real r2);
// The resistor that in parallel with `other` gives `combined`:
// R = other·combined / (other − combined).
Real ParallelPartner(Real other, Real combined);

// A resistor in series with a load drops what the supply has above the
// load's voltage: Uв = Uн + I·Rд. Any one quantity from the three others.
enum class DropQuantity { SupplyVoltage, LoadVoltage, Current, Resistance };
struct Drop {
    Real supplyVoltage = 0;
    Real loadVoltage = 0;
    Real current = 0;
    Real resistance = 0;
};
Real SolveDrop(DropQuantity sought, const Drop& drop);

// The star-delta (Kennelly) transformation of three resistors. Corners of
// the star: 0 a, 1 b, 2 c; sides of the delta: 0 ab, 1 bc, 2 ca.
// Ra = Rab·Rca / (Rab + Rbc + Rca), and round.
Real StarFromDelta(int corner, Real ab, Real bc, Real ca);
// Rab = Ra + Rb + Ra·Rb / Rc, and round.
Real DeltaFromStar(int side, Real a, Real b, Real c);
// Sides whose sum cancels out within rounding have no equivalent star.
bool DeltaHasNoStar(Real ab, Real bc, Real ca);

// A divider E → R1 → R2 with the output U across R2 and a load across U,
// given by its current I, by its resistance Rн, or absent.
enum class DividerLoad { ByCurrent, ByResistance, None };
struct Divider {
    Real source = 0;          // E
    Real upper = 0;           // R1
    Real lower = 0;           // R2
    Real output = 0;          // U
    Real loadCurrent = 0;     // I
    Real loadResistance = 0;  // Rн
};

// Each from the others by Kirchhoff's laws; the load enters by the quantity
// `load` names and the other one is ignored.
Real DividerSource(DividerLoad load, const Divider& divider);
Real DividerOutput(DividerLoad load, const Divider& divider);
// Nothing where the resistance would be infinitely large: its denominator
// cancels out within rounding. A negative result means no divider fits.
std::optional<Real> DividerUpper(DividerLoad load, const Divider& divider);
std::optional<Real> DividerLower(DividerLoad load, const Divider& divider);
// True where the load current I is at least E / R1, all that R1 lets
// through: then no output voltage fits.
bool LoadDrainsUpper(const Divider& divider);
// The load current that E, R1, R2 and U leave for the load:
// I = (R2·E − U·(R1 + R2)) / (R1·R2); nothing where the numerator cancels
// out within rounding.
std::optional<Real> DividerLoadCurrent(const Divider& divider);
// What the source sees: R1 plus R2 in parallel with the load (U / I).
Real DividerInputResistance(const Divider& divider);

// The share of the input power that reaches the output, in percent.
Real EfficiencyPercent(Real outputPower, Real inputPower);

} // namespace engineering

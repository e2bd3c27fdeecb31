#include "engineering/resistive_circuits.h"

#include <array>
#include <cmath>

namespace engineering {

using checked::CancelsOut;
using checked::Div;
using checked::Sqrt;

Real OhmVoltage(Real current, Real resistance)
{
    return current * resistance;
}

Real OhmCurrent(Real voltage, Real resistance)
{
    return Div(voltage, resistance);
}

Real OhmResistance(Real voltage, Real current)
{
    return Div(voltage, current);
}

Real PowerOfCurrent(Real current, Real resistance)
{
    return current * current * resistance;
}

Real PowerOfVoltage(Real voltage, Real resistance)
{
    return Div(voltage * voltage, resistance);
}

Real Power(Real voltage, Real current)
{
    return voltage * current;
}

namespace {

constexpr int Bit(LoadQuantity quantity)
{
    return 1 << static_cast<int>(quantity);
}

} // namespace

Real SolveLoad(LoadQuantity sought, LoadQuantity alsoSought, const Load& load)
{
    using enum LoadQuantity;
    const Real v = load.voltage;
    const Real i = load.current;
    const Real r = load.resistance;
    const Real w = load.power;
    // The formulas depend only on which two quantities are known.
    const int known = (Bit(Voltage) | Bit(Current) | Bit(Resistance) | Bit(Power)) & ~Bit(sought) & ~Bit(alsoSought);
    switch (known) {
    case Bit(Current) | Bit(Resistance):
        return sought == Voltage ? OhmVoltage(i, r) : PowerOfCurrent(i, r);
    case Bit(Power) | Bit(Current):
        return sought == Voltage ? Div(w, i) : Div(w, i * i);
    case Bit(Power) | Bit(Resistance):
        return sought == Voltage ? Sqrt(w * r) : Sqrt(Div(w, r));
    case Bit(Voltage) | Bit(Resistance):
        return sought == Current ? OhmCurrent(v, r) : PowerOfVoltage(v, r);
    case Bit(Power) | Bit(Voltage):
        return sought == Current ? Div(w, v) : Div(v * v, w);
    case Bit(Voltage) | Bit(Current):
        return sought == Resistance ? OhmResistance(v, i) : engineering::Power(v, i);
    }
    return 0;
}

Real ParallelResistance(Real r1, Real r2)
{
    return Div(r1 * r2, r1 + r2);
}

Real ParallelPartner(Real other, Real combined)
{
    return Div(other * combined, other - combined);
}

Real SolveDrop(DropQuantity sought, const Drop& drop)
{
    const Real headroom = drop.supplyVoltage - drop.loadVoltage;
    switch (sought) {
    case DropQuantity::SupplyVoltage:
        return drop.loadVoltage + OhmVoltage(drop.current, drop.resistance);
    case DropQuantity::LoadVoltage:
        return drop.supplyVoltage - OhmVoltage(drop.current, drop.resistance);
    case DropQuantity::Current:
        return OhmCurrent(headroom, drop.resistance);
    case DropQuantity::Resistance:
        return OhmResistance(headroom, drop.current);
    }
    return 0;
}

Real StarFromDelta(int corner, Real ab, Real bc, Real ca)
{
    const std::array<Real, 3> products{ab * ca, ab * bc, bc * ca};
    return Div(products.at(static_cast<std::size_t>(corner)), ab + bc + ca);
}

Real DeltaFromStar(int side, Real a, Real b, Real c)
{
    switch (side) {
    case 0: return a + b + Div(a * b, c);
    case 1: return b + c + Div(b * c, a);
    }
    return a + c + Div(a * c, b);
}

bool DeltaHasNoStar(Real ab, Real bc, Real ca)
{
    // Negative sides can cancel in the sum.
    return CancelsOut(ab + bc + ca, std::fabs(ab) + std::fabs(bc) + std::fabs(ca));
}

Real DividerSource(DividerLoad load, const Divider& d)
{
    const Real r1 = d.upper, r2 = d.lower, u = d.output, i = d.loadCurrent, rn = d.loadResistance;
    switch (load) {
    case DividerLoad::ByCurrent:
        return Div(r1 * (u + r2 * i) + r2 * u, r2);
    case DividerLoad::ByResistance:
        return Div(u * rn * (r1 + r2) + r2 * r1 * u, r2 * rn);
    case DividerLoad::None:
        break;
    }
    return Div(u * (r1 + r2), r2);
}

Real DividerOutput(DividerLoad load, const Divider& d)
{
    const Real r1 = d.upper, r2 = d.lower, e = d.source, i = d.loadCurrent, rn = d.loadResistance;
    switch (load) {
    case DividerLoad::ByCurrent:
        return Div(e * r2 - i * r1 * r2, r1 + r2);
    case DividerLoad::ByResistance:
        return Div(e * r2 * rn, (r1 + r2) * rn + r1 * r2);
    case DividerLoad::None:
        break;
    }
    return Div(e * r2, r1 + r2);
}

namespace {

// numerator / denominator, or nothing where the denominator is rounding
// noise of terms whose magnitudes add up to `magnitudes`.
std::optional<Real> BoundedQuotient(Real numerator, Real denominator, Real magnitudes)
{
    if (CancelsOut(denominator, magnitudes))
        return std::nullopt;
    return Div(numerator, denominator);
}

} // namespace

std::optional<Real> DividerUpper(DividerLoad load, const Divider& d)
{
    const Real e = d.source, u = d.output, r2 = d.lower, rn = d.loadResistance, i = d.loadCurrent;
    switch (load) {
    case DividerLoad::ByCurrent:
        return BoundedQuotient(r2 * (e - u), u + r2 * i, u + r2 * i);
    case DividerLoad::ByResistance:
        return BoundedQuotient(r2 * (e - u) * rn, u * (r2 + rn), u * (r2 + rn));
    case DividerLoad::None:
        break;
    }
    return BoundedQuotient(r2 * (e - u), u, u);
}

std::optional<Real> DividerLower(DividerLoad load, const Divider& d)
{
    const Real e = d.source, u = d.output, r1 = d.upper, rn = d.loadResistance, i = d.loadCurrent;
    switch (load) {
    case DividerLoad::ByCurrent:
        return BoundedQuotient(r1 * u, e - u - r1 * i, e + u + r1 * i);
    case DividerLoad::ByResistance:
        return BoundedQuotient(u * r1 * rn, (e - u) * rn - r1 * u, e * rn + u * rn + r1 * u);
    case DividerLoad::None:
        break;
    }
    return BoundedQuotient(r1 * u, e - u, e + u);
}

bool LoadDrainsUpper(const Divider& d)
{
    const Real e = d.source, i = d.loadCurrent, r1 = d.upper;
    return e <= i * r1 || CancelsOut(e - i * r1, e + i * r1);
}

std::optional<Real> DividerLoadCurrent(const Divider& d)
{
    // What R1 brings beyond what R2 takes; a remainder within rounding of 0
    // is no load current at all.
    const Real left = d.lower * d.source - d.output * (d.upper + d.lower);
    if (CancelsOut(left, d.lower * d.source + d.output * (d.upper + d.lower)))
        return std::nullopt;
    return Div(left, d.upper * d.lower);
}

Real DividerInputResistance(const Divider& d)
{
    const Real r2 = d.lower, u = d.output;
    // R2 ∥ (U / I), written so that no load (I = 0) gives R2 itself.
    const Real lowerWithLoad = Div(r2 * u, u + r2 * d.loadCurrent);
    return checked::Finite(lowerWithLoad + d.upper);
}

Real EfficiencyPercent(Real outputPower, Real inputPower)
{
    return Div(outputPower * 100, inputPower);
}

} // namespace engineering

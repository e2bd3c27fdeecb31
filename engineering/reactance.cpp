#include "engineering/reactance.h"

#include "engineering/constants.h"
#include "engineering/errors.h"

namespace engineering {

using checked::Div;
using checked::Sqrt;

namespace {

constexpr Real Sqrt2 = 1.4142135623730950488L;

// X / (2π·y): L from XL and f, or f from XL and L.
Real InductiveCounterpart(Real reactance, Real other)
{
    return Div(reactance, TwoPi * other);
}

// 2π·XC·C·f = 1: each of the three is 1 / (2π·a·b) of the two others.
Real CapacitiveCounterpart(Real a, Real b)
{
    return Div(1, a * TwoPi * b);
}

} // namespace

Real InductiveReactance(Real inductance, Real frequency)
{
    return TwoPi * frequency * inductance;
}

Real InductanceOfReactance(Real reactance, Real frequency)
{
    return InductiveCounterpart(reactance, frequency);
}

Real FrequencyOfInductiveReactance(Real reactance, Real inductance)
{
    return InductiveCounterpart(reactance, inductance);
}

Real CapacitiveReactance(Real capacitance, Real frequency)
{
    return CapacitiveCounterpart(capacitance, frequency);
}

Real CapacitanceOfReactance(Real reactance, Real frequency)
{
    return CapacitiveCounterpart(reactance, frequency);
}

Real FrequencyOfCapacitiveReactance(Real reactance, Real capacitance)
{
    return CapacitiveCounterpart(reactance, capacitance);
}

Real SeriesImpedance(Real resistance, Real reactance)
{
    return Sqrt(resistance * resistance + reactance * reactance);
}

Real SolveQuenching(QuenchingQuantity sought, const QuenchingCapacitor& q)
{
    const Real in = q.current, un = q.loadVoltage, uv = q.supplyVoltage, f = q.frequency, c = q.capacitance;
    switch (sought) {
    case QuenchingQuantity::Current:
        return c * Sqrt(uv * uv - un * un) * TwoPi * f;
    case QuenchingQuantity::LoadVoltage: {
        const Real x = Div(in, TwoPi * f * c);
        // The capacitor alone would drop more than the supply: no load voltage fits.
        return Sqrt(uv * uv - x * x);
    }
    case QuenchingQuantity::SupplyVoltage: {
        const Real x = Div(in, TwoPi * f * c);
        return Sqrt(x * x + un * un);
    }
    case QuenchingQuantity::Frequency:
        return Div(in, Sqrt(uv * uv - un * un) * TwoPi * c);
    case QuenchingQuantity::Capacitance:
        return Div(in, Sqrt(uv * uv - un * un) * TwoPi * f);
    }
    return 0;
}

Real SolveBridgeDropper(QuenchingQuantity sought, const QuenchingCapacitor& q)
{
    const Real in = q.current, un = q.loadVoltage, f = q.frequency, c = q.capacitance;
    const Real peak = Sqrt2 * q.supplyVoltage;
    switch (sought) {
    case QuenchingQuantity::Current:
        return 4 * f * c * (peak - un);
    case QuenchingQuantity::LoadVoltage: {
        const Real load = peak - Div(in, 4 * f * c);
        // Even a short across the bridge would pass less current.
        if (load < 0)
            throw ArithmeticError(QStringLiteral("current beyond the capacitor's reach"));
        return load;
    }
    case QuenchingQuantity::SupplyVoltage:
        return Div(un + Div(in, 4 * f * c), Sqrt2);
    case QuenchingQuantity::Frequency:
        return Div(in, 4 * c * (peak - un));
    case QuenchingQuantity::Capacitance:
        return Div(in, 4 * f * (peak - un));
    }
    return 0;
}

Real DropperVoltageRating(Real supplyVoltage)
{
    return 1.1L * Sqrt2 * supplyVoltage;
}

} // namespace engineering

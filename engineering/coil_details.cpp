#include "engineering/coil_details.h"

#include "engineering/constants.h"

#include <cmath>

namespace engineering {

using checked::Div;
using checked::Ln;
using checked::Sqrt;

namespace {

constexpr Real Mu0 = 4e-7L * Pi;             // H/m
constexpr Real CopperResistivity = 1 / 58.0L;  // Ω·mm²/m

struct EllipticIntegrals {
    Real first = 0;   // K(k)
    Real second = 0;  // E(k)
};

// Both complete integrals by the arithmetic-geometric mean (Abramowitz and
// Stegun 17.6): K = π/(2·aₙ), E = K·(1 − Σ 2ⁿ⁻¹·cₙ²).
EllipticIntegrals Elliptic(Real k)
{
    Real a = 1;
    Real b = Sqrt(1 - k * k);
    Real c = k;
    Real weight = 0.5L;
    Real sum = weight * c * c;
    // Quadratic convergence: a handful of steps exhaust a long double.
    for (int step = 0; step < 12 && c != 0; ++step) {
        const Real next = (a + b) / 2;
        c = (a - b) / 2;
        b = Sqrt(a * b);
        a = next;
        weight *= 2;
        sum += weight * c * c;
    }
    const Real first = Div(Pi, 2 * a);
    return {first, first * (1 - sum)};
}

} // namespace

Real NagaokaCoefficient(Real diameter, Real length)
{
    const Real hypotenuse = Sqrt(diameter * diameter + length * length);
    const Real k = Div(diameter, hypotenuse);
    const Real kc = Div(length, hypotenuse);  // the complementary modulus
    const EllipticIntegrals e = Elliptic(k);
    return Div(4, 3 * Pi * kc) * (Div(kc * kc, k * k) * (e.first - e.second) + e.second - k);
}

Real NagaokaInductance(Real turns, Real diameter, Real length)
{
    // mm in and µH out: D²/l in metres is 1E-3 of the figure, µH 1E6 of the henry.
    return Mu0 * Pi * diameter * diameter * turns * turns * NagaokaCoefficient(diameter, length)
           / (4 * length) * 1e3L;
}

Real RosaCorrection(Real turns, Real diameter, Real length, Real wireDiameter)
{
    const Real pitch = Div(length, turns);
    const Real a = 1.25L - Ln(Div(2 * pitch, wireDiameter));
    const Real w = turns;
    const Real b = std::log(2 * Pi) - 1.5L - Div(Ln(w), 6 * w) - 0.33084236L / w - 1 / (120 * w * w * w)
                   + 1 / (504 * std::pow(w, 5)) - 0.0011923L / std::pow(w, 7) + 0.0005068L / std::pow(w, 9);
    // µ0 in H/m times a radius in mm is 1E-3 H, that is 1E3 µH.
    return checked::Finite(Mu0 * diameter / 2 * turns * (a + b) * 1e3L);
}

Real MedhurstCapacitance(Real diameter, Real length)
{
    const Real ratio = Div(length, diameter);
    return diameter / 10 * (0.1126L * ratio + 0.08L + Div(0.27L, Sqrt(ratio)));
}

Real SelfResonance(Real inductance, Real capacitance)
{
    // µH·pF is 1E-18 s²: its root is in ns, a thousandth of a MHz's period.
    return Div(1000, TwoPi * Sqrt(inductance * capacitance));
}

Real HelixWireLength(Real turns, Real diameter, Real length)
{
    const Real pitch = Div(length, turns);
    return turns * Sqrt(Pi * Pi * diameter * diameter + pitch * pitch);
}

Real CopperResistance(Real wireLength, Real wireDiameter)
{
    return Div(CopperResistivity * wireLength / 1000, Pi * wireDiameter * wireDiameter / 4);
}

Real CopperSkinDepth(Real frequency)
{
    // ρ in Ω·m over π·f(Hz)·µ0 gives m²; millimetres are 1E3 of that root.
    return Sqrt(Div(CopperResistivity * 1e-6L, Pi * frequency * 1e6L * Mu0)) * 1e3L;
}

Real CopperSkinResistance(Real wireLength, Real wireDiameter, Real frequency)
{
    const Real dc = CopperResistance(wireLength, wireDiameter);
    const Real depth = CopperSkinDepth(frequency);
    if (depth >= wireDiameter / 2)
        return dc;
    return dc * Div(wireDiameter * wireDiameter / 4, depth * (wireDiameter - depth));
}

Real CoilQ(Real inductance, Real resistance, Real frequency)
{
    return Div(TwoPi * frequency * inductance, resistance);
}

} // namespace engineering

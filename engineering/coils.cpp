#include "engineering/coils.h"

#include "engineering/errors.h"

#include <cfloat>
#include <cmath>

namespace engineering {

using checked::Div;
using checked::Exp;
using checked::Ln;
using checked::Sqrt;

namespace {

// The single-layer rule solved for D at given W, J and L: a quadratic in D
// with k = 0.01·W²/L, whose positive root is 5·(√(0.2116 + 0.4·k·J) + 0.46)/k.
Real SingleLayerMeanDiameter(Real turns, Real length, Real inductance)
{
    const Real k = Div(0.01L * turns * turns, inductance);
    return Div((Sqrt(0.2116L + 0.4L * k * length) + 0.46L) * 5, k);
}

// 1.125·J/Dm + 1.25·t/Dm + 0.375: how the winding's shape lowers the
// inductance of W turns of mean diameter Dm.
Real MultilayerShapeFactor(Real meanDiameter, Real thickness, Real length)
{
    return Div(1.125L * length, meanDiameter) + Div(1.25L * thickness, meanDiameter) + 0.375L;
}

Real PowerOfTen(int exponent)
{
    return Exp(exponent * std::log(10.0L));
}

constexpr int HighestDigit = 12;  // decades searched: 1E12 mm down to 1E-5 mm
constexpr int LowestDigit = -5;

} // namespace

Real SingleLayerInductance(Real turns, Real formerDiameter, Real wireDiameter, Real length)
{
    const Real D = formerDiameter + wireDiameter;
    return Div(0.001L * turns * turns * D, Div(length, D) + 0.46L);
}

Real SingleLayerTurns(Real inductance, Real formerDiameter, Real wireDiameter, Real length)
{
    const Real D = formerDiameter + wireDiameter;
    return Sqrt(Div(1000 * inductance * (Div(length, D) + 0.46L), D));
}

Real SingleLayerFormerDiameter(Real turns, Real wireDiameter, Real length, Real inductance)
{
    return SingleLayerMeanDiameter(turns, length, inductance) - wireDiameter;
}

Real SingleLayerWireDiameter(Real turns, Real formerDiameter, Real length, Real inductance)
{
    return SingleLayerMeanDiameter(turns, length, inductance) - formerDiameter;
}

Real SingleLayerLength(Real turns, Real formerDiameter, Real wireDiameter, Real inductance)
{
    const Real D = formerDiameter + wireDiameter;
    return Div(0.001L * D * D * turns * turns, inductance) - 0.46L * D;
}

Real CloseWoundLength(Real turns, Real wireDiameter)
{
    return turns * wireDiameter;
}

Real CloseWoundTurns(Real inductance, Real formerDiameter, Real wireDiameter)
{
    // The positive root of the rule with J = W·Dп, a quadratic in W.
    const Real D = formerDiameter + wireDiameter;
    return Div(1000 * wireDiameter + Sqrt(1e6L * wireDiameter * wireDiameter + Div(1840 * D * D * D, inductance)),
               Div(2 * D * D, inductance));
}

Real CloseWoundWireDiameter(Real turns, Real formerDiameter, Real inductance)
{
    // The length itself depends on the wire here: the rule becomes a
    // quadratic a·Dп² + b·Dп + c = 0.
    const Real a = turns * turns;
    const Real b = 2 * turns * turns * formerDiameter - 1000 * turns * inductance - 460 * inductance;
    const Real c = turns * turns * formerDiameter * formerDiameter - 460 * inductance * formerDiameter;
    const Real root = Sqrt(b * b - 4 * a * c);
    // The smaller root (-b - root) / 2a, written so that no two nearly equal
    // numbers are subtracted: for b < 0, where a real coil lies, through the
    // product of the roots c / a.
    return b < 0 ? Div(2 * c, -b + root) : Div(-b - root, 2 * a);
}

Real SingleLayerShapeRatio(Real length, Real formerDiameter, Real wireDiameter)
{
    return Div(length, formerDiameter + wireDiameter);
}

bool SingleLayerRuleHolds(Real shapeRatio)
{
    return shapeRatio >= 0.45L && shapeRatio <= 2.5L;
}

bool TurnsFit(Real turns, Real wireDiameter, Real length)
{
    // Compared as the pages hold them, in doubles, so that a length computed
    // as W·Dп and stored never fails the test against itself.
    return !(static_cast<double>(CloseWoundLength(turns, wireDiameter)) > static_cast<double>(length));
}

Real MultilayerInductance(Real turns, Real outerDiameter, Real innerDiameter, Real length)
{
    const Real meanDiameter = (outerDiameter + innerDiameter) / 2;
    const Real K = MultilayerShapeFactor(meanDiameter, (outerDiameter - innerDiameter) / 2, length);
    return Div(turns * turns * meanDiameter, 1000 * K);
}

Real MultilayerTurns(Real inductance, Real outerDiameter, Real innerDiameter, Real length)
{
    const Real meanDiameter = (outerDiameter + innerDiameter) / 2;
    const Real K = MultilayerShapeFactor(meanDiameter, (outerDiameter - innerDiameter) / 2, length);
    return Sqrt(Div(1000 * inductance * K, meanDiameter));
}

Real MultilayerInductanceFromWinding(Real turns, Real turnsPerRow, Real wireDiameter, Real innerDiameter)
{
    const Real D = innerDiameter + Div(turns * wireDiameter, turnsPerRow);
    return Div(turns * turns * D,
               Div(1125 * turnsPerRow * wireDiameter, D)
                   + Div(1250 * turns * wireDiameter, turnsPerRow * innerDiameter + turns * wireDiameter) + 375);
}

Real WireInductance(Real length, Real diameter)
{
    return (Ln(Div(4 * length, diameter)) - 1) * length / 5000;
}

Real WireDiameter(Real length, Real inductance)
{
    return 4 * length * Exp(-1 - Div(5000 * inductance, length));
}

Real WireLength(Real inductance, Real diameter)
{
    // The model rises without bound above e·D/4, so "longer than the root" is
    // a monotone test; below e·D/4 it is negative and never exceeds the target.
    const auto beyondRoot = [&](Real length) { return WireInductance(length, diameter) > inductance; };

    if (!beyondRoot(DBL_MAX))
        throw ArithmeticError(QStringLiteral("Переполнение при операции с плавающей точкой"),
                              ArithmeticError::Kind::Overflow);

    // Start one decade below the first power of ten past the root, so that no
    // decade takes more than ten steps, however long the wire.
    int top = HighestDigit;
    while (!beyondRoot(PowerOfTen(top + 1)))
        ++top;

    Real sum = 0;
    for (int digit = top; digit >= LowestDigit; --digit) {
        const Real step = PowerOfTen(digit);
        for (;;) {
            const Real next = sum + step;
            // Steps too small to change the sum cannot refine it any further.
            if (next == sum)
                return sum;
            if (beyondRoot(next))
                break;
            sum = next;
        }
    }
    return sum;
}

} // namespace engineering

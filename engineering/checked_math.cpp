#include "engineering/checked_math.h"

#include "engineering/errors.h"

#include <cfloat>
#include <cmath>

namespace engineering::checked {

namespace {

using Kind = ArithmeticError::Kind;

[[noreturn]] void ThrowDivisionByZero()
{
    throw ArithmeticError(QStringLiteral("Деление на ноль"), Kind::DivisionByZero);
}

[[noreturn]] void ThrowInvalidOperation(Kind kind = Kind::Invalid)
{
    throw ArithmeticError(QStringLiteral("Недопустимая операция с плавающей точкой"), kind);
}

[[noreturn]] void ThrowOverflow()
{
    throw ArithmeticError(QStringLiteral("Переполнение при операции с плавающей точкой"), Kind::Overflow);
}

} // namespace

Real Finite(Real x)
{
    if (std::isnan(x))
        ThrowInvalidOperation();
    if (std::isinf(x))
        ThrowOverflow();
    return x;
}

Real Div(Real numerator, Real denominator)
{
    if (denominator == 0) {
        if (numerator == 0 || std::isnan(numerator))
            ThrowInvalidOperation();
        ThrowDivisionByZero();
    }
    return Finite(Finite(numerator) / denominator);
}

Real Sqrt(Real x)
{
    if (Finite(x) < 0)
        ThrowInvalidOperation(Kind::NegativeRoot);
    return std::sqrt(x);
}

Real Ln(Real x)
{
    if (Finite(x) <= 0)
        ThrowInvalidOperation(Kind::NonPositiveLogarithm);
    return std::log(x);
}

Real Log10(Real x)
{
    if (Finite(x) <= 0)
        ThrowInvalidOperation(Kind::NonPositiveLogarithm);
    return std::log10(x);
}

Real Pow(Real base, Real exponent)
{
    return Finite(std::pow(Finite(base), Finite(exponent)));
}

Real Exp(Real x)
{
    return Finite(std::exp(Finite(x)));
}

double ToDouble(Real x)
{
    Finite(x);
    if (std::fabs(x) > DBL_MAX)
        ThrowOverflow();
    return static_cast<double>(x);
}

bool CancelsOut(Real sum, Real magnitudes)
{
    return std::fabs(sum) <= 1e-12L * std::fabs(magnitudes);
}

} // namespace engineering::checked

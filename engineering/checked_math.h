#pragma once

// Arithmetic that raises engineering::ArithmeticError where the plain operation
// would produce an infinity or a nan. Pages compute in Real (the widest
// floating type) and store doubles.

namespace engineering {

using Real = long double;

namespace checked {

Real Div(Real numerator, Real denominator);
Real Sqrt(Real x);
Real Ln(Real x);
Real Log10(Real x);
Real Pow(Real base, Real exponent);
Real Exp(Real x);

// Raises the fault that a non-finite x stands for; returns x otherwise.
Real Finite(Real x);

// Narrows to double, raising an overflow when the value does not fit.
double ToDouble(Real x);

// True when a sum of terms whose magnitudes add up to `magnitudes` is zero
// within rounding: what is left of it is noise, not a quantity.
bool CancelsOut(Real sum, Real magnitudes);

} // namespace checked
} // namespace engineering

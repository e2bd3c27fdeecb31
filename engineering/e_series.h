#pragma once

#include "engineering/checked_math.h"

#include <array>
#include <vector>

// The preferred number series of resistors and capacitors (IEC 60063): the
// standard values around any positive value, and pairs of standard values
// that make it up in series or in parallel.

namespace engineering {

enum class ESeries { E3, E6, E12, E24, E48, E96, E192 };

inline constexpr std::array kAllESeries{ESeries::E3, ESeries::E6, ESeries::E12, ESeries::E24,
                                        ESeries::E48, ESeries::E96, ESeries::E192};

// "E24" and so on.
const char* ESeriesName(ESeries series);

// The series' values within one decade as significant digits: 10 … 91 for
// E3–E24, 100 … 988 for E48–E192.
std::vector<int> ESeriesDigits(ESeries series);

struct StandardValues {
    Real below;   // the greatest standard value not above the value
    Real above;   // the least standard value not below it
    Real nearest; // whichever of the two is nearer by ratio
    Real deviationPercent; // (nearest − value) / value · 100
};

// Raises ArithmeticError for a value that is not positive and finite.
StandardValues NearestStandard(Real value, ESeries series);
Real Snap(Real value, ESeries series);

enum class Connection { InSeries, InParallel };

struct StandardPair {
    Real first;  // the larger resistor (in series) or the smaller (in parallel)
    Real second;
    Real value; // what the two make together
    Real deviationPercent;
};

// Pairs of values of the series that give the value connected as asked,
// no further off than maxDeviationPercent, best first.
std::vector<StandardPair> BestPairs(Real value, Connection connection, ESeries series = ESeries::E24,
                                    Real maxDeviationPercent = 0.5L);

} // namespace engineering

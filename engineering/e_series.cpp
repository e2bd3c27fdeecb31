#include "engineering/e_series.h"

#include "engineering/errors.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace engineering {

namespace {

// IEC 60063 tables. The values up to E24 predate the 10^(i/n) rule and differ
// from its rounding (2.7 … 4.7, 8.2); E192 has 9.20 where the rule gives 9.19.
// Each coarser series takes every second value of the next finer one.
constexpr std::array<int, 24> kE24{10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                   33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
constexpr std::array<int, 192> kE192{
    100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118, 120,
    121, 123, 124, 126, 127, 129, 130, 132, 133, 135, 137, 138, 140, 142, 143, 145,
    147, 149, 150, 152, 154, 156, 158, 160, 162, 164, 165, 167, 169, 172, 174, 176,
    178, 180, 182, 184, 187, 189, 191, 193, 196, 198, 200, 203, 205, 208, 210, 213,
    215, 218, 221, 223, 226, 229, 232, 234, 237, 240, 243, 246, 249, 252, 255, 258,
    261, 264, 267, 271, 274, 277, 280, 284, 287, 291, 294, 298, 301, 305, 309, 312,
    316, 320, 324, 328, 332, 336, 340, 344, 348, 352, 357, 361, 365, 370, 374, 379,
    383, 388, 392, 397, 402, 407, 412, 417, 422, 427, 432, 437, 442, 448, 453, 459,
    464, 470, 475, 481, 487, 493, 499, 505, 511, 517, 523, 530, 536, 542, 549, 556,
    562, 569, 576, 583, 590, 597, 604, 612, 619, 626, 634, 642, 649, 657, 665, 673,
    681, 690, 698, 706, 715, 723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816,
    825, 835, 845, 856, 866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988,
};

// A value closer than this (relative) to a standard one is that standard value.
constexpr Real kSameValue = 1e-12L;

struct Table {
    std::span<const int> digits; // the finest table of the family
    std::size_t stride;          // every stride-th entry belongs to the series
    int places;                  // significant digits: 2 or 3
};

Table TableOf(ESeries series)
{
    switch (series) {
    case ESeries::E3: return {kE24, 8, 2};
    case ESeries::E6: return {kE24, 4, 2};
    case ESeries::E12: return {kE24, 2, 2};
    case ESeries::E24: return {kE24, 1, 2};
    case ESeries::E48: return {kE192, 4, 3};
    case ESeries::E96: return {kE192, 2, 3};
    case ESeries::E192: break;
    }
    return {kE192, 1, 3};
}

// Calls visit(standard value) for the series' values of decades first…last
// (a decade d holds the values from 10^d up to 10^(d+1)).
template <class Visit>
void ForEachValue(ESeries series, int first, int last, Visit&& visit)
{
    const Table table = TableOf(series);
    for (int decade = first; decade <= last; ++decade) {
        // Dividing by an exact power of ten for negative exponents makes
        // 68 · 10^−12 the nearest number to 68 pF.
        const int exponent = decade - table.places + 1;
        const Real power = std::pow(10.0L, std::abs(exponent));
        for (std::size_t i = 0; i < table.digits.size(); i += table.stride)
            visit(exponent >= 0 ? table.digits[i] * power : table.digits[i] / power);
    }
}

int DecadeOf(Real value)
{
    return static_cast<int>(std::floor(std::log10(value)));
}

void RequirePositive(Real value)
{
    if (!(checked::Finite(value) > 0))
        throw ArithmeticError(QStringLiteral("Номинал должен быть больше нуля"),
                              ArithmeticError::Kind::NonPositiveLogarithm);
}

} // namespace

const char* ESeriesName(ESeries series)
{
    constexpr std::array kNames{"E3", "E6", "E12", "E24", "E48", "E96", "E192"};
    return kNames[static_cast<std::size_t>(series)];
}

std::vector<int> ESeriesDigits(ESeries series)
{
    const Table table = TableOf(series);
    std::vector<int> digits;
    for (std::size_t i = 0; i < table.digits.size(); i += table.stride)
        digits.push_back(table.digits[i]);
    return digits;
}

StandardValues NearestStandard(Real value, ESeries series)
{
    RequirePositive(value);
    // The decade's values and the ones on either side of it, so that a log10
    // rounded across a power of ten still finds both neighbours.
    const int decade = DecadeOf(value);
    Real below = 0;
    Real above = HUGE_VALL;
    ForEachValue(series, decade - 1, decade + 1, [&](Real standard) {
        if (standard <= value * (1 + kSameValue))
            below = std::max(below, standard);
        if (standard >= value * (1 - kSameValue))
            above = std::min(above, standard);
    });
    // Tolerances are ratios, so nearness is judged on a log scale.
    const Real nearest = value / below <= above / value ? below : above;
    return {below, above, nearest, (nearest - value) / value * 100};
}

Real Snap(Real value, ESeries series)
{
    return NearestStandard(value, series).nearest;
}

std::vector<StandardPair> BestPairs(Real value, Connection connection, ESeries series, Real maxDeviationPercent)
{
    RequirePositive(value);
    const bool inSeries = connection == Connection::InSeries;
    // The dominant part: in series the larger one, from value/2 to value;
    // in parallel the smaller one, from value to 2·value.
    const Real from = inSeries ? value / 2 : value;
    const Real to = inSeries ? value : 2 * value;
    std::vector<StandardPair> pairs;
    ForEachValue(series, DecadeOf(from) - 1, DecadeOf(to) + 1, [&](Real first) {
        if (first < from * (1 - kSameValue) || first > to * (1 + kSameValue))
            return;
        // The other part that would make the value exactly; a dominant part
        // that is the value already needs no partner.
        const Real rest = inSeries ? value - first : first * value / (first - value);
        if (!(rest > 0) || !std::isfinite(rest) || std::abs(first - value) <= value * kSameValue)
            return;
        const StandardValues partner = NearestStandard(rest, series);
        for (const Real second : {partner.below, partner.above}) {
            if (inSeries ? second > first : second < first)
                continue; // found the other way round
            const Real made = inSeries ? first + second : first * second / (first + second);
            const Real deviation = (made - value) / value * 100;
            const bool known = std::any_of(pairs.begin(), pairs.end(), [&](const StandardPair& pair) {
                return pair.first == first && pair.second == second;
            });
            if (std::abs(deviation) <= maxDeviationPercent && !known)
                pairs.push_back({first, second, made, deviation});
        }
    });
    std::stable_sort(pairs.begin(), pairs.end(), [](const StandardPair& a, const StandardPair& b) {
        return std::abs(a.deviationPercent) < std::abs(b.deviationPercent);
    });
    return pairs;
}

} // namespace engineering

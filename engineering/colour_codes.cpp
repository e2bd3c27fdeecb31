#include "engineering/colour_codes.h"

#include <cstddef>
#include <utility>

namespace engineering {

namespace {

constexpr int kBlue = 6;

constexpr std::array<std::pair<int, double>, 8> kTolerances{
    {{1, 1}, {2, 2}, {5, 0.5}, {kBlue, 0.25}, {7, 0.1}, {8, 0.05}, {kGoldBand, 5}, {kSilverBand, 10}}};

constexpr std::array<std::pair<int, int>, 7> kTemperatureCoefficients{
    {{1, 100}, {2, 50}, {3, 15}, {4, 25}, {kBlue, 10}, {7, 5}, {9, 1}}};

template <class Meaning, std::size_t N>
std::optional<Meaning> MeaningOf(const std::array<std::pair<int, Meaning>, N>& table, int code)
{
    for (const auto& [colour, meaning] : table) {
        if (colour == code)
            return meaning;
    }
    return std::nullopt;
}

// An inductor's multiplier counts in microhenry; by its colour code, the
// unit the value is shown in and the factor on the two-digit number.
struct InductorScale {
    int unit;
    double factor;
};
constexpr std::array<InductorScale, 12> kInductorScales{{
    {0, 1}, {0, 10}, {1, 0.1}, {1, 1}, {1, 10}, {2, 0.1}, {2, 1}, {2, 10}, {3, 0.1}, {3, 1}, {0, 0.1}, {0, 0.01}}};

// Multiplier colour by written form (rows, from Digit on) and unit (columns).
using MultiplierTable = std::array<std::array<int, 4>, 7>;
constexpr int x = kNoColour;  // no multiplier fits
constexpr MultiplierTable kResistorFourBands{{
    {10, 2, 5, 8}, {0, 3, 6, 9}, {1, 4, 7, 9}, {11, 1, 4, 7}, {10, 2, 5, 8}, {x, x, x, x}, {x, x, x, x}}};
constexpr MultiplierTable kResistorMoreBands{{
    {11, 1, 4, 7}, {10, 2, 5, 8}, {0, 3, 6, 9}, {11, 0, 3, 6}, {11, 1, 4, 7}, {10, 2, 5, 8}, {x, x, x, x}}};
// 220 kH would need ×10¹⁰.
constexpr MultiplierTable kInductorBands{{
    {10, 2, 5, 8}, {0, 3, 6, 9}, {x, x, x, x}, {11, 1, 4, 7}, {10, 2, 5, 8}, {x, x, x, x}, {1, 4, 7, x}}};

// The multiplier of a form in a unit; nothing where the unit is none of
// the four.
std::optional<int> Multiplier(const MultiplierTable& table, WrittenForm form, int unit)
{
    if (form == WrittenForm::None || unit < 0 || unit > 3)
        return std::nullopt;
    return table[static_cast<std::size_t>(form) - 1][static_cast<std::size_t>(unit)];
}

// The first characters of an entry, each absent beyond its end.
template <std::size_t Count>
std::array<std::optional<char16_t>, Count> Characters(std::u16string_view entry)
{
    std::array<std::optional<char16_t>, Count> characters{};
    for (std::size_t i = 0; i < Count && i < entry.size(); ++i)
        characters[i] = entry[i];
    return characters;
}

} // namespace

std::optional<int> DigitColour(char16_t character)
{
    if (character >= u'0' && character <= u'9')
        return character - u'0';
    return std::nullopt;
}

ScaledValue ResistorValue(int digits, int multiplierCode, bool threeDigitBands)
{
    const double v = digits;
    if (multiplierCode == kGoldBand)
        return {v * 0.1, 0};
    if (multiplierCode == kSilverBand)
        return {v * 0.01, 0};
    const int unit = multiplierCode / 3;
    switch (multiplierCode % 3) {
    case 0:
        return {v, unit};
    case 1:
        if (threeDigitBands && v >= 100)
            return {v / 100, unit + 1};
        return {v * 10, unit};
    default:
        if (v >= 10)
            return {v / 10, unit + 1};
        return {v * 100, unit};
    }
}

ScaledValue InductorValue(int digits, int multiplierCode)
{
    const InductorScale& scale = kInductorScales.at(static_cast<std::size_t>(multiplierCode));
    return {digits * scale.factor, scale.unit};
}

std::optional<double> ResistorTolerancePercent(int code)
{
    return MeaningOf(kTolerances, code);
}

std::optional<int> TemperatureCoefficient(int code)
{
    return MeaningOf(kTemperatureCoefficients, code);
}

int InductorTolerancePercent(int code)
{
    switch (code) {
    case kGoldBand: return 5;
    case kSilverBand: return 10;
    default: return 20;
    }
}

MarkingStep MarkResistor(std::u16string_view entry, char16_t mark, int bandCount, int unit, Marking& m)
{
    const auto [c1, c2, c3, c4] = Characters<4>(entry);
    if (!c1 || (c4 && c3 != mark) || (c2 == mark && c4) || (c3 == mark && !c4) || (c2 == mark && !c3))
        return MarkingStep::Refused;

    using enum WrittenForm;
    const bool four = bandCount == 4;
    const char16_t zero = u'0';
    if (!c2) {
        m.form = Digit;
        m.digits = {*c1, zero, zero};
    } else if (!c3) {
        m.form = TwoDigits;
        m.digits = {*c1, *c2, zero};
    } else if (!c4 && *c2 != mark) {
        // With 4 bands a third digit is dropped only where it is 0.
        if (four && *c3 > zero)
            return MarkingStep::NeedsFiveBands;
        m.form = ThreeDigits;
        m.digits = {*c1, *c2, four ? m.digits[2] : *c3};
    } else if (!c4 && *c1 == zero) {
        m.form = ZeroPointDigit;
        m.digits = {*c3, zero, zero};
    } else if (!c4 && *c1 > zero) {
        m.form = DigitPointDigit;
        m.digits = {*c1, *c3, zero};
    } else if (c4) {
        if (four)
            return MarkingStep::NeedsFiveBands;
        m.form = TwoDigitsPointDigit;
        m.digits = {*c1, *c2, *c4};
    }

    const auto multiplier = Multiplier(four ? kResistorFourBands : kResistorMoreBands, m.form, unit);
    if (!multiplier)
        return MarkingStep::Drawn;
    m.multiplierCode = *multiplier;
    // 990 GΩ needs a multiplier beyond ×10⁹; 0,d Ω one below ×0.01.
    if (four && m.form == ThreeDigits && unit == 3)
        return MarkingStep::NeedsFiveBands;
    if (!four && m.form == ZeroPointDigit && unit == 0)
        return MarkingStep::NeedsFourBands;
    return MarkingStep::Drawn;
}

MarkingStep MarkInductor(std::u16string_view entry, char16_t mark, int unit, Marking& m)
{
    const auto [c1, c2, c3] = Characters<3>(entry);
    // Three digits are taken only as dd0.
    if (c3 == mark || (c2 == mark && !c3) || (c1 && c2 && c2 != mark && c3 && c3 != u'0'))
        return MarkingStep::Refused;

    using enum WrittenForm;
    const char16_t zero = u'0';
    if (c1 && !c2) {
        m.form = Digit;
        m.digits = {*c1, zero};
    } else if (c2 && !c3) {
        m.form = TwoDigits;
        m.digits = {*c1, *c2};
    } else if (c3 && *c1 == zero && *c2 == mark) {
        m.form = ZeroPointDigit;
        m.digits = {*c3, zero};
    } else if (c3 && *c1 != zero && *c2 == mark) {
        m.form = DigitPointDigit;
        m.digits = {*c1, *c3};
    } else if (c3 && *c1 != zero && *c2 != mark && *c3 == zero) {
        m.form = TwoDigitsZero;
        m.digits = {*c1, *c2};
    }

    const auto multiplier = Multiplier(kInductorBands, m.form, unit);
    if (!multiplier)
        return MarkingStep::Drawn;
    if (*multiplier == kNoColour)
        return MarkingStep::OutOfRange;
    m.multiplierCode = *multiplier;
    return MarkingStep::Drawn;
}

} // namespace engineering

#pragma once

#include <array>
#include <optional>
#include <string_view>

// Colour codes of resistors and small inductors (IEC 60062). A band colour
// is a code: 0 … 9 black … white, the digit it stands for; 10 gold and 11
// silver. A multiplier band of code k means ×10^k, gold ×0.1, silver ×0.01.

namespace engineering {

inline constexpr int kGoldBand = 10;
inline constexpr int kSilverBand = 11;
inline constexpr int kNoColour = -1;

// The colour of a digit character '0' … '9'; nothing for any other.
std::optional<int> DigitColour(char16_t character);

// A value in one of four units a thousand apart, unit 0 the smallest: ohm,
// kiloohm, megaohm, gigaohm on resistors; microhenry, millihenry, henry,
// kilohenry on inductors.
struct ScaledValue {
    double value = 0;
    int unit = 0;
};

// A resistor's nominal value: the number its digit bands spell (two with
// 4 bands, three with 5 or 6) times its multiplier, in the unit that keeps
// the figure short. Each unit spans three multipliers: ×1 shows the number
// as it is, ×10 shows it ten times larger unless three digits make the
// next unit shorter, ×100 moves to the next unit once the number has two
// digits. Gold and silver stay in ohm.
ScaledValue ResistorValue(int digits, int multiplierCode, bool threeDigitBands);

// An inductor's nominal value: two digits times the multiplier, counted in
// microhenry and shown in the unit that keeps the figure short.
ScaledValue InductorValue(int digits, int multiplierCode);

// A resistor's tolerance band in percent: brown 1, red 2, green 0.5, blue
// 0.25, violet 0.1, grey 0.05, gold 5, silver 10; other colours mark none.
std::optional<double> ResistorTolerancePercent(int code);
// Its temperature coefficient band in 10⁻⁶/K: brown 100, red 50, orange 15,
// yellow 25, blue 10, violet 5, white 1; other colours mark none.
std::optional<int> TemperatureCoefficient(int code);
// An inductor's fourth band: gold 5 %, silver 10 %, black or none 20 %.
int InductorTolerancePercent(int code);

// The written forms a band writer accepts; d is any character but the
// decimal mark.
enum class WrittenForm {
    None,
    Digit,                // d
    TwoDigits,            // dd
    ThreeDigits,          // ddd
    ZeroPointDigit,       // 0,d
    DigitPointDigit,      // d,d
    TwoDigitsPointDigit,  // dd,d
    TwoDigitsZero,        // dd0, the inductor's only three-digit form
};

// What a band writer has drawn from the last entry it took. The digit bands
// hold characters as typed: a digit has its colour, anything else none. An
// entry that fits no form keeps the earlier marking.
struct Marking {
    WrittenForm form = WrittenForm::None;
    std::array<char16_t, 3> digits{};  // 0 where nothing was written yet
    int multiplierCode = kNoColour;
};

enum class MarkingStep {
    Refused,         // not a form the writer takes: the marking is as it was
    Drawn,           // the marking holds the bands of the entry
    NeedsFiveBands,  // the entry needs a third digit band, or a multiplier above ×10⁹
    NeedsFourBands,  // the entry needs a multiplier below ×0.01
    OutOfRange,      // no multiplier fits: the multiplier is as it was
};

// The resistor writer: an entry of at most four characters in the unit
// 0 … 3 (Ом … гОм) with `bandCount` bands. It is taken apart character by
// character, not as a number. An empty entry is refused.
MarkingStep MarkResistor(std::u16string_view entry, char16_t decimalMark, int bandCount, int unit,
                         Marking& marking);

// The inductor writer: an entry of at most three characters in the unit
// 0 … 3 (мкГн … кГн), drawn as two digit bands and a multiplier.
MarkingStep MarkInductor(std::u16string_view entry, char16_t decimalMark, int unit, Marking& marking);

} // namespace engineering

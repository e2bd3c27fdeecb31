// The numeric edit filter, as the edit applies it after every change: any
// text, any caret, either decimal separator.
//
// Input: byte 0 chooses the separator (bit 0: ',' else '.'), bytes 1-2 the
// caret (signed 16 bits, so it may lie before or past the text), the rest is
// the text in UTF-8.
//
// Every text the filter leaves behind (its fixed point) is either a number
// that values::ParseNumber reads, or one of these failure forms, all built
// only of digits, signs, E/e and at most one separator, starting with a digit
// or a sign and ending with a digit or the separator:
//   - a sign that is neither the first character nor right after E/e (1-2, +-5, 1e+-5);
//   - a second exponent letter (1e5e3);
//   - an exponent letter with no mantissa digit before it (-e5, +E1);
//   - the separator after the exponent letter (1e5.3);
//   - a number too large for a double (1e999).
#include "values/errors.h"
#include "values/number_text.h"
#include "values/numeric_filter.h"

#include <QString>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstdint>

namespace {

bool IsSign(QChar c) { return c == u'+' || c == u'-'; }
bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool IsExponent(QChar c) { return c == u'E' || c == u'e'; }

void Check(bool condition, int line = __builtin_LINE())
{
    if (!condition) {
        std::fprintf(stderr, "invariant broken at line %d\n", line);
        __builtin_trap();
    }
}

// Only digits, signs, exponent letters and one separator survive a round.
bool KeepsOnlyNumberCharacters(const QString& text, QChar separator)
{
    int separators = 0;
    for (const QChar c : text) {
        if (c == separator)
            ++separators;
        else if (!IsDigit(c) && !IsSign(c) && !IsExponent(c))
            return false;
    }
    return separators <= 1;
}

bool IsFailureForm(const QString& text, QChar separator)
{
    int exponentLetters = 0;
    int mantissaDigits = 0;
    bool separatorAfterExponent = false;
    bool misplacedSign = false;
    bool letterWithoutMantissa = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (IsExponent(c)) {
            ++exponentLetters;
            letterWithoutMantissa |= mantissaDigits == 0;
        } else if (IsSign(c)) {
            misplacedSign |= i > 0 && !IsExponent(text[i - 1]);
        } else if (c == separator) {
            separatorAfterExponent |= exponentLetters > 0;
        } else if (exponentLetters == 0) {
            ++mantissaDigits;
        }
    }
    return misplacedSign || exponentLetters > 1 || letterWithoutMantissa || separatorAfterExponent;
}

// A well-shaped text whose value reaches 1e308, where refusing it as too large
// for a double is right (or, just below DBL_MAX, allowed).
bool IsTooLarge(const QString& text, QChar separator)
{
    qsizetype i = IsSign(text[0]) ? 1 : 0;
    long long digitsBefore = 0, leadingFractionZeros = 0;
    bool seenSeparator = false, seenSignificant = false;
    for (; i < text.size() && !IsExponent(text[i]); ++i) {
        if (text[i] == separator) {
            seenSeparator = true;
        } else if (!seenSignificant && text[i] == u'0') {
            leadingFractionZeros += seenSeparator ? 1 : 0;
        } else {
            seenSignificant = true;
            digitsBefore += seenSeparator ? 0 : 1;
        }
    }
    if (!seenSignificant)
        return false;
    long long exponent = 0;
    if (i < text.size()) {
        const bool negative = text[i + 1] == u'-';
        for (qsizetype j = i + 1; j < text.size(); ++j)
            if (IsDigit(text[j]) && exponent < 100000)
                exponent = exponent * 10 + (text[j].unicode() - u'0');
        exponent = negative ? -exponent : exponent;
    }
    const long long magnitude = (digitsBefore > 0 ? digitsBefore : -leadingFractionZeros) + exponent;
    return magnitude >= 309;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3)
        return 0;
    const QChar separator = (data[0] & 1) ? QChar(u',') : QChar(u'.');
    const int caret = static_cast<std::int16_t>(static_cast<std::uint16_t>(data[1] | (data[2] << 8)));
    const QString typed = QString::fromUtf8(reinterpret_cast<const char*>(data + 3), static_cast<qsizetype>(size - 3));

    values::FilteredText current{typed, caret};
    const qsizetype rounds = typed.size() + 2;
    bool fixed = false;
    int furthestCaret = 0;
    for (qsizetype round = 0; round < rounds && !fixed; ++round) {
        const values::FilteredText next = values::FilterNumericText(current.text, current.caret, separator);
        Check(next.caret >= 0);
        Check(!next.text.isEmpty() || next.caret == 1); // after the "0" that the emptied text becomes
        furthestCaret = std::max(furthestCaret, next.caret);
        Check(KeepsOnlyNumberCharacters(next.text, separator));
        // The edit raises no change for an unchanged text: that ends the rewriting.
        fixed = next.text == current.text;
        current = next;
    }
    Check(fixed);

    const QString& text = current.text;
    Check(!text.isEmpty());
    // Every round's caret counts in the text the rewrites end with.
    Check(furthestCaret <= text.size());
    Check(IsSign(text.front()) || IsDigit(text.front()));
    Check(IsDigit(text.back()) || text.back() == separator);
    try {
        (void)values::ParseNumber(text, separator);
        Check(!IsFailureForm(text, separator));
    } catch (const values::ConversionError&) {
        Check(IsFailureForm(text, separator) || IsTooLarge(text, separator));
    }
    return 0;
}

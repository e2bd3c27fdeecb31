// The text of a value: any double (every bit pattern), either separator.
//
// Input: byte 0 chooses the separator (bit 0: ',' else '.'), bytes 1-8 the
// double's bits. A finite value gives a text that reads back as the same
// value rounded to 15 significant digits, with no thousands separator, the
// given separator at most once, fixed notation while the rounded value has
// -3 to 15 digits before the point and "dE±x" otherwise, without trailing
// zeros. Infinities and nans raise values::ArithmeticError.
#include "values/errors.h"
#include "values/number_text.h"

#include <QString>

#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void Check(bool condition, int line = __builtin_LINE())
{
    if (!condition) {
        std::fprintf(stderr, "invariant broken at line %d\n", line);
        __builtin_trap();
    }
}

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

struct Rounded {
    char digits[16];  // 15 significant digits, no point
    int exponent;     // of the leading digit
};

Rounded RoundTo15(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
    Rounded r{};
    r.digits[0] = buffer[0];
    std::memcpy(r.digits + 1, buffer + 2, 14);
    r.exponent = std::atoi(std::strchr(buffer, 'e') + 1);
    return r;
}

bool SameTo15Digits(double a, double b)
{
    const Rounded x = RoundTo15(a), y = RoundTo15(b);
    return (a < 0) == (b < 0) && x.exponent == y.exponent && std::memcmp(x.digits, y.digits, 15) == 0;
}

void CheckShape(const QString& text, double value, QChar separator)
{
    const QChar other = separator == u'.' ? QChar(u',') : QChar(u'.');
    Check(!text.contains(other) && !text.contains(u' ') && !text.contains(QChar(0x00A0)));
    Check(text.count(separator) <= 1);
    Check(text.startsWith(u'-') == (value < 0));

    const Rounded r = RoundTo15(value);
    const int digitsBeforePoint = r.exponent + 1;
    const bool fixed = digitsBeforePoint >= -3 && digitsBeforePoint <= 15;
    const qsizetype e = text.indexOf(u'E');
    Check(fixed == (e < 0));
    const QString mantissa = e < 0 ? text : text.left(e);
    if (mantissa.contains(separator))
        Check(mantissa.back() != u'0' && mantissa.back() != separator);
    int significant = 0;
    bool leading = true;
    for (const QChar c : mantissa) {
        if (!IsDigit(c))
            continue;
        leading &= c == u'0';
        significant += leading ? 0 : 1;
    }
    Check(significant >= 1 && significant <= 15);
    if (!fixed) {
        // One digit before the point; the exponent without "+" or leading zeros.
        const qsizetype first = mantissa.startsWith(u'-') ? 1 : 0;
        Check(IsDigit(mantissa[first]) && mantissa[first] != u'0');
        Check(mantissa.size() == first + 1 || mantissa[first + 1] == separator);
        const QString exponent = text.mid(e + 1);
        const QString digits = exponent.startsWith(u'-') ? exponent.mid(1) : exponent;
        Check(!digits.isEmpty() && digits.front() != u'0');
        Check(exponent.toInt() == r.exponent);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 9)
        return 0;
    const QChar separator = (data[0] & 1) ? QChar(u',') : QChar(u'.');
    double value;
    std::memcpy(&value, data + 1, sizeof value);

    if (!std::isfinite(value)) {
        try {
            (void)values::FormatNumber(value, separator);
        } catch (const values::ArithmeticError&) {
            return 0;
        }
        __builtin_trap();
    }

    const QString text = values::FormatNumber(value, separator);
    if (value == 0) {
        Check(text == QLatin1String("0"));
        return 0;
    }
    CheckShape(text, value, separator);

    const double back = values::ParseNumber(text, separator);
    Check(SameTo15Digits(back, value));
    return 0;
}

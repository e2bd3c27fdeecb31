// Reading a number from a field's text: any text, either separator.
//
// Input: byte 0 chooses the separator (bit 0: ',' else '.'), the rest is the
// text in UTF-8. The text is accepted exactly when it has the shape
//   blanks, optional sign, digits with at most one separator (at least one
//   digit), optional E/e with optional sign and at least one digit, blanks
// (blank = space or tab, digits ASCII only) and its value fits a double; the
// value then equals strtod's reading of the same text. Any other text raises
// values::ConversionError and nothing else.
#include "values/errors.h"
#include "values/number_text.h"

#include <QString>

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

void Check(bool condition, int line = __builtin_LINE())
{
    if (!condition) {
        std::fprintf(stderr, "invariant broken at line %d\n", line);
        __builtin_trap();
    }
}

bool IsBlank(QChar c) { return c == u' ' || c == u'\t'; }
bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The text in C-locale notation when it has the shape of a number.
std::optional<std::string> AsciiNumber(const QString& text, QChar separator)
{
    qsizetype i = 0, end = text.size();
    while (i < end && IsBlank(text[i]))
        ++i;
    while (end > i && IsBlank(text[end - 1]))
        --end;
    std::string ascii;
    const auto takeSign = [&] {
        if (i < end && (text[i] == u'+' || text[i] == u'-'))
            ascii += static_cast<char>(text[i++].unicode());
    };
    const auto takeDigits = [&] {
        int count = 0;
        for (; i < end && IsDigit(text[i]); ++i, ++count)
            ascii += static_cast<char>(text[i].unicode());
        return count;
    };
    takeSign();
    int mantissaDigits = takeDigits();
    if (i < end && text[i] == separator) {
        ascii += '.';
        ++i;
        mantissaDigits += takeDigits();
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < end && (text[i] == u'E' || text[i] == u'e')) {
        ascii += 'e';
        ++i;
        takeSign();
        if (takeDigits() == 0)
            return std::nullopt;
    }
    if (i != end)
        return std::nullopt;
    return ascii;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const QChar separator = (data[0] & 1) ? QChar(u',') : QChar(u'.');
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));

    const std::optional<std::string> ascii = AsciiNumber(text, separator);
    std::optional<double> expected;
    bool underflow = false;
    if (ascii) {
        errno = 0;
        const double value = std::strtod(ascii->c_str(), nullptr);  // no locale is set: "C"
        if (std::isfinite(value))
            expected = value;  // too large is refused...
        else if (std::fabs(std::strtold(ascii->c_str(), nullptr)) <= 1.79769313486232E308L)
            expected = std::copysign(DBL_MAX, value);  // ...but the largest double as it is shown reads back
        underflow = errno == ERANGE && std::fabs(value) < DBL_MIN;
    }

    try {
        const double read = values::ParseNumber(text, separator);
        Check(expected.has_value());
        Check(std::isfinite(read));
        // Too small to hold may read as zero instead of the nearest subnormal.
        Check(read == *expected || (underflow && read == 0));
    } catch (const values::ConversionError& error) {
        Check(!expected.has_value());
        Check(error.message().contains(text));
    }
    // Any other exception escapes and ends the run as a failure.
    return 0;
}

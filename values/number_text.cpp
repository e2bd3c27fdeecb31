#include "values/number_text.h"

#include "values/checked_math.h"
#include "values/errors.h"

#include <QLocale>

#include <algorithm>
#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>

namespace values {

namespace {

QChar& CurrentSeparator()
{
    static QChar separator = SystemDecimalSeparator();
    return separator;
}

[[noreturn]] void ThrowNotANumber(const QString& text)
{
    throw ConversionError(QStringLiteral("«%1» — не число").arg(text));
}

// DBL_MAX as FormatNumber shows it.
constexpr long double kLargestShown = 1.79769313486232E308L;

bool IsBlank(QChar ch)
{
    return ch == u' ' || ch == u'\t';
}

constexpr int kLowestPrefixPower = -12;
constexpr std::array<std::u16string_view, 8> kPrefixes{u"п", u"н", u"мк", u"м", u"", u"к", u"М", u"Г"};

} // namespace

QChar SystemDecimalSeparator()
{
    // QLocale() is the system locale unless a program pinned another default.
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? QChar(u'.') : point.front();
}

QChar DecimalSeparator()
{
    return CurrentSeparator();
}

void SetDecimalSeparator(QChar separator)
{
    CurrentSeparator() = separator;
}

QString FormatNumber(double value, QChar decimalSeparator)
{
    checked::Finite(value); // an infinity or a nan never becomes a field's text
    if (value == 0)
        return QStringLiteral("0");

    // 15 significant digits, correctly rounded: d.dddddddddddddde±X
    char scientific[32];
    const auto result = std::to_chars(scientific, scientific + sizeof scientific, std::fabs(value),
                                      std::chars_format::scientific, 14);
    const char* const ePos = std::find(scientific, result.ptr, 'e');
    char digits[16];
    std::size_t count = 0;
    digits[count++] = scientific[0];
    for (const char* p = scientific + 2; p < ePos; ++p)
        digits[count++] = *p;
    while (count > 1 && digits[count - 1] == '0')
        --count;
    int exponent = 0;
    std::from_chars(ePos + (ePos[1] == '+' ? 2 : 1), result.ptr, exponent);

    // Built in one buffer: results are shown on every keystroke.
    char16_t text[48];
    std::size_t size = 0;
    const auto put = [&](char16_t ch) { text[size++] = ch; };
    const auto putDigits = [&](std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to; ++i)
            put(static_cast<char16_t>(digits[i]));
    };
    if (value < 0)
        put(u'-');
    const int digitsBeforePoint = exponent + 1;
    if (digitsBeforePoint >= -3 && digitsBeforePoint <= 15) {
        if (exponent >= 0) {
            const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
            if (count <= whole) {
                putDigits(0, count);
                for (std::size_t i = count; i < whole; ++i)
                    put(u'0');
            } else {
                putDigits(0, whole);
                put(decimalSeparator.unicode());
                putDigits(whole, count);
            }
        } else {
            put(u'0');
            put(decimalSeparator.unicode());
            for (int i = 0; i < -exponent - 1; ++i)
                put(u'0');
            putDigits(0, count);
        }
    } else {
        put(static_cast<char16_t>(digits[0]));
        if (count > 1) {
            put(decimalSeparator.unicode());
            putDigits(1, count);
        }
        put(u'E');
        char power[8];
        const auto end = std::to_chars(power, power + sizeof power, exponent).ptr;
        for (const char* p = power; p < end; ++p)
            put(static_cast<char16_t>(*p));
    }
    return QString(reinterpret_cast<const QChar*>(text), static_cast<qsizetype>(size));
}

QString FormatNumber(double value)
{
    return FormatNumber(value, DecimalSeparator());
}

std::optional<QString> SiPrefix(int power)
{
    if (power % 3 != 0 || power < kLowestPrefixPower)
        return std::nullopt;
    const auto index = static_cast<std::size_t>((power - kLowestPrefixPower) / 3);
    if (index >= kPrefixes.size())
        return std::nullopt;
    return QString::fromUtf16(kPrefixes[index].data(), static_cast<qsizetype>(kPrefixes[index].size()));
}

QString EngineeringText(double value, const QString& unit, QChar decimalSeparator, int lowestPower, int highestPower)
{
    if (!std::isfinite(value))
        return QString();
    if (value == 0)
        return QStringLiteral("0 ") + unit;
    // Rounded to 4 significant digits first, so that 999.96 reads as "1 к…".
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 3);
    const std::string scientific(buffer, result.ptr);
    const auto ePos = scientific.find('e');
    const int exponent = std::stoi(scientific.substr(ePos + 1));
    int power = exponent >= 0 ? exponent / 3 * 3 : -((2 - exponent) / 3 * 3);
    power = std::clamp(power, lowestPower, highestPower);
    while (!SiPrefix(power) && power > lowestPower)
        --power;
    const std::string scaled = scientific.substr(0, ePos) + 'e' + std::to_string(exponent - power);
    double mantissa = 0;
    std::from_chars(scaled.data(), scaled.data() + scaled.size(), mantissa);
    return FormatNumber(mantissa, decimalSeparator) + u' ' + SiPrefix(power).value_or(QString()) + unit;
}

QString EngineeringText(double value, const QString& unit, int lowestPower, int highestPower)
{
    return EngineeringText(value, unit, DecimalSeparator(), lowestPower, highestPower);
}

double ParseNumber(const QString& text, QChar decimalSeparator)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;

    // Validate the grammar ourselves, then hand a plain ASCII text to
    // from_chars, which ignores the process locale.
    std::string ascii;
    qsizetype i = begin;
    bool negative = false;
    if (i < end && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    int mantissaDigits = 0;
    std::optional<int> firstSignificant; // position of the first non-zero digit, relative to the point
    int digitsBeforePoint = 0;
    bool seenPoint = false;
    for (; i < end; ++i) {
        const QChar ch = text[i];
        if (ch.isDigit() && ch.unicode() < 128) {
            ascii += static_cast<char>(ch.unicode());
            ++mantissaDigits;
            if (!seenPoint)
                ++digitsBeforePoint;
            if (ch != u'0' && !firstSignificant)
                firstSignificant = seenPoint ? -(mantissaDigits - digitsBeforePoint) : digitsBeforePoint;
        } else if (ch == decimalSeparator && !seenPoint) {
            seenPoint = true;
            ascii += '.';
        } else {
            break;
        }
    }
    if (mantissaDigits == 0)
        ThrowNotANumber(text);
    long long exponentValue = 0;
    if (i < end && (text[i] == u'E' || text[i] == u'e')) {
        ascii += 'e';
        ++i;
        bool exponentNegative = false;
        if (i < end && (text[i] == u'+' || text[i] == u'-')) {
            exponentNegative = text[i] == u'-';
            ascii += static_cast<char>(text[i].unicode());
            ++i;
        }
        int exponentDigits = 0;
        for (; i < end && text[i].isDigit() && text[i].unicode() < 128; ++i) {
            ascii += static_cast<char>(text[i].unicode());
            if (exponentValue < 100000)
                exponentValue = exponentValue * 10 + (text[i].unicode() - u'0');
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            ThrowNotANumber(text);
        if (exponentNegative)
            exponentValue = -exponentValue;
    }
    if (i != end)
        ThrowNotANumber(text);

    double value = 0;
    const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (!firstSignificant)
            return 0;
        // Too small to hold is zero.
        const long long magnitude = *firstSignificant + exponentValue;
        if (magnitude < 0)
            return negative ? -0.0 : 0.0;
        // The largest doubles are shown rounded up to 1.79769313486232E308;
        // that text must read back. Anything larger is not a number we can take.
        long double wide = 0;
        const auto wideResult = std::from_chars(ascii.data(), ascii.data() + ascii.size(), wide);
        if (wideResult.ec == std::errc() && wide <= kLargestShown)
            return negative ? -DBL_MAX : DBL_MAX;
        ThrowNotANumber(text);
    }
    if (result.ec != std::errc() || result.ptr != ascii.data() + ascii.size())
        ThrowNotANumber(text);
    return negative ? -value : value;
}

double ParseNumber(const QString& text)
{
    return ParseNumber(text, DecimalSeparator());
}

} // namespace values

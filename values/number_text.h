#pragma once

#include <QChar>
#include <QString>

#include <optional>

namespace values {

// The system's decimal separator, read once at its first use; tests pin it
// with SetDecimalSeparator. Every number the user sees or types goes through it.
QChar DecimalSeparator();
void SetDecimalSeparator(QChar separator);
QChar SystemDecimalSeparator();

// General format with 15 significant digits: fixed notation while the value
// has between -3 and 15 digits before the point, else "1E-5", "2.5E20".
QString FormatNumber(double value, QChar decimalSeparator);
QString FormatNumber(double value);

// The Russian SI prefix of a power of ten from -12 to 9 that is a multiple of
// 3 ("п", "н", "мк", "м", "" for 0, "к", "М", "Г"); none for other powers.
std::optional<QString> SiPrefix(int power);

// A reading for people: the value to 4 significant digits with the SI prefix
// that leaves 1 to 999 before the point, e.g. "198.7 нс" for 1.98691765315922E-7
// and "с". Prefixes outside lowestPower..highestPower are not used (nobody
// reads kiloseconds); the number then keeps the nearest allowed prefix. Both
// limits are multiples of 3.
QString EngineeringText(double value, const QString& unit, QChar decimalSeparator, int lowestPower = -12,
                        int highestPower = 9);
QString EngineeringText(double value, const QString& unit, int lowestPower = -12, int highestPower = 9);

// Standard conversion: optional blanks around, one optional sign, digits with
// at most one decimal separator, optional exponent "E"/"e" with optional sign
// and digits. Raises ConversionError quoting the text ("«1-2» — не число").
double ParseNumber(const QString& text, QChar decimalSeparator);
double ParseNumber(const QString& text);

} // namespace values

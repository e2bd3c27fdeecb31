#pragma once

#include <QChar>
#include <QString>

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

// Standard conversion: optional blanks around, one optional sign, digits with
// at most one decimal separator, optional exponent "E"/"e" with optional sign
// and digits. Raises ConversionError naming the text.
double ParseNumber(const QString& text, QChar decimalSeparator);
double ParseNumber(const QString& text);

} // namespace values

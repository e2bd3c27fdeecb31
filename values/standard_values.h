#pragma once

#include "engineering/e_series.h"
#include "values/units.h"

#include <QString>

#include <optional>

// Standard part values as the window writes them, for the fields and the
// page that show them.

namespace values {

using engineering::ESeries;

// Resistors, capacitors and inductors come in the preferred series; other
// kinds do not.
bool HasStandardValues(UnitKind kind);

// A value in base units with the SI prefix that reads best: "2.4 нФ", "1 МОм".
QString PartValueText(double value, UnitKind kind);

// A signed deviation in per cent: "−2.86 %", "+0.67 %", "0 %"; small ones
// keep two significant digits ("+0.0034 %").
QString DeviationText(double percent);

// The nearest standard value of the series and how far off the value is;
// none for a value that is not positive and finite.
struct NearestText {
    QString value;
    QString deviation;
};
std::optional<NearestText> NearestStandardText(double value, UnitKind kind, ESeries series);

} // namespace values

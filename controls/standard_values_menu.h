#pragma once

#include "values/units.h"

#include <functional>

class QLineEdit;
class QMenu;

namespace controls {

// Asks the window to show a value, in base units, on the standard values page.
using StandardValuesRequest = std::function<void(double value, values::UnitKind kind)>;

// For a field showing a computed resistance, capacitance or inductance: a
// submenu with the nearest E12, E24 and E96 values and how far off each is
// (a click copies the value), and an entry that opens the standard values
// page with the field's value when open is given.
void AddStandardValues(QMenu* menu, const QLineEdit* edit, const StandardValuesRequest& open);

} // namespace controls

#pragma once

#include "engineering/checked_math.h"

class QLineEdit;

namespace pages {

// Stores a solved value and shows it yellow and locked, divided by the field's
// factor. A value that cannot be shown leaves the field and the stored value
// as they were.
void StoreAndShow(QLineEdit* edit, double& stored, engineering::Real value, double divisor);

} // namespace pages

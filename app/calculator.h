#pragma once

#include <QString>

namespace app {

// Starts the platform's calculator; false when none is found or it fails to
// start.
bool StartCalculator();

// What the user is told when no calculator could be started.
QString CalculatorMissingMessage();

} // namespace app

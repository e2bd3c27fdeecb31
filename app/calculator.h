#pragma once

namespace app {

// Starts the platform's calculator; a calculator that is missing or fails to
// start is ignored.
void StartCalculator();

} // namespace app

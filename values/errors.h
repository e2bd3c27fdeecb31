#pragma once

#include "engineering/errors.h"

// The failures are defined with the arithmetic that raises them; the GUI
// layers name them through values:: as before.
namespace values {
using engineering::ArithmeticError;
using engineering::ConversionError;
using engineering::Failure;
using engineering::FileError;
using engineering::ResourceError;
} // namespace values

#pragma once

#include "engineering/checked_math.h"

namespace values {
using engineering::Real;
namespace checked = engineering::checked;
} // namespace values

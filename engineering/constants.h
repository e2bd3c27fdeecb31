#pragma once

#include "engineering/checked_math.h"

namespace engineering {

inline constexpr Real Pi = 3.1415926535897932385L;
inline constexpr Real TwoPi = 6.283185307179586477L;
inline constexpr Real FourPi = 12.566370614359172954L;

} // namespace engineering

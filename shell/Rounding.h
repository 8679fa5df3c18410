#pragma once
// Rounding shared by every layout rule and figure.

#include <cmath>

namespace kavenor {

// x rounded to the nearest integer, ties to the even neighbour. Callers form
// their products in long double (80-bit on x86-64) from integer operands and
// long double constants, so 0.1L * 45 is exactly 4.5 and rounds to 4.
inline int nearest(long double x) {
  return static_cast<int>(std::nearbyintl(x));
}

}  // namespace kavenor

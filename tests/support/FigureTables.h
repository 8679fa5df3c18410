#pragma once
// Tables of a figure's worked values and decisive pixels, and their checks.

#include <gtest/gtest.h>

#include <span>

#include "shell/Canvas.h"
#include "tests/support/TestSupport.h"

namespace kavenor::test {

// A value of a layout against its worked value.
struct WorkedValue {
  const char* name;
  int actual, expected;
};
inline void ExpectWorkedValues(std::span<const WorkedValue> cases) {
  for (const WorkedValue& c : cases) EXPECT_EQ(c.actual, c.expected) << c.name;
}

// A pixel of a figure and its colour; a failure shows the pixels around it.
struct NamedPixel {
  const char* what;
  int x, y;
  Rgb colour;
};
inline void ExpectNamedPixels(const Canvas& c, std::span<const NamedPixel> cases) {
  for (const NamedPixel& p : cases)
    EXPECT_EQ(c.Pixel(p.x, p.y), p.colour)
        << p.what << " at (" << p.x << ", " << p.y << ")\n"
        << Ascii(c, p.x - 3, p.y - 3, p.x + 4, p.y + 4);
}

}  // namespace kavenor::test

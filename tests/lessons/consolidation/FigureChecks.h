#pragma once
// Checks the figure tests of this chapter share: pixels at given places, and
// a label's ink in its box.

#include <gtest/gtest.h>

#include <initializer_list>

#include "shell/Canvas.h"
#include "tests/support/TestSupport.h"

namespace kavenor::checks {

struct PixelCase {
  int x, y;
  Rgb color;
};

// Each pixel its colour; a failure shows the pixels around it.
inline void ExpectPixels(const Canvas& canvas, std::initializer_list<PixelCase> cases) {
  for (const PixelCase& c : cases)
    EXPECT_EQ(canvas.Pixel(c.x, c.y), c.color)
        << c.x << "," << c.y << "\n"
        << test::Ascii(canvas, c.x - 4, c.y - 3, c.x + 5, c.y + 4);
}

// Whether any pixel of [l, r) x [t, b) is not white: a label's ink.
inline bool InkIn(const Canvas& canvas, int l, int t, int r, int b) {
  for (int y = t; y < b; ++y)
    for (int x = l; x < r; ++x)
      if (canvas.Pixel(x, y) != clWhite) return true;
  return false;
}

}  // namespace kavenor::checks

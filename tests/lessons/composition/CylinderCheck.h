#pragma once
// Checks shared by the tests of the four lessons that show the measuring
// cylinder: the glass drawn alone, and the levels in it.

#include <gtest/gtest.h>

#include <QImage>

#include "course/Course.h"
#include "lessons/composition/Cylinder.h"
#include "tests/support/TestSupport.h"

namespace kavenor::test {

// The standard 332 x 195 area.
inline constexpr int kW = 332, kH = 195;
inline const CylinderGeometry kGlass = CylinderGeometry::Of(kW, kH);

inline Canvas Drawn(const CylinderScene& scene) {
  Canvas c;
  DrawCylinder(c, scene, kW, kH);
  return c;
}

// A column of the glass, free of grains and graduation, from the top of the
// walls to the foot: white above the water, blue down to the sand, yellow
// down to the inner bottom, the foot's black line there.
inline QImage Picture(const CylinderScene& scene) {
  return Drawn(scene).Image().convertToFormat(QImage::Format_RGB32);
}

inline void ExpectLevels(const Canvas& c, int waterTop, int sandTop, const char* what,
                         int x = 140) {
  SCOPED_TRACE(what);
  for (int y = kGlass.Top; y <= kGlass.yI; ++y) {
    const Rgb expected = y == kGlass.yI ? clBlack
                         : y >= sandTop ? clYellow
                         : y >= waterTop ? clBlue
                                         : clWhite;
    if (c.Pixel(x, y) != static_cast<long long>(expected)) {
      ADD_FAILURE() << "at (" << x << ", " << y << ") water from " << waterTop << ", sand from "
                    << sandTop << "\n"
                    << Ascii(c, x - 3, y - 3, x + 4, y + 4);
      return;
    }
  }
}

}  // namespace kavenor::test

#pragma once
// The two pictures of a body under water, each into a W x H bitmap with a
// black-outlined white field and the water from a third of the height down:
//
//  - Archimedes: a red block at rest in the water;
//  - Terzaghi: a layer of sand grains (yellow specks) in the lower half of
//    the water, with red double-headed dimension arrows for the water level
//    h above the bottom and the sand thickness d, each with its letter.
//
// The sand is a new scatter of grains on every repaint, drawn from the
// shared generator as it stands (it is not reseeded).

#include <array>

#include "shell/Canvas.h"

namespace kavenor {

// Archimedes' block and water for a W x H area.
struct ArchimedesGeometry {
  int yWater = 0;       // water surface
  int left = 0;         // block, [left, right) x [top, bottom)
  int right = 0;
  int top = 0;
  int bottom = 0;
};
ArchimedesGeometry ArchimedesLayout(int W, int H);

void DrawArchimedes(Canvas& canvas, int W, int H);

// Terzaghi's layer for a W x H area.
struct TerzaghiGeometry {
  int yWater = 0;  // water surface
  int half = 0;    // sand thickness: the layer's top is at H - half
  int xH = 0;      // arrow h
  int xD = 0;      // arrow d
};
TerzaghiGeometry TerzaghiLayout(int W, int H);

inline constexpr int kSandGrains = 10000;

struct TerzaghiModel {
  int W = 0, H = 0;
  // One pixel a grain, x from 0 to W - 2, y from H - half + 1 to H (the row
  // y = H lies just outside the bitmap: those grains are not seen).
  std::array<Point, kSandGrains> Grains{};

  // A new scatter of grains in a W x H area, x before y for each grain.
  void Scatter(int width, int height);
};

void DrawTerzaghi(Canvas& canvas, const TerzaghiModel& model);

}  // namespace kavenor

// The canvas's own 1-pixel line rasteriser: the end pixel is always left out,
// which the toolkit's painter cannot promise.

#include <cstdlib>

#include "shell/Canvas.h"

namespace kavenor {

void Canvas::MoveTo(int x, int y) { penPos_ = {x, y}; }

void Canvas::LineTo(int x, int y) {
  strokeLine(penPos_.x, penPos_.y, x, y);
  penPos_ = {x, y};
}

void Canvas::stampPen(int x, int y, Rgb c) {
  const int w = Pen.Width < 1 ? 1 : (Pen.Width > 3 ? 3 : Pen.Width);
  const int from = -(w - 1) / 2;
  for (int dy = from; dy < from + w; ++dy)
    for (int dx = from; dx < from + w; ++dx) plot(x + dx, y + dy, c);
}

void Canvas::strokeLine(int x0, int y0, int x1, int y1) {
  if (Pen.Style == PenStyle::Clear) return;
  const int dx = x1 - x0, dy = y1 - y0;
  const int adx = std::abs(dx), ady = std::abs(dy);
  const int steps = adx > ady ? adx : ady;
  const int sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
  for (int i = 0; i < steps; ++i) {
    // The minor coordinate is the exact one rounded, halves away from the start.
    int x, y;
    if (adx >= ady) {
      x = x0 + sx * i;
      y = y0 + sy * ((2 * i * ady + adx) / (2 * adx));
    } else {
      y = y0 + sy * i;
      x = x0 + sx * ((2 * i * adx + ady) / (2 * ady));
    }
    if (Pen.Style == PenStyle::Dot && (i & 1)) {
      if (Brush.Style == BrushStyle::Solid) stampPen(x, y, Brush.Color);
      continue;
    }
    stampPen(x, y, Pen.Color);
  }
}

void Canvas::Polyline(const Point* points, int count) {
  if (count <= 0) return;
  MoveTo(points[0].x, points[0].y);
  for (int i = 1; i < count; ++i) LineTo(points[i].x, points[i].y);
}

}  // namespace kavenor

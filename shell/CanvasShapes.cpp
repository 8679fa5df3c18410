// Filled shapes: polygons by scan line, ellipses by pixel centre.

#include <algorithm>
#include <cmath>
#include <vector>

#include "shell/Canvas.h"

namespace kavenor {

void Canvas::Polygon(const Point* points, int count) {
  if (count <= 0) return;
  if (Brush.Style == BrushStyle::Solid && count >= 3) {
    int top = points[0].y, bottom = points[0].y;
    for (int i = 1; i < count; ++i) {
      top = std::min(top, points[i].y);
      bottom = std::max(bottom, points[i].y);
    }
    std::vector<double> crossings;
    for (int y = top; y < bottom; ++y) {
      const double yc = y + 0.5;
      crossings.clear();
      for (int i = 0; i < count; ++i) {
        const Point a = points[i], b = points[(i + 1) % count];
        if (a.y == b.y) continue;
        const double lo = std::min(a.y, b.y), hi = std::max(a.y, b.y);
        if (yc < lo || yc >= hi) continue;
        crossings.push_back(a.x + (yc - a.y) * (b.x - a.x) / double(b.y - a.y));
      }
      std::sort(crossings.begin(), crossings.end());
      for (std::size_t k = 0; k + 1 < crossings.size(); k += 2) {
        // Pixels whose centres x + 0.5 lie in [left, right).
        const int x0 = static_cast<int>(std::ceil(crossings[k] - 0.5));
        const int x1 = static_cast<int>(std::ceil(crossings[k + 1] - 0.5));
        fillSpan(y, x0, x1, Brush.Color);
      }
    }
  }
  if (Pen.Style == PenStyle::Clear) return;
  Polyline(points, count);
  LineTo(points[0].x, points[0].y);
}

void Canvas::Ellipse(int l, int t, int r, int b) {
  order(l, t, r, b);
  if (r <= l || b <= t) return;
  const double cx = (l + r) / 2.0, cy = (t + b) / 2.0;
  const double ax = (r - l) / 2.0, ay = (b - t) / 2.0;
  // For each row, the inside pixels form one span [from, to).
  const int rows = b - t;
  std::vector<int> from(rows), to(rows);
  for (int i = 0; i < rows; ++i) {
    const double v = (t + i + 0.5 - cy) / ay;
    const double half = ax * std::sqrt(std::max(0.0, 1.0 - v * v));
    from[i] = std::max(l, static_cast<int>(std::ceil(cx - half - 0.5)));
    to[i] = std::min(r, static_cast<int>(std::floor(cx + half - 0.5)) + 1);
  }
  auto inside = [&](int i, int x) { return i >= 0 && i < rows && x >= from[i] && x < to[i]; };
  const bool outline = Pen.Style != PenStyle::Clear;
  const bool fill = Brush.Style == BrushStyle::Solid;
  for (int i = 0; i < rows; ++i) {
    for (int x = from[i]; x < to[i]; ++x) {
      const bool rim = !inside(i, x - 1) || !inside(i, x + 1) || !inside(i - 1, x) ||
                       !inside(i + 1, x);
      if (rim && outline)
        plot(x, t + i, Pen.Color);
      else if (fill)
        plot(x, t + i, Brush.Color);
    }
  }
}

}  // namespace kavenor

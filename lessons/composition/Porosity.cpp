#include "lessons/composition/Porosity.h"

#include <algorithm>
#include <cmath>

#include "shell/Random.h"

namespace kavenor {
namespace {

// Grains touch when their squared distance is below this reach.
int touchReach(int ra, int rb) { return (ra + rb) * (ra + rb) + 10; }

// The largest d with d * d <= n, for n >= 0.
int squareRootFloor(int n) {
  int d = static_cast<int>(std::sqrt(static_cast<double>(n)));
  while (d * d > n) --d;
  while ((d + 1) * (d + 1) <= n) ++d;
  return d;
}

}  // namespace

Grain DropGrain(std::span<const Grain> earlier, int x, int r, int H, std::vector<Point>* trail) {
  int y = (-H) / 4;
  for (;;) {
    // With x fixed, an earlier grain j touches at exactly the heights
    // yj - d ... yj + d, where d is the largest with dx^2 + d^2 < reach. So
    // one pass finds the next height at which anything touches, and which
    // grains touch there: the heights in between are free fall. The first
    // grain has nothing to test and falls to the bottom.
    int next = H + 1;
    int touching = 0;
    int dir = 0;
    for (const Grain& g : earlier) {
      const int dx = g.x - x;
      const int room = touchReach(g.r, r) - dx * dx;  // dy^2 must stay below it
      if (room <= 0) continue;
      const int d = squareRootFloor(room - 1);
      if (g.y + d <= y) continue;  // its touching heights are all passed
      const int first = std::max(y + 1, g.y - d);
      if (first > next) continue;
      if (first < next) {
        next = first;
        touching = 0;
      }
      ++touching;
      dir = g.x > x ? -2 : 2;
      // Nothing can touch sooner than the next pixel, so two there settle it.
      if (touching >= 2 && next == y + 1) break;
    }
    if (trail)
      for (int free = y + 1; free < std::min(next, H + 1); ++free) trail->push_back({x, free});
    if (next > H) {
      // Past the bottom: the grain rests on the bottom edge.
      if (trail) trail->push_back({x, H + 1});
      return {x, H + 1, r};
    }
    y = next;
    if (touching >= 2) {
      if (trail) trail->push_back({x, y});
      return {x, y, r};
    }
    x += dir;  // one touching grain: roll off it
    if (trail) trail->push_back({x, y});
  }
}

void PorosityModel::Repaint(int width, int height) {
  Randomize();
  Pack(width, height);
}

void PorosityModel::Pack(int width, int height) {
  W = width;
  H = height;
  const int off = -(W / 10);
  const int span = W - 2 * off;
  for (int i = 0; i < kGrainCount; ++i) {
    const int x = Random(span) + off;
    const int r = Random(12) + 6;
    Grains[i] = DropGrain(std::span<const Grain>(Grains.data(), i), x, r, H);
  }
}

void DrawPorosity(Canvas& canvas, const PorosityModel& model) {
  canvas.SetSize(model.W, model.H);
  canvas.Brush.Style = BrushStyle::Solid;
  canvas.Brush.Color = clBlue;
  canvas.Pen.Style = PenStyle::Solid;
  canvas.Pen.Color = clBlack;
  canvas.Pen.Width = 1;
  canvas.Rectangle(0, 0, model.W, model.H);
  canvas.Brush.Color = clYellow;
  for (const Grain& g : model.Grains) canvas.Ellipse(g.x - g.r, g.y - g.r, g.x + g.r, g.y + g.r);
}

}  // namespace kavenor

#include "lessons/stress/EffectiveStress.h"

#include "shell/Colors.h"
#include "shell/Primitives.h"
#include "shell/Random.h"

namespace kavenor {

EffectiveStressGeometry EffectiveStressLayout(int L, int T, int W, int H) {
  EffectiveStressGeometry g;
  g.L = L;
  g.T = T;
  g.W = W;
  g.H = H;
  g.x1 = L + W / 10;
  g.x2 = L + W - W / 10;
  g.yB = T + H - H / 10;
  g.yS = T + 3 * (H / 10);
  g.yW = g.yS + H / 5;
  return g;
}

void EffectiveStressModel::Scatter() {
  const EffectiveStressGeometry& g = Geometry;
  for (Point& dot : Dots) {
    dot.x = g.x1 + Random(g.x2 - g.x1 - 1);
    dot.y = g.yW + 2 + Random(g.yB - g.yW - 3);
  }
}

void DrawEffectiveStress(Canvas& c, const EffectiveStressModel& m) {
  const EffectiveStressGeometry& g = m.Geometry;
  c.SetSize(g.W + 1, g.H + 1);
  // Drawn in window coordinates.
  c.SetOrigin({g.L, g.T});
  DrawAreaOutline(c, g.L, g.T, g.W, g.H);

  // The soil and its surface.
  c.Brush.Color = clYellow;
  c.FillRect(g.x1, g.yS, g.x2, g.yB);
  DrawLine(c, g.x1, g.yS, g.x2, g.yS);

  // The phreatic line, drawn double; the gaps of the dots take the soil's
  // colour.
  c.Pen.Color = clBlue;
  c.Pen.Style = PenStyle::Dot;
  DrawLine(c, g.x1 + 1, g.yW, g.x2, g.yW);
  DrawLine(c, g.x1 + 5, g.yW + 1, g.x2, g.yW + 1);

  // The surface load, a 15 pixel strip, with its top in blue.
  c.Brush.Color = clMaroon;
  c.FillRect(g.x1, g.yS - 15, g.x2, g.yS);
  c.Pen.Style = PenStyle::Solid;
  DrawLine(c, g.x1, g.yS - 15, g.x2, g.yS - 15);

  // The water in the pores below the phreatic line.
  c.Brush.Color = clBlue;
  for (const Point& dot : m.Dots) c.FillRect(dot.x, dot.y, dot.x + 1, dot.y + 1);
}

}  // namespace kavenor

#include "lessons/earthpressure/CoulombWedge.h"

#include "shell/Colors.h"
#include "shell/Rounding.h"

namespace kavenor {

bool CoulombModel::Tick() {
  if (k >= kLastStep) return false;
  ++k;
  return true;
}

namespace {

// Integer quotient along the wedge; a wedge of no height has no slope.
int over(int numerator, int denominator) { return denominator == 0 ? 0 : numerator / denominator; }

WedgeArrow arrowTo(Point from, Point to, Point head1, Point head2) {
  return {from, to, to, head1, head2};
}

void drawArrow(Canvas& canvas, const WedgeArrow& a) {
  canvas.MoveTo(a.from.x, a.from.y);
  canvas.LineTo(a.to.x, a.to.y);
  canvas.MoveTo(a.tip.x, a.tip.y);
  canvas.LineTo(a.head1.x, a.head1.y);
  canvas.MoveTo(a.tip.x, a.tip.y);
  canvas.LineTo(a.head2.x, a.head2.y);
}

}  // namespace

CoulombGeometry ComputeCoulombGeometry(CoulombCase which, int W, int H, int k) {
  const bool active = which == CoulombCase::Active;
  CoulombGeometry g;
  g.s = W / 8;
  g.yb = H - H / 5;
  g.yt = H / 3;
  // The active wall moves away from the soil (left), the passive one into it.
  const int shift = active ? -k : k;
  g.xL = g.s + shift;
  g.xR = 2 * g.s + shift;
  const int quarter = (W - 1 - 2 * g.s) / 4;
  g.xF = 2 * g.s + (active ? quarter : 3 * quarter);
  // The wedge's top corner stays on the slip line from (xR, yb) to (xF, yt),
  // or on its extension above the surface when the wedge rises.
  g.yB = g.yt - shift;
  const int rest = g.yb - g.yt;
  const int along =
      rest == 0 ? 0 : nearest(static_cast<long double>(g.xF - g.xR) * k / rest);
  g.xT = active ? g.xF - along : g.xF + along;

  const int height = g.yb - g.yB;  // of the wedge, along the wall
  const int run = g.xT - g.xR;     // of the slip line over that height

  const int gx = (2 * g.xR + g.xT) / 3, gy = (g.yb + 2 * g.yB) / 3;
  const int a = H / 12;
  g.weight = arrowTo({gx, gy - a}, {gx, gy + a}, {gx - 2, gy + a - 6}, {gx + 2, gy + a - 6});

  g.nx = (2 * g.xR + g.xT) / 3;
  g.ny = (2 * g.yb + g.yB) / 3;
  const int nx = g.nx, ny = g.ny;
  const int b = active ? H / 8 : H / 10;
  const Point p{nx, ny};
  const Point normalFrom{nx + b, ny + over(b * run, height)};
  g.normal = active ? arrowTo(normalFrom, p, {nx + 6, ny + 1}, {nx + 4, ny + 5})
                    : arrowTo(normalFrom, p, {nx + 1, ny + 6}, {nx + 5, ny + 4});

  const int mx = nx + 4, my = ny + 2;
  const int o = active ? H / 18 : H / 24;
  const int d = over(o * run, height);
  const Point lower{mx - d, my + o}, upper{mx + d, my - o};
  // The shear force on the wedge acts up the slope when it sinks and down
  // the slope when it rises.
  if (active)
    g.shear = {lower, upper, upper, {upper.x - 1, upper.y + 6}, {upper.x - 5, upper.y + 4}};
  else
    g.shear = {lower, upper, lower, {lower.x + 6, lower.y - 1}, {lower.x + 5, lower.y - 4}};

  const int reach = active ? H / 12 : H / 4;
  g.wall = arrowTo({g.xR - reach, ny}, {g.xR, ny}, {g.xR - 6, ny + 2}, {g.xR - 6, ny - 2});
  return g;
}

void DrawCoulombWedge(Canvas& canvas, const CoulombModel& model, CoulombCase which, int W,
                      int H) {
  const CoulombGeometry g = ComputeCoulombGeometry(which, W, H, model.k);
  canvas.SetSize(W, H);
  canvas.Pen = CanvasPen{clBlack, PenStyle::Solid, 1};
  canvas.Brush = CanvasBrush{clWhite, BrushStyle::Solid};
  canvas.Rectangle(0, 0, W, H);

  canvas.Brush.Color = clGray;
  const Point wall[] = {{g.xL, g.yb}, {g.xR, g.yb}, {g.xR, g.yt}, {g.xL, g.yt}, {g.xL, g.yb}};
  canvas.Polygon(wall);

  // The soil at rest; its edge from (xR, yb) to (xF, yt) is the slip line.
  canvas.Brush.Color = clYellow;
  const Point soil[] = {{0, g.yb},         {g.xR, g.yb},      {g.xF, g.yt}, {W - 1, g.yt},
                        {W - 1, H - 1},    {0, H - 1},        {0, g.yb}};
  canvas.Polygon(soil);

  const Point wedge[] = {{g.xR, g.yb}, {g.xR, g.yB}, {g.xT, g.yB}, {g.xR, g.yb}};
  canvas.Polygon(wedge);

  drawArrow(canvas, g.weight);
  drawArrow(canvas, g.normal);
  drawArrow(canvas, g.shear);
  drawArrow(canvas, g.wall);
}

}  // namespace kavenor

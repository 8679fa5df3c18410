#include "lessons/shear/Stress.h"

#include <cmath>

#include "shell/Fonts.h"
#include "shell/LayoutMetrics.h"
#include "shell/Primitives.h"
#include "shell/Rounding.h"

namespace kavenor {

StressGeometry StressLayout(int W, int H) {
  StressGeometry g;
  g.W = W;
  g.H = H;
  g.c = W / 3;
  g.O = {W / 3, H - H / 3};
  const long double alpha = kStressAngle * kStressPi / 180;
  const long double sa = std::sin(alpha), ca = std::cos(alpha);
  const int x0 = g.O.x, y0 = g.O.y;
  g.B = {x0 + nearest(ca * g.c), y0};
  g.C = {x0, y0 - nearest(sa * g.c)};

  const long double theta = 27 * kStressPi / 180;
  g.E = {g.B.x + nearest(42 * std::cos(theta)), y0 + nearest(42 * std::sin(theta))};

  g.ym = (y0 + g.C.y) / 2;
  g.xm = (x0 + g.B.x) / 2;
  g.M = {(g.B.x + x0) / 2, (y0 + g.C.y) / 2};
  g.r = g.c / 2;
  g.nx = nearest(0.9L * g.r * sa);
  g.ny = nearest(0.9L * g.r * ca);
  g.nLabel = {g.M.x + 3 * g.nx + nearest(0.22L * (-3 * g.nx)),
              g.M.y - 3 * g.ny + nearest(0.22L * (3 * g.ny))};
  g.S = {g.M.x + nearest(g.r * sa), g.M.y - nearest(g.r * ca)};

  const int q = nearest(0.4L * g.r);
  g.tc = nearest(q * ca);
  g.ts = nearest(q * sa);
  g.Mt = {g.M.x, g.M.y - 2};
  g.T = {g.Mt.x + g.tc, g.Mt.y + g.ts};
  return g;
}

namespace {

// Plain text in the default face.
void text(Canvas& canvas, int x, int y, const char* s) {
  canvas.TextOut(x, y, QString::fromLatin1(s));
}

// A Greek letter (its Latin letter in the Symbol face) with, where given, its
// index in the default face beside it; the face is switched back after the
// letter.
void greek(Canvas& canvas, int x, int y, const char* letter, int ix = 0, int iy = 0,
           const char* index = nullptr) {
  canvas.Font.Name = QString::fromLatin1(kSymbolFamily);
  text(canvas, x, y, letter);
  canvas.Font.Name = QString::fromLatin1(kSansFamily);
  if (index) text(canvas, ix, iy, index);
}

void arrow(Canvas& canvas, Point from, Point to) {
  DrawArrow(canvas, from.x, from.y, to.x, to.y);
}

}  // namespace

void DrawStress(Canvas& canvas, int W, int H) {
  const StressGeometry g = StressLayout(W, H);
  const int x0 = g.O.x, y0 = g.O.y;
  canvas.SetSize(W, H);
  canvas.Pen = CanvasPen{clBlack, PenStyle::Solid, 1};
  canvas.Brush = CanvasBrush{clWhite, BrushStyle::Solid};
  canvas.Font = CanvasFont{};
  canvas.Rectangle(0, 0, W, H);

  // The axes.
  DrawArrow(canvas, x0, y0, W - W / 10, y0);
  text(canvas, W - W / 10 + 3, y0 - 7, "x");
  DrawArrow(canvas, x0, y0, x0, H / 10);
  text(canvas, x0 - 2, H / 10 - 14, "y");

  // The triangle, its right angle at the origin.
  canvas.Brush.Color = clYellow;
  canvas.Polygon({g.O, g.B, g.C});
  canvas.Brush.Color = clWhite;

  // The angle: an arc about B from the x-direction down towards the
  // prolongation of the inclined face, with a head at its end.
  greek(canvas, g.B.x + 31, y0 + 1, "a");
  {
    const long double deg = kStressPi / 180;
    canvas.MoveTo(g.B.x + 42, y0);
    for (int i = 1; i <= 27; ++i)
      canvas.LineTo(g.B.x + nearest(42 * std::cos(i * deg)), y0 + nearest(42 * std::sin(i * deg)));
    DrawLine(canvas, g.E.x + 1, g.E.y - 7, g.E.x, g.E.y);
    DrawLine(canvas, g.E.x + 5, g.E.y - 5, g.E.x, g.E.y);
  }

  // The vertical face: the normal stress from the left, the shear upwards.
  const int ym = g.ym;
  greek(canvas, x0 - 62, ym, "s", x0 - 56, ym + 2, "xx");
  DrawArrow(canvas, x0 - 50, ym, x0, ym);
  DrawArrow(canvas, x0 - 2, ym + 10, x0 - 2, ym - 10);
  greek(canvas, x0 - 22, ym - 20, "s", x0 - 16, ym - 18, "xy");

  // The horizontal face: the normal stress from below, the shear to the right.
  const int xm = g.xm;
  DrawArrow(canvas, xm, y0 + 35, xm, y0);
  greek(canvas, xm + 2, y0 + 27, "s", xm + 8, y0 + 29, "yy");
  DrawArrow(canvas, xm - 10, y0 + 2, xm + 10, y0 + 2);
  greek(canvas, xm + 14, y0 + 1, "s", xm + 20, y0 + 3, "yx");

  // The inclined face: the dotted normal through its middle, the normal
  // stress pointing onto the face.
  const Point M = g.M;
  canvas.Pen.Style = PenStyle::Dot;
  DrawLine(canvas, M.x + 3 * g.nx, M.y - 3 * g.ny, M.x - 3 * g.nx, M.y + 3 * g.ny);
  canvas.Pen.Style = PenStyle::Solid;
  text(canvas, g.nLabel.x - 3, g.nLabel.y - 7, "n");
  arrow(canvas, g.S, M);
  greek(canvas, g.S.x + 2, g.S.y - 4, "s", g.S.x + 8, g.S.y - 2, "nn");

  // The dotted tangent just above the face and the shear stress along it.
  const Point Mt = g.Mt;
  const int tc = g.tc, ts = g.ts;
  canvas.Pen.Style = PenStyle::Dot;
  DrawLine(canvas, Mt.x - 5 * tc, Mt.y - 5 * ts, Mt.x + 7 * tc, Mt.y + 7 * ts);
  canvas.Pen.Style = PenStyle::Solid;
  text(canvas, Mt.x + 7 * tc + 3, Mt.y + 7 * ts - 7, "t");
  arrow(canvas, {Mt.x - tc, Mt.y - ts}, g.T);
  greek(canvas, g.T.x + 2, g.T.y - 9, "s", g.T.x + 8, g.T.y - 7, "nt");
}

void DrawStress(Canvas& canvas) {
  const LayoutMetrics& m = Layout();
  DrawStress(canvas, m.AreaWidth, m.AreaHeight);
}

}  // namespace kavenor

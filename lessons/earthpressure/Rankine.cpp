#include "lessons/earthpressure/Rankine.h"

#include <cmath>

#include "shell/Colors.h"
#include "shell/Fonts.h"
#include "shell/Primitives.h"
#include "shell/Rounding.h"

namespace kavenor {

namespace {

constexpr long double kPi = 3.1415926L;

void frame(Canvas& canvas, int W, int H) {
  canvas.SetSize(W, H);
  canvas.Pen = CanvasPen{clBlack, PenStyle::Solid, 1};
  canvas.Brush = CanvasBrush{clWhite, BrushStyle::Solid};
  canvas.Font = CanvasFont{};
  canvas.Rectangle(0, 0, W, H);
}

// A small closed diamond around (x, y), its corners 2 pixels away.
void diamond(Canvas& canvas, Point p) {
  const Point path[] = {{p.x + 2, p.y}, {p.x, p.y - 2}, {p.x - 2, p.y}, {p.x, p.y + 2}, {p.x + 2, p.y}};
  canvas.Polyline(path);
}

// A sigma ("s" in the Symbol face) above the point, its index in the default
// face to the right and lower. The sigma's cell is opaque; the index cell
// starts inside it and reaches over the sigma axis, so the index goes on
// without a background of its own: the sigma and the axis stay whole.
void sigmaLabel(Canvas& canvas, Point p, const char* index) {
  canvas.Font.Name = QString::fromLatin1(kSymbolFamily);
  canvas.TextOut(p.x - 4, p.y - 13, QStringLiteral("s"));
  canvas.Font.Name = QString::fromLatin1(kSansFamily);
  canvas.Brush.Style = BrushStyle::Clear;
  canvas.TextOut(p.x + 2, p.y - 9, QString::fromLatin1(index));
  canvas.Brush.Style = BrushStyle::Solid;
}

}  // namespace

int RankinePictureHeight(int areaHeight) { return nearest(0.9L * areaHeight); }

RankineMohrGeometry ComputeRankineMohr(int W, int H) {
  RankineMohrGeometry g;
  g.yc = H / 2;
  g.xa = W / 4;
  g.axisReach = H / 3;
  g.xc = W / 2;
  g.R = W / 6;
  g.vertex = {g.xc - 2 * g.R, g.yc};
  // 3R tan 30 degrees, rounded as a whole.
  g.e = nearest(std::sin(kPi / 6) * 3 * g.R / std::cos(kPi / 6));
  const long double touch = 2 * kPi / 3;
  const int dx = nearest(std::cos(touch) * g.R), dy = nearest(std::sin(touch) * g.R);
  g.upperTouch = {g.xc + dx, g.yc - dy};
  g.lowerTouch = {g.xc + dx, g.yc + dy};
  g.sigma1 = {g.xc + g.R, g.yc};
  g.sigma3 = {g.xc - g.R, g.yc};
  return g;
}

void DrawRankineSoil(Canvas& canvas, int W, int H) {
  frame(canvas, W, H);
  const int yg = H / 3;
  canvas.Brush.Color = clYellow;
  canvas.Rectangle(0, yg, W, H);

  // The element, in the middle of the width at depth W div 8.
  const int xl = W / 2 - W / 40, xr = W - xl;
  const int yt = yg + W / 8, yb = yt + W / 20;
  canvas.Rectangle(xl, yt, xr, yb);

  canvas.Brush.Color = clWhite;
  const int xm = W / 2, ym = nearest((yt + yb) / 2.0L);
  DrawArrow(canvas, xm, yt - 16, xm, yt);
  DrawArrow(canvas, xm, yb + 20, xm, yb);
  DrawArrow(canvas, xl - 18, ym, xl, ym);
  DrawArrow(canvas, xr + 18, ym, xr, ym);
}

void DrawRankineMohr(Canvas& canvas, int W, int H) {
  frame(canvas, W, H);
  const RankineMohrGeometry g = ComputeRankineMohr(W, H);

  DrawArrow(canvas, W / 8, g.yc, W - W / 8, g.yc);
  // The tau axis, with a head at each end.
  DrawArrow(canvas, g.xa, g.yc - g.axisReach, g.xa, g.yc + g.axisReach);
  DrawArrow(canvas, g.xa, g.yc + g.axisReach, g.xa, g.yc - g.axisReach);

  canvas.MoveTo(g.xc + g.R, g.yc);
  const long double degree = kPi / 180;
  for (int i = 1; i <= 360; ++i)
    canvas.LineTo(g.xc + nearest(g.R * std::cos(i * degree)),
                  g.yc + nearest(g.R * std::sin(i * degree)));

  canvas.MoveTo(g.vertex.x, g.vertex.y);
  canvas.LineTo(g.xc + g.R, g.yc + g.e);
  canvas.MoveTo(g.vertex.x, g.vertex.y);
  canvas.LineTo(g.xc + g.R, g.yc - g.e);

  canvas.Pen.Style = PenStyle::Dot;
  canvas.MoveTo(g.upperTouch.x, g.upperTouch.y);
  canvas.LineTo(g.xc, g.yc);
  canvas.MoveTo(g.lowerTouch.x, g.lowerTouch.y);
  canvas.LineTo(g.xc, g.yc);
  canvas.Pen.Style = PenStyle::Solid;

  // Each label's opaque cell ends just above its marker in the default
  // faces, but a taller stand-in face would reach into it: the marker goes on
  // after its label, so it stays whole.
  sigmaLabel(canvas, g.sigma1, "1");
  diamond(canvas, g.sigma1);
  sigmaLabel(canvas, g.sigma3, "3");
  diamond(canvas, g.sigma3);
}

}  // namespace kavenor

#include "lessons/flow/Well.h"

#include <algorithm>

#include "shell/Colors.h"

namespace kavenor {

WellGeometry WellLayout(int W, int H) {
  WellGeometry g{};
  g.b = std::max(W / 100, 1);
  g.yb = H - H / 6;
  g.ya = g.yb - H / 4;
  g.yg = g.ya - H / 4;
  g.yl = (3 * g.yg + g.ya) / 4;
  g.yw = (4 * g.ya + g.yl) / 5;
  g.xi = W / 12;
  g.x1 = W / 2 - g.b;
  g.x2 = W - g.x1;
  g.yt = g.yg - H / 6 - g.b;
  g.xe = g.x1 + W / 5;
  g.xa = g.xe + 8 * g.b;
  return g;
}

namespace {

void line(Canvas& c, int x1, int y1, int x2, int y2) {
  c.MoveTo(x1, y1);
  c.LineTo(x2, y2);
}

}  // namespace

void DrawWell(Canvas& c, int W, int H) {
  const WellGeometry g = WellLayout(W, H);
  c.SetSize(W, H);
  c.Pen = CanvasPen{clBlack, PenStyle::Solid, 1};
  c.Brush = CanvasBrush{clWhite, BrushStyle::Solid};
  c.Rectangle(0, 0, W, H);

  c.Brush.Color = clBlue;  // the lake around the island
  c.Rectangle(0, g.yl, g.xi + 1, g.yb);
  c.Rectangle(W - g.xi - 1, g.yl, W, g.yb);
  c.Brush.Color = clMaroon;
  c.Rectangle(0, g.yb, W, H);                 // base layer
  c.Rectangle(g.xi, g.yg, W - g.xi, g.ya);    // top layer
  c.Brush.Color = clYellow;
  c.Rectangle(g.xi, g.ya, W - g.xi, g.yb);    // aquifer

  // The well's walls, going over into the discharge pipe at the top.
  const int b = g.b, yt = g.yt;
  c.MoveTo(g.x1, g.yb);
  c.LineTo(g.x1, yt);
  c.LineTo(g.xe, yt);
  c.MoveTo(g.x2, g.yb);
  c.LineTo(g.x2, yt + 2 * b);
  c.LineTo(g.xe, yt + 2 * b);

  // The discharge arrow, out of the pipe.
  line(c, g.xe - 2 * b, yt + b, g.xa, yt + b);
  line(c, g.xa, yt + b, g.xa - 6, yt + b - 3);
  line(c, g.xa, yt + b, g.xa - 6, yt + b + 3);

  // The water in the well and the empty part above it, which also clears
  // the layers inside the well. Both fill the well between its walls: a box
  // here keeps its right column, so one reaching to x2 would paint over the
  // right wall.
  c.Pen.Style = PenStyle::Clear;
  c.Brush.Color = clBlue;
  c.Rectangle(g.x1 + 1, g.yw, g.x2, g.yb);
  c.Brush.Color = clWhite;
  c.Rectangle(g.x1 + 1, yt + 1, g.x2, g.yw);
}

}  // namespace kavenor

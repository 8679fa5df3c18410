#include "lessons/flow/Layers.h"

#include "shell/Colors.h"

namespace kavenor {

LayersGeometry LayersLayout(int W, int H) {
  LayersGeometry g{};
  g.yc = H - H / 3;
  g.yt = g.yc - H / 3;
  g.x1 = W / 2 - 2;
  g.x2 = g.x1 + 4;
  g.yp = (g.yc + H) / 2;
  g.ys = g.yt - H / 3;
  g.yw = (g.ys + g.yt) / 2;
  return g;
}

namespace {

void fill(Canvas& c, Rgb colour, int l, int t, int r, int b) {
  c.Brush.Color = colour;
  c.FillRect(l, t, r, b);
}

}  // namespace

void DrawLayers(Canvas& c, int W, int H) {
  const LayersGeometry g = LayersLayout(W, H);
  c.SetSize(W, H);
  c.Pen = CanvasPen{clBlack, PenStyle::Solid, 1};
  c.Brush = CanvasBrush{clWhite, BrushStyle::Solid};
  c.Rectangle(0, 0, W, H);

  // The upper sand stays white; the layers below it are plain fills inside
  // the border.
  fill(c, clYellow, 1, g.yc, W - 1, H - 1);  // lower sand
  fill(c, clOlive, 1, g.yt, W - 1, g.yc);    // clay
  fill(c, clBlue, 1, g.yt - 2, W - 1, g.yt);  // groundwater on top of the clay

  // The standpipe from the middle of the lower sand up to the top, and the
  // water in it, higher than the groundwater above the clay.
  c.MoveTo(g.x1, g.yp);
  c.LineTo(g.x1, g.ys);
  c.MoveTo(g.x2, g.yp);
  c.LineTo(g.x2, g.ys);
  fill(c, clBlue, g.x1 + 1, g.yw, g.x2, g.yp);
}

}  // namespace kavenor

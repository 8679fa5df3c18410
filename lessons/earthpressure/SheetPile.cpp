#include "lessons/earthpressure/SheetPile.h"

#include "shell/Colors.h"

namespace kavenor {

bool SheetPileModel::Tick() {
  if (k >= kLastStep) return false;
  ++k;
  return true;
}

SheetPileGeometry ComputeSheetPile(int W, int H) {
  SheetPileGeometry g;
  g.cx = W / 2;
  g.yh = H / 4 - 10;
  g.ya = H / 10 + g.yh;
  g.ym = (g.yh + g.ya) / 2;
  g.yw = H / 2 - 10;
  g.ye = H - H / 4 - 10;
  g.yf = H - 10;
  return g;
}

namespace {

void area(Canvas& canvas, Rgb color) {
  canvas.Pen.Color = color;
  canvas.Brush.Color = color;
}

void line(Canvas& canvas, int x1, int y1, int x2, int y2) {
  canvas.MoveTo(x1, y1);
  canvas.LineTo(x2, y2);
}

}  // namespace

void DrawSheetPileWall(Canvas& canvas, int W, int H) {
  const SheetPileGeometry g = ComputeSheetPile(W, H);
  canvas.SetSize(W, H);
  canvas.Pen = CanvasPen{clBlack, PenStyle::Solid, 1};
  canvas.Brush = CanvasBrush{clWhite, BrushStyle::Solid};
  canvas.Rectangle(0, 0, W, H);

  area(canvas, clYellow);
  canvas.Rectangle(1, g.ye, g.cx, g.yf);  // below the excavation
  area(canvas, clBlue);
  canvas.Rectangle(1, g.yw, g.cx, g.ye + 1);  // the water in the excavation
  area(canvas, clYellow);
  canvas.Rectangle(g.cx, g.yh, W - 1, g.yf);  // the high side
  canvas.Rectangle(1, g.yf, W - 1, H - 1);    // along the bottom

  canvas.Pen = CanvasPen{clBlack, PenStyle::Solid, 1};
  line(canvas, 1, g.yw, g.cx, g.yw);
  line(canvas, 1, g.ye, g.cx, g.ye);
  line(canvas, g.cx, g.yh, W - 1, g.yh);
  line(canvas, g.cx - 2, g.ya, W - 10, g.ya);            // the anchor rod
  line(canvas, W - 12, g.ya - 10, W - 12, g.ya + 11);    // its plate

  canvas.Pen = CanvasPen{clBlue, PenStyle::Solid, 2};
  line(canvas, g.cx + 1, g.ym, W - 1, g.ym);  // groundwater behind the wall
  // The wall last, over the soil's edges and the rod.
  canvas.Pen.Color = clBlack;
  line(canvas, g.cx, g.yh, g.cx, g.yf);
  canvas.Pen.Width = 1;
}

}  // namespace kavenor

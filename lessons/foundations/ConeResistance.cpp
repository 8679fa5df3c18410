#include "lessons/foundations/ConeResistance.h"

#include "shell/Colors.h"
#include "shell/Primitives.h"
#include "shell/Random.h"
#include "shell/Rounding.h"

namespace kavenor {

ConeResistancePlot ConeResistancePlot::Of(int W, int H2, int layerDepth, int layerJump) {
  ConeResistancePlot p;
  p.xl = W / 10;
  p.xr = W - p.xl;
  p.yt = H2 / 10;
  p.yb = H2 - p.yt;
  p.yl = p.yt + nearest(static_cast<long double>(p.yb - p.yt) * layerDepth / 20) - 2;
  p.jump = ((p.xr - p.xl) / 20) * layerJump;
  return p;
}

int ConeResistanceModel::Trend(int y) const {
  const ConeResistancePlot p = Plot();
  const int depth = p.yb - p.yt;
  if (depth <= 0) return 0;  // an area too small for a plot has no trend
  return nearest(static_cast<long double>(p.xr - p.xl) * (y - p.yt) / (8.0L * depth));
}

void ConeResistanceModel::Sample(int width, int height2) {
  W = width;
  H2 = height2;
  const ConeResistancePlot p = Plot();
  CurveX.clear();
  for (int y = p.yt; y <= p.yb; ++y) {
    int x = p.xl + Trend(y) + Random(15);
    if (y > p.yl) x += p.jump + Random(12);
    CurveX.push_back(x);
  }
}

void DrawConeResistance(Canvas& canvas, const ConeResistanceModel& model) {
  const int W = model.W, H2 = model.H2;
  const ConeResistancePlot p = model.Plot();
  canvas.SetSize(W, H2);
  canvas.Pen = CanvasPen{clBlack, PenStyle::Solid, 1};
  canvas.Brush = CanvasBrush{clWhite, BrushStyle::Solid};
  canvas.Font = CanvasFont{};
  canvas.Rectangle(0, 0, W, H2);
  canvas.Rectangle(p.xl, p.yt, p.xr, p.yb);

  const int g = p.xr - p.xl, h = p.yb - p.yt;
  for (const int x : {p.xl + g / 4, p.xl + g / 2, p.xl + 3 * g / 4}) DrawLine(canvas, x, p.yt, x, p.yb);
  for (const int y : {p.yt + h / 4, p.yt + h / 2, p.yt + 3 * h / 4}) DrawLine(canvas, p.xl, y, p.xr, y);

  // One segment a row, from the surface at 0 MPa down.
  canvas.MoveTo(p.xl, p.yt);
  int y = p.yt;
  for (const int x : model.CurveX) canvas.LineTo(x, y++);

  canvas.TextOut(nearest(0.3L * W), 6, QStringLiteral("Cone resistance (MPa)"));
  canvas.TextOut(p.xl - 3, p.yt - 12, QStringLiteral("0"));
  canvas.TextOut(W / 2 - 6, p.yt - 12, QStringLiteral("10"));
  canvas.TextOut(W - p.xl - 6, p.yt - 12, QStringLiteral("20"));
  canvas.TextOut(2, H2 / 2 - 45, QStringLiteral("z (m)"));
  canvas.TextOut(16, p.yt - 6, QStringLiteral("0"));
  canvas.TextOut(16, p.yt + h / 4 - 6, QStringLiteral("5"));
  canvas.TextOut(12, p.yt + h / 2 - 6, QStringLiteral("10"));
  canvas.TextOut(12, p.yt + 3 * h / 4 - 6, QStringLiteral("15"));
  canvas.TextOut(12, p.yb - 6, QStringLiteral("20"));
}

}  // namespace kavenor

#include "lessons/foundations/StripLoad.h"

#include "shell/Colors.h"
#include "shell/Fonts.h"
#include "shell/Primitives.h"

namespace kavenor {

StripLoadLevels StripLoadGeometry(int W, int H) {
  StripLoadLevels g;
  g.cx = W / 2;
  g.y0 = H / 3;
  g.yq = g.y0 - 10;
  g.yp = g.y0 - 40;
  return g;
}

int LastSurchargeArrow(int W) {
  int x = -2;
  do x += 4;
  while (x < W);
  return x;
}

void DrawStripLoad(Canvas& canvas, StripLoadDirection direction, int W, int H) {
  const StripLoadLevels g = StripLoadGeometry(W, H);
  canvas.SetSize(W, H);
  canvas.Pen = CanvasPen{clBlack, PenStyle::Solid, 1};
  canvas.Brush = CanvasBrush{clWhite, BrushStyle::Solid};
  canvas.Rectangle(0, 0, W, H);

  canvas.Brush.Color = clYellow;  // the soil
  canvas.Rectangle(0, g.y0, W, H);
  canvas.Brush.Color = clWhite;

  // The surcharge stands on the whole surface, also under the strip load.
  const int last = LastSurchargeArrow(W);
  for (int x = 2; x <= last; x += 4) DrawArrow(canvas, x, g.yq, x, g.y0);

  const bool inclined = direction == StripLoadDirection::Inclined;
  for (int i = 0; i <= 10; ++i) {
    const int tip = g.cx + 4 * i - 20;
    if (inclined)
      DrawArrowWide(canvas, tip - 5, g.yp, tip, g.y0);
    else
      DrawArrow(canvas, tip, g.yp, tip, g.y0);
  }

  DrawLine(canvas, 0, g.yq, g.cx - 20, g.yq);
  if (inclined) {
    DrawLine(canvas, g.cx - 25, g.yp, g.cx + 15, g.yp);
    DrawLine(canvas, g.cx + 20, g.yq, W, g.yq);
  } else {
    DrawLine(canvas, g.cx + 20, g.yq, W, g.yq);
    DrawLine(canvas, g.cx - 20, g.yp, g.cx + 20, g.yp);
  }

  // The surcharge and the load on white, the soil's properties on the soil.
  canvas.Font = CanvasFont{};  // "MS Sans Serif" at the default size
  canvas.TextOut(g.cx - 50, g.yq - 16, QStringLiteral("q"));
  canvas.TextOut(g.cx + 50, g.yq - 16, QStringLiteral("q"));
  canvas.TextOut(g.cx, g.yp - 16, QStringLiteral("p"));
  canvas.Brush.Color = clYellow;
  canvas.TextOut(g.cx - 50, g.y0 + 30, QStringLiteral("c"));
  canvas.Font.Name = QString::fromLatin1(kSymbolFamily);
  canvas.TextOut(g.cx - 50, g.y0 + 50, QStringLiteral("g"));
}

}  // namespace kavenor

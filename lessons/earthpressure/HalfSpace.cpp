#include "lessons/earthpressure/HalfSpace.h"

#include "shell/Colors.h"
#include "shell/Fonts.h"
#include "shell/Primitives.h"

namespace kavenor {

namespace {

// White ground in a black frame, and the olive soil below the surface yg.
int drawHalfSpace(Canvas& canvas, int W, int H) {
  canvas.SetSize(W, H);
  canvas.Pen = CanvasPen{clBlack, PenStyle::Solid, 1};
  canvas.Brush = CanvasBrush{clWhite, BrushStyle::Solid};
  canvas.Rectangle(0, 0, W, H);
  const int yg = H / 3;
  canvas.Brush.Color = clOlive;
  canvas.Rectangle(0, yg, W, H);
  return yg;
}

}  // namespace

void DrawPointLoad(Canvas& canvas, int W, int H) {
  const int yg = drawHalfSpace(canvas, W, H);
  DrawArrow(canvas, W / 2, yg - 40, W / 2, yg);
  canvas.Brush.Color = clWhite;
  canvas.TextOut(W / 2 + 2, yg - 40, QStringLiteral("P"));
}

void DrawStripLoad(Canvas& canvas, int W, int H) {
  const int yg = drawHalfSpace(canvas, W, H);
  // The middle layer; the olive stays above and below it.
  canvas.Brush.Color = clYellow;
  canvas.Rectangle(0, yg + H / 6, W, H - H / 5);
  for (int i = -4; i <= 4; ++i) DrawArrow(canvas, W / 2 + 5 * i, yg - 20, W / 2 + 5 * i, yg);
  canvas.MoveTo(W / 2 - 20, yg - 20);
  canvas.LineTo(W / 2 + 20, yg - 20);
}

QFont HalfSpacePaneFont() {
  return Face(QStringLiteral("Bookshelf Symbol 2"), 9, true);
}

}  // namespace kavenor

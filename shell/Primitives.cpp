#include "shell/Primitives.h"

#include <cmath>

#include "shell/Rounding.h"

namespace kavenor {

bool ArrowHeadEnds(int x1, int y1, int x2, int y2, bool wide, ArrowHead& head) {
  const double dx = x2 - x1, dy = y2 - y1;
  const double length = std::sqrt(dx * dx + dy * dy);
  if (!(length > 5)) return false;
  const double bx = x2 - 5 * dx / length, by = y2 - 5 * dy / length;
  head.left = {nearest(bx + 2 * dy / length), nearest(by - 2 * dx / length)};
  head.right = {nearest(bx - 2 * dy / length), nearest(by + 2 * dx / length)};
  if (wide) {
    head.left.y -= 1;
    head.right.y += 1;
  }
  return true;
}

namespace {

void drawArrow(Canvas& canvas, int x1, int y1, int x2, int y2, bool wide) {
  canvas.MoveTo(x1, y1);
  canvas.LineTo(x2, y2);
  ArrowHead head;
  if (!ArrowHeadEnds(x1, y1, x2, y2, wide, head)) return;
  canvas.MoveTo(x2, y2);
  canvas.LineTo(head.left.x, head.left.y);
  canvas.MoveTo(x2, y2);
  canvas.LineTo(head.right.x, head.right.y);
}

}  // namespace

void DrawArrow(Canvas& canvas, int x1, int y1, int x2, int y2) {
  drawArrow(canvas, x1, y1, x2, y2, false);
}

void DrawArrowWide(Canvas& canvas, int x1, int y1, int x2, int y2) {
  drawArrow(canvas, x1, y1, x2, y2, true);
}

void DrawLine(Canvas& canvas, int x1, int y1, int x2, int y2) {
  canvas.MoveTo(x1, y1);
  canvas.LineTo(x2, y2);
}

void DrawAreaOutline(Canvas& canvas, int L, int T, int W, int H) {
  canvas.Pen = CanvasPen{clBlack, PenStyle::Solid, 1};
  canvas.Brush = CanvasBrush{clWhite, BrushStyle::Solid};
  canvas.MoveTo(L, T);
  canvas.LineTo(L, T + H);
  canvas.LineTo(L + W, T + H);
  canvas.LineTo(L + W, T);
  canvas.LineTo(L, T);
  canvas.FillRect(L + 1, T + 1, L + W, T + H);
}

}  // namespace kavenor

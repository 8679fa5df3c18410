#include "lessons/stress/UnderWater.h"

#include "shell/Colors.h"
#include "shell/Primitives.h"
#include "shell/Random.h"

namespace kavenor {
namespace {

// The white field with its black outline and the water below yWater, also
// outlined in black. Leaves the pen black and solid.
void drawWater(Canvas& c, int W, int H, int yWater) {
  c.SetSize(W, H);
  c.Pen = CanvasPen{clBlack, PenStyle::Solid, 1};
  c.Brush = CanvasBrush{clWhite, BrushStyle::Solid};
  c.Rectangle(0, 0, W, H);
  c.Brush.Color = clBlue;
  c.Rectangle(0, yWater, W, H);
}

}  // namespace

ArchimedesGeometry ArchimedesLayout(int W, int H) {
  ArchimedesGeometry g;
  g.yWater = H / 3;
  g.left = 2 * (W / 5);
  g.right = W - g.left;
  g.top = H / 2;
  g.bottom = H - g.yWater;
  return g;
}

void DrawArchimedes(Canvas& c, int W, int H) {
  const ArchimedesGeometry g = ArchimedesLayout(W, H);
  drawWater(c, W, H, g.yWater);
  c.Brush.Color = clRed;
  c.Rectangle(g.left, g.top, g.right, g.bottom);
}

TerzaghiGeometry TerzaghiLayout(int W, int H) {
  TerzaghiGeometry g;
  g.yWater = H / 3;
  g.half = H / 2;
  g.xH = (2 * W) / 3;
  g.xD = (2 * W) / 3 + W / 10;
  return g;
}

void TerzaghiModel::Scatter(int width, int height) {
  W = width;
  H = height;
  const int half = TerzaghiLayout(W, H).half;
  for (Point& grain : Grains) {
    grain.x = Random(W - 1);
    grain.y = H - Random(half);
  }
}

void DrawTerzaghi(Canvas& c, const TerzaghiModel& m) {
  const int W = m.W, H = m.H;
  const TerzaghiGeometry g = TerzaghiLayout(W, H);
  drawWater(c, W, H, g.yWater);

  c.Brush.Color = clYellow;
  for (const Point& grain : m.Grains) c.FillRect(grain.x, grain.y, grain.x + 1, grain.y + 1);

  // h: from the water surface to the bottom, headed at both ends.
  c.Pen.Color = clRed;
  DrawArrow(c, g.xH, g.yWater, g.xH, H);
  DrawArrow(c, g.xH, H, g.xH, g.yWater);
  c.Pen.Color = clBlack;
  c.Brush.Color = clWhite;
  c.Font = CanvasFont{};
  c.TextOut(g.xH + 6, (g.yWater + H) / 2 - 8, QStringLiteral("h"));

  // d: the thickness of the sand.
  c.Pen.Color = clRed;
  DrawArrow(c, g.xD, H - g.half, g.xD, H);
  DrawArrow(c, g.xD, H, g.xD, H - g.half);
  c.Pen.Color = clBlack;
  c.TextOut(g.xD + 6, H - g.half / 2 - 8, QStringLiteral("d"));
}

}  // namespace kavenor

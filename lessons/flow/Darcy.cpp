#include "lessons/flow/Darcy.h"

#include <algorithm>
#include <initializer_list>

#include "shell/Colors.h"
#include "shell/Rounding.h"

namespace kavenor {

ApparatusGeometry ApparatusLayout(int W, int H) {
  ApparatusGeometry a{};
  a.cx = W / 2;
  a.r = std::max(W / 200, 1);
  a.xL = a.cx - W / 15;
  a.xR = W - a.xL;
  a.yT = H / 3;
  a.yB = H - (H / 3) / 2;
  a.yP = a.yB + H / 10;
  a.g = W / 8;
  a.C = W / 40;
  a.u = H / 20;
  a.x1 = a.cx + a.r + a.g;
  a.x2 = a.x1 + 2 * a.r;
  a.d = a.yT - a.u;
  a.yN = a.yT - H / 10;
  a.yL = a.yT - 3 * a.u;
  a.yR = a.yL - a.u;
  a.sx = a.x2 + a.C + 4;
  a.sy = a.d - a.u + 6;
  a.rim = H - H / 3;
  a.bottom = H - 3;
  return a;
}

int ApparatusModel::DropStart(int k, int H) const {
  return nearest(static_cast<long double>(k) * setup_.DropSpacing * H);
}

void ApparatusModel::Tick(int H) {
  if (!Still(H)) {
    for (int k = 0; k < setup_.DropCount; ++k) ++DropY[k];
    ++FlowTicks;
  }
  Settle(H);
}

void ApparatusModel::Settle(int H) {
  Restarted.fill(false);
  if (!FlowReady) {
    for (int k = 1; k <= setup_.DropCount; ++k) DropY[k - 1] = DropStart(k, H);
    FlowReady = true;
    FlowTicks = 0;
    FillLimit = setup_.TicksPerPixel * H;
  }
  // A drop at or below the bottom edge is past every place it is drawn, so
  // it goes back to the top for as long as the stream still runs.
  if (FlowTicks >= FillLimit) return;
  for (int k = 0; k < setup_.DropCount; ++k) {
    if (DropY[k] >= H) {
      DropY[k] = 0;
      Restarted[k] = true;
    }
  }
}

int ApparatusModel::VesselLevel(int H) const {
  return std::max((H - 3) - FlowTicks / setup_.TicksPerPixel, H - H / 3);
}

namespace {

void lines(Canvas& c, Point from, std::initializer_list<Point> to) {
  c.MoveTo(from.x, from.y);
  for (const Point& p : to) c.LineTo(p.x, p.y);
}

void drawSample(Canvas& c, const ApparatusGeometry& a, bool twoLayers) {
  c.Pen.Width = 1;
  c.Pen.Style = PenStyle::Dot;
  c.Pen.Color = clBlack;
  c.Brush.Color = clYellow;
  if (!twoLayers) {
    c.Rectangle(a.xL, a.yT + 6, a.xR + 1, a.yB - 5);
    return;
  }
  // Two layers in series: the lower one drawn over the lower half of the
  // upper one.
  c.Rectangle(a.xL, a.yT + 6, a.xR + 1, a.yB - 6);
  c.Brush.Color = clOlive;
  c.Rectangle(a.xL, (a.yT + a.yB) / 2, a.xR + 1, a.yB - 5);
}

void drawLowerPart(Canvas& c, const ApparatusGeometry& a) {
  const int cx = a.cx, r = a.r, x1 = a.x1, x2 = a.x2, d = a.d, u = a.u, C = a.C;
  c.Pen.Style = PenStyle::Clear;
  c.Brush.Color = clBlue;
  c.Rectangle(a.xL, a.yB - 5, a.xR + 1, a.yB + 1);         // under the sample
  c.Rectangle(cx - r, a.yB, cx + r + 1, a.yP + 1);         // outlet pipe
  c.Rectangle(cx - r, a.yP - 2 * r, x2 + 1, a.yP + 1);     // pipe to the right
  c.Rectangle(x1, d, x2 + 1, a.yP + 1);                    // riser
  c.Rectangle(x1 - C, d - u, x2 + C + 1, d + 1);           // outflow basin

  c.Pen.Style = PenStyle::Solid;
  c.Pen.Color = clBlack;
  c.Pen.Width = 1;
  lines(c, {a.xL, a.yT},
        {{a.xL, a.yB}, {cx - r, a.yB}, {cx - r, a.yP}, {x2, a.yP}, {x2, d}, {x2 + C, d},
         {x2 + C, d - u}, {a.sx, a.sy}});
  lines(c, {a.xR, a.yT},
        {{a.xR, a.yB}, {cx + r, a.yB}, {cx + r, a.yP - 2 * r}, {x1, a.yP - 2 * r}, {x1, d},
         {x1 - C, d}, {x1 - C, d - u - 1}});
}

void drawUpperPart(Canvas& c, const ApparatusGeometry& a) {
  const int cx = a.cx, r = a.r, g = a.g, C = a.C, u = a.u, yN = a.yN, yL = a.yL;
  c.Pen.Style = PenStyle::Clear;
  c.Brush.Color = clBlue;
  c.Rectangle(a.xL + 1, a.yT, a.xR + 1, a.yT + 7);                   // above the sample
  c.Rectangle(cx - r, yN - 2 * r, cx + r + 1, a.yT + 1);             // inlet pipe
  c.Rectangle(cx - r - g, yN - 2 * r, cx + r + 1, yN + 1);           // pipe to the left
  c.Rectangle(cx - r - g, yL, cx + r - g + 1, yN + 1);               // riser
  c.Rectangle(cx - r - g - C, yL - u, cx + r - g + C + 1, yL + 1);   // inflow basin

  c.Pen.Style = PenStyle::Solid;
  c.Pen.Color = clBlack;
  lines(c, {a.xL, a.yT},
        {{cx - r, a.yT}, {cx - r, yN}, {cx - r - g, yN}, {cx - r - g, yL}, {cx - r - g - C, yL},
         {cx - r - g - C, yL - u}, {cx - r - g - C - 4, yL - u + 6}});
  lines(c, {a.xR, a.yT},
        {{cx + r, a.yT}, {cx + r, yN - 2 * r}, {cx + r - g, yN - 2 * r}, {cx + r - g, yL},
         {cx + r - g + C, yL}, {cx + r - g + C, yL - u - 1}});
}

void drawVessel(Canvas& c, const ApparatusGeometry& a, int H, int level) {
  const int sx = a.sx, C = a.C;
  lines(c, {sx + C, H - 3}, {{sx - C, H - 3}});
  lines(c, {sx - C, a.rim},
        {{sx - C, H - 3}, {sx - C - 8, H}, {sx + C + 8, H}, {sx + C, H - 3}, {sx + C, a.rim - 1}});
  c.Brush.Color = clBlue;
  c.Rectangle(sx - C, level, sx + C, H - 3);
}

void drawDrops(Canvas& c, const ApparatusModel& m, const ApparatusGeometry& a, int H,
               int level) {
  if (!m.StreamVisible(H)) return;
  const int r = a.r;
  const bool full = level == a.rim;
  for (int k = 0; k < m.Setup().DropCount; ++k) {
    if (m.Restarted[k]) continue;
    const int y = m.DropY[k];
    int x;
    if (y <= a.yR)
      x = a.cx - a.g;  // falling into the inflow basin
    else if (a.sy < y && y <= level)
      x = a.sx;  // from the spout down to the water in the vessel
    else if (full && y > level && y < H - 3 - r)
      x = a.sx + a.C + r;  // running down outside the full vessel
    else
      continue;  // inside the apparatus, or under the water
    c.Ellipse(x - r, y - r, x + r, y + 2 * r);
  }
}

}  // namespace

void DrawApparatus(Canvas& c, const ApparatusModel& m, int W, int H) {
  c.SetSize(W, H);
  c.Pen = CanvasPen{clBlack, PenStyle::Solid, 1};
  c.Brush = CanvasBrush{clWhite, BrushStyle::Solid};
  c.Rectangle(0, 0, W, H);

  const ApparatusGeometry a = ApparatusLayout(W, H);

  // The legs of the container.
  c.Pen.Width = 3;
  lines(c, {a.xL + 1, a.yB}, {{a.xL + 1, H}});
  lines(c, {a.xR - 1, a.yB}, {{a.xR - 1, H}});

  drawSample(c, a, m.Setup().TwoLayers);
  drawLowerPart(c, a);
  drawUpperPart(c, a);

  const int level = m.VesselLevel(H);
  drawVessel(c, a, H, level);
  drawDrops(c, m, a, H, level);
}

}  // namespace kavenor

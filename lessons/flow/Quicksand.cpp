#include "lessons/flow/Quicksand.h"

#include <algorithm>
#include <initializer_list>

#include "shell/Colors.h"

namespace kavenor {

void QuicksandModel::Settle(int H) {
  if (QuickReady) return;
  QuickReady = true;
  HeadRise = 0;
  SinkDepth = 0;
  RiseStep = 0;
  HeadMax = SandThickness(H);
}

void QuicksandModel::Tick(int H) {
  if (HeadRise < HeadMax) HeadRise += RiseStep;
  if (HeadRise > HeadMax - 20) SinkDepth = std::min(SinkDepth + 1, kMaxSink);
  Settle(H);
}

void QuicksandModel::Start(int H) {
  Settle(H);
  HeadRise = 0;
  SinkDepth = 0;
  RiseStep = 1;
}

void QuicksandModel::Restart() {
  QuickReady = false;
  RiseStep = 0;
  HeadRise = 0;
  SinkDepth = 0;
}

QuicksandGeometry QuicksandLayout(int W, int H) {
  QuicksandGeometry q{};
  q.c = W / 2;
  q.D = SandThickness(H);
  q.yS = H / 3 + 10;
  q.yB = H / 3 + q.yS;
  q.xL = q.c - W / 10;
  q.xR = q.c + W / 10;
  q.xP = q.c - 2 + W / 5;
  q.xQ = q.xP + 6;
  q.xD = q.xQ + 30;
  q.xa = q.xL - 20;
  q.ya = q.yB - 4;
  return q;
}

namespace {

void lines(Canvas& c, Point from, std::initializer_list<Point> to) {
  c.MoveTo(from.x, from.y);
  for (const Point& p : to) c.LineTo(p.x, p.y);
}

void line(Canvas& c, int x1, int y1, int x2, int y2) {
  c.MoveTo(x1, y1);
  c.LineTo(x2, y2);
}

// A box in one colour, outline and inside.
void block(Canvas& c, Rgb colour, int l, int t, int r, int b) {
  c.Pen.Color = colour;
  c.Brush.Color = colour;
  c.Rectangle(l, t, r, b);
}

// The container, the pipe and the reservoir, raised by h.
void drawOutlines(Canvas& c, const QuicksandGeometry& q, int h) {
  const int top = q.yS + 10 - h;  // the reservoir's bottom
  lines(c, {q.xL, q.yS},
        {{q.xL, q.yB}, {q.c - 2, q.yB}, {q.c - 2, q.yB + 30}, {q.xP, q.yB + 30}, {q.xP, top},
         {q.xQ, top}, {q.xQ, q.yS - h}});
  lines(c, {q.xR, q.yS},
        {{q.xR, q.yB}, {q.c + 2, q.yB}, {q.c + 2, q.yB + 26}, {q.xP - 4, q.yB + 26},
         {q.xP - 4, top}, {q.xP - 10, top}, {q.xP - 10, q.yS - h}});
}

// The sand thickness D and the water level h, measured at xD.
void drawDimensions(Canvas& c, const QuicksandGeometry& q, int h) {
  const int xD = q.xD, yS = q.yS, D = q.D;
  line(c, xD, yS, xD + 2, yS + 5);
  line(c, xD, yS, xD - 2, yS + 5);
  line(c, xD, yS + D, xD + 2, yS + D - 5);
  line(c, xD, yS + D, xD - 2, yS + D - 5);
  line(c, xD, yS, xD, yS + D);
  c.TextOut(xD + 2, (2 * yS + D - 12) / 2, QStringLiteral("D"));

  line(c, xD, yS, xD, yS - h);
  // Too short a line has no room for its heads and label.
  if (h <= 10) return;
  line(c, xD, yS, xD + 2, yS - 5);
  line(c, xD, yS, xD - 2, yS - 5);
  line(c, xD, yS - h, xD + 2, yS - h + 5);
  line(c, xD, yS - h, xD - 2, yS - h + 5);
  c.TextOut(xD + 2, (yS - h + yS - 12) / 2, QStringLiteral("h"));
}

// The total stress (yellow, D wide at the bottom) and the pore pressure
// (blue) at the bottom of the sand; the yellow strip left is the effective
// stress.
void drawStressDiagrams(Canvas& c, const QuicksandGeometry& q, int h) {
  const int xa = q.xa, ya = q.ya, yS = q.yS, D = q.D;
  const int pore = PorePressureWidth(D, h);
  lines(c, {xa, yS}, {{xa, ya}, {xa - D, ya}});
  line(c, xa, yS, xa - D, ya);
  line(c, xa, yS, xa - pore, ya);
  const Point total[] = {{xa, yS}, {xa, ya}, {xa - D, ya}};
  const Point water[] = {{xa, yS}, {xa, ya}, {xa - pore, ya}};
  c.Brush.Color = clYellow;
  c.Polygon(total);
  c.Brush.Color = clBlue;
  c.Polygon(water);
}

}  // namespace

void DrawPerson(Canvas& c, int x, int y) {
  c.Pen.Style = PenStyle::Solid;
  c.Brush.Style = BrushStyle::Solid;
  block(c, clMaroon, x - 9, y, x - 1, y - 3);  // shoes
  block(c, clMaroon, x + 1, y, x + 9, y - 3);
  block(c, clBlue, x - 5, y - 3, x - 2, y - 5);  // ankles
  block(c, clBlue, x + 2, y - 3, x + 5, y - 5);
  block(c, clGreen, x - 6, y - 5, x - 1, y - 15);  // legs
  block(c, clGreen, x + 1, y - 5, x + 6, y - 15);
  block(c, clGreen, x - 6, y - 15, x + 6, y - 19);  // hips
  block(c, clBlue, x - 6, y - 19, x + 6, y - 32);   // body
  block(c, clBlue, x - 9, y - 15, x - 6, y - 31);   // arms
  block(c, clBlue, x + 6, y - 15, x + 9, y - 31);
  block(c, clRed, x - 9, y - 11, x - 6, y - 15);  // hands
  block(c, clRed, x + 6, y - 11, x + 9, y - 15);
  block(c, clRed, x - 2, y - 32, x + 2, y - 34);  // neck
  block(c, clRed, x - 4, y - 34, x + 4, y - 40);  // face
  block(c, clBlack, x - 4, y - 40, x + 4, y - 42);  // hair
  block(c, clBlack, x - 3, y - 42, x + 3, y - 43);
  line(c, x - 3, y - 39, x - 2, y - 39);  // eyes
  line(c, x + 2, y - 39, x + 3, y - 39);
  line(c, x - 2, y - 36, x + 2, y - 36);  // mouth
}

void DrawQuicksand(Canvas& c, const QuicksandModel& m, int W, int H) {
  c.SetSize(W, H);
  c.Pen = CanvasPen{clBlack, PenStyle::Solid, 1};
  c.Brush = CanvasBrush{clWhite, BrushStyle::Solid};
  c.Font = CanvasFont{};
  c.Rectangle(0, 0, W, H);

  const QuicksandGeometry q = QuicksandLayout(W, H);
  const int h = m.HeadRise;

  // The bottom and the top of the sand, across the picture.
  c.Pen.Style = PenStyle::Dot;
  line(c, 20, q.yB - 4, W - 20, q.yB - 4);
  line(c, 20, q.yS, W - 20, q.yS);

  c.Pen.Style = PenStyle::Solid;
  drawOutlines(c, q, h);
  drawDimensions(c, q, h);

  // The water level of the reservoir, across to the right.
  c.Pen.Style = PenStyle::Dot;
  line(c, q.xQ + 3, q.yS - h, W - 20, q.yS - h);

  // The sand is drawn over the person, so what has sunk below its surface
  // is hidden.
  DrawPerson(c, q.c, q.yS + m.SinkDepth);
  c.Pen = CanvasPen{clBlack, PenStyle::Solid, 1};
  c.Brush.Color = clYellow;
  c.Rectangle(q.xL, q.yS, q.xR + 1, q.yB - 4);

  c.Brush.Color = clBlue;
  c.Rectangle(q.xP - 10, q.yS - h, q.xQ + 1, q.yS + 10 - h + 1);  // the reservoir's water
  c.Rectangle(q.xL, q.yB - 3, q.xR + 1, q.yB + 1);                // the water under the sand

  c.Pen = CanvasPen{clBlue, PenStyle::Solid, 3};
  lines(c, {q.c, q.yB}, {{q.c, q.yB + 28}, {q.xP - 2, q.yB + 28}, {q.xP - 2, q.yS + 10 - h}});
  c.Pen = CanvasPen{clBlack, PenStyle::Solid, 1};

  drawStressDiagrams(c, q, h);
}

}  // namespace kavenor

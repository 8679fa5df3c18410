#include "lessons/consolidation/Creep.h"

#include <cmath>

#include "shell/Fonts.h"
#include "shell/Rounding.h"

namespace kavenor {
namespace {

void startGraph(Canvas& canvas, int W, int H) {
  canvas.SetSize(W, H);
  canvas.Font = CanvasFont{};
  canvas.Pen = CanvasPen{};
  canvas.Brush = CanvasBrush{};
  canvas.Rectangle(0, 0, W, H);
}

void line(Canvas& canvas, int x1, int y1, int x2, int y2) {
  canvas.MoveTo(x1, y1);
  canvas.LineTo(x2, y2);
}

void text(Canvas& canvas, const char* family, int x, int y, const char* s) {
  canvas.Font.Name = QString::fromLatin1(family);
  canvas.TextOut(x, y, QString::fromLatin1(s));
}

int share(int i, int span, int parts) {
  return nearest(static_cast<long double>(i) * span / parts);
}

// The strain axis' labels, the same on both graphs.
void strainLabels(Canvas& canvas, const CreepFrame& f) {
  text(canvas, kSymbolFamily, f.left - 18, (f.top + f.bottom) / 2 - 8, "-e");
  text(canvas, kSansFamily, f.left - 10, f.top - 6, "0");
  text(canvas, kSansFamily, f.left - 24, f.bottom - 6, "0.01");
}

}  // namespace

CreepFrame CreepLinearFrameOf(int W, int H) {
  CreepFrame f{};
  f.top = H / 6;
  f.bottom = H - H / 6;
  f.range = f.bottom - f.top;
  f.left = W / 8;
  f.step = W / 5;
  return f;
}

CreepFrame CreepLogFrameOf(int W, int H) {
  CreepFrame f = CreepLinearFrameOf(W, H);
  f.step = W / 4;
  return f;
}

Point CreepLinearPoint(const CreepFrame& f, int i) {
  const int right = f.left + 4 * f.step;
  if (i == 0) return {f.left, f.top};
  return {f.left + share(i, right - f.left, 40),
          f.top + f.range / 5 +
              nearest(std::log10(static_cast<long double>(i)) * (f.range / 8))};
}

std::vector<int> CreepLogColumns(const CreepFrame& f) {
  std::vector<int> columns;
  const long double ln10 = std::log(10.0L);
  for (int i = 1; i <= 10; ++i) {
    const int o = f.left + nearest(std::log(static_cast<long double>(i)) * f.step / ln10);
    columns.push_back(o);
    columns.push_back(o + f.step);
    columns.push_back(o + 2 * f.step);
  }
  return columns;
}

void DrawCreepLinear(Canvas& canvas, int W, int H) {
  startGraph(canvas, W, H);
  const CreepFrame f = CreepLinearFrameOf(W, H);
  const int d = f.step;
  const int x1 = f.left + d, x2 = f.left + 2 * d, x3 = f.left + 3 * d, right = f.left + 4 * d;
  line(canvas, f.left, f.top, right + 1, f.top);
  for (int i = 0; i <= 40; ++i) {
    const int x = f.left + share(i, right - f.left, 40);
    line(canvas, x, f.top, x, f.bottom);
  }
  for (int i = 0; i <= 10; ++i) {
    const int y = f.top + share(i, f.range, 10);
    line(canvas, f.left, y, right, y);
  }

  // Day 0 to day 1 is the primary deformation; log10(1) adds nothing there.
  canvas.Pen.Color = clRed;
  canvas.Pen.Width = 2;
  canvas.MoveTo(f.left, f.top);
  for (int i = 1; i <= 40; ++i) {
    const Point p = CreepLinearPoint(f, i);
    canvas.LineTo(p.x, p.y);
  }

  canvas.Pen.Color = clBlack;
  canvas.Pen.Width = 1;
  text(canvas, kSansFamily, f.left - 4, f.top - 15, "0");
  text(canvas, kSansFamily, x1 - 10, f.top - 15, "10");
  text(canvas, kSansFamily, x2 - 10, f.top - 15, "20");
  text(canvas, kSansFamily, x3 - 10, f.top - 15, "30");
  text(canvas, kSansFamily, right - 10, f.top - 15, "40");
  text(canvas, kSansFamily, (2 * x2 + x1) / 3 - 10, f.top - 32, "time (days)");
  strainLabels(canvas, f);
}

void DrawCreepLog(Canvas& canvas, int W, int H) {
  startGraph(canvas, W, H);
  const CreepFrame f = CreepLogFrameOf(W, H);
  const int D = f.step;
  const int x1 = f.left + D, x2 = f.left + 2 * D, x3 = f.left + 3 * D;
  line(canvas, f.left, f.top, x3 + 1, f.top);
  const std::vector<int> columns = CreepLogColumns(f);
  for (int i = 1; i <= 10; ++i) {
    for (int k = 0; k < 3; ++k) {
      const int x = columns[static_cast<std::size_t>(3 * (i - 1) + k)];
      line(canvas, x, f.top, x, f.bottom);
    }
    const int y = f.top + share(i, f.range, 10);
    line(canvas, f.left, y, x3 + 1, y);
  }

  canvas.Pen.Color = clRed;
  canvas.Pen.Width = 2;
  line(canvas, f.left, f.top + f.range / 5, x3,
       f.top + nearest(static_cast<long double>(f.range / 2) * 1.2L));

  canvas.Pen.Color = clBlack;
  canvas.Pen.Width = 1;
  text(canvas, kSansFamily, f.left - 4, f.top - 15, "1");
  text(canvas, kSansFamily, x1 - 6, f.top - 15, "10");
  text(canvas, kSansFamily, x2 - 8, f.top - 15, "100");
  text(canvas, kSansFamily, x3 - 10, f.top - 15, "1000");
  text(canvas, kSansFamily, (2 * x1 + x2) / 3 - 10, f.top - 32, "time (days)");
  strainLabels(canvas, f);
}

void DrawCreepOption(Canvas& canvas, int item, int W, int H) {
  if (item == 0)
    DrawCreepLinear(canvas, W, H);
  else
    DrawCreepLog(canvas, W, H);
}

}  // namespace kavenor

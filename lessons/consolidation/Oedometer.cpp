#include "lessons/consolidation/Oedometer.h"

#include <cmath>
#include <utility>

#include "shell/Fonts.h"
#include "shell/Rounding.h"

namespace kavenor {
namespace {

// The white field with its black border, pen black width 1, brush white.
void startPicture(Canvas& canvas, int W, int H) {
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

// The sigma-prime of the stress axis: "s" in the Symbol face with the prime
// beside it. The prime's cell starts inside the sigma's, so it goes on
// without a background of its own and the sigma stays whole.
void sigmaPrime(Canvas& canvas, int x, int y) {
  text(canvas, kSymbolFamily, x, y, "s");
  canvas.Font.Name = QString::fromLatin1(kSansFamily);
  canvas.Brush.Style = BrushStyle::Clear;
  canvas.TextOut(x + 8, y, QStringLiteral("'"));
  canvas.Brush.Style = BrushStyle::Solid;
}

// i x span / parts, rounded to the nearest pixel.
int share(int i, int span, int parts) {
  return nearest(static_cast<long double>(i) * span / parts);
}

// The linear graph: grid of 21 + 21 lines, the curve, the labels.
void drawLinearGraph(Canvas& canvas, int W, int H, bool chords) {
  startPicture(canvas, W, H);
  const StressStrainFrame f = LinearFrameOf(W, H);
  line(canvas, f.left, f.top, f.right + 1, f.top);
  for (int i = 0; i <= 20; ++i) {
    const int x = f.left + share(i, f.right - f.left, 20);
    line(canvas, x, f.top, x, f.bottom);
  }
  for (int i = 0; i <= 20; ++i) {
    const int y = f.top + share(i, f.bottom - f.top, 20);
    line(canvas, f.left, y, f.right, y);
  }

  if (chords) {
    canvas.Pen.Color = clBlack;
    canvas.Pen.Width = 1;
  } else {
    canvas.Pen.Color = clRed;
    canvas.Pen.Width = 2;
  }
  canvas.MoveTo(f.left, f.bottom);
  for (int i = 1; i <= 40; ++i) {
    const Point p = LinearCurvePoint(f, i);
    canvas.LineTo(p.x, p.y);
  }
  if (chords) {
    canvas.Pen.Color = clRed;
    canvas.Pen.Width = 2;
    for (const auto& [from, to] : {std::pair{4, 7}, std::pair{27, 32}}) {
      const Point a = LinearCurvePoint(f, from), b = LinearCurvePoint(f, to);
      line(canvas, a.x, a.y, b.x, b.y);
    }
  }

  canvas.Pen.Color = clBlack;
  canvas.Pen.Width = 1;
  sigmaPrime(canvas, f.left - 32, f.mid - 8);
  text(canvas, kSymbolFamily, f.left + 2 * f.e - 4, f.bottom + 10, "-e");
  text(canvas, kSansFamily, f.left - 4, f.bottom + 4, "0");
  text(canvas, kSansFamily, f.right - 12, f.bottom + 4, "0.01");
  text(canvas, kSansFamily, f.left - 10, f.bottom - 6, "0");
  text(canvas, kSansFamily, f.left - 16, f.mid - 6, "10");
  text(canvas, kSansFamily, f.left - 16, f.top - 6, "20");
}

}  // namespace

void DrawOedometer(Canvas& canvas, int W, int H) {
  startPicture(canvas, W, H);

  // The bath and its water.
  const int a = W / 10, b = W - W / 10, yb = H - 5, yw = (H - 5) - H / 3;
  canvas.Pen.Color = clBlue;
  canvas.Brush.Color = clBlue;
  canvas.Rectangle(a, yw, b, yb);
  canvas.Pen.Color = clSilver;
  canvas.Brush.Color = clSilver;
  canvas.Rectangle(a - 4, yw, a, H - 1);
  canvas.Rectangle(b, yw, b + 4, H - 1);
  canvas.Rectangle(a - 4, H - 5, b + 4, H - 1);
  canvas.Pen.Color = clBlack;
  const Point outline[] = {{a - 4, yw}, {a, yw},         {a, H - 5},     {b, H - 5}, {b, yw},
                           {b + 4, yw}, {b + 4, H - 1}, {a - 4, H - 1}, {a - 4, yw}};
  canvas.Polyline(outline);

  // The ring: the left wall's slanted top rises 9 pixels, the right's 8.
  const int c = W / 4, e = H - 8, c2 = W - c;
  const int yt = e - H / 5 - 9;
  canvas.Brush.Color = clSilver;
  const Point leftWall[] = {{c, e}, {c, e - H / 5}, {c + 3, e - H / 5 - 9}, {c + 3, e}};
  canvas.Polygon(leftWall);
  const Point rightWall[] = {{c2, e}, {c2, e - H / 5}, {c2 - 3, e - H / 5 - 8}, {c2 - 3, e}};
  canvas.Polygon(rightWall);

  // Bottom porous stone, the sample, the loading plate.
  canvas.Brush.Color = clOlive;
  canvas.Rectangle(c + 4, H - 10, W - c - 3, H - 4);
  canvas.Pen.Color = clYellow;
  canvas.Brush.Color = clYellow;
  canvas.Rectangle(c + 4, yt + 4, W - c - 3, H - 10);
  canvas.Pen.Color = clBlack;
  canvas.Brush.Color = clOlive;
  canvas.Rectangle(c + 4, yt - 2, W - c - 3, yt + 4);

  // The loading rod and the load on it.
  const int n = W / 2 - 3, m = W / 2;
  canvas.Brush.Color = clSilver;
  canvas.Rectangle(n, H / 5, W - n, yt - 2);
  line(canvas, m, 4, m, H / 5);
  line(canvas, m - 2, H / 5 - 6, m, H / 5);
  line(canvas, m + 2, H / 5 - 6, m, H / 5);
}

StressStrainFrame LinearFrameOf(int W, int H) {
  StressStrainFrame f{};
  f.top = H / 6;
  f.bottom = H - H / 6;
  f.mid = (f.top + f.bottom) / 2;
  f.e = W / 5;
  f.left = W / 8;
  f.right = f.left + 4 * f.e;
  return f;
}

StressStrainFrame LogFrameOf(int W, int H) {
  StressStrainFrame f = LinearFrameOf(W, H);
  f.mid = H / 2;
  return f;
}

Point LinearCurvePoint(const StressStrainFrame& f, int i) {
  return {f.left + nearest(std::log10(static_cast<long double>(i + 1)) * f.e),
          f.bottom - share(i, f.bottom - f.top, 40)};
}

std::vector<int> LogGridRows(const StressStrainFrame& f) {
  std::vector<int> rows;
  for (int i = 1; i <= 10; ++i) {
    const long double decade = std::log10(static_cast<long double>(i));
    rows.push_back(f.mid - nearest(decade * (f.mid - f.top)));
    rows.push_back(f.bottom - nearest(decade * (f.bottom - f.mid)));
  }
  return rows;
}

void DrawLinearResult(Canvas& canvas, int W, int H) { drawLinearGraph(canvas, W, H, false); }

void DrawTestResults(Canvas& canvas, int W, int H) { drawLinearGraph(canvas, W, H, true); }

void DrawLogResult(Canvas& canvas, int W, int H) {
  startPicture(canvas, W, H);
  const StressStrainFrame f = LogFrameOf(W, H);
  line(canvas, f.left, f.top, f.right + 1, f.top);
  line(canvas, f.left, f.top, f.left, f.bottom);
  for (int i = 1; i <= 20; ++i) {
    const int x = f.left + share(i, f.right - f.left, 20);
    line(canvas, x, f.top, x, f.bottom);
  }
  for (const int y : LogGridRows(f)) line(canvas, f.left, y, f.right, y);

  // One decade of stress gives the same strain: a straight line.
  canvas.Pen.Color = clRed;
  canvas.Pen.Width = 2;
  line(canvas, f.left, f.bottom, ((f.left + f.e) + (f.left + 2 * f.e)) / 2, f.top);

  canvas.Pen.Color = clBlack;
  canvas.Pen.Width = 1;
  sigmaPrime(canvas, f.left - 32, (f.top + f.bottom) / 2 - 8);
  text(canvas, kSymbolFamily, f.left + 2 * f.e - 4, f.bottom + 10, "-e");
  text(canvas, kSansFamily, f.left - 4, f.bottom + 4, "0");
  text(canvas, kSansFamily, f.right - 12, f.bottom + 4, "0.01");
  text(canvas, kSansFamily, f.left - 10, f.bottom - 6, "1");
  text(canvas, kSansFamily, f.left - 16, f.mid - 6, "10");
  text(canvas, kSansFamily, f.left - 24, f.top - 6, "100");
}

void DrawOedometerOption(Canvas& canvas, int item, int W, int H) {
  switch (item) {
    case 0: DrawOedometer(canvas, W, H); break;
    case 1: DrawLinearResult(canvas, W, H); break;
    default: DrawLogResult(canvas, W, H); break;
  }
}

void DrawCompressibilityOption(Canvas& canvas, int item, int W, int H) {
  if (item == 0)
    DrawOedometer(canvas, W, H);
  else
    DrawTestResults(canvas, W, H);
}

}  // namespace kavenor

#include "lessons/shear/Mohr.h"

#include <cmath>
#include <memory>
#include <vector>

#include "shell/Fonts.h"
#include "shell/LayoutMetrics.h"
#include "shell/Primitives.h"
#include "shell/Rounding.h"

namespace kavenor {

void MohrModel::Tick() {
  ElementAngle += kMohrStep;
  if (ElementAngle > kMohrFullTurn) ElementAngle -= kMohrFullTurn;
}

MohrGeometry MohrLayout(int W, int H, double angle) {
  MohrGeometry g;
  g.W = W;
  g.H = H;
  g.a = W / 16;
  g.S1 = W / 5;
  g.S3 = W / 25;
  g.c = std::cos(angle);
  g.s = std::sin(angle);
  g.sxx = g.S1 * g.s * g.s + g.S3 * g.c * g.c;
  g.syy = g.S1 * g.c * g.c + g.S3 * g.s * g.s;
  g.t = g.c * g.s * (g.S1 - g.S3);
  g.u = W / 8;
  g.R = 2 * g.u;
  g.principal = {W / 4, H / 4};
  g.rotated = {W - W / 4, H / 4};
  g.origin = {W / 10, H - H / 4};
  g.centre = {g.origin.x + 3 * g.u, g.origin.y};
  g.pole = {g.centre.x + g.R, g.centre.y};
  const long double c2 = std::cos(2 * angle), s2 = std::sin(2 * angle);
  const int rc2 = nearest(g.R * c2), rs2 = nearest(g.R * s2);
  g.blue = {g.centre.x + rc2, g.centre.y - rs2};
  g.red = {g.centre.x - rc2, g.centre.y + rs2};
  return g;
}

std::array<Point, 4> TurnedSquare(const MohrGeometry& g, Point centre, int h) {
  const long double hc = static_cast<long double>(h) * g.c;
  const long double hs = static_cast<long double>(h) * g.s;
  const int x = centre.x, y = centre.y;
  return {{{x - nearest(hc - hs), y + nearest(hs + hc)},
           {x + nearest(hc + hs), y - nearest(hs - hc)},
           {x + nearest(hc - hs), y - nearest(hs + hc)},
           {x - nearest(hc + hs), y + nearest(hs - hc)}}};
}

std::array<Point, 4> FaceCentres(const std::array<Point, 4>& p) {
  std::array<Point, 4> m;
  for (int i = 0; i < 4; ++i) {
    const Point& p1 = p[i];
    const Point& p2 = p[(i + 1) % 4];
    m[i] = {(p1.x + p2.x) / 2, (p1.y + p2.y) / 2};
  }
  return m;
}

std::array<MohrArrow, 4> ShearArrows(const MohrGeometry& g) {
  const std::array<Point, 4> n = FaceCentres(TurnedSquare(g, g.rotated, g.a + 2));
  const int hc = nearest(static_cast<long double>(g.t) * g.c / 2);
  const int hs = nearest(static_cast<long double>(g.t) * g.s / 2);
  const auto at = [](Point p, int dx, int dy) { return Point{p.x + dx, p.y + dy}; };
  return {{{at(n[0], -hc, hs), at(n[0], hc, -hs)},
           {at(n[1], -hs, -hc), at(n[1], hs, hc)},
           {at(n[2], hc, -hs), at(n[2], -hc, hs)},
           {at(n[3], hs, hc), at(n[3], -hs, -hc)}}};
}

namespace {

void arrow(Canvas& canvas, Point from, Point to) {
  DrawArrow(canvas, from.x, from.y, to.x, to.y);
}

// A sigma ("s" in the Symbol face) with its index in the default face, 6
// pixels to the right and lower, each on the brush colour.
void sigma(Canvas& canvas, int sx, int sy, int ix, int iy, const char* index) {
  canvas.Font.Name = QString::fromLatin1(kSymbolFamily);
  canvas.TextOut(sx, sy, QStringLiteral("s"));
  canvas.Font.Name = QString::fromLatin1(kSansFamily);
  canvas.TextOut(ix, iy, QString::fromLatin1(index));
}

void drawPrincipalElement(Canvas& canvas, const MohrGeometry& g) {
  const int x = g.principal.x, y = g.principal.y, a = g.a, S1 = g.S1, S3 = g.S3;
  canvas.Brush.Color = clYellow;
  canvas.Polygon({{x - a, y + a}, {x + a, y + a}, {x + a, y - a}, {x - a, y - a}});
  canvas.Brush.Color = clWhite;

  canvas.Pen.Color = clGreen;
  DrawArrow(canvas, x, y + a + S1, x, y + a);
  DrawArrow(canvas, x, y - a - S1, x, y - a);
  DrawArrow(canvas, x + a + S3, y, x + a, y);
  DrawArrow(canvas, x - a - S3, y, x - a, y);

  // Each label sits 11 pixels beyond its arrow's tail.
  const int bottom = y + a + S1 + 11, top = y - a - S1 - 11;
  const int right = x + a + S3 + 11, left = x - a - S3 - 11;
  sigma(canvas, x - 8, bottom - 16, x - 2, bottom - 12, "1");
  sigma(canvas, right - 8, y - 6, right - 2, y - 2, "3");
  sigma(canvas, x - 8, top - 6, x - 2, top - 2, "1");
  sigma(canvas, left - 2, y - 6, left + 4, y - 2, "3");
  canvas.Pen.Color = clBlack;
}

// The points beyond the face centres m (bottom, right, top, left) at which a
// normal stress of `yy` (horizontal faces) or `xx` (vertical faces) ends.
std::array<Point, 4> normalTails(const MohrGeometry& g, const std::array<Point, 4>& m,
                                 double yy, double xx) {
  const int rs = nearest(static_cast<long double>(yy) * g.s);
  const int rc = nearest(static_cast<long double>(yy) * g.c);
  const int qc = nearest(static_cast<long double>(xx) * g.c);
  const int qs = nearest(static_cast<long double>(xx) * g.s);
  return {{{m[0].x + rs, m[0].y + rc},
           {m[1].x + qc, m[1].y - qs},
           {m[2].x - rs, m[2].y - rc},
           {m[3].x - qc, m[3].y + qs}}};
}

void drawRotatedElement(Canvas& canvas, const MohrGeometry& g) {
  const std::array<Point, 4> p = TurnedSquare(g, g.rotated, g.a);
  canvas.Brush.Color = clYellow;
  canvas.Polygon(p.data(), 4);
  canvas.Brush.Color = clWhite;

  // Normal stresses: blue on the horizontal faces, red on the vertical ones.
  const std::array<Point, 4> m = FaceCentres(p);
  const std::array<Point, 4> tail = normalTails(g, m, g.syy, g.sxx);
  canvas.Pen.Color = clBlue;
  arrow(canvas, tail[0], m[0]);
  arrow(canvas, tail[2], m[2]);
  canvas.Pen.Color = clRed;
  arrow(canvas, tail[1], m[1]);
  arrow(canvas, tail[3], m[3]);

  canvas.Pen.Color = clBlack;
  const std::array<Point, 4> label = normalTails(g, m, g.syy + 11, g.sxx + 11);
  static constexpr const char* kIndex[4] = {"yy", "xx", "yy", "xx"};
  for (int i = 0; i < 4; ++i)
    sigma(canvas, label[i].x - 8, label[i].y - 6, label[i].x - 2, label[i].y - 4, kIndex[i]);

  const std::array<MohrArrow, 4> shear = ShearArrows(g);
  canvas.Pen.Color = clBlue;
  arrow(canvas, shear[0].from, shear[0].to);
  arrow(canvas, shear[2].from, shear[2].to);
  canvas.Pen.Color = clRed;
  arrow(canvas, shear[1].from, shear[1].to);
  arrow(canvas, shear[3].from, shear[3].to);
  canvas.Pen.Color = clBlack;
}

void drawAxes(Canvas& canvas, const MohrGeometry& g) {
  const int x0 = g.origin.x, y0 = g.origin.y;
  const int xe = g.W - g.W / 10, yu = y0 - g.H / 5, yd = y0 + g.H / 5;
  canvas.Pen.Color = clBlack;
  DrawArrow(canvas, x0, y0, xe, y0);
  DrawArrow(canvas, x0, y0, x0, yu);
  DrawArrow(canvas, x0, y0, x0, yd);
  sigma(canvas, xe + 4, y0 - 14, xe + 10, y0 - 12, "xx");
  sigma(canvas, xe + 4, y0 + 2, xe + 10, y0 + 4, "yy");
  sigma(canvas, x0 + 4, yu - 6, x0 + 10, yu - 4, "yx");
  sigma(canvas, x0 + 4, yd - 6, x0 + 10, yd - 4, "xy");
}

void drawCircle(Canvas& canvas, const MohrGeometry& g) {
  DrawDegreeCircle(canvas, g.centre.x, g.centre.y, g.R);
}

void disc(Canvas& canvas, Point p, Rgb colour) {
  canvas.Pen.Color = clBlack;
  canvas.Brush.Color = colour;
  canvas.Ellipse(p.x - 3, p.y - 3, p.x + 3, p.y + 3);
}

void drawPoleAndAxes(Canvas& canvas, const MohrGeometry& g) {
  const Point q = g.pole;
  canvas.Brush.Color = clWhite;
  canvas.Pen.Color = clBlack;
  canvas.Pen.Style = PenStyle::Dot;
  DrawLine(canvas, q.x, q.y, g.blue.x, g.blue.y);
  DrawLine(canvas, q.x, q.y, g.red.x, g.red.y);
  DrawLine(canvas, g.centre.x, g.centre.y, g.blue.x, g.blue.y);
  DrawLine(canvas, g.centre.x, g.centre.y, g.red.x, g.red.y);
  canvas.Pen.Style = PenStyle::Solid;

  // The element's own axes, turned with it, drawn from the pole.
  const long double R = g.R;
  const int rc = nearest(R * g.c), rs = nearest(R * g.s);
  DrawArrow(canvas, q.x, q.y, q.x + rc, q.y - rs);
  DrawArrow(canvas, q.x, q.y, q.x - rs, q.y - rc);
  const int r1c = nearest(1.1L * R * g.c), r1s = nearest(1.1L * R * g.s);
  canvas.Font.Name = QString::fromLatin1(kSansFamily);
  canvas.TextOut(q.x + r1c - 2, q.y - r1s - 6, QStringLiteral("x"));
  canvas.TextOut(q.x - r1s - 2, q.y - r1c - 6, QStringLiteral("y"));
}

using CirclePoints = std::array<Point, 361>;

CirclePoints degreePoints(int R) {
  CirclePoints p;
  const long double r = R;
  for (int i = 0; i <= 360; ++i) {
    const long double theta = i * static_cast<long double>(kMohrPi) / 180;
    p[i] = {nearest(r * std::cos(theta)), nearest(r * std::sin(theta))};
  }
  return p;
}

// The points of the radii drawn so far, worked out once each: the lessons
// draw a few dozen fixed radii over and over. Radii beyond the cache's reach
// are worked out at every drawing.
constexpr int kCachedRadii = 1024;

const CirclePoints& cachedPoints(int R) {
  static std::vector<std::unique_ptr<CirclePoints>> cache(kCachedRadii);
  std::unique_ptr<CirclePoints>& slot = cache[static_cast<std::size_t>(R)];
  if (!slot) slot = std::make_unique<CirclePoints>(degreePoints(R));
  return *slot;
}

}  // namespace

void DrawDegreeCircle(Canvas& canvas, int xc, int yc, int R) {
  CirclePoints uncached;
  const bool cached = R >= 0 && R < kCachedRadii;
  if (!cached) uncached = degreePoints(R);
  const CirclePoints& p = cached ? cachedPoints(R) : uncached;
  canvas.MoveTo(xc + p[0].x, yc + p[0].y);
  for (int i = 1; i <= 360; ++i) canvas.LineTo(xc + p[i].x, yc + p[i].y);
}

void DrawMohr(Canvas& canvas, const MohrModel& model, int W, int H) {
  const MohrGeometry g = MohrLayout(W, H, model.ElementAngle);
  canvas.SetSize(W, H);
  canvas.Pen = CanvasPen{clBlack, PenStyle::Solid, 1};
  canvas.Brush = CanvasBrush{clWhite, BrushStyle::Solid};
  canvas.Font = CanvasFont{};
  canvas.Rectangle(0, 0, W, H);

  drawPrincipalElement(canvas, g);
  drawRotatedElement(canvas, g);
  drawAxes(canvas, g);
  drawCircle(canvas, g);
  disc(canvas, g.blue, clBlue);
  disc(canvas, g.red, clRed);
  drawPoleAndAxes(canvas, g);
}

void DrawMohr(Canvas& canvas, const MohrModel& model) {
  const LayoutMetrics& m = Layout();
  DrawMohr(canvas, model, m.AreaWidth, 2 * m.AreaHeight);
}

}  // namespace kavenor

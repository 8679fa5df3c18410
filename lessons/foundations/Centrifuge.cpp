#include "lessons/foundations/Centrifuge.h"

#include <cmath>

#include "shell/Colors.h"
#include "shell/Primitives.h"
#include "shell/Rounding.h"

namespace kavenor {

void CentrifugeModel::Tick() {
  if (RotationAngle >= 360)
    RotationAngle = 0;
  else
    RotationAngle += 1;
}

int CentrifugeModel::TickInterval(int position) { return 510 - 5 * position; }

CentrifugeSizes CentrifugeSizes::Of(int W, int H) {
  CentrifugeSizes s;
  s.cx = W / 2;
  s.yc = H / 2;
  s.R = W / 3;
  s.o = W / 40;
  s.t0 = H / 20;
  s.d = 3 * s.t0;
  s.w = nearest(0.2L * s.R);
  return s;
}

namespace {

// The oblique projection of a point of the rotating arm: a along the arm, b
// across it, V pixels below the arm's mid-plane. The circle of rotation shows
// as an ellipse flattened to 0.4, its near half lower on the screen.
struct Projection {
  int cx, yc;
  long double cosTheta, sinTheta;
  Point operator()(long double a, long double b, int V) const {
    return {cx + nearest(a * cosTheta - b * sinTheta),
            yc + V + nearest(0.4L * (a * sinTheta + b * cosTheta))};
  }
};

BasketOutline projectBasket(const Projection& at, const CentrifugeSizes& s, int sigma,
                            long double cosAlpha, long double sinAlpha) {
  BasketOutline basket;
  // The plate swings out about the arm's end and tilts, its outer edge rising.
  const int inner = 1 - s.w, outer = 1 + s.w, across = 3 * s.o;
  auto platePoint = [&](int radial, int b) {
    const long double rho = s.R + radial * cosAlpha + s.d * sinAlpha;
    return at(sigma * rho, b, nearest(s.d * cosAlpha - radial * sinAlpha));
  };
  // Both baskets start at b of the sign of their end: A at -3o, B at +3o.
  basket.plate[0] = platePoint(outer, sigma * across);
  basket.plate[1] = platePoint(inner, sigma * across);
  basket.plate[2] = platePoint(inner, -sigma * across);
  basket.plate[3] = platePoint(outer, -sigma * across);

  const int strip = s.o / 2;
  const long double top = s.R + 1, bottom = s.R + 1 + s.d * sinAlpha;
  const int drop = nearest(s.d * cosAlpha);
  basket.hanger[0] = at(sigma * top, sigma * strip, 0);
  basket.hanger[1] = at(sigma * top, -sigma * strip, 0);
  basket.hanger[2] = at(sigma * bottom, -sigma * strip, drop);
  basket.hanger[3] = at(sigma * bottom, sigma * strip, drop);

  const Point* p = basket.plate;
  const long long facing = static_cast<long long>(p[1].y - p[2].y) * p[0].x +
                           static_cast<long long>(p[2].y - p[0].y) * p[1].x +
                           static_cast<long long>(p[0].y - p[1].y) * p[2].x;
  basket.showsSoil = facing > 0;
  return basket;
}

void drawHanger(Canvas& canvas, const BasketOutline& basket) {
  canvas.Brush.Color = clSilver;
  canvas.Polygon(basket.hanger);
}

// The side that faces the viewer is drawn last.
void drawBasket(Canvas& canvas, const BasketOutline& basket) {
  if (basket.showsSoil) {
    canvas.Brush.Color = clLime;
    canvas.Polygon(basket.plate);
    drawHanger(canvas, basket);
  } else {
    drawHanger(canvas, basket);
    canvas.Brush.Color = clMaroon;
    canvas.Polygon(basket.plate);
  }
}

void drawFace(Canvas& canvas, Point a, Point b, Point c, Point d) {
  const Point face[] = {a, b, c, d};
  canvas.Polygon(face);
}

}  // namespace

CentrifugeOutline ProjectCentrifuge(double rotationAngle, int position, int W, int H) {
  const CentrifugeSizes s = CentrifugeSizes::Of(W, H);
  const long double theta = rotationAngle * 3.1415926L / 180;
  const Projection at{s.cx, s.yc, std::cos(theta), std::sin(theta)};
  const long double E = position / 40.0L;
  const long double root = std::sqrt(1 + E * E);
  const long double cosAlpha = 1 / root, sinAlpha = E / root;

  CentrifugeOutline out;
  const int a[] = {-s.R, s.R, s.R, -s.R};
  const int b[] = {-s.o, -s.o, s.o, s.o};
  for (int i = 0; i < 4; ++i) {
    out.P[i] = at(a[i], b[i], -s.t0);
    out.Q[i] = at(a[i], b[i], s.t0);
  }
  out.A = projectBasket(at, s, -1, cosAlpha, sinAlpha);
  out.B = projectBasket(at, s, 1, cosAlpha, sinAlpha);
  return out;
}

void DrawCentrifuge(Canvas& canvas, double rotationAngle, int position, int W, int H) {
  const CentrifugeSizes s = CentrifugeSizes::Of(W, H);
  const CentrifugeOutline m = ProjectCentrifuge(rotationAngle, position, W, H);
  const Point *P = m.P, *Q = m.Q;
  canvas.SetSize(W, H);
  canvas.Pen = CanvasPen{clBlack, PenStyle::Solid, 1};
  canvas.Brush = CanvasBrush{clWhite, BrushStyle::Solid};
  canvas.Rectangle(0, 0, W, H);

  canvas.Brush.Color = clSilver;  // the shaft
  canvas.Rectangle(s.cx - 3, 0, s.cx + 3, H);

  drawBasket(canvas, m.A);
  drawBasket(canvas, m.B);

  // The arm: the top face, and of the sides and ends those that face the viewer.
  canvas.Brush.Color = clRed;
  if (P[0].x > P[1].x) drawFace(canvas, P[0], P[1], Q[1], Q[0]);
  if (P[2].x > P[3].x) drawFace(canvas, P[3], P[2], Q[2], Q[3]);
  drawFace(canvas, P[0], P[1], P[2], P[3]);
  if (P[0].x < P[3].x) drawFace(canvas, P[0], Q[0], Q[3], P[3]);
  if (P[2].x < P[1].x) drawFace(canvas, P[1], Q[1], Q[2], P[2]);

  // A basket that swings in front of the arm is drawn again over it.
  if (m.A.hanger[0].x > P[0].x) drawBasket(canvas, m.A);
  if (m.B.hanger[0].x < P[1].x) {
    drawHanger(canvas, m.B);
    drawBasket(canvas, m.B);
  }

  canvas.Brush.Color = clSilver;  // the hub
  canvas.Ellipse(s.cx - 3, s.yc - s.t0 - 2, s.cx + 3, s.yc - s.t0 + 1);

  // The upper shaft over the arm, its edges in black.
  canvas.Pen.Color = clSilver;
  canvas.Rectangle(s.cx - 3, 1, s.cx + 3, s.yc - s.t0);
  canvas.Pen.Color = clBlack;
  DrawLine(canvas, s.cx - 3, 0, s.cx - 3, s.yc - s.t0);
  DrawLine(canvas, s.cx + 3, 0, s.cx + 3, s.yc - s.t0);
}

}  // namespace kavenor

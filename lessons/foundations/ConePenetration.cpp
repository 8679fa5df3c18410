#include "lessons/foundations/ConePenetration.h"

#include <algorithm>
#include <cstdlib>

#include "shell/Primitives.h"
#include "shell/Rounding.h"

namespace kavenor {

ConeSite ConeSite::Of(int width, int height) {
  ConeSite s;
  s.W = width;
  s.H = height;
  s.cx = width / 2;
  s.yp = height / 4;
  s.yg = height - height / 5;
  return s;
}

ConePenetrationModel::ConePenetrationModel(int width, int height)
    : site_(ConeSite::Of(width, height)) {}

void ConePenetrationModel::Activate() {
  RodCount = 1;
  BundlesTaken = 1;
  OddRod = 0;
}

int ConePenetrationModel::Restart() {
  PushStep = 0;
  CarryStep = 0;
  RodLength = 10;
  StringLength = RodLength;
  TestRunning = 1;
  Carrying = false;
  Settle();
  return kConePushInterval;
}

std::optional<int> ConePenetrationModel::Tick() {
  if (TestRunning <= 0) return std::nullopt;

  ++PushStep;
  int interval = kConePushInterval;
  Carrying = false;
  // The rod is pushed home: a pause before the next one is fetched.
  if (PushStep == RodLength - 1) interval = kConePauseInterval;
  // The push is over: this is a fetch step, the string stands still.
  if (PushStep == RodLength) {
    ++CarryStep;
    PushStep = RodLength - 1;
    interval = kConePushInterval;
    Carrying = true;
  }
  // The new rod stands on the string: a pause before it is joined.
  if (CarryStep == RodLength - 1) interval = kConePauseInterval;
  if (CarryStep == RodLength) {
    ++RodCount;
    ++OddRod;
    if (OddRod == 2) {
      ++BundlesTaken;
      OddRod = 0;
    }
    StringLength += RodLength;
    PushStep = 0;
    CarryStep = 0;
    interval = kConePauseInterval;
    Carrying = false;
  }
  Settle();
  return interval;
}

int ConePenetrationModel::StringTop() const { return site_.yp - RodLength - 6 + PushStep; }

int ConePenetrationModel::Tip() const { return StringTop() + StringLength + 1; }

int ConePenetrationModel::Crosshead() const {
  return site_.yp - RodLength - 6 + PushStep - CarryStep;
}

int ConePenetrationModel::PileCount() const {
  int n = kConePileBundles - BundlesTaken;
  if (CarryStep > 0 || OddRod == 1) --n;
  return n;
}

void ConePenetrationModel::Settle() {
  // The tip goes down one pixel at a time, so it meets the lower layer
  // exactly; the picture of that moment already shows the end pose.
  if (Tip() >= site_.yg) TestRunning = 0;
  const int n = PileCount();
  if (n <= 0)
    PileTop = {site_.cx + 24, StringTop() + StringLength};
  else
    PileTop = {site_.cx + 24 + (n - 1) % 2, site_.yp - 2 * (n - 1)};
}

std::array<Point, 4> CarriedRod(const ConePenetrationModel& model, int x, int y) {
  const int px = model.PileTop.x, py = model.PileTop.y, L = model.RodLength;
  const Point start[4] = {{px, py - 2}, {px, py - 4}, {px + L, py - 4}, {px + L, py - 2}};
  const Point end[4] = {{x - 23, y - 16}, {x - 21, y - 16}, {x - 21, y - 16 + L},
                        {x - 23, y - 16 + L}};
  // The last carry step (RodLength - 1) puts the rod on the string.
  const long double span = L > 1 ? L - 1 : 1;
  auto along = [&](int from, int to) {
    return from + nearest(static_cast<long double>((to - from) * model.CarryStep) / span);
  };
  std::array<Point, 4> corners;
  for (int i = 0; i < 4; ++i)
    corners[i] = {along(start[i].x, end[i].x), along(start[i].y, end[i].y)};
  return corners;
}

namespace {

void Quad(Canvas& c, Point a, Point b, Point d, Point e) {
  const Point points[] = {a, b, d, e};
  c.Polygon(points);
}

// Every part of a worker has pen and brush of one colour.
void Paint(Canvas& c, Rgb colour) {
  c.Pen.Color = colour;
  c.Brush.Color = colour;
}

// An arm three pixels thick from the shoulder to the hand: the two side lines
// lie above and below a mostly horizontal arm, left and right of a mostly
// vertical one.
void Arm(Canvas& c, int sx, int sy, int hx, int hy) {
  DrawLine(c, sx, sy, hx, hy);
  if (std::abs(hx - sx) > std::abs(hy - sy)) {
    DrawLine(c, sx, sy - 1, hx, hy - 1);
    DrawLine(c, sx, sy + 1, hx, hy + 1);
  } else {
    DrawLine(c, sx - 1, sy, hx - 1, hy);
    DrawLine(c, sx + 1, sy, hx + 1, hy);
  }
}

void Hand(Canvas& c, int hx, int hy) {
  for (int dx = -1; dx <= 1; ++dx) DrawLine(c, hx + dx, hy - 1, hx + dx, hy + 1);
}

// The standing worker facing right (side = 1) or, mirrored, left (side = -1):
// every horizontal offset from x is multiplied by side.
void Worker(Canvas& c, int x, int y, int hx, int hy, int side) {
  auto at = [&](int dx) { return x + side * dx; };
  auto row = [&](int dy, int from, int to) { DrawLine(c, at(from), y - dy, at(to), y - dy); };
  Paint(c, clMaroon);  // shoes
  c.Rectangle(at(0), y, at(8), y - 2);
  Paint(c, clOlive);  // ankle
  c.Rectangle(at(4), y - 2, at(7), y - 3);
  Paint(c, clBlue);  // trousers
  c.Rectangle(at(2), y - 3, at(8), y - 12);
  Paint(c, clGreen);  // jacket
  c.Rectangle(at(1), y - 12, at(9), y - 20);
  row(21, 2, 9);
  row(22, 3, 9);
  row(23, 4, 8);
  Paint(c, clRed);  // face
  row(24, 3, 7);
  row(25, 3, 8);
  row(26, 1, 8);
  row(27, 2, 8);
  row(28, 2, 8);
  Paint(c, clMaroon);  // hair
  row(29, 2, 8);
  row(30, 2, 8);
  row(31, 3, 7);
  Paint(c, clGreen);
  Arm(c, at(6), y - 22, hx, hy);
  Paint(c, clRed);
  Hand(c, hx, hy);
}

}  // namespace

void DrawStandingWorker(Canvas& canvas, int x, int y, int hx, int hy) {
  Worker(canvas, x, y, hx, hy, 1);
}

void DrawLeftWorker(Canvas& canvas, int x, int y, int hx, int hy, bool testRunning) {
  if (!testRunning) {
    hx = x - 6;
    hy = y - 9;
  }
  Worker(canvas, x, y, hx, hy, -1);
}

void DrawCarryingWorker(Canvas& c, int x, int y, const ConePenetrationModel& model) {
  auto row = [&](int dy, int from, int to) { DrawLine(c, x - from, y - dy, x - to, y - dy); };
  Paint(c, clMaroon);  // shoes
  c.Rectangle(x - 1, y, x - 5, y - 2);
  c.Rectangle(x - 6, y, x - 10, y - 2);
  Paint(c, clOlive);  // ankles
  c.Rectangle(x - 3, y - 2, x - 5, y - 3);
  c.Rectangle(x - 7, y - 2, x - 9, y - 3);
  Paint(c, clBlue);  // trousers
  c.Rectangle(x - 2, y - 3, x - 10, y - 12);
  Paint(c, clGreen);  // jacket
  c.Rectangle(x - 1, y - 12, x - 11, y - 21);
  row(22, 2, 11);
  row(23, 3, 10);
  Paint(c, clRed);  // face
  row(24, 4, 8);
  for (int dy = 25; dy <= 28; ++dy) row(dy, 4, 9);
  Paint(c, clMaroon);  // hair
  row(29, 4, 9);
  row(30, 4, 9);
  row(31, 5, 8);

  const std::array<Point, 4> rod = CarriedRod(model, x, y);
  c.Pen.Color = clBlack;
  c.Brush.Color = clSilver;
  c.Polygon(rod.data(), 4);

  const int hx = (rod[0].x + rod[1].x + rod[2].x + rod[3].x) / 4;
  const int hy = (rod[0].y + rod[1].y + rod[2].y + rod[3].y) / 4;
  // He holds the rod with the arm on its side; the other hangs free.
  const bool ahead = x - 6 > hx;
  const int fx = ahead ? x - 2 : x - 11;
  const int sx = ahead ? x - 9 : x - 2;
  Paint(c, clGreen);  // free arm
  for (int dx = -1; dx <= 1; ++dx) DrawLine(c, fx + dx, y - 21, fx + dx, y - 9);
  Paint(c, clRed);  // free hand
  for (int dx = -1; dx <= 1; ++dx) DrawLine(c, fx + dx, y - 8, fx + dx, y - 10);
  Paint(c, clGreen);
  Arm(c, sx, y - 22, hx, hy);
  Paint(c, clRed);
  Hand(c, hx, hy);
}

void DrawTestSite(Canvas& c, const ConePenetrationModel& model) {
  const ConeSite& s = model.Site();
  const int W = s.W, H = s.H, cx = s.cx, yp = s.yp, yg = s.yg;
  const int L = model.RodLength;
  const int yr = model.StringTop(), ytip = model.Tip(), yh = model.Crosshead();

  c.SetSize(W, H);
  c.Pen = CanvasPen{clBlack, PenStyle::Solid, 1};
  c.Brush = CanvasBrush{clWhite, BrushStyle::Solid};
  c.Rectangle(0, 0, W, H);
  c.Brush.Color = clOlive;  // upper soil
  c.Rectangle(0, yp, W, yg + 1);
  c.Brush.Color = clYellow;  // lower layer
  c.Rectangle(0, yg, W, H);
  c.Brush.Color = clRed;  // rig base
  c.Rectangle(cx - 10, yp, cx + 10, yp - 6);

  c.Brush.Color = clSilver;  // rig frame: two columns and the top bar
  Quad(c, {cx - 6, yp + 1}, {cx - 6, yp - 38}, {cx - 4, yp - 38}, {cx - 4, yp + 1});
  Quad(c, {cx + 4, yp + 1}, {cx + 4, yp - 38}, {cx + 6, yp - 38}, {cx + 6, yp + 1});
  Quad(c, {cx - 8, yp - 34}, {cx - 8, yp - 36}, {cx + 8, yp - 36}, {cx + 8, yp - 34});

  Quad(c, {cx - 8, yh - 4}, {cx - 8, yh - 6}, {cx + 8, yh - 6}, {cx + 8, yh - 4});  // crosshead
  c.Brush.Color = clBlack;  // its clamp
  c.Rectangle(cx - 2, yh, cx + 3, yh - 4);
  c.Brush.Color = clSilver;

  // The rod string, 3 pixels wide, with the pointed cone at its tip.
  const Point string[] = {{cx - 1, yr}, {cx - 1, ytip}, {cx, ytip + 3}, {cx + 1, ytip},
                          {cx + 1, yr}};
  c.Polygon(string);
  for (int i = 1; i <= model.RodCount; ++i) DrawLine(c, cx - 1, yr + i * L, cx + 1, yr + i * L);

  // The pile: bundles stacked two pixels apart, every other one a pixel to
  // the right.
  const int n = model.PileCount();
  for (int i = 1; i <= n; ++i) {
    const int x0 = cx + 24 + (i - 1) % 2, y = yp - 2 * (i - 1);
    Quad(c, {x0, y}, {x0 + L, y}, {x0 + L, y - 2}, {x0, y - 2});
  }

  if (model.Carrying)
    DrawCarryingWorker(c, cx + 22, yp, model);
  else
    DrawStandingWorker(c, cx + 12, yp, cx + 16, yp - 8);
  // The left worker holds the rig, lifting his hand while the rod is brought.
  DrawLeftWorker(c, cx - 12, yp, cx - 8, model.Carrying ? yp - 27 : yp - 24,
                 model.TestRunning != 0);
}

}  // namespace kavenor

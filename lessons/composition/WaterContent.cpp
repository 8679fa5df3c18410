#include "lessons/composition/WaterContent.h"

#include <algorithm>

#include "shell/Colors.h"
#include "shell/Random.h"

namespace kavenor {

WaterContentGeometry WaterContentLayout(int L, int T, int W, int H) {
  WaterContentGeometry g;
  g.L = L;
  g.T = T;
  g.W = W;
  g.H = H;
  g.yB = T + H - H / 4;
  g.yTop = g.yB - H / 5;
  g.xl = L + W / 5;
  g.xr = L + W - W / 5;
  g.t = W / 50;
  g.sL = g.xl + g.t + 1;
  g.sR = g.xr - g.t;
  return g;
}

WaterContentModel::WaterContentModel(const WaterContentGeometry& geometry)
    : g_(geometry),
      columns_(std::max(g_.sR - g_.sL - 1, 0)),
      rows_(std::max(g_.yB - g_.yTop - 1, 0)),
      specks_(static_cast<std::size_t>(columns_) * rows_, Speck::None) {}

Speck WaterContentModel::At(int x, int y) const {
  const int cx = x - g_.sL, cy = y - g_.yTop;
  if (cx < 0 || cy < 0 || cx >= columns_ || cy >= rows_) return Speck::None;
  return specks_[static_cast<std::size_t>(cy) * columns_ + cx];
}

int WaterContentModel::WaterLeft() const {
  return static_cast<int>(std::count(specks_.begin(), specks_.end(), Speck::Water));
}

void WaterContentModel::land(Speck speck, bool& changed) {
  // The x of a speck is drawn before its y.
  const int cx = Random(g_.sR - g_.sL - 1);
  const int cy = Random(g_.yB - g_.yTop - 1);
  if (specks_.empty()) return;
  Speck& s = specks_[static_cast<std::size_t>(cy) * columns_ + cx];
  if (s != speck) changed = true;
  s = speck;
}

void WaterContentModel::Wet() {
  Randomize();
  std::fill(specks_.begin(), specks_.end(), Speck::None);
  bool changed = false;
  for (int i = 0; i < kWaterSpecks; ++i) land(Speck::Water, changed);
  Hot = false;
}

bool WaterContentModel::Tick() {
  if (!HeaterOn) return false;
  bool changed = !Hot;
  Hot = true;
  for (int i = 0; i < kDrySpecksPerTick; ++i) land(Speck::Dry, changed);
  return changed;
}

namespace {

// Drawing in window coordinates on a bitmap whose corner is (L, T).
class WindowPainter {
 public:
  WindowPainter(Canvas& c, int ox, int oy) : c_(c), ox_(ox), oy_(oy) {}
  void Line(int x1, int y1, int x2, int y2) {
    c_.MoveTo(x1 - ox_, y1 - oy_);
    c_.LineTo(x2 - ox_, y2 - oy_);
  }
  void LineTo(int x, int y) { c_.LineTo(x - ox_, y - oy_); }
  void MoveTo(int x, int y) { c_.MoveTo(x - ox_, y - oy_); }
  void Fill(int l, int t, int r, int b) { c_.FillRect(l - ox_, t - oy_, r - ox_, b - oy_); }
  void Box(int l, int t, int r, int b) { c_.Rectangle(l - ox_, t - oy_, r - ox_, b - oy_); }
  void Quad(Point a, Point b, Point c, Point d) {
    const Point p[] = {{a.x - ox_, a.y - oy_},
                       {b.x - ox_, b.y - oy_},
                       {c.x - ox_, c.y - oy_},
                       {d.x - ox_, d.y - oy_}};
    c_.Polygon(p);
  }
  void Text(int x, int y, const QString& text) { c_.TextOut(x - ox_, y - oy_, text); }
  Canvas& canvas() { return c_; }

 private:
  Canvas& c_;
  int ox_, oy_;
};

}  // namespace

void DrawWaterContent(Canvas& canvas, const WaterContentModel& m) {
  const WaterContentGeometry& g = m.Geometry();
  const int L = g.L, T = g.T, W = g.W, H = g.H;
  canvas.SetSize(W + 1, H + 1);
  WindowPainter p(canvas, L, T);
  Canvas& c = p.canvas();

  // The drawing area: a black outline round a white field.
  c.Pen = CanvasPen{clBlack, PenStyle::Solid, 1};
  c.Brush = CanvasBrush{clWhite, BrushStyle::Solid};
  p.MoveTo(L, T);
  p.LineTo(L, T + H);
  p.LineTo(L + W, T + H);
  p.LineTo(L + W, T);
  p.LineTo(L, T);
  p.Fill(L + 1, T + 1, L + W, T + H);

  // The table, and the container's walls, each 9 pixels lower outside.
  p.Line(L + W / 10, g.yB, L + W - W / 10, g.yB);
  c.Brush.Color = clSilver;
  const int outerTop = g.yB - H / 5 + H / 20;
  p.Quad({g.xl, g.yB}, {g.xl, outerTop}, {g.xl + g.t, g.yTop}, {g.xl + g.t, g.yB});
  p.Quad({g.xr, g.yB}, {g.xr, outerTop}, {g.xr - g.t, g.yTop}, {g.xr - g.t, g.yB});

  // The sample with its top line, and what the specks left on it.
  c.Brush.Color = clYellow;
  p.Fill(g.sL, g.yTop, g.sR, g.yB);
  p.Line(g.sL, g.yTop, g.sR, g.yTop);
  for (int row = 0; row < m.SpeckRows(); ++row) {
    for (int col = 0; col < m.SpeckColumns(); ++col) {
      const int x = g.sL + col, y = g.yTop + row;
      const Speck s = m.At(x, y);
      if (s == Speck::None) continue;
      c.Pen.Color = s == Speck::Water ? clBlue : clYellow;
      p.Line(x, y, x + 1, y);
    }
  }

  // The plate: blue while cold, red once the heater has ticked, with the
  // warning above the container.
  c.Pen.Color = m.Hot ? clRed : clBlue;
  c.Brush.Color = m.Hot ? clRed : clBlue;
  p.Fill(g.sL, g.yB + 10, g.sR, g.yB + 20);
  if (!m.Hot) return;
  c.Pen.Color = clBlack;
  c.Brush.Color = clAqua;
  const int x = g.sL / 3, y = g.yB / 4;
  p.Box(x - 5, y + 14, x + 300, y + 62);
  // The window's own font: the bold one of the frame.
  c.Font = CanvasFont{};
  c.Font.Bold = true;
  p.Text(x, y + 20, QStringLiteral("Please be careful when removing sample"));
  p.Text(x, y + 40, QStringLiteral("Container may be very hot !"));
}

}  // namespace kavenor

#include "lessons/composition/WaterContent.h"

#include <algorithm>

#include "shell/Colors.h"
#include "shell/Primitives.h"
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

void DrawWaterContent(Canvas& c, const WaterContentModel& m) {
  const WaterContentGeometry& g = m.Geometry();
  const int L = g.L, T = g.T, W = g.W, H = g.H;
  c.SetSize(W + 1, H + 1);
  // Drawn in window coordinates.
  c.SetOrigin({L, T});

  DrawAreaOutline(c, L, T, W, H);

  // The table, and the container's walls, each 9 pixels lower outside.
  DrawLine(c, L + W / 10, g.yB, L + W - W / 10, g.yB);
  c.Brush.Color = clSilver;
  const int outerTop = g.yB - H / 5 + H / 20;
  c.Polygon({{g.xl, g.yB}, {g.xl, outerTop}, {g.xl + g.t, g.yTop}, {g.xl + g.t, g.yB}});
  c.Polygon({{g.xr, g.yB}, {g.xr, outerTop}, {g.xr - g.t, g.yTop}, {g.xr - g.t, g.yB}});

  // The sample with its top line, and what the specks left on it.
  c.Brush.Color = clYellow;
  c.FillRect(g.sL, g.yTop, g.sR, g.yB);
  DrawLine(c, g.sL, g.yTop, g.sR, g.yTop);
  for (int row = 0; row < m.SpeckRows(); ++row) {
    for (int col = 0; col < m.SpeckColumns(); ++col) {
      const int x = g.sL + col, y = g.yTop + row;
      const Speck s = m.At(x, y);
      if (s == Speck::None) continue;
      c.Pen.Color = s == Speck::Water ? clBlue : clYellow;
      DrawLine(c, x, y, x + 1, y);
    }
  }

  // The plate: blue while cold, red once the heater has ticked, with the
  // warning above the container.
  c.Pen.Color = m.Hot ? clRed : clBlue;
  c.Brush.Color = m.Hot ? clRed : clBlue;
  c.FillRect(g.sL, g.yB + 10, g.sR, g.yB + 20);
  if (!m.Hot) return;
  c.Pen.Color = clBlack;
  c.Brush.Color = clAqua;
  const int x = g.sL / 3, y = g.yB / 4;
  c.Rectangle(x - 5, y + 14, x + 300, y + 62);
  // The window's own font: the bold one of the frame.
  c.Font = CanvasFont{};
  c.Font.Bold = true;
  c.TextOut(x, y + 20, QStringLiteral("Please be careful when removing sample"));
  c.TextOut(x, y + 40, QStringLiteral("Container may be very hot !"));
}

}  // namespace kavenor

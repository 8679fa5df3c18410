#include "lessons/composition/Cylinder.h"

#include <algorithm>

#include "shell/Random.h"
#include "shell/Rounding.h"

namespace kavenor {

CylinderGeometry CylinderGeometry::Of(int width, int height) {
  CylinderGeometry g;
  g.W = width;
  g.H = height;
  g.dx = width / 10;
  g.dy = height / 10;
  g.yG = height - g.dy;
  g.xa = 4 * g.dx;
  g.xb = 6 * g.dx;
  g.InnerLeft = g.xa + 5;
  g.InnerRight = g.xb - 5;
  g.yI = g.yG - 3;
  g.Top = g.dy;
  return g;
}

void GrainField::Scatter() {
  for (int k = 0; k < kFallingGrains; ++k) {
    X[k] = static_cast<double>(Random(100) * 0.01L);
    Y[k] = static_cast<double>(Random(100) * 0.01L);
  }
}

// ------------------------------------------------------------------ fill

void SandFill::Restart() {
  Tick = 0;
  Falling = 0;
  Grains.Scatter();
}

bool SandFill::Step() {
  if (Tick < kFillTicks) {
    ++Tick;
    Falling = 1;
    return true;
  }
  Falling = 0;
  return false;
}

int SandFill::WaterTop(const CylinderGeometry& g) const {
  return g.InitialWater() - nearest(0.2L * Tick);
}

int SandFill::SandTop(const CylinderGeometry& g) const { return g.yI - nearest(0.4L * Tick); }

CylinderScene SandFill::Scene(const CylinderGeometry& g, int sandTop) const {
  CylinderScene s;
  s.WaterTop = WaterTop(g);
  s.SandTop = sandTop;
  s.Falling = Falling > 0;
  s.Tick = Tick;
  if (s.Falling) s.Grains = Grains;
  return s;
}

// ----------------------------------------------------------------- shake

void ShakeModel::Activate() {
  Randomize();
  Interval = kFillInterval;
  Fill.Tick = 0;
  Fill.Falling = 0;
  Shaking = 0;
  Compaction = 0;
  ShakeTicks = 0;
  NextStep = setup_.FirstStep;
  Jiggle = 3;
  Fill.Grains.Scatter();
  ButtonVisible = false;
  ButtonEnabled = false;
  ButtonShift = 0;
}

bool ShakeModel::Tick() {
  const ShakeModel before = *this;
  advance();
  return !(*this == before);
}

void ShakeModel::advance() {
  if (Shaking == 0 && Fill.Step()) return;
  Fill.Falling = 0;
  // Once the compaction is complete nothing changes any more, so nothing is
  // counted either: a lesson left open for months keeps its counters.
  if (Done()) return;
  Interval = kWaitInterval;
  ButtonVisible = true;
  ButtonEnabled = true;
  if (Shaking > 0) {
    ++ShakeTicks;
    Jiggle = -Jiggle;
    ButtonShift += Jiggle;
    if (Compaction < setup_.Steps && ShakeTicks == NextStep) {
      ++Compaction;
      ShakeTicks = 0;
      NextStep += setup_.StepGrowth;
    }
  }
  if (Compaction == setup_.Steps) {
    Jiggle = 0;
    if (setup_.HideWhenDone) ButtonVisible = false;
  }
}

bool ShakeModel::AtRest() const {
  ShakeModel next = *this;
  return !next.Tick();
}

CylinderScene ShakeModel::Scene(const CylinderGeometry& g) const {
  return Fill.Scene(g, Fill.SandTop(g) + std::min(Compaction, 10));
}

// ---------------------------------------------------------------- volume

void VolumeModel::Activate() {
  Randomize();
  Interval = kFillInterval;
  Fill.Restart();
}

bool VolumeModel::Tick() {
  const VolumeModel before = *this;
  if (!Fill.Step()) Interval = kWaitInterval;
  return !(*this == before);
}

bool VolumeModel::AtRest() const {
  VolumeModel next = *this;
  return !next.Tick();
}

CylinderScene VolumeModel::Scene(const CylinderGeometry& g) const {
  CylinderScene s = Fill.Scene(g, Fill.SandTop(g));
  s.InitialLevel = g.InitialWater();
  s.VolumeLabels = Fill.Tick > 110;
  return s;
}

// ---------------------------------------------------------- rising water

void RisingWaterModel::Activate() {
  Randomize();
  Count = 0;
  Filling = 0;
  ButtonVisible = true;
  ButtonEnabled = true;
}

bool RisingWaterModel::Tick() {
  const RisingWaterModel before = *this;
  if (Filling > 0 && Count < kRise) ++Count;
  if (Count == kRise) ButtonVisible = false;
  return !(*this == before);
}

bool RisingWaterModel::AtRest() const {
  RisingWaterModel next = *this;
  return !next.Tick();
}

CylinderScene RisingWaterModel::Scene(const CylinderGeometry& g) const {
  CylinderScene s;
  s.WaterTop = g.yI - 60 - Count;
  s.SandTop = g.yI - 38;
  return s;
}

// --------------------------------------------------------------- drawing

void DrawCylinder(Canvas& c, const CylinderScene& s, int W, int H) {
  const CylinderGeometry g = CylinderGeometry::Of(W, H);
  const int left = g.InnerLeft, right = g.InnerRight;

  c.SetSize(W, H);
  c.Pen = CanvasPen{};
  c.Brush = CanvasBrush{};
  c.Font = CanvasFont{};
  c.Rectangle(0, 0, W, H);

  c.MoveTo(g.dx, g.yG);
  c.LineTo(W - g.dx, g.yG);
  const Point foot[] = {{g.xa - 5, g.yG}, {left, g.yI}, {right, g.yI}, {g.xb + 5, g.yG}};
  c.Polyline(foot);
  c.MoveTo(left, g.yI);
  c.LineTo(left, g.Top);
  c.MoveTo(right, g.yI);
  c.LineTo(right, g.Top);

  if (s.InitialLevel) {
    for (const int y : {g.yI, *s.InitialLevel, s.WaterTop, s.SandTop}) {
      c.MoveTo(right + 5, y);
      c.LineTo(right + 45, y);
    }
  }

  c.Brush.Color = clBlue;
  c.FillRect(left + 1, s.WaterTop, right, s.SandTop);
  c.Brush.Color = clYellow;
  c.FillRect(left + 1, s.SandTop, right, g.yI);

  if (s.Falling) {
    // The grains sink one pixel a tick and vanish in the sand.
    for (int k = 0; k < kFallingGrains; ++k) {
      const int px = nearest(static_cast<long double>(right - left) * s.Grains.X[k]) + left;
      const int py =
          nearest(static_cast<long double>(s.SandTop - g.dy) * s.Grains.Y[k] + s.Tick) + g.dy;
      if (py < s.SandTop) c.FillRect(px, py, px + 2, py + 2);
    }
  }

  for (int i = 1; i <= 75; ++i) {
    c.MoveTo(right - 5, g.yI - 2 * i);
    c.LineTo(right, g.yI - 2 * i);
  }
  for (int i = 1; i <= 15; ++i) {
    c.MoveTo(right - 10, g.yI - 10 * i);
    c.LineTo(right, g.yI - 10 * i);
  }

  if (s.VolumeLabels && s.InitialLevel) {
    c.Brush.Color = clWhite;
    c.TextOut(right + 10, g.yI - 30, QStringLiteral("Volume of soil"));
    c.TextOut(right + 10, *s.InitialLevel - 20, QStringLiteral("Volume of particles"));
  }
}

}  // namespace kavenor

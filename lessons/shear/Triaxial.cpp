#include "lessons/shear/Triaxial.h"

#include <algorithm>
#include <cmath>

#include "shell/LayoutMetrics.h"
#include "shell/Primitives.h"
#include "shell/Rounding.h"

namespace kavenor {

namespace {

// The height the water rises through from the underside of the base to 10
// pixels below the inside of the cell's top plate.
int fullLevelOf(int Ha) { return Ha - Ha / 10 - Ha / 8; }

}  // namespace

TriaxialModel::TriaxialModel(int areaHeight) : fullLevel_(fullLevelOf(areaHeight)) {}

void TriaxialModel::Activate() {
  Stage = 0;
  TextPending = 0;
  FillLevel = 0;
  PistonGap = kPistonStartGap;
  TestProgress = 0;
}

void TriaxialModel::Next() {
  if (Stage < kLastStage) ++Stage;
  TextPending = 1;
}

void TriaxialModel::Tick() {
  // The level would go on counting once the cell is full, where the water
  // shows no more; it stops there.
  if (Stage > 5 && FillLevel < fullLevel_) ++FillLevel;
  if (Stage > 6 && TestProgress < kTestSteps) {
    --PistonGap;
    if (PistonGap < 0) {
      PistonGap = 0;
      if (Stage > 7) ++TestProgress;
    }
  }
}

std::vector<std::string> TriaxialModel::TakePendingLines() {
  std::vector<std::string> lines;
  if (TextPending > 0) lines = PhaseLines(Stage);
  TextPending = 0;
  return lines;
}

std::vector<std::string> PhaseLines(int stage) {
  switch (stage) {
    case 1: return {"2. Placement of the soil sample."};
    case 2: return {"3. Placement of the top cap."};
    case 3: return {"4. Application of the rubber membrane."};
    case 4: return {"5. Application of the O-rings."};
    case 5: return {"6. Placement of the cell."};
    case 6: return {"7. Filling the cell with water."};
    case 7: return {"8. Lowering the piston."};
    case 8:
      return {"9. Performing the test.", " ",
              "During the test the pressure in the cell remains constant, while the piston "
              "is moved downwards at a constant velocity. The force in the piston gradually "
              "increases, until the sample fails. During the test the vertical displacement "
              "of the piston and the vertical force in the piston are measured."};
    default: return {};
  }
}

TriaxialGeometry TriaxialLayout(const TriaxialModel& model, int W, int Ha) {
  TriaxialGeometry g;
  g.W = W;
  g.Ha = Ha;
  g.Hh = nearest(0.5L * Ha);
  g.xL = W / 2 - W / 5;
  g.xP = W / 2 - W / 14;
  g.yB = g.Hh + Ha - Ha / 10 + 10;
  g.yT = Ha / 8 + g.Hh - 10;
  g.ys = g.yB - 20 - Ha / 2 + model.TestProgress / 4;
  g.yw = std::max(g.yB - model.FillLevel, g.yT + 20);
  g.yg = 20 - model.PistonGap + model.TestProgress / 4;
  g.rodBottom = g.ys - 14 - model.PistonGap;
  const long double a = std::min(model.TestProgress + 50, 140) * kTriaxialPi / 180;
  g.needle = {W / 2 - nearest(10 * std::cos(a)), g.yg - nearest(10 * std::sin(a))};
  return g;
}

void DrawTriaxial(Canvas& canvas, const TriaxialModel& model, int W, int Ha) {
  const TriaxialGeometry g = TriaxialLayout(model, W, Ha);
  const int Hh = g.Hh, xL = g.xL, xP = g.xP, yB = g.yB, yT = g.yT, ys = g.ys;
  const int stage = model.Stage;
  canvas.SetSize(W, Ha + Hh);
  canvas.Pen = CanvasPen{clBlack, PenStyle::Solid, 1};
  canvas.Brush = CanvasBrush{clWhite, BrushStyle::Solid};
  canvas.Rectangle(0, 0, W, Ha + Hh);

  if (stage > 4) {  // the cell: its top plate and walls of two lines each
    canvas.Brush.Color = clSilver;
    canvas.Rectangle(xL, yT, W - xL + 1, yT + 11);
    canvas.Brush.Color = clWhite;
    canvas.Rectangle(xL + 5, yT + 10, W - xL - 5, yB - 9);
    canvas.Rectangle(xL + 7, yT + 10, W - xL - 7, yB - 9);
  }
  if (stage > 5) {  // the water, its lowest part hidden by the base
    canvas.Brush.Color = clBlue;
    canvas.Rectangle(xL + 7, yB - 9, W - xL - 7, g.yw);
  }
  // The base: a slab with a pedestal under the sample.
  canvas.Brush.Color = clSilver;
  canvas.Polygon({{xL, yB}, {xL, yB - 10}, {xP, yB - 10}, {xP, yB - 20}, {W - xP, yB - 20},
                  {W - xP, yB - 10}, {W - xL, yB - 10}, {W - xL, yB}});
  canvas.Brush.Color = clMaroon;
  canvas.Rectangle(0, yB, W, Ha + Hh);

  if (stage > 0) {  // the sample
    canvas.Brush.Color = clOlive;
    canvas.Polygon({{xP, yB - 20}, {W - xP, yB - 20}, {W - xP, ys}, {xP, ys}});
  }
  if (stage > 1) {  // the top cap and its ball
    canvas.Brush.Color = clSilver;
    canvas.Rectangle(xP, ys - 10, W - xP + 1, ys + 1);
    canvas.Ellipse(W / 2 - 2, ys - 15, W / 2 + 3, ys - 10);
  }
  if (stage > 2) {  // the membrane
    DrawLine(canvas, xP - 1, yB - 13, xP - 1, ys - 9);
    DrawLine(canvas, W - xP + 1, yB - 13, W - xP + 1, ys - 9);
  }
  if (stage > 3) {  // the O-rings
    canvas.Brush.Color = clBlack;
    canvas.Ellipse(xP - 5, yB - 18, xP - 1, yB - 14);
    canvas.Ellipse(xP - 5, ys - 6, xP - 1, ys - 2);
    canvas.Ellipse(W - xP + 2, yB - 18, W - xP + 6, yB - 14);
    canvas.Ellipse(W - xP + 2, ys - 6, W - xP + 6, ys - 2);
  }
  if (stage > 6) {  // the piston and its force gauge
    const int xc = W / 2, yg = g.yg;
    canvas.Brush.Color = clSilver;
    canvas.Rectangle(xc - 2, 0, W - (xc - 2) + 1, g.rodBottom);
    canvas.Ellipse(xc - 14, yg - 14, xc + 14, yg + 14);
    canvas.Brush.Color = clWhite;
    canvas.Ellipse(xc - 12, yg - 12, xc + 12, yg + 12);
    DrawArrow(canvas, xc, yg, g.needle.x, g.needle.y);
  }
}

void DrawTriaxial(Canvas& canvas, const TriaxialModel& model) {
  const LayoutMetrics& m = Layout();
  DrawTriaxial(canvas, model, m.AreaWidth, m.AreaHeight);
}

}  // namespace kavenor

#include "lessons/foundations/LimitAnalysis.h"

#include "shell/Colors.h"
#include "shell/Primitives.h"

namespace kavenor {

bool LimitAnalysisModel::Tick() {
  if (n >= kFullLoad) return false;
  ++n;
  return true;
}

LimitAnalysisLevels LimitAnalysisGeometry(int W, int H, int n) {
  LimitAnalysisLevels g;
  g.cx = W / 2;
  g.y0 = H / 3;
  g.y1 = 3 * (H / 4);
  g.yq = g.y0 - n;
  return g;
}

void DrawLimitAnalysis(Canvas& canvas, const LimitAnalysisModel& model, int W, int H) {
  const LimitAnalysisLevels g = LimitAnalysisGeometry(W, H, model.n);
  canvas.SetSize(W, H);
  canvas.Pen = CanvasPen{clBlack, PenStyle::Solid, 1};
  canvas.Brush = CanvasBrush{clWhite, BrushStyle::Solid};
  canvas.Rectangle(0, 0, W, H);

  canvas.Brush.Color = clYellow;  // the upper layer
  canvas.Rectangle(0, g.y0, W, g.y1 + 1);
  canvas.Brush.Color = clOlive;  // the lower layer
  canvas.Rectangle(0, g.y1, W, H);

  // The strip load: eleven arrows 4 pixels apart onto the surface; arrows of
  // 5 pixels or less are drawn without heads.
  for (int i = 0; i <= 10; ++i) {
    const int x = g.cx + 4 * i - 20;
    DrawArrow(canvas, x, g.yq, x, g.y0);
  }
  DrawLine(canvas, g.cx - 20, g.yq, g.cx + 20, g.yq);
}

}  // namespace kavenor

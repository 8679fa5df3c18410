#include "lessons/foundations/H75.h"

#include "shell/LayoutMetrics.h"
#include "shell/TheoryPane.h"

namespace kavenor {

TFH75::TFH75(const LessonEntry& entry) : LessonWindow(entry) {
  ComposeTheory();
  ConnectPaint();
}

void TFH75::ComposeTheory() {
  TheoryPane& p = *RichEdit();
  p.ResetPaneStyle();
  p.SetHeading(QStringLiteral("Cone Resistance."));
  p.AppendLine(QStringLiteral(" "));
  p.AppendLine(QStringLiteral("A typical result of a cone penetration test "));
  p.AppendPieces({"is shown in the figure. In the upper layers the cone resistance is ",
                  "rather low, indicating a soft soil, probably soft clay. The cone ",
                  "resistance increases gradually with depth, as the effective stress increases."});
  p.AppendLine(QStringLiteral(" "));
  p.AppendLine(QStringLiteral("At a depth of about 16 m the cone resistance suddenly "));
  p.AppendPieces({"increases, indicating a transition to a much stronger soil, probably a ",
                  "sand layer, with a cone resistance of about 15 MPa.  This means that ",
                  "the maximum bearing capacity of a foundation pile is also about 15 Mpa.  The ",
                  "axial force at the pile point is obtained by multiplying this value with ",
                  "the cross-sectional area of the pile.  In practice a sufficiently large ",
                  "safety factor must be used, of course."});
  p.HomeCaret();
}

void TFH75::FormActivate() { FormPaint(); }

void TFH75::FormPaint() {
  const LayoutMetrics& m = Layout();
  model_.Sample(m.AreaWidth, 2 * m.AreaHeight);
  ShowFigure([model = model_](Canvas& c) { DrawConeResistance(c, model); });
}

std::unique_ptr<LessonWindow> MakeFH75(const LessonEntry& entry) {
  return std::make_unique<TFH75>(entry);
}

}  // namespace kavenor

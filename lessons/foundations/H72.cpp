#include "lessons/foundations/H72.h"

#include "lessons/foundations/StripLoad.h"
#include "shell/LayoutMetrics.h"
#include "shell/TheoryPane.h"

namespace kavenor {

TFH72::TFH72(const LessonEntry& entry) : LessonWindow(entry) {
  ComposeTheory();
  ConnectPaint();
}

void TFH72::ComposeTheory() {
  TheoryPane& p = *RichEdit();
  constexpr PaneStyle I = PaneStyle::Index;
  constexpr PaneStyle G = PaneStyle::Greek;
  constexpr PaneStyle S = PaneStyle::SmallGreekIndex;
  p.ResetPaneStyle();
  p.SetHeading(QStringLiteral("Bearing capacity"));
  p.AppendLine(QStringLiteral(" "));
  p.AppendLine(QStringLiteral("The maximum load that a soil body can carry "));
  p.AppendPieces({"is called the bearing capacity. The bearing capacity of a ",
                  "homogeneous soil mass with a horizontal upper surface, loaded ",
                  "by a uniform strip load is "});
  p.AppendLine(QStringLiteral("    p = c N"));
  p.AppendPieces({{"c + q N", I}, {"q + ½ ", I}, {"g B N", G}, {"g,", S}});
  p.AppendLine(QStringLiteral("where c is the cohesion, q is the surcharge on the soil next to "));
  p.AppendPieces({"the load, and ", {"g is the unit weight of the soil.", G}});
  p.AppendLine(QStringLiteral(" "));
  p.AppendLine(QStringLiteral("The coefficients are "));
  p.AppendLine(QStringLiteral("    N"));
  p.AppendPieces({{"q = (1 + sin ", I}, {"f)/(1 - sin ", G}, {"f) exp(", G}, {"p tan ", G},
                  {"f),", G}});
  p.AppendLine(QStringLiteral("    N"));
  p.AppendPieces({{"c = (N", I}, {"q - 1) cot ", I}, {"f,", G}});
  p.AppendLine(QStringLiteral("    N"));
  p.AppendPieces({{"g = 2(N", S}, {"q - 1) tan ", I}, {"f.", G}});
  p.HomeCaret();
}

void TFH72::FormActivate() { FormPaint(); }

void TFH72::FormPaint() {
  const LayoutMetrics& m = Layout();
  ShowFigure([w = m.AreaWidth, h = m.AreaHeight](Canvas& c) {
    DrawStripLoad(c, StripLoadDirection::Vertical, w, h);
  });
}

std::unique_ptr<LessonWindow> MakeFH72(const LessonEntry& entry) {
  return std::make_unique<TFH72>(entry);
}

}  // namespace kavenor

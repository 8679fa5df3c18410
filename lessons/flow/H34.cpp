#include "lessons/flow/H34.h"

#include "lessons/flow/Well.h"
#include "shell/LayoutMetrics.h"
#include "shell/TheoryPane.h"

namespace kavenor {

TFH34::TFH34(const LessonEntry& entry) : LessonWindow(entry) {
  ComposeTheory();
  ConnectPaint();
}

void TFH34::ComposeTheory() {
  constexpr PaneStyle G = PaneStyle::Greek;
  constexpr PaneStyle I = PaneStyle::Index;
  TheoryPane& p = *RichEdit();
  p.ResetPaneStyle();
  p.SetHeading(QStringLiteral("Flow to a well."));
  p.AppendLine(QStringLiteral(" "));
  p.AppendLine(QStringLiteral("In the case of radial flow of groundwater "));
  p.AppendPieces({"to a well in the center of a homogeneous circular island, the ",
                  "solution of the Laplace equation is :"});
  p.AppendLine(QStringLiteral("   h = h"));
  p.AppendPieces({{"o + (Q", I}, {"o/2", I}, {"pkH) ln(r/R),", G}});
  p.AppendLine(QStringLiteral("where"));
  p.AppendLine(QStringLiteral("   h    : groundwater head in aquifer,"));
  p.AppendLine(QStringLiteral("   h"));
  p.AppendPieces({{"o  : water level in lake surrounding the island,", I}});
  p.AppendLine(QStringLiteral("   Q"));
  p.AppendPieces({{"o  : discharge of well,", I}});
  p.AppendLine(QStringLiteral("   k    : permeability,"));
  p.AppendLine(QStringLiteral("   H   : thickness of aquifer,"));
  p.AppendLine(QStringLiteral("   r    : variable distance from the well,"));
  p.AppendLine(QStringLiteral("   R   : radius of island."));
  p.AppendLine(QStringLiteral("   "));
  p.AppendLine(QStringLiteral("The quantity T = kH is called the transmissivity of the aquifer."));
  p.HomeCaret();
}

void TFH34::FormPaint() {
  const LayoutMetrics& m = Layout();
  ShowFigure([w = m.AreaWidth, h = m.AreaHeight](Canvas& c) { DrawWell(c, w, h); });
}

std::unique_ptr<LessonWindow> MakeFH34(const LessonEntry& entry) {
  return std::make_unique<TFH34>(entry);
}

}  // namespace kavenor

#include "lessons/earthpressure/H61.h"

#include "lessons/earthpressure/HalfSpace.h"
#include "shell/LayoutMetrics.h"
#include "shell/TheoryPane.h"

namespace kavenor {

TFH61::TFH61(const LessonEntry& entry) : LessonWindow(entry) {
  RichEdit()->setFont(HalfSpacePaneFont());
  ComposeTheory();
  ConnectPaint();
}

void TFH61::FormPaint() {
  const LayoutMetrics& m = Layout();
  ShowFigure([w = m.AreaWidth, h = m.AreaHeight](Canvas& c) { DrawPointLoad(c, w, h); });
}

void TFH61::ComposeTheory() {
  TheoryPane& p = *RichEdit();
  p.ResetPaneStyle();
  p.SetHeading(QStringLiteral("Stress distributions in continua."));
  p.AppendLine(QStringLiteral(" "));
  p.AppendLine(QStringLiteral("The stresses in a soil mass must satisfy : "));
  p.AppendLine(QStringLiteral("1. Equilibrium conditions."));
  p.AppendLine(QStringLiteral("2. Compatibility of strains and displacements. "));
  p.AppendLine(QStringLiteral("3. The stress-strain relations."));
  p.AppendLine(QStringLiteral(" "));
  p.AppendLine(QStringLiteral("Because the stress-strain relations of soil are so "));
  p.AppendPieces({"complicated, a solution in which the soil is assumed to behave as a ",
                  "linear elastic material is often used as a first approximation. ",
                  "Well known examples are the solutions of Boussinesq and Flamant for a ",
                  "point load and a line load on the surface of an elastic half space, and ",
                  "the many solutions that have been derived from them by superposition. ",
                  "These solutions at least satisfy the first two requirements, ",
                  "equilibrium and compatibility."});
  p.AppendLine(QStringLiteral(" "));
  p.AppendLine(QStringLiteral("It should be noted that in such an analysis many "));
  p.AppendPieces({"soil characteristics are ignored, for instance the important effect ",
                  "that the stiffness of a soil usually increases with depth, and the ",
                  "creep of the soil. At best the results may be considered ",
                  "as a first approximation ",
                  "of the stresses in the soil."});
  p.AppendLine(QStringLiteral(" "));
  p.AppendLine(QStringLiteral("More realistic computations may be made by a numerical "));
  p.AppendPiece(QStringLiteral("method."));
}

std::unique_ptr<LessonWindow> MakeFH61(const LessonEntry& entry) {
  return std::make_unique<TFH61>(entry);
}

}  // namespace kavenor

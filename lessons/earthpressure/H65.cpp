#include "lessons/earthpressure/H65.h"

#include "shell/TheoryPane.h"

namespace kavenor {

TFH65::TFH65(const LessonEntry& entry) : CoulombWindow(entry, CoulombCase::Passive) {
  ComposeTheory();
  FormPaint();
}

void TFH65::ComposeTheory() {
  TheoryPane& pane = *RichEdit();
  pane.ResetPaneStyle();
  pane.SetHeading(QStringLiteral("Coulomb's method for passive lateral stresses."));
  pane.AppendLine(QStringLiteral(" "));

  pane.AppendLine(QStringLiteral(
      "The lateral stresses against a vertical supporting wall depend upon the motion of the "
      "wall relative to the soil body. If the wall is pushed into the soil the lateral stress "
      "will gradually increase, until after sufficient "));
  pane.AppendPieces({"deformation, the lateral stress reaches its maximum, the ",
                     {"passive  lateral stress.", PaneStyle::Emphasis, 7}});

  pane.AppendLine(QStringLiteral(
      "Coulomb supposed that when the wall moves into the soil a wedge of soil will slide up "
      "along a straight line. This involves "));
  pane.AppendPieces({"two assumptions : the homogeneous upward movement of the wedge and the ",
                     "straight shape of the slip line. As the wedge slides up, a shear stress "
                     "will develop along the slip line, with the stress acting in downward "
                     "direction. It is further "});
  AppendCoulombsLaw(pane);

  pane.AppendLine(QStringLiteral(
      "For a given slope of the slip line the force against the wall can be determined from the "
      "equations of equilibrium of the wedge. The critical slip line is the one "));
  pane.AppendPieces({"giving the smallest value of the lateral force. ",
                     "The critical slope angle is found to be ",
                     {"p/4 - ", PaneStyle::Greek},
                     {"f/2. For a perfectly smooth vertical wall ", PaneStyle::Greek},
                     "of height h, and a horizontal soil surface, the corresponding horizontal ",
                     "force is "});

  AppendWallForce(pane);
  pane.HomeCaret();
}

std::unique_ptr<LessonWindow> MakeFH65(const LessonEntry& entry) {
  return std::make_unique<TFH65>(entry);
}

}  // namespace kavenor

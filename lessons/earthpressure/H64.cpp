#include "lessons/earthpressure/H64.h"

#include "shell/TheoryPane.h"

namespace kavenor {

TFH64::TFH64(const LessonEntry& entry) : CoulombWindow(entry, CoulombCase::Active) {
  ComposeTheory();
  FormPaint();
}

void TFH64::ComposeTheory() {
  TheoryPane& pane = *RichEdit();
  pane.ResetPaneStyle();
  pane.SetHeading(QStringLiteral("Coulomb's method for active lateral stresses."));
  pane.AppendLine(QStringLiteral(" "));

  pane.AppendLine(QStringLiteral(
      "The lateral stresses against a vertical supporting wall depend upon the motion of the "
      "wall relative to the soil body. If the wall moves away from the soil the lateral stress "
      "will gradually be reduced, and after sufficient deformation the "));
  pane.AppendPieces({"lateral stress will reach its smallest possible value : the ",
                     {"active  lateral stress.", PaneStyle::Emphasis, 6}});

  pane.AppendLine(QStringLiteral(
      "Coulomb supposed that when the wall moves away from the soil a wedge of soil will slide "
      "down along a straight line. This involves "));
  pane.AppendPieces({"two assumptions : the homogeneous downward movemement of the wedge and the ",
                     "straight shape of the slip line. As the wedge slides down, a shear stress "
                     "will develop along the slip line, acting upwards on the wedge. It is further "});
  AppendCoulombsLaw(pane);

  pane.AppendLine(QStringLiteral(
      "For a given slope of the slip line the force against the wall can be determined from the "
      "equations of equilibrium of the wedge. The critical slip line is the one that gives the "
      "largest value of the lateral force. "));
  pane.AppendPieces({"The critical slope angle is found to be ",
                     {"p/4 + ", PaneStyle::Greek},
                     {"f/2. For a perfectly smooth vertical wall ", PaneStyle::Greek},
                     "of height h, and a horizontal soil surface, the corresponding horizontal ",
                     "force is "});

  AppendWallForce(pane);
  pane.HomeCaret();
}

std::unique_ptr<LessonWindow> MakeFH64(const LessonEntry& entry) {
  return std::make_unique<TFH64>(entry);
}

}  // namespace kavenor

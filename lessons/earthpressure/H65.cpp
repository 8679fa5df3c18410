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
                     "direction. It is further ",
                     "assumed that the shear stress (",
                     {"t) is related to the normal stress ", PaneStyle::Greek},
                     {"s by Coulomb", PaneStyle::Greek},
                     "'",
                     "s formula ",
                     {"t = c + ", PaneStyle::Greek},
                     {"s tan ", PaneStyle::Greek},
                     {"f, ", PaneStyle::Greek},
                     "where c is the cohesion, and ",
                     {"f the angle of internal friction.", PaneStyle::Greek}});

  pane.AppendLine(QStringLiteral(
      "For a given slope of the slip line the force against the wall can be determined from the "
      "equations of equilibrium of the wedge. The critical slip line is the one "));
  pane.AppendPieces({"giving the smallest value of the lateral force. ",
                     "The critical slope angle is found to be ",
                     {"p/4 - ", PaneStyle::Greek},
                     {"f/2. For a perfectly smooth vertical wall ", PaneStyle::Greek},
                     "of height h, and a horizontal soil surface, the corresponding horizontal ",
                     "force is "});

  pane.AppendLine(QStringLiteral("    Q = ½ K"));
  pane.AppendPieces({{"p", PaneStyle::Index},
                     {"g h² + 2 c h ", PaneStyle::Greek},
                     {"ÖK", PaneStyle::Greek},
                     {"p.", PaneStyle::Index}});

  pane.AppendLine(QStringLiteral("For more general problems the passive coefficient K"));
  pane.AppendPieces({{"p can be found in tables.", PaneStyle::Index}});
  pane.HomeCaret();
}

std::unique_ptr<LessonWindow> MakeFH65(const LessonEntry& entry) {
  return std::make_unique<TFH65>(entry);
}

}  // namespace kavenor

#include "lessons/stress/H24.h"

#include "lessons/stress/UnderWater.h"
#include "shell/LayoutMetrics.h"
#include "shell/TheoryPane.h"

namespace kavenor {

TFH24::TFH24(const LessonEntry& entry) : LessonWindow(entry) { ConnectPaint(); }

void TFH24::FormPaint() {
  const LayoutMetrics& m = Layout();
  ShowFigure([w = m.AreaWidth, h = m.AreaHeight](Canvas& c) { DrawArchimedes(c, w, h); });
  PlacePane();
  ComposeTheory();
}

void TFH24::ComposeTheory() {
  TheoryPane& p = *RichEdit();
  p.ResetPaneStyle();
  p.SetHeading(QStringLiteral("Archimedes."));
  p.EndLine(QString());
  p.EndLine(QStringLiteral(" "));
  p.AppendPieces({"Terzaghi's effective stress ",
                  "principle is an application and a generalization of the ",
                  "principle of Archimedes for the force on a body submerged in ", "water."});
  p.EndLine(QString());
  p.EndLine(QStringLiteral(" "));
  p.EndLine(QStringLiteral(
      "Archimedes' principle can be illustrated by considering a rectangular block at rest "
      "under water. Two assumptions are made. The first is that the pressure in the fluid is "
      "the same in all directions, because a fluid at rest can not transmit shear stresses. The "
      "second is that the pressure increases linearly with depth, as follows from the "
      "equilibrium of a vertical column of water ."));
  p.EndLine(QStringLiteral(" "));
  p.AppendPiece(QStringLiteral(
      "The forces on the left and the right sides of the block cancel. The force on the bottom "
      "of the block is larger than the force on its top, by the weight of a column of water as "
      "high as the block. The resultant force, this difference in pressure times the horizontal "
      "area of the block, is therefore equal to the weight of a volume of water equal to the "
      "volume of the block. This is Archimedes' principle."));
  // The caret stays where the composition ends.
}

std::unique_ptr<LessonWindow> MakeFH24(const LessonEntry& entry) {
  return std::make_unique<TFH24>(entry);
}

}  // namespace kavenor

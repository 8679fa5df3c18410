#include "lessons/earthpressure/H62.h"

#include "lessons/earthpressure/HalfSpace.h"
#include "shell/LayoutMetrics.h"
#include "shell/TheoryPane.h"

namespace kavenor {

TFH62::TFH62(const LessonEntry& entry) : LessonWindow(entry) {
  RichEdit()->setFont(HalfSpacePaneFont());
  ComposeTheory();
  ConnectPaint();
}

void TFH62::FormPaint() {
  const LayoutMetrics& m = Layout();
  ShowFigure([w = m.AreaWidth, h = m.AreaHeight](Canvas& c) { DrawStripLoad(c, w, h); });
}

void TFH62::ComposeTheory() {
  TheoryPane& p = *RichEdit();
  p.ResetPaneStyle();
  p.SetHeading(QStringLiteral("Stresses and displacements in layered soils."));
  p.AppendLine(QStringLiteral(" "));
  p.AppendLine(QStringLiteral("The stresses and displacements in a non-homogeneous "));
  p.AppendPieces({"soil, for instance a layered soil, can only be ",
                  "calculated accurately by numerical methods, and only if the properties ",
                  "of the layers are well known."});
  p.AppendLine(QStringLiteral(" "));
  p.AppendLine(QString());
  p.AppendPieces({"In engineering practice a simplified method may ",
                  "often be used, in which the vertical normal stresses are calculated ",
                  "with a solution for a homogeneous elastic material, and the vertical ",
                  "deformations are found by summing the deformations of all layers, each ",
                  "with its own properties. This is usually acceptable for a system of ",
                  "approximately horizontal layers with a vertical load only."});
  p.AppendLine(QString());
  p.AppendLine(QString());
  p.AppendPieces({"In this way the variable properties of the ",
                  "layers, and creep, can be taken into account, while their ",
                  "effects on the stress distribution itself ",
                  "are ignored."});
}

std::unique_ptr<LessonWindow> MakeFH62(const LessonEntry& entry) {
  return std::make_unique<TFH62>(entry);
}

}  // namespace kavenor

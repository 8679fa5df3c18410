#include "lessons/flow/H35.h"

#include "lessons/flow/Layers.h"
#include "shell/LayoutMetrics.h"
#include "shell/TheoryPane.h"

namespace kavenor {

TFH35::TFH35(const LessonEntry& entry) : LessonWindow(entry) {
  ComposeTheory();
  ConnectPaint();
}

void TFH35::ComposeTheory() {
  constexpr PaneStyle G = PaneStyle::Greek;
  TheoryPane& p = *RichEdit();
  p.ResetPaneStyle();
  p.SetHeading(QStringLiteral("Flow through a soil layer."));
  p.AppendLine(QStringLiteral(" "));
  p.AppendLine(QStringLiteral(
      "In a layered soil, consisting of very permeable sand layers and not so permeable clay "
      "layers, the sand layers may have different groundwater levels. For instance, one sand "
      "layer may be drained naturally, while another has a lower groundwater level because "
      "water is pumped from it for the water supply, or a higher level because it is "
      "connected to open water at a higher level."));
  p.AppendLine(QStringLiteral(" "));
  p.AppendLine(QStringLiteral(
      "The figure shows a case in which there will be an upward flow through the clay layer. "
      "Because of continuity the flow rate is the same over the whole thickness of the clay "
      "layer, and if the permeability of the clay is constant it follows from Darcy's law "
      "that the gradient "));
  p.AppendPieces({{"dh/", G}, {"dz is also constant. This ", G},
                  "means that the groundwater head varies linearly ",
                  "over the thickness of the clay layer. ",
                  "The head in the middle of the layer is the average ",
                  "of the heads at its top and at its bottom. ",
                  "This determines the pressure in the groundwater."});
  p.HomeCaret();
}

void TFH35::FormPaint() {
  const LayoutMetrics& m = Layout();
  ShowFigure([w = m.AreaWidth, h = m.AreaHeight](Canvas& c) { DrawLayers(c, w, h); });
}

std::unique_ptr<LessonWindow> MakeFH35(const LessonEntry& entry) {
  return std::make_unique<TFH35>(entry);
}

}  // namespace kavenor

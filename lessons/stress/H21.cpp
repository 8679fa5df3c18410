#include "lessons/stress/H21.h"

#include "shell/LayoutMetrics.h"
#include "shell/TheoryPane.h"

namespace kavenor {

TFH21::TFH21(const LessonEntry& entry) : LessonWindow(entry) {
  const LayoutMetrics& m = Layout();
  model_.Geometry = EffectiveStressLayout(m.AreaLeft, m.AreaTop, m.AreaWidth, m.AreaHeight);
  // An empty picture control: it paints nothing, so the drawing under it
  // shows through.
  image_ = new QWidget(this);
  image_->setObjectName(QStringLiteral("Image"));
  image_->setGeometry(16, 48, 249, 145);
  ComposeTheory();
  ConnectPaint();
}

void TFH21::FormPaint() {
  model_.Scatter();
  const LayoutMetrics& m = Layout();
  ShowFigure([model = model_](Canvas& c) { DrawEffectiveStress(c, model); },
             QPoint(m.AreaLeft, m.AreaTop));
}

void TFH21::ComposeTheory() {
  TheoryPane& p = *RichEdit();
  // The restyled runs change the typeface only; the size stays 8 pt.
  constexpr PaneStyle S = PaneStyle::SymbolFace;
  constexpr PaneStyle G = PaneStyle::GaramondFace;
  p.ResetPaneStyle();
  p.SetHeading(QStringLiteral("Effective stress."));
  p.EndLine(QString());
  p.EndLine(QStringLiteral(" "));
  p.AppendPieces({"In case of a system of ",
                  "horizontal layers, with a uniform load on the surface, and ",
                  "stationary groundwater, all stresses depend upon the depth only. ",
                  "The vertical total stress in a point then ",
                  "is equal to the integrated weight of ",
                  "all the layers above that ",
                  "point, plus an eventual surface load,"});
  p.EndLine(QString());
  p.AppendPieces({"    ", {"s = q + ", S}, {"S g d.", S, 3}});
  p.EndLine(QString());
  p.EndLine(QString());
  p.AppendPieces({"If the water is at rest, the pore ",
                  "water pressure follows from the depth below the phreatic surface,"});
  p.EndLine(QString());
  p.AppendPieces({"    p = ", {"g", S}, {"w h.", G}});
  p.EndLine(QString());
  p.EndLine(QString());
  p.AppendPieces({"The effective stress then follows ", "from the relation : ",
                  "Effective stress = Total stress - Pore water pressure, "});
  p.EndLine(QString());
  p.AppendPieces({"    ", {"s", S}, "'", " = ", {"s - p.", S}});
  p.EndLine(QString());
  p.EndLine(QString());
  p.AppendPieces({"The effective stress is zero when ",
                  "there are no forces transmitted between the particles in the ",
                  "contact points. These forces govern the deformations of the ",
                  "soil skeleton. See Lesson 2 and Lesson 3."});
  p.HomeCaret();
}

std::unique_ptr<LessonWindow> MakeFH21(const LessonEntry& entry) {
  return std::make_unique<TFH21>(entry);
}

}  // namespace kavenor

#include "lessons/consolidation/H44.h"

#include "shell/LayoutMetrics.h"
#include "shell/LessonTimer.h"
#include "shell/TheoryPane.h"

namespace kavenor {

TFH44::TFH44(const LessonEntry& entry) : LessonWindow(entry) {
  ComposeTheory();
  model_.TimeFactor = 0.001;
  model_.PointCount = 40;
  Timer()->SetInterval(20);
}

void TFH44::FormActivate() { model_.Activate(); }

void TFH44::TimerTimer() {
  if (!model_.Tick()) return;
  const int W = Layout().AreaWidth, H = Layout().AreaHeight;
  ShowFigure([m = model_, W, H](Canvas& c) { DrawIsochrone(c, m, W, H); });
}

void TFH44::ComposeTheory() {
  TheoryPane& p = *RichEdit();
  constexpr PaneStyle I = PaneStyle::Index;
  constexpr PaneStyle G = PaneStyle::Greek;
  p.ResetPaneStyle();
  p.SetHeading(QStringLiteral("Consolidation."));
  p.AppendLine(QString());
  p.AppendLine(QStringLiteral(" "));
  p.AppendPieces({"Consolidation is the name given to the process of ",
                  "deformation of saturated soils of low permeability, in which the ",
                  "deformation is retarded by the outflow of pore water."});
  p.EndLine(QString());
  p.AppendLine(QString());
  p.AppendLine(QStringLiteral("The differential equation for one-dimensional consolidation is :"));
  p.AppendPieces({"   ", {"dp/", G}, {"dt=c", G}, {"v ", I}, {"d²p/", G}, {"dz²,", G}});
  p.EndLine(QString());
  p.AppendPieces({"where c", {"v is the consolidation coefficient, defined by", I}});
  p.EndLine(QString());
  p.AppendPieces({"   c", {"v = k/m", I}, {"v", I}, {"g", G}, {"w.", I}});
  p.EndLine(QString());
  p.AppendLine(QStringLiteral("k is the permeability of the soil,"));
  p.AppendPieces({"m", {"v is the compressibility of the soil,", I}});
  p.EndLine(QString());
  p.AppendPieces({{"g", G}, {"w is the volumetric weight of the pore water.", I}});
  p.EndLine(QString());
  p.AppendLine(QStringLiteral(" "));
  p.AppendLine(QStringLiteral(
      "The initial values of the pore pressures must be determined separately. When a clay "
      "layer is loaded instantaneously, no water can be expelled from it at the moment of "
      "loading, because its permeability is so low that the outflow of pore water takes time. "
      "If the pore water may be considered incompressible, the volume of the soil cannot "
      "change at that moment, and therefore the vertical effective stress cannot change "
      "either. The initial pore pressure is then equal to the difference of the total stress "
      "and the effective stress: the full increment of the load is carried by the pore "
      "water."));
  p.HomeCaret();
}

std::unique_ptr<LessonWindow> MakeFH44(const LessonEntry& entry) {
  return std::make_unique<TFH44>(entry);
}

}  // namespace kavenor

#include "lessons/consolidation/H45.h"

#include "shell/LayoutMetrics.h"
#include "shell/LessonTimer.h"
#include "shell/TheoryPane.h"

namespace kavenor {

TFH45::TFH45(const LessonEntry& entry) : LessonWindow(entry) {
  ComposeTheory();
  model_.TimeFactor = 0.001;
  model_.PointCount = 40;
  Timer()->SetInterval(20);
}

void TFH45::FormActivate() { model_.Activate(); }

void TFH45::TimerTimer() {
  if (!model_.Tick()) return;
  const int W = Layout().AreaWidth, H = Layout().AreaHeight;
  ShowFigure([m = model_, W, H](Canvas& c) { DrawIsochrone(c, m, W, H); });
}

void TFH45::ComposeTheory() {
  TheoryPane& p = *RichEdit();
  constexpr PaneStyle G = PaneStyle::Greek;
  constexpr PaneStyle I = PaneStyle::Index;
  p.ResetPaneStyle();
  p.SetHeading(QStringLiteral("Numerical analysis of consolidation."));
  p.AppendLine(QString());
  p.AppendLine(QStringLiteral(" "));
  p.AppendPieces({"The process of one-dimensional consolidation can be ",
                  "analyzed numerically by a finite difference method. Using a forward ",
                  "finite difference in time and a central finite difference in z-direction ",
                  "this leads to the algorithm"});
  p.EndLine(QString());
  p.AppendPieces({"   p(z,t+", {"Dt) = p(z,t) +", G}});
  p.EndLine(QString());
  p.AppendPieces({"    ", "    ", {"a [p(z+", G}, {"Dz,t)-2p(z,t)+p(z-", G}, {"Dz,t)],", G}});
  p.EndLine(QString());
  p.AppendLine(QStringLiteral("where "));
  p.AppendPieces({"      ", {"a = c", G}, {"v ", I}, {"Dt/(", G}, {"Dz)².", G}});
  p.EndLine(QString());
  p.AppendPieces({"The process ", "is stable only if ", {"a < 0.5.", G}});
  p.EndLine(QString());
  p.AppendLine(QString());
  p.HomeCaret();
}

bool TFH45::AtRest() const { return model_.AtRest(); }

std::unique_ptr<LessonWindow> MakeFH45(const LessonEntry& entry) {
  return std::make_unique<TFH45>(entry);
}

}  // namespace kavenor

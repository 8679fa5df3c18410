#include "lessons/earthpressure/CoulombWindow.h"

#include "shell/LayoutMetrics.h"
#include "shell/LessonTimer.h"
#include "shell/TheoryPane.h"

namespace kavenor {

namespace {
constexpr int kStepInterval = 500;  // ms per pixel of wall movement
}  // namespace

CoulombWindow::CoulombWindow(const LessonEntry& entry, CoulombCase which)
    : LessonWindow(entry), case_(which) {
  ConnectPaint();
}

void CoulombWindow::Restart() {
  model_.Reset();
  Timer()->SetInterval(kStepInterval);
  Draw();
}

void CoulombWindow::TimerTimer() {
  if (model_.Tick()) Draw();
}

void CoulombWindow::Draw() {
  const LayoutMetrics& m = Layout();
  ShowFigure([model = model_, which = case_, w = m.AreaWidth, h = m.AreaHeight](Canvas& canvas) {
    DrawCoulombWedge(canvas, model, which, w, h);
  });
}

void CoulombWindow::AppendCoulombsLaw(TheoryPane& pane) {
  pane.AppendPieces({"assumed that the shear stress (",
                     {"t) is related to the normal stress ", PaneStyle::Greek},
                     {"s by Coulomb", PaneStyle::Greek},
                     "'",
                     "s formula ",
                     {"t = c + ", PaneStyle::Greek},
                     {"s tan ", PaneStyle::Greek},
                     {"f, ", PaneStyle::Greek},
                     "where c is the cohesion, and ",
                     {"f the angle of internal friction.", PaneStyle::Greek}});
}

void CoulombWindow::AppendWallForce(TheoryPane& pane) const {
  const bool active = case_ == CoulombCase::Active;
  pane.AppendLine(QStringLiteral("    Q = ½ K"));
  pane.AppendPieces({{active ? "a" : "p", PaneStyle::Index},
                     {active ? "g h² - 2 c h " : "g h² + 2 c h ", PaneStyle::Greek},
                     {"ÖK", PaneStyle::Greek},
                     {active ? "a." : "p.", PaneStyle::Index}});

  pane.AppendLine(active ? QStringLiteral("For more general problems the active coefficient K")
                         : QStringLiteral("For more general problems the passive coefficient K"));
  pane.AppendPieces(
      {{active ? "a can be found in tables." : "p can be found in tables.", PaneStyle::Index}});
}

}  // namespace kavenor

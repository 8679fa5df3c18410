#include "lessons/earthpressure/CoulombWindow.h"

#include "shell/LayoutMetrics.h"
#include "shell/LessonTimer.h"

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

}  // namespace kavenor

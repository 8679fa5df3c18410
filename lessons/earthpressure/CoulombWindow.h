#pragma once
// The window both Coulomb lessons are built on: the wedge of one case,
// restarted at step 0 on every opening and every repaint, then moved one
// pixel every half second up to the last step. Each lesson adds its theory.

#include "lessons/earthpressure/CoulombWedge.h"
#include "shell/LessonWindow.h"

namespace kavenor {

class TheoryPane;

class CoulombWindow : public LessonWindow {
 public:
  CoulombWindow(const LessonEntry& entry, CoulombCase which);

  const CoulombModel& Model() const { return model_; }

 protected:
  // Opening and every repaint start the animation again at step 0.
  void FormActivate() override { Restart(); }
  void FormPaint() override { Restart(); }
  void TimerTimer() override;

  void Restart();

  // The theory both lessons tell alike, appended to the pane being composed:
  // Coulomb's law of the shear stress on the slip line, which ends the
  // paragraph on the wedge's assumptions; and the lateral force on a smooth
  // vertical wall with the coefficient of this case (Ka and minus the
  // cohesion's part when active, Kp and plus when passive), each as two lines.
  static void AppendCoulombsLaw(TheoryPane& pane);
  void AppendWallForce(TheoryPane& pane) const;

 private:
  void Draw();

  const CoulombCase case_;
  CoulombModel model_;
};

}  // namespace kavenor

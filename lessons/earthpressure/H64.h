#pragma once
// Window FH64, "Coulomb Active": the wall moves away from the soil, the wedge
// behind it sinks along its slip line, and the forces on the wedge are shown.

#include <memory>

#include "lessons/earthpressure/CoulombWedge.h"
#include "shell/LessonWindow.h"

namespace kavenor {

class TFH64 : public LessonWindow {
 public:
  explicit TFH64(const LessonEntry& entry);

  const CoulombModel& Model() const { return model_; }

 protected:
  // Opening and every repaint start the animation again at step 0.
  void FormActivate() override { Restart(); }
  void FormPaint() override { Restart(); }
  void TimerTimer() override;

 private:
  void Restart();
  void Draw();
  void ComposeTheory();

  CoulombModel model_;
};

std::unique_ptr<LessonWindow> MakeFH64(const LessonEntry& entry);

}  // namespace kavenor

#pragma once
// TFH12, "Density": sand is sprinkled into a measuring cylinder of water, then
// the "Shake" button compacts it: the sand surface sinks while the water
// stays, beside the principle that soil deforms by the rearrangement of its
// particles.
//
// Every opening restarts the fill. The timer runs from creation, also while
// the window is hidden; there is no paint handler, so the figure is drawn by
// the ticks and by the activation.

#include <memory>

#include "lessons/composition/Cylinder.h"
#include "shell/LessonWindow.h"

class QPushButton;

namespace kavenor {

class TFH12 : public LessonWindow {
  Q_OBJECT

 public:
  explicit TFH12(const LessonEntry& entry);

  const ShakeModel& Model() const { return model_; }
  QPushButton* ButtonShake() const { return buttonShake_; }

 protected:
  void FormActivate() override;
  void TimerTimer() override;
  bool AtRest() const override;

 private:
  void ComposeTheory();
  void ButtonShakeClick();
  void SyncButton();
  void ShowCylinder();

  ShakeModel model_{kDensityShake};
  QPushButton* buttonShake_ = nullptr;
};

std::unique_ptr<LessonWindow> MakeFH12(const LessonEntry& entry);

}  // namespace kavenor

#pragma once
// TFH13, "Volumetric weight": the measuring cylinder of the density lesson is
// filled with sand sprinkled into water, with marks beside the glass at the
// bottom, at the initial and the current water level and at the sand surface;
// near the end of the fill two labels name the volume of the soil and of the
// particles.
//
// Every opening restarts the fill. The timer runs from creation, also while
// the window is hidden; there is no paint handler.

#include <memory>

#include "lessons/composition/Cylinder.h"
#include "shell/LessonWindow.h"

namespace kavenor {

class TFH13 : public LessonWindow {
  Q_OBJECT

 public:
  explicit TFH13(const LessonEntry& entry);

  const VolumeModel& Model() const { return model_; }

 protected:
  void FormActivate() override;
  void TimerTimer() override;
  bool AtRest() const override;

 private:
  void ComposeTheory();
  void ShowCylinder();

  VolumeModel model_;
};

std::unique_ptr<LessonWindow> MakeFH13(const LessonEntry& entry);

}  // namespace kavenor

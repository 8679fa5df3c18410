#pragma once
// TFH31, the Darcy lesson: water drops through the permeameter and fills the
// measuring vessel, beside Darcy's law in three dimensions, the groundwater
// head and the permeability relations.
//
// The timer runs from the window's creation on, also while it is hidden.
// Opening the lesson does not restart the animation; the way back to the menu
// does, so the next tick (or repaint) starts again from an empty vessel.

#include <memory>

#include "lessons/flow/Darcy.h"
#include "shell/LessonWindow.h"

namespace kavenor {

class TFH31 : public LessonWindow {
  Q_OBJECT

 public:
  explicit TFH31(const LessonEntry& entry);

  const ApparatusModel& Model() const { return model_; }

 protected:
  void FormPaint() override;
  void TimerTimer() override;
  void WayOut() override;

 private:
  void ComposeTheory();
  void ShowApparatus();

  ApparatusModel model_{kDarcySetup};
};

std::unique_ptr<LessonWindow> MakeFH31(const LessonEntry& entry);

}  // namespace kavenor

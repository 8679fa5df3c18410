#pragma once
// FH45, "Numerical solution": the explicit finite-difference scheme of
// one-dimensional consolidation and its stability condition in the pane,
// beside the same animated isochrone as the consolidation lesson, from the
// same series and drawing, on this window's own state: the time factor
// starts again from 0 at every opening and grows by 0.001 per 20 ms tick up
// to 10, also while the window is hidden. Only the timer draws.

#include <memory>

#include "lessons/consolidation/Isochrone.h"
#include "shell/LessonWindow.h"

namespace kavenor {

class TFH45 : public LessonWindow {
  Q_OBJECT

 public:
  explicit TFH45(const LessonEntry& entry);

  const IsochroneModel& Model() const { return model_; }

 protected:
  void FormActivate() override;
  void TimerTimer() override;
  bool AtRest() const override;

 private:
  void ComposeTheory();

  IsochroneModel model_;
};

std::unique_ptr<LessonWindow> MakeFH45(const LessonEntry& entry);

}  // namespace kavenor

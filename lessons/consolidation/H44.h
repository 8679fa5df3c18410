#pragma once
// FH44, "Consolidation": the pore pressure isochrone of a clay layer drained
// at its top and bottom shrinks as the time factor grows, 0.001 per 20 ms
// tick, from 0 at every opening up to 10. The window has no paint handler:
// only the timer draws.

#include <memory>

#include "lessons/consolidation/Isochrone.h"
#include "shell/LessonWindow.h"

namespace kavenor {

class TFH44 : public LessonWindow {
  Q_OBJECT

 public:
  explicit TFH44(const LessonEntry& entry);

  const IsochroneModel& Model() const { return model_; }

 protected:
  void FormActivate() override;
  void TimerTimer() override;

 private:
  void ComposeTheory();

  IsochroneModel model_;
};

std::unique_ptr<LessonWindow> MakeFH44(const LessonEntry& entry);

}  // namespace kavenor

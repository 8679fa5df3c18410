#pragma once
// The cone penetration test window: the rig pushing its rod string into the
// ground, the workers fetching rods from the pile, and the theory of the test.
// Every opening starts the test again with one rod and a full pile; the timer
// runs from creation and sets its own pace once the test runs (short steps,
// long pauses when a rod is pushed home and when the next one stands on the
// string). The test goes on while the window is hidden, until it is over.

#include <memory>

#include "lessons/foundations/ConePenetration.h"
#include "shell/LessonWindow.h"

namespace kavenor {

class TFH74 : public LessonWindow {
  Q_OBJECT

 public:
  explicit TFH74(const LessonEntry& entry);

  const ConePenetrationModel& Model() const { return model_; }

 protected:
  void FormActivate() override;
  // The lesson's own restart of the push, called by FormActivate; the window
  // system's repaints do not run it.
  void FormPaint() override;
  void TimerTimer() override;

 private:
  void ShowTestSite();

  ConePenetrationModel model_;
};

std::unique_ptr<LessonWindow> MakeFH74(const LessonEntry& entry);

}  // namespace kavenor

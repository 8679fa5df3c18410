#pragma once
// Window FH71, "Limit analysis": a strip load grows on a two-layer soil while
// the pane explains lower and upper limits of the failure load.

#include <memory>

#include "lessons/foundations/LimitAnalysis.h"
#include "shell/LessonWindow.h"

namespace kavenor {

class TFH71 : public LessonWindow {
 public:
  explicit TFH71(const LessonEntry& entry);

  const LimitAnalysisModel& Model() const { return model_; }

 protected:
  // Restarts the load at 5 pixels and speeds the timer up to 200 ms; the
  // paint that follows the showing of the window draws it.
  void FormActivate() override;
  // Redraws the current load step.
  void FormPaint() override;
  void TimerTimer() override;

 private:
  void Draw();
  void ComposeTheory();

  LimitAnalysisModel model_;
};

std::unique_ptr<LessonWindow> MakeFH71(const LessonEntry& entry);

}  // namespace kavenor

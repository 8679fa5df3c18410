#pragma once
// TFH33, the continuity lesson: the permeameter of the Darcy lesson with its
// sample in two layers of different soil in series, five drops in the stream
// and a vessel that fills at half the pace, beside the principles of Darcy's
// law and continuity and Laplace's equation.
//
// As in the Darcy lesson, the timer runs from the window's creation on, also
// while it is hidden; opening the lesson goes on from where it was, and the
// way back to the menu starts the stream again from an empty vessel.

#include <memory>

#include "lessons/flow/Darcy.h"
#include "shell/LessonWindow.h"

namespace kavenor {

class TFH33 : public LessonWindow {
  Q_OBJECT

 public:
  explicit TFH33(const LessonEntry& entry);

  const ApparatusModel& Model() const { return model_; }

 protected:
  void FormPaint() override;
  void TimerTimer() override;
  void WayOut() override;

 private:
  void ComposeTheory();
  void ShowApparatus();

  ApparatusModel model_{kContinuitySetup};
};

std::unique_ptr<LessonWindow> MakeFH33(const LessonEntry& entry);

}  // namespace kavenor

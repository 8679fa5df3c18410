#pragma once
// TFH52, "Stress": the elementary triangle with the stresses on its three
// faces, beside the transformation formulas. The timer ticks every 20 ms
// from creation; the ticks redraw the (unchanging) picture for about 200 s
// after creation and after every opening, which itself draws nothing.

#include <memory>

#include "lessons/shear/Stress.h"
#include "shell/LessonWindow.h"

namespace kavenor {

class TFH52 : public LessonWindow {
  Q_OBJECT

 public:
  explicit TFH52(const LessonEntry& entry, QWidget* parent = nullptr);

  const StressModel& Model() const { return model_; }

 protected:
  void FormActivate() override;
  void TimerTimer() override;

 private:
  void composeTheory();

  StressModel model_;
};

std::unique_ptr<LessonWindow> MakeFH52(const LessonEntry& entry);

}  // namespace kavenor

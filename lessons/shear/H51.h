#pragma once
// TFH51, "Mohr": the turning stress element and Mohr's circle. The check box
// "Rotation On/Off" stops and resumes the turning; every opening starts again
// from the unturned element, and the way back to the menu stops the timer.

#include <memory>

#include "lessons/shear/Mohr.h"
#include "shell/LessonWindow.h"

class QCheckBox;

namespace kavenor {

class TFH51 : public LessonWindow {
  Q_OBJECT

 public:
  explicit TFH51(const LessonEntry& entry, QWidget* parent = nullptr);

  const MohrModel& Model() const { return model_; }
  QCheckBox* CheckBox() const { return checkBox_; }

 protected:
  void FormActivate() override;
  void FormPaint() override;
  void TimerTimer() override;
  void WayOut() override;

 private:
  void CheckBoxClick();
  void composeTheory();

  QCheckBox* checkBox_ = nullptr;
  MohrModel model_;
};

std::unique_ptr<LessonWindow> MakeFH51(const LessonEntry& entry);

}  // namespace kavenor

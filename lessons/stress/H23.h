#pragma once
// TFH23, "Soil under water": a measuring cylinder holds a fixed layer of
// sand under water; "Fill" raises the water 80 pixels, one a tick, while the
// sand surface stays where it is: raising the pore pressure and the total
// stress together leaves the effective stress, and the soil, as they were.
//
// Every opening lowers the water again and shows the button. The timer runs
// from creation, also while the window is hidden.

#include <memory>

#include "lessons/composition/Cylinder.h"
#include "shell/LessonWindow.h"

class QPushButton;

namespace kavenor {

class TFH23 : public LessonWindow {
  Q_OBJECT

 public:
  explicit TFH23(const LessonEntry& entry);

  const RisingWaterModel& Model() const { return model_; }
  QPushButton* ButtonFill() const { return buttonFill_; }

 protected:
  void FormActivate() override;
  void FormPaint() override;
  void TimerTimer() override;
  bool AtRest() const override;

 private:
  void ComposeTheory();
  void ButtonFillClick();
  void SyncButton();

  RisingWaterModel model_;
  QPushButton* buttonFill_ = nullptr;
};

std::unique_ptr<LessonWindow> MakeFH23(const LessonEntry& entry);

}  // namespace kavenor

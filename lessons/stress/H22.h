#pragma once
// TFH22, "Deformation of soils": the fill-and-shake experiment of the density
// lesson with a shorter compaction, ten quick steps, after which the Shake
// button goes away and the picture stays as it is (a repaint of the window
// still draws it), beside the theory that soft soils deform by the
// rearrangement of their particles.
//
// Every opening restarts the fill. The timer runs from creation, also while
// the window is hidden.

#include <memory>

#include "lessons/composition/Cylinder.h"
#include "shell/LessonWindow.h"

class QPushButton;

namespace kavenor {

class TFH22 : public LessonWindow {
  Q_OBJECT

 public:
  explicit TFH22(const LessonEntry& entry);

  const ShakeModel& Model() const { return model_; }
  QPushButton* ButtonShake() const { return buttonShake_; }

 protected:
  void FormActivate() override;
  void FormPaint() override;
  void TimerTimer() override;
  bool AtRest() const override;

 private:
  void ComposeTheory();
  void ButtonShakeClick();
  void SyncButton();

  ShakeModel model_{kDeformationShake};
  QPushButton* buttonShake_ = nullptr;
};

std::unique_ptr<LessonWindow> MakeFH22(const LessonEntry& entry);

}  // namespace kavenor

#pragma once
// TFH21, "Effective stress": a cross-section of a soil layer under a surface
// load, with the phreatic line and water in the pores below it, beside the
// derivation of total stress, pore water pressure and effective stress.
//
// The lesson has no bitmap of its own: every repaint the window system asks
// for draws the cross-section straight on the window, with a new set of water
// dots. Its picture control `Image` is empty and shows nothing.

#include <memory>

#include "lessons/stress/EffectiveStress.h"
#include "shell/LessonWindow.h"

namespace kavenor {

class TFH21 : public LessonWindow {
  Q_OBJECT

 public:
  explicit TFH21(const LessonEntry& entry);

  const EffectiveStressModel& Model() const { return model_; }
  QWidget* Image() const { return image_; }

 protected:
  void FormPaint() override;

 private:
  void ComposeTheory();

  QWidget* image_ = nullptr;
  EffectiveStressModel model_;
};

std::unique_ptr<LessonWindow> MakeFH21(const LessonEntry& entry);

}  // namespace kavenor

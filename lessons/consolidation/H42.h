#pragma once
// TFH42, the compressibility lesson: the oedometer apparatus, or a test
// result whose two red chords show that short stress increments follow a
// nearly linear law with a stiffness growing with the stress, chosen with
// the yellow "Graphics Options" group; beside it the compressibility derived
// from the logarithmic compression law. No timer: the picture is drawn at
// every repaint and at once on every click of an option.

#include <memory>

#include "shell/LessonWindow.h"

namespace kavenor {

class RadioGroup;

class TFH42 : public LessonWindow {
  Q_OBJECT

 public:
  explicit TFH42(const LessonEntry& entry);

  RadioGroup* RadioGroup1() const { return radioGroup1_; }

 protected:
  void FormPaint() override;

 private:
  void ComposeTheory();

  RadioGroup* radioGroup1_ = nullptr;
};

std::unique_ptr<LessonWindow> MakeFH42(const LessonEntry& entry);

}  // namespace kavenor

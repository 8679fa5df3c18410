#pragma once
// TFH41, the oedometer lesson: the compression apparatus, or the test result
// on a linear or a logarithmic stress scale, chosen with the yellow "Graphic
// Options" group; beside it the linear law of metals against the logarithmic
// law of soils. No timer: the picture is drawn at every repaint and at once
// on every click of an option. The choice stays when the lesson is left and
// opened again.

#include <memory>

#include "shell/LessonWindow.h"

namespace kavenor {

class RadioGroup;

class TFH41 : public LessonWindow {
  Q_OBJECT

 public:
  explicit TFH41(const LessonEntry& entry);

  RadioGroup* RadioGroup1() const { return radioGroup1_; }

 protected:
  void FormPaint() override;

 private:
  void ComposeTheory();

  RadioGroup* radioGroup1_ = nullptr;
};

std::unique_ptr<LessonWindow> MakeFH41(const LessonEntry& entry);

}  // namespace kavenor

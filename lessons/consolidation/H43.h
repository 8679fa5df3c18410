#pragma once
// TFH43, the creep lesson: the creep strain under a constant load against
// time, on a linear or a logarithmic time axis chosen with the yellow "Scale"
// group, beside the logarithmic creep law. No timer: the graph is drawn at
// every repaint and at once on every click of an option.

#include <memory>

#include "shell/LessonWindow.h"

namespace kavenor {

class RadioGroup;

class TFH43 : public LessonWindow {
  Q_OBJECT

 public:
  explicit TFH43(const LessonEntry& entry);

  RadioGroup* RadioGroup1() const { return radioGroup1_; }

 protected:
  void FormPaint() override;

 private:
  void ComposeTheory();

  RadioGroup* radioGroup1_ = nullptr;
};

std::unique_ptr<LessonWindow> MakeFH43(const LessonEntry& entry);

}  // namespace kavenor

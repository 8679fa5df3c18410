#pragma once
// TFH43, the creep lesson: the creep strain under a constant load against
// time, on a linear or a logarithmic time axis chosen with the yellow "Scale"
// group, beside the logarithmic creep law. Built on OptionWindow: no timer, the
// picture drawn at every repaint and at once on every click of an option.

#include <memory>

#include "lessons/consolidation/OptionWindow.h"

namespace kavenor {

class TFH43 : public OptionWindow {
  Q_OBJECT

 public:
  explicit TFH43(const LessonEntry& entry);

 private:
  void ComposeTheory();
};

std::unique_ptr<LessonWindow> MakeFH43(const LessonEntry& entry);

}  // namespace kavenor

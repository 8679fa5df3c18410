#pragma once
// TFH41, the oedometer lesson: the compression apparatus, or the test result
// on a linear or a logarithmic stress scale, chosen with the yellow "Graphic
// Options" group; beside it the linear law of metals against the logarithmic
// law of soils. Built on OptionWindow: no timer, the
// picture drawn at every repaint and at once on every click of an option.

#include <memory>

#include "lessons/consolidation/OptionWindow.h"

namespace kavenor {

class TFH41 : public OptionWindow {
  Q_OBJECT

 public:
  explicit TFH41(const LessonEntry& entry);

 private:
  void ComposeTheory();
};

std::unique_ptr<LessonWindow> MakeFH41(const LessonEntry& entry);

}  // namespace kavenor

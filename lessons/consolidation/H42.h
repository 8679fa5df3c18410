#pragma once
// TFH42, the compressibility lesson: the oedometer apparatus, or a test
// result whose two red chords show that short stress increments follow a
// nearly linear law with a stiffness growing with the stress, chosen with
// the yellow "Graphics Options" group; beside it the compressibility derived
// from the logarithmic compression law. Built on OptionWindow: no timer, the
// picture drawn at every repaint and at once on every click of an option.

#include <memory>

#include "lessons/consolidation/OptionWindow.h"

namespace kavenor {

class TFH42 : public OptionWindow {
  Q_OBJECT

 public:
  explicit TFH42(const LessonEntry& entry);

 private:
  void ComposeTheory();
};

std::unique_ptr<LessonWindow> MakeFH42(const LessonEntry& entry);

}  // namespace kavenor

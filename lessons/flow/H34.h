#pragma once
// TFH34, "Flow to a well": the static cross-section of a pumped well in a
// circular island, redrawn at every paint, beside the radial-flow solution
// of the Laplace equation.

#include <memory>

#include "shell/LessonWindow.h"

namespace kavenor {

class TFH34 : public LessonWindow {
  Q_OBJECT

 public:
  explicit TFH34(const LessonEntry& entry);

 protected:
  void FormPaint() override;

 private:
  void ComposeTheory();
};

std::unique_ptr<LessonWindow> MakeFH34(const LessonEntry& entry);

}  // namespace kavenor

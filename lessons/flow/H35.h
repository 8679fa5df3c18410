#pragma once
// TFH35, "Vertical flow in a layer": the static cross-section of a clay
// layer between two sand layers with different groundwater heads, redrawn at
// every paint, beside the constant gradient and the linear head in the clay.

#include <memory>

#include "shell/LessonWindow.h"

namespace kavenor {

class TFH35 : public LessonWindow {
  Q_OBJECT

 public:
  explicit TFH35(const LessonEntry& entry);

 protected:
  void FormPaint() override;

 private:
  void ComposeTheory();
};

std::unique_ptr<LessonWindow> MakeFH35(const LessonEntry& entry);

}  // namespace kavenor

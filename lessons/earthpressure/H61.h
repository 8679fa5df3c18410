#pragma once
// Window FH61, "Continua": the conditions stresses in a soil mass must
// satisfy, and elastic solutions as a first approximation, beside a point
// load on a half space. The picture is drawn by every repaint.

#include <memory>

#include "shell/LessonWindow.h"

namespace kavenor {

class TFH61 : public LessonWindow {
 public:
  explicit TFH61(const LessonEntry& entry);

 protected:
  void FormPaint() override;

 private:
  void ComposeTheory();
};

std::unique_ptr<LessonWindow> MakeFH61(const LessonEntry& entry);

}  // namespace kavenor

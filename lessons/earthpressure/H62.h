#pragma once
// Window FH62, "Layered soil": how stresses and displacements in a layered
// soil are estimated in practice, beside a strip load on three layers. The
// picture is drawn by every repaint.

#include <memory>

#include "shell/LessonWindow.h"

namespace kavenor {

class TFH62 : public LessonWindow {
 public:
  explicit TFH62(const LessonEntry& entry);

 protected:
  void FormPaint() override;

 private:
  void ComposeTheory();
};

std::unique_ptr<LessonWindow> MakeFH62(const LessonEntry& entry);

}  // namespace kavenor

#pragma once
// Window FH72, "Bearing capacity": a vertical strip load on a soil surface
// between two surcharge zones, beside the bearing-capacity formula and its
// three coefficients. Nothing moves; every activation and repaint draws the
// same picture.

#include <memory>

#include "shell/LessonWindow.h"

namespace kavenor {

class TFH72 : public LessonWindow {
 public:
  explicit TFH72(const LessonEntry& entry);

 protected:
  void FormActivate() override;
  void FormPaint() override;

 private:
  void ComposeTheory();
};

std::unique_ptr<LessonWindow> MakeFH72(const LessonEntry& entry);

}  // namespace kavenor

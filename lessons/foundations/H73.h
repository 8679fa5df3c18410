#pragma once
// Window FH73, "Brinch Hansen": the strip load of the bearing capacity lesson,
// now inclined, beside the bearing-capacity formula extended by inclination
// and shape factors. Nothing moves; every activation and repaint draws the
// same picture.

#include <memory>

#include "shell/LessonWindow.h"

namespace kavenor {

class TFH73 : public LessonWindow {
 public:
  explicit TFH73(const LessonEntry& entry);

 protected:
  void FormActivate() override;
  void FormPaint() override;

 private:
  void ComposeTheory();
};

std::unique_ptr<LessonWindow> MakeFH73(const LessonEntry& entry);

}  // namespace kavenor

#pragma once
// Window FH63, "Rankine": a soil element below a horizontal surface above a
// Mohr diagram of the extreme stress states, beside the derivation of the
// active and passive coefficients. The two pictures have a bitmap each, the
// lower one copied a drawing area's height below the upper; creation, every
// opening and every repaint draw both.

#include <memory>

#include "shell/LessonWindow.h"

namespace kavenor {

class TFH63 : public LessonWindow {
 public:
  explicit TFH63(const LessonEntry& entry);

  const Canvas& SoilBitmap() const { return soilBitmap_; }
  const Canvas& MohrBitmap() const { return mohrBitmap_; }

 protected:
  void FormActivate() override { Draw(); }
  void FormPaint() override { Draw(); }

 private:
  void Draw();
  void ComposeTheory();

  Canvas soilBitmap_;
  Canvas mohrBitmap_;
};

std::unique_ptr<LessonWindow> MakeFH63(const LessonEntry& entry);

}  // namespace kavenor

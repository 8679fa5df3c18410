#pragma once
// Window FH75, "Cone Resistance": a cone resistance profile against depth,
// with new random scatter at every activation and repaint, beside a reading
// of the diagram. The figure is twice the usual height.

#include <memory>

#include "lessons/foundations/ConeResistance.h"
#include "shell/LessonWindow.h"

namespace kavenor {

class TFH75 : public LessonWindow {
 public:
  explicit TFH75(const LessonEntry& entry);

  const ConeResistanceModel& Model() const { return model_; }

 protected:
  void FormActivate() override;
  // Draws a new curve from the shared generator.
  void FormPaint() override;

 private:
  void ComposeTheory();

  ConeResistanceModel model_;
};

std::unique_ptr<LessonWindow> MakeFH75(const LessonEntry& entry);

}  // namespace kavenor

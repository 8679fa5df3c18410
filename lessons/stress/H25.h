#pragma once
// TFH25, "Terzaghi": a saturated sand layer under water with its dimension
// arrows h and d, beside the effective stress at the bottom of the layer
// found by Terzaghi's principle and by Archimedes'. The paint handler draws
// the picture with a new scatter of grains, places the theory pane and
// composes its text, so every repaint (and every activation, which runs it)
// rebuilds the text: anything typed into the pane is lost.

#include <memory>

#include "lessons/stress/UnderWater.h"
#include "shell/LessonWindow.h"

namespace kavenor {

class TFH25 : public LessonWindow {
  Q_OBJECT

 public:
  explicit TFH25(const LessonEntry& entry);

  const TerzaghiModel& Model() const { return model_; }

 protected:
  void FormActivate() override { FormPaint(); }
  void FormPaint() override;

 private:
  void ComposeTheory();

  TerzaghiModel model_;
};

std::unique_ptr<LessonWindow> MakeFH25(const LessonEntry& entry);

}  // namespace kavenor

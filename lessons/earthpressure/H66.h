#pragma once
// Window FH66, "Sheet pile wall": an anchored sheet pile wall beside the
// assumption for its ultimate pressures and a five-step procedure for the
// lateral stresses. Its timer steps a counter every half second after each
// opening and repaint, redrawing the same picture.

#include <memory>

#include "lessons/earthpressure/SheetPile.h"
#include "shell/LessonWindow.h"

namespace kavenor {

class TFH66 : public LessonWindow {
 public:
  explicit TFH66(const LessonEntry& entry);

  const SheetPileModel& Model() const { return model_; }

 protected:
  void FormActivate() override { Restart(); }
  void FormPaint() override { Restart(); }
  void TimerTimer() override;

 private:
  void Restart();
  void Draw();
  void ComposeTheory();

  SheetPileModel model_;
};

std::unique_ptr<LessonWindow> MakeFH66(const LessonEntry& entry);

}  // namespace kavenor

#pragma once
// Window FH76, "Centrifuge": a geotechnical centrifuge turning in an oblique
// projection, its speed and the swing of its baskets set by the scroll bar
// between "Slow" and "Fast", beside why soil models are tested in a
// centrifuge.
//
// The timer runs from creation: the arm turns also while the window is
// hidden and is never reset. The scroll bar has no handler of its own: the
// next drawing reads its swing angle, the next tick its speed.

#include <memory>

#include "lessons/foundations/Centrifuge.h"
#include "shell/LessonWindow.h"

class QLabel;
class QScrollBar;

namespace kavenor {

class TFH76 : public LessonWindow {
 public:
  explicit TFH76(const LessonEntry& entry);

  const CentrifugeModel& Model() const { return model_; }
  QScrollBar* ScrollbarRotation() const { return scrollbarRotation_; }
  QLabel* LabelSlow() const { return labelSlow_; }
  QLabel* LabelFast() const { return labelFast_; }

 protected:
  void FormActivate() override;
  void TimerTimer() override;

 private:
  // Not connected to the paint event: only the activation draws through it.
  void FormPaint() override;
  void ComposeTheory();
  void ShowCentrifuge();

  CentrifugeModel model_;
  QScrollBar* scrollbarRotation_ = nullptr;
  QLabel* labelSlow_ = nullptr;
  QLabel* labelFast_ = nullptr;
};

std::unique_ptr<LessonWindow> MakeFH76(const LessonEntry& entry);

}  // namespace kavenor

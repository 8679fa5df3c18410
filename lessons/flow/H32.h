#pragma once
// TFH32, the liquefaction lesson: "Start" raises the reservoir one pixel
// every 500 ms, the stress diagrams show the effective stress at the bottom
// of the sand vanishing, and the person sinks into the quicksand; beside it
// the theory of the critical head.
//
// The timer runs from the window's creation on, also while it is hidden.
// The window has no paint or activation handler: the picture changes only
// with the ticks, and opening the lesson goes on from where it was. The way
// back to the menu sets everything back to 0 and stops the rise.

#include <memory>

#include "lessons/flow/Quicksand.h"
#include "shell/LessonWindow.h"

class QPushButton;

namespace kavenor {

class TFH32 : public LessonWindow {
  Q_OBJECT

 public:
  explicit TFH32(const LessonEntry& entry);

  const QuicksandModel& Model() const { return model_; }
  QPushButton* StartButton() const { return startButton_; }

 protected:
  void TimerTimer() override;
  void WayOut() override;

 private:
  void ComposeTheory();
  void StartButtonClick();
  // The button sits centred under the drawing area.
  void PlaceStartButton();
  void ShowQuicksand();

  QPushButton* startButton_ = nullptr;
  QuicksandModel model_;
};

std::unique_ptr<LessonWindow> MakeFH32(const LessonEntry& entry);

}  // namespace kavenor

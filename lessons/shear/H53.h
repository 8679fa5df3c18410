#pragma once
// TFH53, "Triaxial test": the apparatus put together one part a click on
// "Next ", each phase named by a line added to the pane; a 100 ms timer
// fills the cell, lowers the piston and runs the test. Every opening starts
// again from the bottom plate, with the pane's first lines composed afresh.

#include <memory>

#include "lessons/shear/Triaxial.h"
#include "shell/LessonWindow.h"

class QPushButton;

namespace kavenor {

class TFH53 : public LessonWindow {
  Q_OBJECT

 public:
  explicit TFH53(const LessonEntry& entry, QWidget* parent = nullptr);

  const TriaxialModel& Model() const { return model_; }
  QPushButton* ButtonNext() const { return buttonNext_; }

 protected:
  void FormActivate() override;
  void TimerTimer() override;

 private:
  void ButtonNextClick();
  void composeTheory();
  // The picture, then the pane line of a phase clicked since the last one.
  void drawApparatus();

  QPushButton* buttonNext_ = nullptr;
  TriaxialModel model_;
};

std::unique_ptr<LessonWindow> MakeFH53(const LessonEntry& entry);

}  // namespace kavenor

#pragma once
// The window both triaxial test lessons share: a 100 ms timer adds one Mohr
// circle a tick, and every opening starts again from the bare axes. The
// lessons differ in their tests (TriaxialTests) and their theory text.

#include "lessons/shear/TestCircles.h"
#include "shell/LessonWindow.h"

namespace kavenor {

class CircleTestsLesson : public LessonWindow {
  Q_OBJECT

 public:
  CircleTestsLesson(const LessonEntry& entry, const TriaxialTests& tests,
                    QWidget* parent = nullptr);

  const CircleTestsModel& Model() const { return model_; }
  const TriaxialTests& Tests() const { return tests_; }

 protected:
  void FormActivate() override;
  void TimerTimer() override;
  bool AtRest() const override;

 private:
  void drawCircles();

  const TriaxialTests& tests_;
  CircleTestsModel model_;
};

}  // namespace kavenor

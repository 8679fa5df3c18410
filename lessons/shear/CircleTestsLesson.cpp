#include "lessons/shear/CircleTestsLesson.h"

#include "shell/LessonTimer.h"

namespace kavenor {

CircleTestsLesson::CircleTestsLesson(const LessonEntry& entry, const TriaxialTests& tests,
                                     QWidget* parent)
    : LessonWindow(entry, parent), tests_(tests) {}

void CircleTestsLesson::FormActivate() {
  model_.Activate();
  Timer()->SetInterval(100);
  drawCircles();
}

void CircleTestsLesson::TimerTimer() {
  model_.Tick();
  drawCircles();
}

// Once both tests are done the picture no longer changes: the count that
// goes on cycling is not drawn, and the next opening starts it afresh.
bool CircleTestsLesson::AtRest() const { return model_.TestNumber == 3; }

void CircleTestsLesson::drawCircles() {
  ShowFigure([m = model_, &tests = tests_](Canvas& c) { DrawCircleTests(c, m, tests); });
}

}  // namespace kavenor

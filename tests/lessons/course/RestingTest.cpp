#include <gtest/gtest.h>

#include "course/Course.h"
#include "course/Lessons.h"
#include "shell/LessonTimer.h"
#include "shell/Random.h"
#include "tests/support/TestSupport.h"

namespace kavenor {
namespace {

// A hidden lesson at rest may sleep through its ticks, so those ticks must be
// ones that do nothing: after every lesson has been opened and left, each one
// that comes to rest stays at rest through further ticks and draws no random
// numbers.
TEST(RestingLessons, TicksAtRestDrawNoRandomNumbersAndKeepTheLessonAtRest) {
  Course& course = test::SharedCourse();
  int resting = 0;
  for (const LessonEntry& e : Lessons()) {
    SCOPED_TRACE(e.window);
    LessonWindow& lesson = course.Lesson(e.number);
    course.OpenLesson(e.number);
    test::Settle();
    lesson.ReturnButtonClick();
    LessonTimer* timer = lesson.Timer();
    if (!timer) continue;
    for (int i = 0; i < 20000 && !lesson.Resting(); ++i) timer->Fire();
    if (!lesson.Resting()) continue;
    ++resting;
    SeedRandom(7);
    for (int i = 0; i < 100; ++i) {
      timer->Fire();
      ASSERT_TRUE(lesson.Resting()) << "after " << i + 1 << " ticks at rest";
    }
    const int drawn = Random(1 << 30);
    SeedRandom(7);
    EXPECT_EQ(drawn, Random(1 << 30));
  }
  course.Start();
  EXPECT_GT(resting, 0);
}

}  // namespace
}  // namespace kavenor

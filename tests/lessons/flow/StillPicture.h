#pragma once
// The window check of the two flow lessons whose picture stands still: no
// timer, and the same picture at every paint.

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>

#include "tests/support/TestSupport.h"

namespace kavenor::test {

// Lesson `number`, with `panel` over its drawing area, shows `picture` when
// opened, after a repaint, and when opened again; then it is back at the menu.
inline void ExpectTheSamePictureAtEveryPaint(int number, const char* panel, const QImage& picture) {
  Course& course = SharedCourse();
  LessonWindow& lesson = course.Lesson(number);
  EXPECT_EQ(lesson.Timer(), nullptr);
  EXPECT_TRUE(lesson.PaintConnected());
  EXPECT_EQ(lesson.Panel()->text().toStdString(), panel);

  course.OpenLesson(number);
  Settle();
  EXPECT_EQ(ShownArea(lesson), picture);
  lesson.SystemRepaint();
  Settle();
  EXPECT_EQ(ShownArea(lesson), picture);

  lesson.ReturnButtonClick();
  Settle();
  course.OpenLesson(number);
  Settle();
  EXPECT_EQ(ShownArea(lesson), picture);
  lesson.ReturnButtonClick();
  Settle();
}

}  // namespace kavenor::test

// A window with two pictures, each copied to its own place: while the window
// is hidden it keeps the last figure asked for at each place, and shows all
// of them, in the order asked, when it is shown.

#include <gtest/gtest.h>

#include "tests/support/ProbeLesson.h"
#include "tests/support/TestSupport.h"

namespace kavenor {
namespace {

class TwoPictures : public LessonWindow {
 public:
  TwoPictures() : LessonWindow(test::kProbeEntry) {}
  // A 20 x 10 block of one colour at (x, y) of the window.
  void Draw(Rgb colour, int x, int y) {
    ShowFigure(
        [this, colour](Canvas& c) {
          ++drawings;
          c.SetSize(20, 10);
          c.Brush.Color = colour;
          c.FillRect(0, 0, 20, 10);
        },
        QPoint(x, y));
  }
  int drawings = 0;
};

TEST(LessonPictures, HiddenWindowKeepsTheLastFigureOfEachPlace) {
  test::SharedCourse();
  TwoPictures window;
  window.Draw(clBlue, 10, 45);
  window.Draw(clRed, 10, 240);
  window.Draw(clYellow, 10, 45);  // replaces the blue one
  EXPECT_EQ(window.drawings, 0);
  window.show();
  test::Settle();
  EXPECT_EQ(window.drawings, 2);
  EXPECT_EQ(window.Surface().pixel(15, 50) & 0xFFFFFF, clYellow);
  EXPECT_EQ(window.Surface().pixel(15, 245) & 0xFFFFFF, clRed);
  EXPECT_EQ(window.Surface().pixel(15, 60) >> 24, 0u);  // between them nothing was copied

  // Shown, each figure is drawn at once.
  window.Draw(clGreen, 10, 240);
  EXPECT_EQ(window.drawings, 3);
  EXPECT_EQ(window.Surface().pixel(15, 245) & 0xFFFFFF, clGreen);
  EXPECT_EQ(window.Surface().pixel(15, 50) & 0xFFFFFF, clYellow);
  window.hide();
}

}  // namespace
}  // namespace kavenor

// The drained test lesson and what it shares with the undrained one: the
// tick sequence of the two tests, the axes, the growing circles and the
// failure lines in the standard 332 x 176 picture, the pane, and the
// windows' timer and openings (for both lessons).

#include <gtest/gtest.h>

#include <QTextCursor>
#include <tuple>

#include "course/Lessons.h"
#include "lessons/shear/H54.h"
#include "lessons/shear/H55.h"
#include "lessons/shear/Mohr.h"
#include "lessons/shear/TestCircles.h"
#include "shell/LessonTimer.h"
#include "shell/Primitives.h"
#include "shell/TheoryPane.h"
#include "tests/lessons/shear/ShearFigures.h"
#include "tests/support/TestSupport.h"

namespace kavenor {
namespace {

using shear_test::ExpectPixels;
using shear_test::PixelCase;

// The standard picture: 332 x nearest(175.5) = 176, the origin of the
// stresses at (83, 88).
constexpr int kW = 332, kH = 176;
constexpr int xa = 83, yc = 88;

CircleTestsModel AfterTicks(int ticks) {
  CircleTestsModel m;
  m.Activate();
  for (int i = 0; i < ticks; ++i) m.Tick();
  return m;
}

Canvas Picture(const CircleTestsModel& m, const TriaxialTests& tests) {
  Canvas c;
  DrawCircleTests(c, m, tests, kW, kH);
  return c;
}

// The picture with the axes alone, drawn here from the primitives.
Canvas AxesOnly() {
  Canvas c;
  c.SetSize(kW, kH);
  c.Rectangle(0, 0, kW, kH);
  DrawArrow(c, 41, yc, 291, yc);
  DrawArrow(c, xa, 30, xa, 146);
  DrawArrow(c, xa, 146, xa, 30);
  return c;
}

// ------------------------------------------------------ shared model

TEST(TestCirclesModel, TestsAndCirclesOverTicks) {
  struct Case {
    int ticks, test, count;
  };
  const Case cases[] = {
      {0, 1, 0},  {1, 1, 1},  {9, 1, 9},  {10, 2, 0},  {11, 2, 1},   {19, 2, 9},
      {20, 3, 0}, {21, 3, 1}, {29, 3, 9}, {30, 3, 0},  {1000, 3, 0}, {1234, 3, 4},
  };
  for (const Case& k : cases) {
    const CircleTestsModel m = AfterTicks(k.ticks);
    EXPECT_EQ(std::make_tuple(m.TestNumber, m.CircleCount), std::make_tuple(k.test, k.count))
        << k.ticks << " ticks";
  }
}

TEST(TestCirclesModel, TestNumberNeverPassesThreeAndAnOpeningStartsAgain) {
  CircleTestsModel m = AfterTicks(0);
  for (int i = 0; i < 100000; ++i) {
    m.Tick();
    ASSERT_LE(m.TestNumber, 3) << "tick " << i + 1;
    ASSERT_LE(m.CircleCount, 9) << "tick " << i + 1;
  }
  m.Activate();
  EXPECT_EQ(std::make_tuple(m.TestNumber, m.CircleCount), std::make_tuple(1, 0));
}

TEST(TestCirclesFigure, DegreeCircleOfAnyRadius) {
  // The points of small radii are kept, those of very large ones worked out
  // afresh: either way the circle passes its four ends and leaves its
  // centre clear.
  for (int R : {3, 44, 72, 1100}) {
    SCOPED_TRACE(R);
    Canvas c;
    c.SetSize(2 * R + 11, 2 * R + 11);
    const int x = R + 5, y = R + 5;
    DrawDegreeCircle(c, x, y, R);
    for (Point end : {Point{x + R, y}, Point{x, y + R}, Point{x - R, y}, Point{x, y - R}})
      EXPECT_EQ(c.Pixel(end.x, end.y), clBlack) << end.x << ", " << end.y;
    EXPECT_EQ(c.Pixel(x + R + 1, y), clWhite);
    EXPECT_EQ(c.Pixel(x, y), clWhite);
  }
}

// ------------------------------------------------------- drained test

TEST(H54Figure, StressesAndPlacesOfTheCircles) {
  // s3 = W / 12 and 2W / 12; s1 = s3 + 2k s3 / 10 + k W / 100.
  EXPECT_NEAR(static_cast<double>(CellPressure(kDrainedTests, 1, kW)), 27.6667, 1e-4);
  EXPECT_NEAR(static_cast<double>(CellPressure(kDrainedTests, 2, kW)), 55.3333, 1e-4);
  for (int test : {1, 2}) {
    const CircleStresses s = TestCircle(kDrainedTests, test, 10, kW);
    EXPECT_NEAR(static_cast<double>(s.s1), static_cast<double>(3 * s.s3 + kW / 10.0L), 1e-9)
        << "the tenth circle is the failure state";
    EXPECT_EQ(s.u, 0) << "no pore pressure in a drained test";
  }
  struct Case {
    int test, k;
    Point centre;
    int R;
  };
  const Case cases[] = {
      {1, 1, {115, yc}, 4},   // s1 = 36.52: centre 32.09, radius 4.43
      {1, 10, {155, yc}, 44},  // s1 = 116.2: centre 71.93, radius 44.27
      {2, 1, {146, yc}, 7},   // s1 = 69.72: centre 62.53, radius 7.19
      {2, 10, {210, yc}, 72},  // s1 = 199.2: centre 127.27, radius 71.93
  };
  for (const Case& k : cases) {
    const CirclePlace p = PlaceCircle(kDrainedTests, k.test, k.k, kW, kH);
    EXPECT_EQ(p.centre, k.centre) << "test " << k.test << " circle " << k.k << ": " << p.centre.x;
    EXPECT_EQ(p.R, k.R) << "test " << k.test << " circle " << k.k;
  }
}

TEST(H54Figure, OnlyTheAxesRightAfterAnOpening) {
  const Canvas c = Picture(AfterTicks(0), kDrainedTests);
  ASSERT_EQ(c.Width(), kW);
  ASSERT_EQ(c.Height(), kH);
  EXPECT_EQ(c.Image(), AxesOnly().Image());
  ExpectPixels(c, {
                      {41, yc, clBlack, "sigma axis from W div 8"},
                      {40, yc, clWhite, "left of the sigma axis"},
                      {291, yc, clBlack, "sigma axis tip at W - W div 8"},
                      {292, yc, clWhite, "beyond the sigma axis"},
                      {xa, 30, clBlack, "tau axis top"},
                      {xa, 29, clWhite, "above the tau axis"},
                      {xa, 146, clBlack, "tau axis bottom"},
                      {xa, 147, clWhite, "below the tau axis"},
                      {81, 34, clBlack, "upper head"},
                      {85, 34, clBlack, "upper head"},
                      {81, 142, clBlack, "lower head"},
                      {85, 142, clBlack, "lower head"},
                  });
}

TEST(H54Figure, CirclesByTick) {
  // The top of a circle of the first test at (cx, 88 - R) and the pixel
  // just above it: circle 10 at (155, 44), circle 9 at (151, 48).
  struct Case {
    int ticks;
    bool ninth, tenth, second, lines;
  };
  const Case cases[] = {
      {8, false, false, false, false}, {9, true, false, false, false},
      {10, true, true, false, false},  {15, true, true, false, false},
      {19, true, true, false, false},  {20, true, true, true, true},
      {500, true, true, true, true},
  };
  const CirclePlace ninth = PlaceCircle(kDrainedTests, 1, 9, kW, kH);
  const CirclePlace tenth = PlaceCircle(kDrainedTests, 1, 10, kW, kH);
  const CirclePlace last = PlaceCircle(kDrainedTests, 2, 10, kW, kH);
  ASSERT_EQ(ninth.centre.x, 151);
  ASSERT_EQ(ninth.R, 40);
  for (const Case& k : cases) {
    const Canvas c = Picture(AfterTicks(k.ticks), kDrainedTests);
    const std::string what = std::to_string(k.ticks) + " ticks";
    const auto shown = [&](const CirclePlace& p) {
      return c.Pixel(p.centre.x, yc - p.R) != clWhite && c.Pixel(p.centre.x, yc + p.R) != clWhite;
    };
    EXPECT_EQ(shown(ninth), k.ninth) << what << ", circle 9";
    EXPECT_EQ(shown(tenth), k.tenth) << what << ", circle 10";
    EXPECT_EQ(shown(last), k.second) << what << ", circle 10 of the second test";
    EXPECT_EQ(c.Pixel(tenth.centre.x, yc - tenth.R - 1), clWhite) << what;
    EXPECT_EQ(c.Pixel(109, 65) == clRed, k.lines) << what << ", upper failure line";
  }
  // From tick 11 the second test grows beside the finished first one.
  const Canvas c = Picture(AfterTicks(11), kDrainedTests);
  const CirclePlace first = PlaceCircle(kDrainedTests, 2, 1, kW, kH);
  EXPECT_EQ(c.Pixel(first.centre.x, yc - first.R), clBlack);
}

TEST(H54Figure, FailureLinesFromTheirVertexLeftOfTheTauAxis) {
  const Canvas c = Picture(AfterTicks(20), kDrainedTests);
  // From (68, 88) to (191, 19) and to (191, 157): 3H div 8 + 3 = 69 up and down.
  ExpectPixels(c, {
                      {68, yc, clRed, "vertex, 15 pixels left of the tau axis"},
                      {67, yc, clBlack, "sigma axis left of the vertex"},
                      {xa, 80, clRed, "upper line crosses the tau axis (cohesion)"},
                      {xa, 96, clRed, "lower line crosses the tau axis"},
                      {109, 65, clRed, "upper line"},
                      {109, 111, clRed, "lower line"},
                      {150, 42, clRed, "upper line"},
                      {150, 134, clRed, "lower line"},
                      {189, 20, clRed, "upper line near its end"},
                      {191, 19, clWhite, "upper end left out"},
                      {191, 157, clWhite, "lower end left out"},
                  });
  // Once both tests are done the picture no longer changes.
  EXPECT_EQ(Picture(AfterTicks(25), kDrainedTests).Image(), c.Image());
  EXPECT_EQ(Picture(AfterTicks(1007), kDrainedTests).Image(), c.Image());
}

TEST(H54Pane, LinesAndTheGreekPhi) {
  const TheoryPane& pane = *test::SharedCourse().Lesson(23).RichEdit();
  const QStringList lines = test::PaneLines(pane);
  ASSERT_EQ(lines.size(), 7) << lines.join(QLatin1Char('|')).toStdString();
  EXPECT_EQ(lines[0], QStringLiteral("Drained triaxial test."));
  for (int i : {1, 3, 5}) EXPECT_EQ(lines[i], QStringLiteral(" "));
  EXPECT_TRUE(lines[2].startsWith(QStringLiteral("In a drained triaxial test ")));
  EXPECT_TRUE(lines[2].contains(QStringLiteral("relatively high permeability")));
  EXPECT_TRUE(lines[4].startsWith(QStringLiteral("The usual procedure is to perform two tests")));
  EXPECT_TRUE(lines[4].contains(QStringLiteral("remains equal to the cell pressure")));
  // The phi carries only the Symbol typeface; its size stays at 8 pt.
  EXPECT_EQ(lines[6].toStdString(),
            "The two critical circles determine a failure line, from which the cohesion c and "
            "the friction angle \xCF\x86 can be determined.");
  EXPECT_EQ(test::Dressing(pane, 6), "100:\xCF\x86:Symbol:8");
  for (int i = 0; i < 6; ++i) EXPECT_EQ(test::Dressing(pane, i), "") << "line " << i + 1;
  EXPECT_EQ(pane.geometry(), QRect(408, 45, 332, 401));
  EXPECT_EQ(pane.textCursor().position(), 0);
}

// ------------------------------------------------- both lessons' windows

struct CircleLesson {
  int number;
  const char* window;
  const TriaxialTests* tests;
};
const CircleLesson kCircleLessons[] = {{23, "FH54", &kDrainedTests},
                                       {24, "FH55", &kUndrainedTests}};

TEST(TestCirclesWindow, CreatedWithTheStoredTimerAndNothingDrawn) {
  test::SharedCourse();
  for (const CircleLesson& l : kCircleLessons) {
    const LessonEntry& entry = *FindLesson(l.window);
    const std::unique_ptr<LessonWindow> made = entry.make(entry);
    auto* w = dynamic_cast<CircleTestsLesson*>(made.get());
    ASSERT_NE(w, nullptr) << l.window;
    EXPECT_EQ(&w->Tests(), l.tests) << l.window;
    EXPECT_TRUE(w->Timer()->Running()) << l.window;
    EXPECT_EQ(w->Timer()->Interval(), 1000) << l.window;
    EXPECT_FALSE(w->PaintConnected()) << l.window;
    EXPECT_EQ(w->CanvasBitmap().Width(), 0) << l.window << ": creation draws nothing";
  }
}

TEST(TestCirclesWindow, EachOpeningStartsFromTheAxesAndEachTickAddsACircle) {
  Course& course = test::SharedCourse();
  for (const CircleLesson& l : kCircleLessons) {
    SCOPED_TRACE(l.window);
    course.OpenLesson(l.number);
    test::Settle();
    auto& w = dynamic_cast<CircleTestsLesson&>(course.Lesson(l.number));
    EXPECT_EQ(w.Timer()->Interval(), 100);
    EXPECT_EQ(test::ShownArea(w, kW, kH), test::AsShown(AxesOnly()));

    for (int i = 0; i < 13; ++i) w.Timer()->Fire();
    EXPECT_EQ(std::make_tuple(w.Model().TestNumber, w.Model().CircleCount),
              std::make_tuple(2, 3));
    EXPECT_EQ(test::ShownArea(w, kW, kH),
              test::AsShown(Picture(AfterTicks(13), *l.tests)));

    // Hidden, the tests run on; the next opening shows the axes alone again.
    w.ReturnButtonClick();
    test::Settle();
    for (int i = 0; i < 30; ++i) w.Timer()->Fire();
    EXPECT_EQ(w.Model().TestNumber, 3);
    course.OpenLesson(l.number);
    test::Settle();
    EXPECT_EQ(std::make_tuple(w.Model().TestNumber, w.Model().CircleCount),
              std::make_tuple(1, 0));
    EXPECT_EQ(test::ShownArea(w, kW, kH), test::AsShown(AxesOnly()));
    for (int i = 0; i < 20; ++i) w.Timer()->Fire();
    EXPECT_EQ(test::ShownArea(w, kW, kH),
              test::AsShown(Picture(AfterTicks(20), *l.tests)));
    w.ReturnButtonClick();
    test::Settle();
  }
}

}  // namespace
}  // namespace kavenor

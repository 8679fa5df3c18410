// The undrained test lesson: its effective circles, shifted left of the
// total ones by the pore pressure, the tenth meeting the failure condition,
// its failure lines in the standard 332 x 176 picture, and its pane. What it
// shares with the drained test (the tick sequence, the axes, the window) is
// tested with that lesson.

#include <gtest/gtest.h>

#include <QTextCursor>

#include "course/Course.h"
#include "lessons/shear/TestCircles.h"
#include "shell/TheoryPane.h"
#include "tests/lessons/shear/ShearFigures.h"
#include "tests/support/TestSupport.h"

namespace kavenor {
namespace {

using shear_test::ExpectPixels;

constexpr int kW = 332, kH = 176;
constexpr int xa = 83, yc = 88;

Canvas Picture(int ticks) {
  CircleTestsModel m;
  m.Activate();
  for (int i = 0; i < ticks; ++i) m.Tick();
  Canvas c;
  DrawCircleTests(c, m, kUndrainedTests, kW, kH);
  return c;
}

TEST(H55Model, PorePressureShiftsEachCircleLeftOfTheCellPressure) {
  EXPECT_EQ(CellPressure(kUndrainedTests, 1, kW), 41.5L);
  EXPECT_EQ(CellPressure(kUndrainedTests, 2, kW), 83.0L);
  for (int test : {1, 2}) {
    long double lastShift = 0;
    for (int k = 1; k <= kCirclesPerTest; ++k) {
      SCOPED_TRACE("test " + std::to_string(test) + ", circle " + std::to_string(k));
      const CircleStresses s = TestCircle(kUndrainedTests, test, k, kW);
      EXPECT_EQ(s.s3, CellPressure(kUndrainedTests, test, kW));
      EXPECT_NEAR(static_cast<double>(s.u), 0.25 * static_cast<double>(s.s1 - s.s3), 1e-12);
      // The effective circle's left end, centre minus radius, is s3 - u.
      const long double left = (s.s1 + s.s3) / 2 - s.u - (s.s1 - s.s3) / 2;
      EXPECT_NEAR(static_cast<double>(left), static_cast<double>(s.s3 - s.u), 1e-12);
      EXPECT_GT(s.u, lastShift) << "the shift grows with k";
      lastShift = s.u;
      // As drawn, the left end lies within a pixel of s3 - u from the tau axis.
      const CirclePlace p = PlaceCircle(kUndrainedTests, test, k, kW, kH);
      EXPECT_NEAR(p.centre.x - p.R - xa, static_cast<double>(s.s3 - s.u), 1.0);
      EXPECT_LT(p.centre.x - p.R - xa, static_cast<double>(s.s3));
    }
    // The tenth circle meets the failure condition before any rounding.
    const CircleStresses f = TestCircle(kUndrainedTests, test, kCirclesPerTest, kW);
    EXPECT_NEAR(static_cast<double>(f.s1 - f.u), static_cast<double>(2.5L * (f.s3 - f.u) + 20),
                1e-12)
        << "test " << test;
  }
}

TEST(H55Figure, PlacesOfTheCircles) {
  struct Case {
    int test, k;
    int x, R;
  };
  const Case cases[] = {
      {1, 1, 126, 3},    // d = 5.98: centre 41.5 + d / 4 = 43.0, radius 2.99
      {1, 10, 139, 30},  // d = 59.82: centre 56.45, radius 29.91
      {2, 1, 169, 5},    // d = 10.51: centre 85.63, radius 5.25
      {2, 10, 192, 53},  // d = 105.09: centre 109.27, radius 52.55
  };
  for (const Case& k : cases) {
    const CirclePlace p = PlaceCircle(kUndrainedTests, k.test, k.k, kW, kH);
    EXPECT_EQ(p.centre, (Point{k.x, yc})) << "test " << k.test << " circle " << k.k;
    EXPECT_EQ(p.R, k.R) << "test " << k.test << " circle " << k.k;
  }
  // The tenth circle of the first test, at (139, 88) with radius 30, shows
  // from tick 10 on: its top at (139, 58).
  EXPECT_EQ(Picture(9).Pixel(139, 58), clWhite);
  EXPECT_EQ(Picture(10).Pixel(139, 58), clBlack);
  EXPECT_EQ(Picture(10).Pixel(139, 57), clWhite);
  EXPECT_EQ(Picture(10).Pixel(139, 118), clBlack);
}

TEST(H55Figure, FailureLinesAfterBothTests) {
  // From (68, 88) to (191, 34) and (191, 142): 3H div 10 + 2 = 54 up and down.
  EXPECT_EQ(Picture(19).Pixel(109, 70), clWhite);
  const Canvas c = Picture(20);
  ExpectPixels(c, {
                      {68, yc, clRed, "vertex, 15 pixels left of the tau axis"},
                      {109, 70, clRed, "upper line"},
                      {109, 106, clRed, "lower line"},
                      {150, 52, clRed, "upper line"},
                      {150, 124, clRed, "lower line"},
                      {191, 34, clWhite, "upper end left out"},
                      {191, 142, clWhite, "lower end left out"},
                  });
  EXPECT_EQ(Picture(333).Image(), c.Image());
}

TEST(H55Pane, LinesAndTheGreekPhi) {
  const TheoryPane& pane = *test::SharedCourse().Lesson(24).RichEdit();
  const QStringList lines = test::PaneLines(pane);
  ASSERT_EQ(lines.size(), 7) << lines.join(QLatin1Char('|')).toStdString();
  EXPECT_EQ(lines[0], QStringLiteral("Undrained triaxial test."));
  for (int i : {1, 3, 5}) EXPECT_EQ(lines[i], QStringLiteral(" "));
  EXPECT_TRUE(lines[2].startsWith(QStringLiteral("In an undrained triaxial test pore water")));
  EXPECT_TRUE(lines[2].contains(QStringLiteral("electronic pore pressure meter")));
  EXPECT_TRUE(lines[4].startsWith(QStringLiteral("The usual procedure is to perform two tests")));
  EXPECT_TRUE(lines[4].contains(QStringLiteral("effective stresses")));
  EXPECT_TRUE(lines[4].contains(QStringLiteral("pore water pressure")));
  EXPECT_EQ(lines[6].toStdString(),
            "The two critical circles determine a failure line, from which the cohesion c and "
            "the friction angle \xCF\x86 can be determined.");
  EXPECT_EQ(test::Dressing(pane, 6), "100:\xCF\x86:Symbol:8");
  for (int i = 0; i < 6; ++i) EXPECT_EQ(test::Dressing(pane, i), "") << "line " << i + 1;
  EXPECT_EQ(pane.geometry(), QRect(408, 45, 332, 401));
  EXPECT_EQ(pane.textCursor().position(), 0);
}

}  // namespace
}  // namespace kavenor

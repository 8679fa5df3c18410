#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <vector>

#include "lessons/consolidation/H44.h"
#include "lessons/consolidation/H45.h"
#include "lessons/consolidation/Isochrone.h"
#include "shell/LessonTimer.h"
#include "tests/lessons/consolidation/FigureChecks.h"
#include "tests/support/LessonFixture.h"

namespace kavenor {
namespace {

using checks::ExpectPixels;
using checks::InkIn;

constexpr int W = 332, H = 195;
constexpr int kLessonNumber = 19;
constexpr int kConsolidationLesson = 18;

// ---- the scheme of the pane against the series of the picture ----

// The explicit scheme p(z, t + dt) = p + alpha [p(z + dz) - 2p + p(z - dz)]
// on the layer of thickness 2h (z from 0 to 2 in units of h, so that the time
// factor T = cv t / h^2 advances by alpha dz^2 per step), drained at both
// faces, after a load carried at first wholly by the pore water. Returns the
// pressures at T on `intervals` + 1 points.
std::vector<double> ExplicitScheme(int intervals, double alpha, double T) {
  const double dz = 2.0 / intervals;
  const double dT = alpha * dz * dz;
  std::vector<double> p(static_cast<std::size_t>(intervals) + 1, 1.0), next = p;
  p.front() = p.back() = 0;
  next = p;
  const long steps = std::lround(T / dT);
  for (long s = 0; s < steps; ++s) {
    for (int i = 1; i < intervals; ++i)
      next[i] = p[i] + alpha * (p[i + 1] - 2 * p[i] + p[i - 1]);
    std::swap(p, next);
  }
  return p;
}

// The largest difference from the series at the lesson's 41 depth points.
double LargestDifference(int intervals, double alpha, double T) {
  IsochroneModel series;
  series.TimeFactor = T;
  series.ComputePressures();
  const std::vector<double> scheme = ExplicitScheme(intervals, alpha, T);
  double largest = 0;
  for (int k = 0; k <= 40; ++k)
    largest = std::max(largest, std::abs(scheme[k * intervals / 40] - series.PorePressure[k]));
  return largest;
}

TEST(FH45Model, SeriesAgreesWithTheExplicitSchemeOfThePane) {
  // alpha = 1/6 lies inside the stability limit 0.5. The time factors are
  // whole numbers of steps on both grids.
  //
  // Tolerance: the scheme's error is of second order in dz here (the sudden
  // load at the drained faces spoils the higher order alpha = 1/6 gives a
  // smooth start), so on 160 intervals (dz = h/80) it is a few 1e-4 at the
  // earliest time and shrinks as the isochrone smooths out. One pixel of the
  // picture's 266-pixel width is 1/266 = 3.8e-3 of the load: 1e-3 asks for a
  // quarter of a pixel. That the rest is the scheme's own error, and not a
  // fault of the series (a wrong sign, a missing factor, a term too few),
  // shows in the refinement: halving dz divides the difference by about four.
  constexpr double alpha = 1.0 / 6;
  for (const double T : {0.01, 0.05, 0.2, 0.5, 1.0}) {
    SCOPED_TRACE(T);
    const double coarse = LargestDifference(80, alpha, T);
    const double fine = LargestDifference(160, alpha, T);
    EXPECT_LT(fine, 1e-3);
    EXPECT_GT(coarse / fine, 3.5);
    EXPECT_LT(coarse / fine, 4.5);
  }
}

// ---- the theory pane ----

TEST(FH45Pane, LinesAndTheirGreekAndIndexLetters) {
  const TheoryPane& pane = *test::SharedCourse().Lesson(kLessonNumber).RichEdit();
  const test::PaneLine expected[] = {
      {"Numerical analysis of consolidation.", ""},
      {" ", ""},
      {"The process of one-dimensional consolidation can be analyzed numerically by a finite "
       "difference method. Using a forward finite difference in time and a central finite "
       "difference in z-direction this leads to the algorithm",
       ""},
      {"   p(z,t+Δt) = p(z,t) +", "9:Δ:Symbol:10"},
      {"        α [p(z+Δz,t)-2p(z,t)+p(z-Δz,t)],", "8:α:Symbol:10 15:Δ:Symbol:10 33:Δ:Symbol:10"},
      {"where ", ""},
      {"      α = cv Δt/(Δz)².", "6:α:Symbol:10 11:v:Garamond:8 13:Δ:Symbol:10 17:Δ:Symbol:10"},
      {"The process is stable only if α < 0.5.", "30:α:Symbol:10"},
      {"", ""},
  };
  test::ExpectPaneLines(pane, expected);
  test::ExpectCaretAtStart(pane);
}

// ---- the window ----

struct FH45Window : test::LessonWindowTest<TFH45, kLessonNumber> {};

TEST_F(FH45Window, AsCreated) {
  Course& course = TheCourse();
  TFH45& w = Window();
  EXPECT_FALSE(w.PaintConnected());
  ASSERT_NE(w.Timer(), nullptr);
  EXPECT_TRUE(w.Timer()->Running());
  EXPECT_EQ(w.Timer()->Interval(), 20);
  EXPECT_EQ(w.Model().PointCount, 40);
  // 60 % of the usual pane: nearest(0.6 x (455 - 54)) = 241 pixels.
  EXPECT_EQ(w.RichEdit()->height(), 241);
  // Its own state: ticking the consolidation lesson leaves it alone.
  const double before = w.Model().TimeFactor;
  course.Lesson(kConsolidationLesson).Timer()->Fire();
  EXPECT_EQ(w.Model().TimeFactor, before);
}

TEST_F(FH45Window, PictureIsTheConsolidationLessonsAtEqualTime) {
  Course& course = TheCourse();
  course.OpenLesson(kConsolidationLesson);
  test::Settle();
  LessonWindow& consolidation = course.Lesson(kConsolidationLesson);
  for (int i = 0; i < 250; ++i) consolidation.Timer()->Fire();
  const QImage fromConsolidation = test::ShownArea(consolidation);
  consolidation.ReturnButtonClick();
  test::Settle();

  Open();
  TFH45& w = Window();
  EXPECT_EQ(w.Model().TimeFactor, 0);
  for (int i = 0; i < 250; ++i) w.Timer()->Fire();
  EXPECT_NEAR(w.Model().TimeFactor, 0.25, 1e-12);
  EXPECT_EQ(Shown(), fromConsolidation);
  Canvas expected;
  DrawIsochrone(expected, w.Model(), W, H);
  EXPECT_EQ(Shown(), test::AsShown(expected));

  // No paint handler: an expose changes neither the state nor the picture.
  Repaint();
  EXPECT_EQ(Shown(), fromConsolidation);
  Leave();
}

TEST_F(FH45Window, RestartsOnOpeningAndFromADialogButNotFromAnotherApplication) {
  Course& course = TheCourse();
  Open();
  TFH45& w = Window();
  for (int i = 0; i < 30; ++i) w.Timer()->Fire();
  EXPECT_NEAR(w.Model().TimeFactor, 0.03, 1e-12);

  // Focus away to another application and back: the animation goes on.
  course.FocusMovedTo(w.windowHandle());
  course.FocusMovedTo(nullptr);
  course.FocusMovedTo(w.windowHandle());
  EXPECT_NEAR(w.Model().TimeFactor, 0.03, 1e-12);

  // Back from a dialog of the program: the lesson is activated, and starts again.
  test::FocusBackFromADialog(course, w);
  EXPECT_EQ(w.Model().TimeFactor, 0);
  w.Timer()->Fire();
  EXPECT_EQ(w.Model().TimeFactor, 0.001);

  // Reopened from the menu: from the start again.
  for (int i = 0; i < 30; ++i) w.Timer()->Fire();
  Leave();
  Open();
  EXPECT_EQ(w.Model().TimeFactor, 0);
  Leave();
}

TEST_F(FH45Window, RunsWhileHiddenAndStopsAtTen) {
  Open();
  TFH45& w = Window();
  Leave();
  ASSERT_FALSE(w.isVisible());
  // 10 000 additions of 0.001 fall just short of 10: one more tick is needed.
  for (int i = 0; i < 10001; ++i) w.Timer()->Fire();
  EXPECT_GE(w.Model().TimeFactor, 10);
  const IsochroneModel stopped = w.Model();
  for (int i = 0; i < 5; ++i) w.Timer()->Fire();
  EXPECT_EQ(w.Model().TimeFactor, stopped.TimeFactor);
  EXPECT_EQ(w.Model().PorePressure, stopped.PorePressure);
  for (int k = 0; k <= 40; ++k) EXPECT_EQ(w.Model().PorePressure[k], 0.0) << k;

  // Opened again, it starts from the beginning.
  Open();
  EXPECT_EQ(w.Model().TimeFactor, 0);
  w.Timer()->Fire();
  EXPECT_EQ(ShownAt(299, 97), clBlue);  // nearly full
  Leave();
}

}  // namespace
}  // namespace kavenor

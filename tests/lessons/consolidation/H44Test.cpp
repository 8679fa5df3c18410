#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "lessons/consolidation/H44.h"
#include "lessons/consolidation/Isochrone.h"
#include "shell/LessonTimer.h"
#include "tests/support/LessonFixture.h"

namespace kavenor {
namespace {

constexpr int W = 332, H = 195;

IsochroneModel At(double T) {
  IsochroneModel model;
  model.TimeFactor = T;
  model.ComputePressures();
  return model;
}

// ---- the series ----

TEST(H44Model, DrainedAtTopAndBottomAndSymmetricAboutTheMiddle) {
  for (double T : {0.001, 0.01, 0.1, 0.5, 1.0, 3.0}) {
    SCOPED_TRACE(T);
    const IsochroneModel m = At(T);
    EXPECT_EQ(m.PorePressure[0], 0);
    EXPECT_EQ(m.PorePressure[40], 0);
    for (int k = 1; k < 20; ++k) {
      EXPECT_NEAR(m.PorePressure[k], m.PorePressure[40 - k], 1e-12) << k;
      EXPECT_LE(m.PorePressure[k], m.PorePressure[k + 1] + 1e-6) << k;  // highest in the middle
      EXPECT_GT(m.PorePressure[k], 0) << k;
    }
  }
}

TEST(H44Model, PressuresOfTheSeries) {
  // Worked values of the series with pi = 3.1415926.
  struct Case {
    double T;
    int k;
    double p;
  };
  const Case cases[] = {
      {0.001, 1, 0.7364476981554},  {0.001, 2, 0.9746527229024}, {0.001, 20, 1.0000000170716},
      {0.1, 10, 0.7356513441929},   {0.1, 20, 0.9493053838742},  {1, 10, 0.0763513091595},
      {1, 20, 0.1079770554717},
  };
  for (const Case& c : cases)
    EXPECT_NEAR(At(c.T).PorePressure[c.k], c.p, 1e-12) << c.T << " k=" << c.k;
}

TEST(H44Model, NearlyFullAtTheFirstTick) {
  const IsochroneModel m = At(0.001);
  for (int k = 2; k <= 38; ++k) {
    EXPECT_GT(m.PorePressure[k], 0.97) << k;
    EXPECT_LT(m.PorePressure[k], 1.000001) << k;
  }
}

TEST(H44Model, TermsAreAddedWhileTheirExponentStaysBelowTwenty) {
  // (pi^2/4) T reaches 20 at T = 8.10569...
  struct Case {
    double T;
    int terms;
  };
  const Case cases[] = {{0.001, 45}, {0.01, 14}, {0.1, 5}, {1, 1}, {8.1056, 1},
                        {8.1057, 0}, {9.5, 0},   {10, 0}};
  for (const Case& c : cases) EXPECT_EQ(SeriesTermCount(c.T), c.terms) << c.T;
  // 45 terms at T = 0.001: m = 89 is the last odd number with a < 20.
  EXPECT_LT(SeriesExponent(45, 0.001), 20);
  EXPECT_GE(SeriesExponent(46, 0.001), 20);

  for (double T : {8.1057, 9.0, 10.001}) {
    const IsochroneModel m = At(T);
    for (int k = 0; k <= 40; ++k) EXPECT_EQ(m.PorePressure[k], 0.0) << T << " k=" << k;
  }
}

TEST(H44Model, SeriesWithoutEndIsGuarded) {
  // At T <= 0 every exponent is below 20 and the sum would never end; the
  // pressures are then the state at loading: the full load inside the layer.
  for (double T : {0.0, -0.001, -5.0}) {
    SCOPED_TRACE(T);
    EXPECT_EQ(SeriesTermCount(T), 0);
    const IsochroneModel m = At(T);
    EXPECT_EQ(m.PorePressure[0], 0);
    EXPECT_EQ(m.PorePressure[40], 0);
    for (int k = 1; k < 40; ++k) EXPECT_EQ(m.PorePressure[k], 1.0) << k;
  }
  // A tiny positive T would ask for millions of terms: the sum is cut at
  // kMaxSeriesTerms, where it is close to the full load already.
  EXPECT_EQ(SeriesTermCount(1e-12), kMaxSeriesTerms);
  EXPECT_LT(SeriesTermCount(1e-5), kMaxSeriesTerms);
  const IsochroneModel tiny = At(1e-12);
  for (int k = 1; k < 40; ++k) EXPECT_NEAR(tiny.PorePressure[k], 1.0, 0.01) << k;
}

TEST(H44Model, PointCountOutsideTheArrayLeavesThePressuresAlone) {
  for (int count : {0, -3, 101, 1000}) {
    IsochroneModel m = At(1);
    const auto before = m.PorePressure;
    m.PointCount = count;
    m.ComputePressures();
    EXPECT_EQ(m.PorePressure, before) << count;
    Canvas canvas;
    DrawIsochrone(canvas, m, W, H);  // draws the empty layer, reads nothing outside
    EXPECT_EQ(canvas.Pixel(100, 97), clYellow) << count;
  }
}

// ---- the ticks ----

TEST(H44Model, TicksRaiseTheTimeFactorUntilTen) {
  IsochroneModel m;
  EXPECT_EQ(m.TimeFactor, 0.001);  // as created
  EXPECT_EQ(m.PointCount, 40);
  m.Activate();
  EXPECT_EQ(m.TimeFactor, 0);
  ASSERT_TRUE(m.Tick());
  EXPECT_EQ(m.TimeFactor, 0.001);
  EXPECT_EQ(m.PorePressure, At(0.001).PorePressure);

  // 10 000 additions of 0.001 fall just short of 10, so one more tick draws
  // before the stop test T >= 10 holds.
  int drawn = 1;
  while (m.Tick() && drawn < 20000) ++drawn;
  EXPECT_EQ(drawn, 10001);
  EXPECT_GE(m.TimeFactor, 10);
  const IsochroneModel stopped = m;
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(m.Tick());
  EXPECT_EQ(m.TimeFactor, stopped.TimeFactor);
  EXPECT_EQ(m.PorePressure, stopped.PorePressure);

  m.Activate();  // the next showing starts again
  EXPECT_TRUE(m.Tick());
  EXPECT_EQ(m.TimeFactor, 0.001);
}

// ---- the figure ----

TEST(H44Figure, FieldLayerAndFrame) {
  Canvas canvas;
  DrawIsochrone(canvas, At(1), W, H);
  ASSERT_EQ(canvas.Width(), W);
  ASSERT_EQ(canvas.Height(), H);
  // The layer spans x 33 .. 299 and y 19 .. 175 with a black border.
  struct Case {
    int x, y;
    Rgb color;
  };
  const Case cases[] = {
      {0, 0, clBlack},      {W - 1, 100, clBlack}, {100, H - 1, clBlack}, {0, 100, clBlack},
      {1, 1, clWhite},      {32, 100, clWhite},    {300, 100, clWhite},   {100, 18, clWhite},
      {100, 176, clWhite},  {100, 19, clBlack},    {100, 175, clBlack},   {299, 100, clBlack},
      {298, 100, clYellow}, {100, 100, clYellow},  {33, 100, clBlue},     {34, 100, clBlue},
  };
  for (const Case& c : cases)
    EXPECT_EQ(canvas.Pixel(c.x, c.y), c.color) << c.x << "," << c.y;
}

TEST(H44Figure, CurveReachesItsPressureAtEachDepth) {
  // x = 33 + nearest(266 p), y = 19 + nearest(157 k / 40). Below the middle
  // the curve runs back towards the axis; where it does so steeply, (x, y) is
  // the row's last blue pixel (a shallow edge above it may reach further).
  struct Case {
    double T;
    int k, x, y;
    bool steep;
  };
  const Case cases[] = {
      {1, 20, 62, 97, true},      {1, 30, 53, 137, true},     {1, 38, 37, 168, true},
      {0.1, 20, 286, 97, true},   {0.1, 30, 229, 137, false}, {0.1, 38, 80, 168, false},
      {0.001, 38, 292, 168, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "T=" << c.T << " k=" << c.k);
    Canvas canvas;
    DrawIsochrone(canvas, At(c.T), W, H);
    const std::string around = test::Ascii(canvas, c.x - 6, c.y - 3, c.x + 6, c.y + 3);
    EXPECT_EQ(canvas.Pixel(c.x, c.y), clBlue) << around;
    if (c.steep) {
      EXPECT_EQ(canvas.Pixel(c.x + 1, c.y), clYellow) << around;
    }
    EXPECT_EQ(canvas.Pixel(std::min(c.x + 12, 298), c.y), clYellow) << around;
    EXPECT_EQ(canvas.Pixel(34, c.y), clBlue);
  }
}

TEST(H44Figure, NearlyFullAtFirstAndGoneOnceTheSeriesIsEmpty) {
  Canvas first;
  DrawIsochrone(first, At(0.001), W, H);
  // Full width in the middle, over the layer's right border; thin wedges at
  // top and bottom.
  EXPECT_EQ(first.Pixel(299, 97), clBlue);
  EXPECT_EQ(first.Pixel(300, 97), clWhite);
  EXPECT_EQ(first.Pixel(40, 20), clBlue);
  EXPECT_EQ(first.Pixel(200, 20), clYellow);
  EXPECT_EQ(first.Pixel(200, 174), clYellow);

  Canvas late;
  DrawIsochrone(late, At(9), W, H);
  for (int y = 20; y < 175; y += 7) {
    EXPECT_EQ(late.Pixel(33, y), clBlue) << y;  // the empty quadrilaterals' outline
    EXPECT_EQ(late.Pixel(34, y), clYellow) << y;
  }
}

// ---- the theory pane ----

TEST(H44Pane, LinesAndTheirGreekAndIndexLetters) {
  Course& course = test::SharedCourse();
  const TheoryPane& pane = *course.Lesson(18).RichEdit();
  const QStringList lines = test::PaneLines(pane);
  const test::PaneLine expected[] = {
      {"Consolidation.", ""},
      {" ", ""},
      {"Consolidation is the name given to the process of deformation of saturated soils of "
       "low permeability, in which the deformation is retarded by the outflow of pore water.",
       ""},
      {"", ""},
      {"The differential equation for one-dimensional consolidation is :", ""},
      {"   δp/δt=cv δ²p/δz²,",
       "3:δ:Symbol:10 6:δ:Symbol:10 10:v:Garamond:8 12:δ:Symbol:10 16:δ:Symbol:10"},
      {"where cv is the consolidation coefficient, defined by", "7:v:Garamond:8"},
      {"   cv = k/mvγw.", "4:v:Garamond:8 11:v:Garamond:8 12:γ:Symbol:10 13:w:Garamond:8"},
      {"k is the permeability of the soil,", ""},
      {"mv is the compressibility of the soil,", "1:v:Garamond:8"},
      {"γw is the volumetric weight of the pore water.", "0:γ:Symbol:10 1:w:Garamond:8"},
      {" ", ""},
  };
  constexpr int kFixed = static_cast<int>(std::size(expected));
  ASSERT_GE(lines.size(), kFixed + 1);
  test::ExpectPaneLines(pane, expected);
  // The paragraph on the initial pore pressures, one line in the default style.
  const QString paragraph = lines[kFixed];
  EXPECT_TRUE(paragraph.startsWith(
      "The initial values of the pore pressures must be determined separately. "))
      << paragraph.toStdString();
  EXPECT_TRUE(paragraph.contains("total stress") && paragraph.contains("effective stress"));
  EXPECT_EQ(test::Dressing(pane, kFixed), "");
  for (int i = kFixed + 1; i < lines.size(); ++i) EXPECT_TRUE(lines[i].isEmpty());
  test::ExpectCaretAtStart(pane);
}

// ---- the window ----

struct H44Window : test::LessonWindowTest<TFH44, 18> {};

TEST_F(H44Window, EachOpeningRestartsAndEachTickDraws) {
  Open();
  TFH44& lesson = Window();
  EXPECT_FALSE(lesson.PaintConnected());
  ASSERT_NE(lesson.Timer(), nullptr);
  EXPECT_TRUE(lesson.Timer()->Running());
  EXPECT_EQ(lesson.Timer()->Interval(), 20);
  EXPECT_EQ(lesson.Model().TimeFactor, 0);

  lesson.Timer()->Fire();
  EXPECT_EQ(lesson.Model().TimeFactor, 0.001);
  Canvas expected;
  DrawIsochrone(expected, lesson.Model(), W, H);
  EXPECT_EQ(Shown(), expected.Image());
  EXPECT_EQ(ShownAt(299, 97), clBlue);

  for (int i = 0; i < 99; ++i) lesson.Timer()->Fire();
  EXPECT_NEAR(lesson.Model().TimeFactor, 0.1, 1e-12);
  DrawIsochrone(expected, lesson.Model(), W, H);
  EXPECT_EQ(Shown(), expected.Image());

  // No paint handler: an expose changes neither the state nor the picture.
  const QImage shown = Shown();
  Repaint();
  EXPECT_NEAR(lesson.Model().TimeFactor, 0.1, 1e-12);
  EXPECT_EQ(Shown(), shown);

  // Hidden, the animation runs on; the next opening starts it again.
  Leave();
  for (int i = 0; i < 10; ++i) lesson.Timer()->Fire();
  EXPECT_NEAR(lesson.Model().TimeFactor, 0.11, 1e-12);
  Open();
  EXPECT_EQ(lesson.Model().TimeFactor, 0);
  lesson.Timer()->Fire();
  EXPECT_EQ(lesson.Model().TimeFactor, 0.001);

  Leave();
}

}  // namespace
}  // namespace kavenor

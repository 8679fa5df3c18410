// Coulomb active: the six-step animation, the wedge picture and its force
// arrows at the worked values of the 332 x 195 area, the window's restart on
// every opening and repaint, and the theory pane's dressing. The wedge
// geometry of the passive twin is checked here too, as it shares the code.

#include <gtest/gtest.h>

#include <cmath>

#include "course/Lessons.h"
#include "lessons/earthpressure/H64.h"
#include "shell/LessonTimer.h"
#include "tests/lessons/earthpressure/CoulombChecks.h"
#include "tests/support/LessonFixture.h"

namespace kavenor {
namespace {

constexpr int W = 332, H = 195;
constexpr int kLesson = 28;

Canvas Drawn(CoulombCase which, int k) {
  Canvas canvas;
  DrawCoulombWedge(canvas, CoulombModel{k}, which, W, H);
  return canvas;
}

std::string Around(const Canvas& canvas, int x, int y) {
  return "\n" + test::Ascii(canvas, x - 4, y - 4, x + 5, y + 5);
}

TEST(H64Model, StepsUpToSixThenHolds) {
  struct Case {
    int from, ticks, expected;
    bool lastChanged;
  };
  const Case cases[] = {
      {0, 1, 1, true}, {0, 6, 6, true}, {0, 7, 6, false}, {3, 2, 5, true}, {6, 10, 6, false},
  };
  for (const Case& c : cases) {
    CoulombModel model{c.from};
    bool changed = false;
    for (int i = 0; i < c.ticks; ++i) changed = model.Tick();
    EXPECT_EQ(model.k, c.expected) << c.from << " + " << c.ticks;
    EXPECT_EQ(changed, c.lastChanged) << c.from << " + " << c.ticks;
  }
  CoulombModel model{6};
  model.Reset();
  EXPECT_EQ(model.k, 0);
}

// The worked values of the active wedge: s = 41, yb = 156, yt = 65,
// xF = 144; xR = 82 - k, the wedge's top at 65 + k and its corner
// xT = 144 - nearest((62 + k) k / 91).
struct ActiveStep {
  int k, xL, xR, xT;
  Point weightFrom, weightTo;
  Point normalFrom, normalTo;
  Point shearFrom, shearTo;
  int wallFrom, wallY;
};
const ActiveStep kActive[] = {
    {0, 41, 82, 144, {102, 79}, {102, 111}, {126, 141}, {102, 125}, {100, 137}, {112, 117}, 66, 125},
    {1, 40, 81, 143, {101, 80}, {101, 112}, {125, 142}, {101, 126}, {99, 138}, {111, 118}, 65, 126},
    {2, 39, 80, 143, {101, 80}, {101, 112}, {125, 142}, {101, 126}, {98, 138}, {112, 118}, 64, 126},
    {3, 38, 79, 142, {100, 81}, {100, 113}, {124, 143}, {100, 126}, {97, 138}, {111, 118}, 63, 126},
    {4, 37, 78, 141, {99, 82}, {99, 114}, {123, 144}, {99, 127}, {96, 139}, {110, 119}, 62, 127},
    {5, 36, 77, 140, {98, 82}, {98, 114}, {122, 144}, {98, 127}, {95, 139}, {109, 119}, 61, 127},
    {6, 35, 76, 140, {97, 83}, {97, 115}, {121, 145}, {97, 127}, {94, 139}, {108, 119}, 60, 127},
};

TEST(H64Figure, ActiveWorkedValues) {
  for (const ActiveStep& w : kActive) {
    SCOPED_TRACE("k = " + std::to_string(w.k));
    const CoulombGeometry g = ComputeCoulombGeometry(CoulombCase::Active, W, H, w.k);
    EXPECT_EQ(g.s, 41);
    EXPECT_EQ(g.yb, 156);
    EXPECT_EQ(g.yt, 65);
    EXPECT_EQ(g.xF, 144);
    EXPECT_EQ(g.xL, w.xL);
    EXPECT_EQ(g.xR, w.xR);
    EXPECT_EQ(g.yB, 65 + w.k);
    EXPECT_EQ(g.xT, w.xT);
    EXPECT_EQ(g.weight.from, w.weightFrom);
    EXPECT_EQ(g.weight.to, w.weightTo);
    EXPECT_EQ(g.normal.from, w.normalFrom);
    EXPECT_EQ(g.normal.to, w.normalTo);
    EXPECT_EQ(g.shear.from, w.shearFrom);
    EXPECT_EQ(g.shear.to, w.shearTo);
    EXPECT_EQ(g.wall.from, (Point{w.wallFrom, w.wallY}));
    EXPECT_EQ(g.wall.to, (Point{w.xR, w.wallY}));
  }
}

TEST(H64Figure, ArrowHeadsAreFixedStrokesFromTheTip) {
  const CoulombGeometry g = ComputeCoulombGeometry(CoulombCase::Active, W, H, 0);
  struct Case {
    const char* name;
    const WedgeArrow& arrow;
    Point tip, head1, head2;
  };
  const Case cases[] = {
      {"weight", g.weight, {102, 111}, {100, 105}, {104, 105}},
      {"normal", g.normal, {102, 125}, {108, 126}, {106, 130}},
      {"shear", g.shear, {112, 117}, {111, 123}, {107, 121}},
      {"wall", g.wall, {82, 125}, {76, 127}, {76, 123}},
  };
  const Canvas canvas = Drawn(CoulombCase::Active, 0);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.arrow.tip, c.tip);
    EXPECT_EQ(c.arrow.head1, c.head1);
    EXPECT_EQ(c.arrow.head2, c.head2);
    // Every stroke leaves out its end pixel, but the shaft starts where the
    // tail is and the head strokes paint the tip.
    EXPECT_EQ(canvas.Pixel(c.arrow.from.x, c.arrow.from.y), clBlack) << Around(canvas, c.arrow.from.x, c.arrow.from.y);
    EXPECT_EQ(canvas.Pixel(c.tip.x, c.tip.y), clBlack) << Around(canvas, c.tip.x, c.tip.y);
  }
}

TEST(H64Figure, WeightArrowIsVerticalAndTwiceHDivTwelveLong) {
  for (const ActiveStep& w : kActive) {
    SCOPED_TRACE("k = " + std::to_string(w.k));
    const Canvas canvas = Drawn(CoulombCase::Active, w.k);
    const int x = w.weightFrom.x, top = w.weightFrom.y, tip = w.weightTo.y;
    EXPECT_EQ(w.weightTo.x, x);
    EXPECT_EQ(tip - top, 2 * (H / 12));
    EXPECT_EQ(canvas.Pixel(x, top - 1), clYellow) << Around(canvas, x, top);
    for (int y = top; y <= tip; ++y) EXPECT_EQ(canvas.Pixel(x, y), clBlack) << y;
    EXPECT_EQ(canvas.Pixel(x, tip + 1), clYellow) << Around(canvas, x, tip);
    // Beside the shaft, above the head, only soil.
    for (int y = top; y < tip - 5; ++y) {
      EXPECT_EQ(canvas.Pixel(x - 1, y), clYellow) << y;
      EXPECT_EQ(canvas.Pixel(x + 1, y), clYellow) << y;
    }
  }
}

TEST(H64Figure, ShearArrowRunsAlongTheSlipLineOfEachStep) {
  for (CoulombCase which : {CoulombCase::Active, CoulombCase::Passive}) {
    for (int k = 0; k <= 6; ++k) {
      const CoulombGeometry g = ComputeCoulombGeometry(which, W, H, k);
      const double slip = double(g.xT - g.xR) / (g.yb - g.yB);
      const double shear = double(g.shear.to.x - g.shear.from.x) / (g.shear.from.y - g.shear.to.y);
      const double halfLength = (g.shear.from.y - g.shear.to.y) / 2.0;
      // The shaft's run is the slip line's, truncated to whole pixels.
      EXPECT_LE(std::abs(shear - slip), 1.0 / halfLength) << int(which) << " k = " << k;
    }
  }
}

TEST(H64Figure, AtRestTheWedgeFillsTheTriangleExactly) {
  const Canvas canvas = Drawn(CoulombCase::Active, 0);
  // Between the wall and the right edge, from the surface down to the wall's
  // base, the soil and the wedge leave no white pixel.
  for (int y = 65; y <= 156; ++y)
    for (int x = 82; x < W; ++x)
      ASSERT_NE(canvas.Pixel(x, y), clWhite) << x << "," << y << Around(canvas, x, y);
  EXPECT_EQ(canvas.Pixel(100, 64), clWhite);
  EXPECT_EQ(canvas.Pixel(100, 65), clBlack);  // the surface, the wedge's top edge
  EXPECT_EQ(canvas.Pixel(100, 66), clYellow);
}

TEST(H64Figure, AfterSixStepsWallAndWedgeHaveMoved) {
  struct Case {
    int k, x, y;
    Rgb color;
    const char* what;
  };
  const Case cases[] = {
      {0, 40, 100, clWhite, "left of the wall"},
      {0, 41, 100, clBlack, "wall's left face"},
      {0, 81, 100, clGray, "inside the wall"},
      {0, 82, 100, clBlack, "wall's right face"},
      {6, 34, 100, clWhite, "left of the moved wall"},
      {6, 35, 100, clBlack, "moved left face"},
      {6, 75, 100, clGray, "inside the moved wall"},
      {6, 76, 100, clBlack, "moved right face"},
      {6, 77, 100, clYellow, "wedge beside the wall"},
      {6, 35, 65, clBlack, "wall top"},
      {6, 100, 65, clWhite, "surface left open above the wedge"},
      {6, 100, 70, clWhite, "just above the sunken wedge"},
      {6, 100, 71, clBlack, "wedge's top edge, 6 below the surface"},
      {6, 100, 72, clYellow, "inside the wedge"},
      {0, 141, 67, clYellow, "top of the slip line, at rest"},
      {6, 141, 67, clWhite, "the step opened at the top of the slip line"},
      {6, 150, 65, clBlack, "surface right of the slip line stays"},
      {6, 150, 66, clYellow, "soil right of the slip line stays"},
  };
  for (const Case& c : cases) {
    const Canvas canvas = Drawn(CoulombCase::Active, c.k);
    EXPECT_EQ(canvas.Pixel(c.x, c.y), c.color)
        << c.what << " (k = " << c.k << ", " << c.x << "," << c.y << ")" << Around(canvas, c.x, c.y);
  }
}

TEST(H64Figure, PassiveWedgeRisesBeyondTheTopOfItsSlipLine) {
  struct Case {
    int k, xR, yB, xT;
    Point normalFrom, shearFrom, shearTo;
    int wallFrom;
  };
  const Case cases[] = {
      {0, 82, 65, 268, {163, 163}, {132, 135}, {164, 119}, 34},
      {3, 85, 62, 274, {167, 162}, {136, 134}, {168, 118}, 37},
      {6, 88, 59, 280, {171, 160}, {141, 133}, {171, 117}, 40},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("k = " + std::to_string(c.k));
    const CoulombGeometry g = ComputeCoulombGeometry(CoulombCase::Passive, W, H, c.k);
    EXPECT_EQ(g.xF, 268);
    EXPECT_EQ(g.xL, 41 + c.k);
    EXPECT_EQ(g.xR, c.xR);
    EXPECT_EQ(g.yB, c.yB);
    EXPECT_EQ(g.xT, c.xT);
    EXPECT_EQ(g.normal.from, c.normalFrom);
    EXPECT_EQ(g.normal.head1, (Point{g.nx + 1, g.ny + 6}));
    EXPECT_EQ(g.normal.head2, (Point{g.nx + 5, g.ny + 4}));
    EXPECT_EQ(g.shear.from, c.shearFrom);
    EXPECT_EQ(g.shear.to, c.shearTo);
    // The shear arrow points down the slope: its head is at the lower end.
    EXPECT_EQ(g.shear.tip, c.shearFrom);
    EXPECT_EQ(g.shear.head1, (Point{c.shearFrom.x + 6, c.shearFrom.y - 1}));
    EXPECT_EQ(g.shear.head2, (Point{c.shearFrom.x + 5, c.shearFrom.y - 4}));
    EXPECT_EQ(g.wall.from, (Point{c.wallFrom, g.ny}));
    EXPECT_EQ(g.wall.to.x - g.wall.from.x, H / 4);
  }
  const Canvas canvas = Drawn(CoulombCase::Passive, 6);
  EXPECT_EQ(canvas.Pixel(150, 58), clWhite) << Around(canvas, 150, 59);
  EXPECT_EQ(canvas.Pixel(150, 59), clBlack);  // the wedge's top, 6 above the surface
  EXPECT_EQ(canvas.Pixel(150, 62), clYellow);
  EXPECT_EQ(canvas.Pixel(88, 100), clBlack);  // the wall pushed 6 to the right
  EXPECT_EQ(canvas.Pixel(87, 100), clGray);
}

TEST(H64Figure, TinyAreaDrawsWithoutDividingByZero) {
  // Down to areas in which the wall (H = 0) or the sunken wedge (H = 12, k = 6)
  // has no height left.
  for (int h : {0, 1, 3, 9, 12}) {
    Canvas canvas;
    DrawCoulombWedge(canvas, CoulombModel{6}, CoulombCase::Active, 20, h);
    DrawCoulombWedge(canvas, CoulombModel{6}, CoulombCase::Passive, 20, h);
    EXPECT_EQ(canvas.Height(), h);
  }
}

// The lesson opened from the menu; back to the menu afterwards.
struct H64Window : test::LessonWindowTest<TFH64, kLesson> {
  void SetUp() override { Open(); }
};

TEST_F(H64Window, OpensAtRestAndStepsEveryHalfSecond) {
  EXPECT_EQ(Window().Model().k, 0);
  EXPECT_EQ(Window().Timer()->Interval(), 500);
  EXPECT_TRUE(Window().Timer()->Running());
  EXPECT_EQ(ShownAt(81, 100), clGray);
  EXPECT_EQ(ShownAt(82, 100), clBlack);

  Fire(3);
  EXPECT_EQ(Window().Model().k, 3);
  EXPECT_EQ(ShownAt(79, 100), clBlack);
  EXPECT_EQ(ShownAt(81, 100), clYellow);

  Fire(3);
  EXPECT_EQ(Window().Model().k, 6);
  EXPECT_EQ(ShownAt(76, 100), clBlack);
  const QImage last = Window().Surface().copy();
  Fire(4);
  EXPECT_EQ(Window().Model().k, 6);
  EXPECT_EQ(Window().Surface(), last);
}

TEST_F(H64Window, RepaintRestartsAtRest) {
  Fire(6);
  Repaint();
  EXPECT_EQ(Window().Model().k, 0);
  EXPECT_EQ(Window().Timer()->Interval(), 500);
  EXPECT_EQ(ShownAt(81, 100), clGray);
  EXPECT_EQ(ShownAt(100, 65), clBlack);
}

TEST_F(H64Window, ReopeningRestartsAfterHiddenTicks) {
  Leave();
  Fire(4);
  EXPECT_EQ(Window().Model().k, 4);  // the animation runs on while hidden
  Open();
  EXPECT_EQ(Window().Model().k, 0);
  EXPECT_EQ(ShownAt(81, 100), clGray);
}

TEST_F(H64Window, CreationEndsAsAPaintDoes) {
  // A second, never shown window, as the course creates it at start-up: the
  // stored 1000 ms give way to 500 ms at once.
  const std::unique_ptr<LessonWindow> window = MakeFH64(*FindLesson("FH64"));
  test::ExpectCreationEndsAsAPaint<TFH64>(*window);
}

TEST(H64Pane, LinesAndTheirDressing) {
  const TheoryPane& pane = *test::SharedCourse().Lesson(kLesson).RichEdit();
  const QStringList lines = test::PaneLines(pane);
  ASSERT_EQ(lines.size(), 7) << lines.join(QLatin1Char('|')).toStdString();
  const test::PaneLine head[] = {
      {"Coulomb's method for active lateral stresses.", ""},
      {" ", ""},
  };
  test::ExpectPaneLines(pane, head);

  const QString ending = QStringLiteral(
      "lateral stress will reach its smallest possible value : the active  lateral stress.");
  ASSERT_TRUE(lines[2].endsWith(ending)) << lines[2].toStdString();
  EXPECT_EQ(test::Dressing(pane, 2), test::EmphasisDressing(lines[2], ending, "active"));

  EXPECT_TRUE(lines[3].contains(QStringLiteral(
      "two assumptions : the homogeneous downward movemement of the wedge and the ")));
  test::ExpectCoulombsLawAtTheEnd(pane);
  EXPECT_EQ(lines[3].count(QChar(0x03C4)) + lines[3].count(QChar(0x03C3)) +
                lines[3].count(QChar(0x03C6)),
            6);

  EXPECT_TRUE(lines[4].endsWith(QString::fromUtf8(
      "The critical slope angle is found to be π/4 + φ/2. For a perfectly smooth vertical wall "
      "of height h, and a horizontal soil surface, the corresponding horizontal force is ")))
      << lines[4].toStdString();
  EXPECT_EQ(test::Dressing(pane, 4), test::GreekDressing(lines[4], QString::fromUtf8("πφ")));
  EXPECT_EQ(lines[4].count(QChar(0x03C0)) + lines[4].count(QChar(0x03C6)), 2);

  const test::PaneLine formula[] = {
      {"    Q = ½ Kaγ h² - 2 c h √Ka.",
       "11:a:Garamond:8 12:γ:Symbol:10 25:√:Symbol:10 27:a:Garamond:8"},
      {"For more general problems the active coefficient Ka can be found in tables.",
       "50:a:Garamond:8"},
  };
  test::ExpectPaneLines(pane, formula, 5);

  test::ExpectCaretAtStart(pane);
}

}  // namespace
}  // namespace kavenor

// Centrifuge: the turning angle, the timer interval from the scroll bar, the
// oblique projection of the arm and the swinging baskets, the faces and
// colours the viewer sees, the window's controls, activation and ticks, and
// the theory pane.

#include <gtest/gtest.h>

#include <QLabel>
#include <QScrollBar>
#include <QTextCursor>
#include <vector>

#include "course/Lessons.h"
#include "lessons/foundations/Centrifuge.h"
#include "lessons/foundations/H76.h"
#include "shell/LessonTimer.h"
#include "tests/support/FigureTables.h"
#include "tests/support/LessonFixture.h"

namespace kavenor {
namespace {

constexpr int W = 332, H = 195;
constexpr int kLesson = 36;

Canvas Picture(double angle, int position) {
  Canvas c;
  DrawCentrifuge(c, angle, position, W, H);
  return c;
}

struct PixelCase {
  int x, y;
  Rgb colour;
  const char* what;
};

void ExpectPixels(const Canvas& c, const std::vector<PixelCase>& cases) {
  for (const PixelCase& p : cases)
    EXPECT_EQ(c.Pixel(p.x, p.y), static_cast<long long>(p.colour))
        << p.what << " at (" << p.x << ", " << p.y << ")\n"
        << test::Ascii(c, p.x - 4, p.y - 3, p.x + 5, p.y + 4);
}

TEST(H76Model, AngleRunsToThreeSixtyThenStartsAtZero) {
  const struct {
    int ticks;
    double angle;
  } cases[] = {{1, 1}, {359, 359}, {360, 360}, {361, 0}, {362, 1}, {3 * 361, 0}, {3 * 361 + 90, 90}};
  for (const auto& c : cases) {
    CentrifugeModel m;
    for (int i = 0; i < c.ticks; ++i) m.Tick();
    EXPECT_EQ(m.RotationAngle, c.angle) << c.ticks;
  }
}

TEST(H76Model, IntervalFollowsTheScrollBar) {
  const struct {
    int position, interval;
  } cases[] = {{0, 510}, {1, 505}, {50, 260}, {99, 15}, {100, 10}};
  for (const auto& c : cases) EXPECT_EQ(CentrifugeModel::TickInterval(c.position), c.interval) << c.position;
}

TEST(H76Figure, SizesOfTheStandardArea) {
  const CentrifugeSizes s = CentrifugeSizes::Of(W, H);
  const test::WorkedValue cases[] = {{"cx", s.cx, 166}, {"yc", s.yc, 97}, {"R", s.R, 110}, {"o", s.o, 8},
               {"t0", s.t0, 9},   {"d", s.d, 27},   {"w", s.w, 22}};
  test::ExpectWorkedValues(cases);
}

TEST(H76Figure, ProjectedCornersOfArmAndBaskets) {
  using Quad = std::vector<Point>;
  auto quad = [](const Point (&p)[4]) { return Quad(p, p + 4); };
  const struct {
    double angle;
    int position;
    Quad top, plateA, hangerA, plateB, hangerB;
  } cases[] = {
      // At rest the plates hang level, 27 pixels below the arm, from R + 1 - w
      // to R + 1 + w; the hangers are edge-on.
      {0, 0, {{56, 85}, {276, 85}, {276, 91}, {56, 91}},
       {{33, 114}, {77, 114}, {77, 134}, {33, 134}}, {{55, 95}, {55, 99}, {55, 126}, {55, 122}},
       {{299, 134}, {255, 134}, {255, 114}, {299, 114}},
       {{277, 99}, {277, 95}, {277, 122}, {277, 126}}},
      // Fast, they swing out by 68 degrees, the outer edges rising.
      {0, 100, {{56, 85}, {276, 85}, {276, 91}, {56, 91}},
       {{22, 76}, {39, 117}, {39, 137}, {22, 96}}, {{55, 95}, {55, 99}, {30, 109}, {30, 105}},
       {{310, 96}, {293, 137}, {293, 117}, {310, 76}},
       {{277, 99}, {277, 95}, {302, 105}, {302, 109}}},
      {120, 100, {{228, 51}, {118, 128}, {104, 125}, {214, 48}},
       {{259, 41}, {250, 88}, {209, 78}, {217, 31}}, {{225, 59}, {218, 58}, {231, 59}, {237, 61}},
       {{73, 131}, {82, 166}, {123, 176}, {115, 141}},
       {{107, 135}, {114, 136}, {101, 155}, {95, 153}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "angle " << c.angle << ", P = " << c.position);
    const CentrifugeOutline m = ProjectCentrifuge(c.angle, c.position, W, H);
    EXPECT_EQ(quad(m.P), c.top);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(m.Q[i], (Point{m.P[i].x, m.P[i].y + 18})) << "Q" << i + 1;
    EXPECT_EQ(quad(m.A.plate), c.plateA);
    EXPECT_EQ(quad(m.A.hanger), c.hangerA);
    EXPECT_EQ(quad(m.B.plate), c.plateB);
    EXPECT_EQ(quad(m.B.hanger), c.hangerB);
  }
}

TEST(H76Figure, BasketsShowSoilOrUndersideByTheFacingTest) {
  // Over a turn, in steps of 10 degrees: G where the basket shows its soil.
  const struct {
    int position;
    const char *a, *b;
  } cases[] = {
      {0, "GGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGG", "GGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGG"},
      {50, "GGGGGGGGGGGGGGGGGGGGmmmmmmmmmmmmmmmG", "GGmmmmmmmmmmmmmmmGGGGGGGGGGGGGGGGGGG"},
      {100, "GGGGGGGGGGGGGGGGGGGmmmmmmmmmmmmmmmmm", "GmmmmmmmmmmmmmmmmmGGGGGGGGGGGGGGGGGG"},
  };
  for (const auto& c : cases) {
    std::string a, b;
    for (int angle = 0; angle < 360; angle += 10) {
      const CentrifugeOutline m = ProjectCentrifuge(angle, c.position, W, H);
      a += m.A.showsSoil ? 'G' : 'm';
      b += m.B.showsSoil ? 'G' : 'm';
    }
    EXPECT_EQ(a, c.a) << "basket A, P = " << c.position;
    EXPECT_EQ(b, c.b) << "basket B, P = " << c.position;
  }
}

TEST(H76Figure, AtRestTheArmShowsItsTopAndNearSideOverTheShaft) {
  ExpectPixels(Picture(0, 0), {
      {0, 0, clBlack, "border"},
      {1, 1, clWhite, "background"},
      // The lower shaft, outlined in black, under the arm.
      {163, 150, clBlack, "lower shaft, left edge"},
      {165, 150, clSilver, "lower shaft"},
      {168, 150, clBlack, "lower shaft, right edge"},
      {169, 150, clWhite, "right of the lower shaft"},
      // The upper shaft over the arm, its edges drawn as lines at cx +- 3.
      {166, 0, clBlack, "top of the shaft"},
      {162, 50, clWhite, "left of the upper shaft"},
      {163, 50, clBlack, "upper shaft, left edge"},
      {164, 50, clSilver, "upper shaft"},
      {168, 50, clSilver, "upper shaft"},
      {169, 50, clBlack, "upper shaft, right edge"},
      {170, 50, clWhite, "right of the upper shaft"},
      {166, 87, clSilver, "upper shaft over the hub"},
      {166, 88, clBlack, "the hub's lower rim"},
      // The arm: its top face from y 85 to 91 and its near side down to 109.
      {120, 84, clWhite, "above the arm"},
      {120, 85, clBlack, "far edge of the top face"},
      {120, 88, clRed, "top face"},
      {120, 91, clBlack, "near edge of the top face"},
      {120, 100, clRed, "side face at b = +o"},
      {120, 109, clBlack, "lower edge of the side face"},
      {120, 110, clWhite, "below the arm"},
      {56, 100, clBlack, "arm's end"},
      {54, 100, clWhite, "beyond the arm's end"},
      // Both baskets hang level and show their soil; their hangers are edge-on.
      {50, 124, clLime, "basket A"},
      {50, 114, clBlack, "basket A's far edge"},
      {55, 120, clBlack, "basket A's hanger over its plate"},
      {290, 124, clLime, "basket B"},
      {277, 110, clBlack, "basket B's hanger"},
  });
}

TEST(H76Figure, FastBasketsSwingOutAndShowTheSideFacingTheViewer) {
  // At 120 degrees the far basket A shows its soil, the near basket B, swung
  // out towards the viewer, its underside.
  ExpectPixels(Picture(120, 100), {
      {240, 50, clLime, "basket A's soil"},
      {100, 160, clMaroon, "basket B's underside"},
  });
  // At 90 degrees B hangs in front of the arm's near end and is drawn over
  // it; A, behind the arm, is covered by it.
  ExpectPixels(Picture(90, 100), {
      {160, 140, clRed, "end face of the arm"},
      {160, 147, clMaroon, "basket B over the arm's end face"},
      {166, 142, clSilver, "basket B's hanger above its plate"},
      {160, 60, clRed, "the arm over basket A"},
      {150, 40, clLime, "basket A beside the arm"},
  });
}

TEST(H76Figure, HalfATurnAndAFullTurnShowTheSamePicture) {
  // The machine is symmetric: at 180 degrees the top face and the side face
  // at b = -o take the places that the top face and the side at b = +o had
  // at 0; the end faces, edge-on, are not drawn. 360 and 0 are one picture,
  // shown on two ticks in a row.
  for (const int position : {0, 50, 100}) {
    const QImage start = Picture(0, position).Image();
    EXPECT_EQ(Picture(180, position).Image(), start) << position;
    EXPECT_EQ(Picture(360, position).Image(), start) << position;
  }
  const CentrifugeOutline at0 = ProjectCentrifuge(0, 50, W, H);
  const CentrifugeOutline at180 = ProjectCentrifuge(180, 50, W, H);
  for (const auto& m : {at0, at180}) {
    EXPECT_EQ(m.P[0].x, m.P[3].x);
    EXPECT_EQ(m.P[1].x, m.P[2].x);
  }
  EXPECT_LT(at0.P[0].x, at0.P[1].x);    // no side face at b = -o at 0
  EXPECT_GT(at180.P[0].x, at180.P[1].x);  // but at 180
  EXPECT_LT(at180.P[2].x, at180.P[3].x);  // and none at b = +o
}

// The lesson opened from the menu, the scroll bar at its stored 50; back to
// the menu afterwards.
struct H76Window : test::LessonWindowTest<TFH76, kLesson> {
  void SetUp() override {
    Window().ScrollbarRotation()->setValue(50);
    Open();
  }
  void TearDown() override {
    LessonWindowTest::TearDown();
    Window().ScrollbarRotation()->setValue(50);
    test::Settle();
  }
  static double Angle() { return Window().Model().RotationAngle; }
  static QImage Expected(double angle, int position) { return test::AsShown(Picture(angle, position)); }
};

TEST_F(H76Window, ScrollBarBetweenItsLabelsBelowTheDrawingArea) {
  EXPECT_EQ(Window().Panel()->text().toStdString(), "Centrifuge");
  EXPECT_EQ(Window().windowTitle().toStdString(), "Centrifuge");
  EXPECT_FALSE(Window().PaintConnected());
  EXPECT_EQ(Window().RichEdit()->geometry(), QRect(408, 45, 332, 470));

  const QScrollBar* bar = Window().findChild<QScrollBar*>(QStringLiteral("ScrollbarRotation"));
  ASSERT_EQ(bar, Window().ScrollbarRotation());
  EXPECT_EQ(bar->orientation(), Qt::Horizontal);
  EXPECT_EQ(bar->minimum(), 0);
  EXPECT_EQ(bar->maximum(), 100);
  EXPECT_EQ(bar->geometry(), QRect(93, 262, 166, 16));
  const QLabel* slow = Window().LabelSlow();
  const QLabel* fast = Window().LabelFast();
  EXPECT_EQ(slow->objectName().toStdString(), "LabelSlow");
  EXPECT_EQ(fast->objectName().toStdString(), "LabelFast");
  EXPECT_EQ(slow->text().toStdString(), "Slow");
  EXPECT_EQ(fast->text().toStdString(), "Fast");
  EXPECT_EQ(fast->pos(), QPoint(269, 264));
  EXPECT_EQ(slow->y(), 264);
  EXPECT_EQ(slow->x() + slow->width(), 83);
  EXPECT_GE(slow->width(), slow->fontMetrics().horizontalAdvance(slow->text()));
}

TEST_F(H76Window, TurnsFromCreationWithTheStoredPositionAndTimer) {
  // A second, never shown window, as the course creates it at start-up.
  const std::unique_ptr<LessonWindow> window = MakeFH76(*FindLesson("FH76"));
  const auto& fresh = dynamic_cast<const TFH76&>(*window);
  EXPECT_EQ(fresh.ScrollbarRotation()->value(), 50);
  EXPECT_EQ(fresh.Model().RotationAngle, 0);
  EXPECT_TRUE(window->Timer()->Enabled());
  EXPECT_EQ(window->Timer()->Interval(), 1000);
  window->Timer()->Fire();
  EXPECT_EQ(fresh.Model().RotationAngle, 1);
  EXPECT_EQ(window->Timer()->Interval(), 260);
}

TEST_F(H76Window, OpeningDrawsWhereTheArmStandsAndWaitsTwoHundredMilliseconds) {
  Fire(3);
  Leave();
  Fire(40);  // it turns on in the hidden window
  const double angle = Angle();
  Open();
  EXPECT_EQ(Angle(), angle) << "the rotation is never reset";
  EXPECT_EQ(Window().Timer()->Interval(), 200);
  EXPECT_EQ(Shown(), Expected(angle, 50));

  Fire(1);
  EXPECT_EQ(Window().Timer()->Interval(), 260);
  EXPECT_EQ(Angle(), angle >= 360 ? 0 : angle + 1);
  EXPECT_EQ(Shown(), Expected(Angle(), 50));
}

TEST_F(H76Window, MovingTheScrollBarActsOnlyAtTheNextTick) {
  Fire(2);
  const double angle = Angle();
  const QImage before = Shown();
  const int interval = Window().Timer()->Interval();
  for (const int position : {100, 0}) {
    SCOPED_TRACE(position);
    Window().ScrollbarRotation()->setValue(position);
    test::Settle();
    EXPECT_EQ(Shown(), before);
    EXPECT_EQ(Window().Timer()->Interval(), interval);
    EXPECT_EQ(Angle(), angle);
  }
  const struct {
    int position, interval;
  } speeds[] = {{100, 10}, {0, 510}, {50, 260}};
  for (const auto& s : speeds) {
    Window().ScrollbarRotation()->setValue(s.position);
    const double from = Angle();
    Fire(1);
    EXPECT_EQ(Window().Timer()->Interval(), s.interval) << s.position;
    EXPECT_EQ(Angle(), from + 1);
    EXPECT_EQ(Shown(), Expected(Angle(), s.position)) << s.position;
  }
}

TEST_F(H76Window, ThreeSixtyAndZeroAreShownOnTwoTicks) {
  Fire((359 - static_cast<int>(Angle()) + 361) % 361);  // on to 359
  ASSERT_EQ(Angle(), 359);
  Fire(1);
  EXPECT_EQ(Angle(), 360);
  const QImage at360 = Shown();
  Fire(1);
  EXPECT_EQ(Angle(), 0);
  EXPECT_EQ(Shown(), at360);
  Fire(1);
  EXPECT_EQ(Angle(), 1);
  EXPECT_NE(Shown(), at360);
}

TEST(H76Pane, WhyModelsGoIntoACentrifuge) {
  const TheoryPane& pane = *test::SharedCourse().Lesson(kLesson).RichEdit();
  const QStringList lines = test::PaneLines(pane);
  ASSERT_EQ(lines.size(), 7) << lines.join(QLatin1Char('|')).toStdString();
  EXPECT_EQ(lines[0], QStringLiteral("Geotechnical Centrifuge."));
  for (const int blank : {1, 3, 5}) EXPECT_EQ(lines[blank], QStringLiteral(" ")) << blank;
  EXPECT_TRUE(lines[2].endsWith(
      QStringLiteral("smaller scale (say 10 cm height) in the laboratory is very stable. ")));
  EXPECT_TRUE(lines[4].startsWith(QStringLiteral("This difficulty can be overcome by increasing the ")));
  EXPECT_TRUE(lines[4].endsWith(QStringLiteral("equal to the stresses in the prototype.")));
  for (int line = 0; line < 6; ++line) EXPECT_EQ(test::Dressing(pane, line), "") << line;
  // The two omegas change their typeface only; their size stays at 8 pt.
  const test::PaneLine formula[] = {
      {"If the angular velocity is ω, the centrifugal acceleration on the model is ω²R=v²/R, "
       "where R is the radius of the arm of the centrifuge, and v is the velocity of the model. "
       "For a model at a scale 1:100 the centrifugal acceleration should be 100*g.",
       "27:ω:Symbol:8 75:ω:Symbol:8"},
  };
  EXPECT_EQ(lines[6].toStdString(), formula[0].text);
  EXPECT_EQ(test::Dressing(pane, 6), formula[0].dressing);
  test::ExpectCaretAtStart(pane);
}

}  // namespace
}  // namespace kavenor

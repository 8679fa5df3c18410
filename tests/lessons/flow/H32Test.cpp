#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <iterator>

#include "lessons/flow/H32.h"
#include "lessons/flow/Quicksand.h"
#include "shell/LessonTimer.h"
#include "tests/support/FigureTables.h"
#include "tests/support/LessonFixture.h"

namespace kavenor {
namespace {

constexpr int W = 332;
constexpr int H = 195;
constexpr int kLessonNumber = 11;

// A lesson set up by its first tick, then started and ticked `ticks` times.
QuicksandModel StartedFor(int ticks) {
  QuicksandModel m;
  m.Tick(H);
  m.Start(H);
  for (int i = 0; i < ticks; ++i) m.Tick(H);
  return m;
}

// A set-up model at a given water level and sinking depth.
QuicksandModel At(int h, int sink = 0) {
  QuicksandModel m;
  m.Settle(H);
  m.HeadRise = h;
  m.SinkDepth = sink;
  return m;
}

Canvas Drawn(const QuicksandModel& m) {
  Canvas c;
  DrawQuicksand(c, m, W, H);
  return c;
}

int CountOf(const Canvas& c, Rgb colour, int l, int t, int r, int b) {
  int n = 0;
  for (int y = t; y < b; ++y)
    for (int x = l; x < r; ++x) n += c.Pixel(x, y) == colour;
  return n;
}

int InkCount(const Canvas& c, int l, int t, int r, int b) {
  return (r - l) * (b - t) - CountOf(c, clWhite, l, t, r, b);
}

// ------------------------------------------------------------------- model

TEST(FH32Model, RiseAndSinkingOverTicks) {
  // D = 61: h rises one pixel a tick up to 61; the person sinks from the
  // tick that takes h past 41, one pixel a tick, and stops at 20, which is
  // reached just as h reaches D.
  const struct {
    int ticks, head, sink;
  } cases[] = {{0, 0, 0},    {1, 1, 0},    {41, 41, 0},   {42, 42, 1},
               {50, 50, 9},  {60, 60, 19}, {61, 61, 20},  {62, 61, 20},
               {500, 61, 20}};
  for (const auto& c : cases) {
    const QuicksandModel m = StartedFor(c.ticks);
    EXPECT_EQ(m.HeadRise, c.head) << c.ticks;
    EXPECT_EQ(m.SinkDepth, c.sink) << c.ticks;
    EXPECT_EQ(m.HeadMax, 61);
    EXPECT_LE(m.HeadRise, m.HeadMax);
    EXPECT_LE(m.SinkDepth, QuicksandModel::kMaxSink);
  }
}

TEST(FH32Model, NothingMovesUntilStart) {
  QuicksandModel m;
  EXPECT_FALSE(m.QuickReady);
  for (int i = 0; i < 300; ++i) m.Tick(H);
  EXPECT_TRUE(m.QuickReady);
  EXPECT_EQ(m.HeadMax, 61);
  EXPECT_EQ(m.HeadRise, 0);
  EXPECT_EQ(m.SinkDepth, 0);
  EXPECT_EQ(m.RiseStep, 0);
}

TEST(FH32Model, StartAgainRestartsFromTheBottom) {
  for (const int ran : {10, 45, 80}) {
    QuicksandModel m = StartedFor(ran);
    m.Start(H);
    EXPECT_EQ(m.HeadRise, 0) << ran;
    EXPECT_EQ(m.SinkDepth, 0) << ran;
    m.Tick(H);
    EXPECT_EQ(m.HeadRise, 1) << ran;
    EXPECT_EQ(m.SinkDepth, 0) << ran;
  }
}

TEST(FH32Model, WayBackSetsEverythingBackAndTheNextTickSetsUp) {
  QuicksandModel m = StartedFor(55);
  m.Restart();
  EXPECT_FALSE(m.QuickReady);
  EXPECT_EQ(m.HeadRise, 0);
  EXPECT_EQ(m.SinkDepth, 0);
  EXPECT_EQ(m.RiseStep, 0);
  for (int i = 0; i < 5; ++i) m.Tick(H);
  EXPECT_TRUE(m.QuickReady);
  EXPECT_EQ(m.HeadRise, 0);
  EXPECT_EQ(m.SinkDepth, 0);
}

TEST(FH32Model, StartBeforeTheSetUpTickIsNotUndone) {
  // A Start pressed before the tick that sets the lesson up (right after
  // creation, or right after coming back from the menu) used to be undone by
  // that tick's set-up; it now sets up first.
  QuicksandModel fresh;
  QuicksandModel back = StartedFor(30);
  back.Restart();
  for (QuicksandModel* m : {&fresh, &back}) {
    m->Start(H);
    m->Tick(H);
    EXPECT_EQ(m->RiseStep, 1);
    EXPECT_EQ(m->HeadRise, 1);
    EXPECT_EQ(m->SinkDepth, 0);
  }
}

// ------------------------------------------------------------------ figure

TEST(FH32Figure, WorkedGeometryOfTheDrawingArea) {
  const QuicksandGeometry q = QuicksandLayout(W, H);
  const test::WorkedValue cases[] = {
      {"c", q.c, 166},   {"D", q.D, 61},    {"yS", q.yS, 75},  {"yB", q.yB, 140},
      {"xL", q.xL, 133}, {"xR", q.xR, 199}, {"xP", q.xP, 230}, {"xQ", q.xQ, 236},
      {"xD", q.xD, 266}, {"xa", q.xa, 113}, {"ya", q.ya, 136},
  };
  test::ExpectWorkedValues(cases);
}

TEST(FH32Figure, PorePressureWidthTruncatesEachHalf) {
  const struct {
    int D, h, width;
  } cases[] = {{61, 0, 30}, {61, 1, 30}, {61, 2, 31}, {61, 61, 60}, {62, 62, 62}, {62, 1, 31}};
  for (const auto& c : cases)
    EXPECT_EQ(PorePressureWidth(c.D, c.h), c.width) << c.D << " " << c.h;
}

TEST(FH32Figure, DecisivePixelsAtHalfTheRise) {
  // h = 30: the reservoir's water from y = 45 to 55, its bottom at 55.
  const Canvas c = Drawn(At(30));
  const test::NamedPixel cases[] = {
      {"border", 0, 0, clBlack},
      {"background", 1, 1, clWhite},
      {"sand", 166, 100, clYellow},
      {"sand surface", 150, 75, clBlack},
      {"container left wall", 133, 100, clBlack},
      {"container right wall", 199, 100, clBlack},
      {"outside the container", 200, 100, clWhite},
      {"bottom of the sand", 166, 135, clBlack},
      {"dotted line under the sand, dot", 166, 136, clBlack},
      {"dotted line under the sand, gap", 167, 136, clWhite},
      {"water under the sand", 166, 138, clBlue},
      {"its outline", 166, 137, clBlack},
      {"dotted sand surface, dot", 30, 75, clBlack},
      {"dotted sand surface, gap", 31, 75, clWhite},
      {"outlet pipe water", 165, 150, clBlue},
      {"outlet pipe water", 167, 150, clBlue},
      {"outlet pipe outer wall", 164, 150, clBlack},
      {"outlet pipe inner wall", 168, 150, clBlack},
      {"lower pipe water", 200, 167, clBlue},
      {"lower pipe water", 200, 169, clBlue},
      {"lower pipe inner wall", 200, 166, clBlack},
      {"lower pipe outer wall", 200, 170, clBlack},
      {"riser water", 228, 100, clBlue},
      {"riser inner wall", 226, 100, clBlack},
      {"riser outer wall", 230, 100, clBlack},
      {"riser open into the reservoir", 228, 55, clBlue},
      {"reservoir water", 228, 50, clBlue},
      {"reservoir left side", 220, 50, clBlack},
      {"reservoir right side", 236, 50, clBlack},
      {"reservoir top", 228, 45, clBlack},
      {"above the reservoir", 228, 44, clWhite},
      {"water level, dot", 239, 45, clBlack},
      {"water level, gap", 240, 45, clWhite},
      {"water level, dot", 241, 45, clBlack},
      {"dimension D", 266, 100, clBlack},
      {"D, head at the top", 267, 77, clBlack},
      {"D, head at the top", 265, 77, clBlack},
      {"D, head at the bottom", 267, 134, clBlack},
      {"D, head at the bottom", 265, 134, clBlack},
      {"dimension h", 266, 60, clBlack},
      {"h, head at the sand", 267, 73, clBlack},
      {"h, head at the sand", 265, 73, clBlack},
      {"h, head at the water level", 267, 47, clBlack},
      {"h, head at the water level", 265, 47, clBlack},
      {"stress axis", 113, 100, clBlack},
      {"right of the stress axis", 114, 100, clWhite},
      {"apex of the diagrams", 113, 75, clBlack},
      {"effective stress", 65, 130, clYellow},
      {"pore pressure", 90, 130, clBlue},
      {"left of the diagrams", 50, 130, clWhite},
  };
  test::ExpectNamedPixels(c, cases);
}

TEST(FH32Figure, PersonStandsOnTheSandAndSinksIntoIt) {
  const struct {
    const char* what;
    int sink, x, y;
    Rgb colour;
  } cases[] = {
      {"shoe", 0, 160, 73, clMaroon},
      {"ankle", 0, 162, 71, clBlue},
      {"leg", 0, 162, 65, clGreen},
      {"between the legs", 0, 165, 65, clWhite},
      {"hips", 0, 166, 57, clGreen},
      {"body", 0, 166, 50, clBlue},
      {"arm", 0, 158, 50, clBlue},
      {"hand", 0, 158, 62, clRed},
      {"neck", 0, 166, 42, clRed},
      {"face", 0, 166, 38, clRed},
      {"eye", 0, 163, 36, clBlack},
      {"mouth", 0, 165, 39, clBlack},
      {"hair", 0, 166, 33, clBlack},
      {"top of the hair", 0, 163, 32, clBlack},
      {"beside the top of the hair", 0, 162, 32, clWhite},
      {"above the head", 0, 166, 31, clWhite},
      // Sunk 20 pixels: the sand, drawn over the person, hides the legs.
      {"face, sunk", 20, 166, 58, clRed},
      {"hair, sunk", 20, 166, 52, clBlack},
      {"above the head, sunk", 20, 166, 51, clWhite},
      {"body, sunk", 20, 166, 70, clBlue},
      {"hidden hips", 20, 166, 78, clYellow},
      {"hidden leg", 20, 162, 88, clYellow},
  };
  for (const auto& p : cases) {
    const Canvas c = Drawn(At(0, p.sink));
    EXPECT_EQ(c.Pixel(p.x, p.y), p.colour)
        << p.what << " at (" << p.x << ", " << p.y << ")\n"
        << test::Ascii(c, p.x - 3, p.y - 3, p.x + 4, p.y + 4);
  }
}

TEST(FH32Figure, HeadDimensionGetsHeadsAndLabelAboveTenPixels) {
  // The label "h" would stand at (268, 63) and (268, 64); the lower heads end
  // at (268, 70) and (264, 70).
  const struct {
    int h;
    bool dressed;
  } cases[] = {{0, false}, {10, false}, {11, true}, {40, true}};
  for (const auto& v : cases) {
    const Canvas c = Drawn(At(v.h));
    SCOPED_TRACE(v.h);
    const Rgb head = v.dressed ? clBlack : clWhite;
    EXPECT_EQ(c.Pixel(267, 73), head);
    EXPECT_EQ(c.Pixel(265, 73), head);
    if (v.h <= 11) {
      EXPECT_EQ(InkCount(c, 269, 66, 282, 74) > 0, v.dressed);
    }
    // The line itself is there at every h above 0.
    if (v.h > 0) {
      EXPECT_EQ(c.Pixel(266, 75 - v.h + 1), clBlack);
    }
  }
  // The label stands halfway up the line: (268, (35 + 63) div 2 = 49) at h = 40.
  EXPECT_GT(InkCount(Drawn(At(40)), 269, 50, 282, 60), 0);
  // "D" beside the middle of its line, from (268, 99).
  EXPECT_GT(InkCount(Drawn(At(0)), 269, 99, 282, 112), 0);
}

TEST(FH32Figure, EffectiveStressStripNarrowsAsTheWaterRises) {
  // The yellow left of the stress axis, between the sand surface and the
  // bottom: less for every rise.
  int before = 1 << 20;
  for (const int h : {0, 20, 40, 50}) {
    const int yellow = CountOf(Drawn(At(h)), clYellow, 40, 76, 113, 136);
    EXPECT_GT(yellow, 0) << h;
    EXPECT_LT(yellow, before) << h;
    before = yellow;
  }
}

TEST(FH32Figure, AtFullRiseTheStripLeftDependsOnTheParityOfD) {
  // At h = D the blue triangle is D div 2 + D div 2 wide: the whole yellow
  // one when D is even, one pixel short of it when D is odd, which leaves a
  // sliver of at most one yellow pixel a row.
  const struct {
    int height, D;
    bool sliver;
  } cases[] = {{195, 61, true}, {198, 62, false}, {201, 63, true}, {204, 64, false}};
  for (const auto& v : cases) {
    SCOPED_TRACE(v.height);
    ASSERT_EQ(SandThickness(v.height), v.D);
    const QuicksandGeometry q = QuicksandLayout(W, v.height);
    QuicksandModel m;
    m.Settle(v.height);
    m.HeadRise = v.D;
    Canvas c;
    DrawQuicksand(c, m, W, v.height);
    int rowsWithYellow = 0;
    for (int y = q.yS + 1; y < q.ya; ++y) {
      const int yellow = CountOf(c, clYellow, q.xa - v.D - 1, y, q.xa, y + 1);
      EXPECT_LE(yellow, 1) << "row " << y;
      rowsWithYellow += yellow > 0;
    }
    EXPECT_EQ(rowsWithYellow > 0, v.sliver);
  }
}

TEST(FH32Figure, ReservoirRisesWithTheWater) {
  const struct {
    int h;
  } cases[] = {{0}, {30}, {61}};
  for (const auto& v : cases) {
    const Canvas c = Drawn(At(v.h));
    const int top = 75 - v.h, bottom = 85 - v.h;
    SCOPED_TRACE(v.h);
    EXPECT_EQ(c.Pixel(228, top - 1), clWhite);
    EXPECT_EQ(c.Pixel(228, top), clBlack);
    EXPECT_EQ(c.Pixel(224, top + 5), clBlue);
    EXPECT_EQ(c.Pixel(224, bottom), clBlack);
    EXPECT_EQ(c.Pixel(224, bottom + 1), clWhite);
  }
}

// -------------------------------------------------------------------- pane

TEST(FH32Pane, LinesAndTheirGreekAndIndexLetters) {
  const TheoryPane& pane = *test::SharedCourse().Lesson(kLessonNumber).RichEdit();
  const test::PaneLine expected[] = {
      {"Quicksand.", ""},
      {" ", ""},
      {"A soil can be brought to liquefaction by an upward flow of groundwater. If the "
       "thickness of the sand in the container in the figure is D, the total stress at the "
       "bottom is :",
       ""},
      {"   σ = γD.", "3:σ:Symbol:10 7:γ:Symbol:10"},
      {"The pore water pressure is :", ""},
      {"   p = γw(D+h),", "7:γ:Symbol:10 8:w:Garamond:8"},
      {"where h is the level of the water in the water reservoir above the top of the sand. "
       "The effective stress at the bottom of the sand is :",
       ""},
      {"   σ' = σ-p = (γ-γw)D-γwh.",
       "3:σ:Symbol:10 8:σ:Symbol:10 15:γ:Symbol:10 17:γ:Symbol:10 18:w:Garamond:8 "
       "22:γ:Symbol:10 23:w:Garamond:8"},
      {"This is zero when", ""},
      {"   h = D(γ-γw)/γw.",
       "9:γ:Symbol:10 11:γ:Symbol:10 12:w:Garamond:8 15:γ:Symbol:10 16:w:Garamond:8"},
      {"When the effective stress is zero the soil can not carry any load. It behaves as a "
       "heavy fluid, with unit weight γ. A human being standing on the soil will sink into the "
       "liquefied sand (and float in the heavy fluid).",
       "113:γ:Symbol:10"},
  };
  test::ExpectAllPaneLines(pane, expected);
  test::ExpectCaretAtStart(pane);
}

// ------------------------------------------------------------------ window

class FH32Window : public test::LessonWindowTest<TFH32, kLessonNumber> {
 protected:
  // Open and leave once, so every test starts from a lesson set back.
  void SetUp() override {
    Open();
    Leave();
  }
  void Start() {
    Window().StartButton()->click();
    test::Settle();
  }
  static QImage Picture(const QuicksandModel& m) { return test::AsShown(Drawn(m)); }
};

TEST_F(FH32Window, ControlsAndTimer) {
  LessonTimer* timer = Window().Timer();
  ASSERT_NE(timer, nullptr);
  EXPECT_TRUE(timer->Enabled());
  EXPECT_EQ(timer->Interval(), 500);
  EXPECT_FALSE(Window().PaintConnected());
  EXPECT_EQ(Window().Panel()->text().toStdString(), "Liquefaction");
  const QPushButton* start = Window().StartButton();
  EXPECT_EQ(start->objectName().toStdString(), "StartButton");
  EXPECT_EQ(start->text().toStdString(), "Start");
  // Centred under the drawing area, 20 pixels below it.
  EXPECT_EQ(start->geometry(), QRect(129, 260, 95, 28));
}

TEST_F(FH32Window, StartRaisesTheWaterTickByTick) {
  Open();
  Fire(3);
  EXPECT_EQ(Shown(), Picture(At(0)));  // nothing moves without Start
  Start();
  EXPECT_EQ(Window().Model().HeadRise, 0);
  Fire(50);
  EXPECT_EQ(Window().Model().HeadRise, 50);
  EXPECT_EQ(Shown(), Picture(At(50, 9)));

  // Going to another window of the program and back (a dialog) does not
  // restart it: there is no activation handler.
  Window().Activate();
  Fire(20);
  EXPECT_EQ(Shown(), Picture(At(61, 20)));

  Start();
  Fire(1);
  EXPECT_EQ(Shown(), Picture(At(1)));
}

TEST_F(FH32Window, HiddenTicksAfterTheWayBackMoveNothing) {
  Open();
  Start();
  Fire(10);
  Leave();
  Fire(30);  // the timer runs on, but the rise was stopped
  EXPECT_TRUE(Window().Model().QuickReady);
  EXPECT_EQ(Window().Model().HeadRise, 0);
  Open();
  EXPECT_EQ(Shown(), Picture(At(0)));
}

TEST_F(FH32Window, ReopeningFromTheMenuStartsAgainAtRest) {
  Open();
  Start();
  Fire(61);
  EXPECT_EQ(Shown(), Picture(At(61, 20)));
  Leave();
  const QuicksandModel& m = Window().Model();
  EXPECT_EQ(m.HeadRise, 0);
  EXPECT_EQ(m.SinkDepth, 0);
  EXPECT_EQ(m.RiseStep, 0);

  // Opened again before the next tick: the sand at rest, not the sunk person.
  Open();
  EXPECT_EQ(Shown(), Picture(At(0)));
  // A Start right away survives the tick that sets the lesson up again.
  Start();
  Fire(1);
  EXPECT_EQ(Window().Model().HeadRise, 1);
  EXPECT_EQ(Shown(), Picture(At(1)));
}

TEST_F(FH32Window, ExposeKeepsThePicture) {
  Open();
  Start();
  Fire(15);
  const QImage shown = Shown();
  Repaint();
  EXPECT_EQ(Window().Model().HeadRise, 15);
  EXPECT_EQ(Shown(), shown);
}

}  // namespace
}  // namespace kavenor

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "lessons/flow/Darcy.h"
#include "lessons/flow/H31.h"
#include "shell/LessonTimer.h"
#include "tests/support/FigureTables.h"
#include "tests/support/LessonFixture.h"

namespace kavenor {
namespace {

constexpr int W = 332;
constexpr int H = 195;
constexpr int kLessonNumber = 10;

// A model that has run `ticks` timer ticks from its creation (the first one
// starts the stream, so FlowTicks is one less).
ApparatusModel AfterTicks(int ticks, const ApparatusSetup& setup = kDarcySetup) {
  ApparatusModel m(setup);
  for (int i = 0; i < ticks; ++i) m.Tick(H);
  return m;
}

// A model ticked until FlowTicks is `flowTicks`.
ApparatusModel AtFlowTicks(int flowTicks, const ApparatusSetup& setup = kDarcySetup) {
  return AfterTicks(flowTicks + 1, setup);
}

Canvas Drawn(const ApparatusModel& m, int width = W) {
  Canvas c;
  DrawApparatus(c, m, width, H);
  return c;
}

// The bounding box of the non-white pixels in [l, r) x [t, b).
struct Box {
  int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
  int Width() const { return right - left + 1; }
  int Height() const { return bottom - top + 1; }
};
Box InkBox(const Canvas& c, int l, int t, int r, int b) {
  Box box;
  for (int y = t; y < b; ++y)
    for (int x = l; x < r; ++x)
      if (c.Pixel(x, y) != clWhite) {
        box.left = std::min(box.left, x);
        box.right = std::max(box.right, x);
        box.top = std::min(box.top, y);
        box.bottom = std::max(box.bottom, y);
      }
  return box;
}

int InkCount(const Canvas& c, int l, int t, int r, int b) {
  int n = 0;
  for (int y = t; y < b; ++y)
    for (int x = l; x < r; ++x) n += c.Pixel(x, y) != clWhite;
  return n;
}

// ---------------------------------------------------------------- geometry

TEST(H31Figure, WorkedGeometryOfTheDrawingArea) {
  const ApparatusGeometry a = ApparatusLayout(W, H);
  const test::WorkedValue cases[] = {
      {"cx", a.cx, 166},   {"r", a.r, 1},      {"xL", a.xL, 144},    {"xR", a.xR, 188},
      {"yT", a.yT, 65},    {"yB", a.yB, 163},  {"yP", a.yP, 182},    {"g", a.g, 41},
      {"C", a.C, 8},       {"u", a.u, 9},      {"x1", a.x1, 208},    {"x2", a.x2, 210},
      {"d", a.d, 56},      {"yN", a.yN, 46},   {"yL", a.yL, 38},     {"yR", a.yR, 29},
      {"sx", a.sx, 222},   {"sy", a.sy, 53},   {"rim", a.rim, 130},  {"bottom", a.bottom, 192},
  };
  test::ExpectWorkedValues(cases);
}

TEST(H31Figure, PipeHalfWidthIsNeverZero) {
  const struct {
    int width, r;
  } cases[] = {{150, 1}, {W, 1}, {399, 1}, {400, 2}, {800, 4}};
  for (const auto& c : cases) EXPECT_EQ(ApparatusLayout(c.width, H).r, c.r) << c.width;
}

// ------------------------------------------------------------------- model

TEST(H31Model, StartsFromTheSetup) {
  const struct {
    const char* name;
    ApparatusSetup setup;
    std::vector<int> starts;  // nearest(k x spacing x H), ties to even
    int fillLimit;
    int fullAfter;  // FlowTicks when the vessel reaches its rim
  } cases[] = {
      // (3 x 0.1) x 195 is a little above 58.5 in extended precision, as
      // 3 x 0.1 is a little above 0.3 there, so the third drop starts at 59;
      // the other halves (19.5, 97.5, 136.5, 175.5) are exact and go to even.
      {"Darcy", kDarcySetup, {20, 39, 59, 78, 98, 117, 136, 156, 176, 195}, 9750, 3100},
      {"Continuity", kContinuitySetup, {39, 78, 117, 156, 195}, 19500, 6200},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ApparatusModel m(c.setup);
    EXPECT_FALSE(m.FlowReady);
    for (int k = 1; k <= c.setup.DropCount; ++k) EXPECT_EQ(m.DropStart(k, H), c.starts[k - 1]);

    m.Settle(H);
    EXPECT_TRUE(m.FlowReady);
    EXPECT_EQ(m.FlowTicks, 0);
    EXPECT_EQ(m.FillLimit, c.fillLimit);
    // The lowest drop starts at the bottom edge and goes straight back to
    // the top, unseen in this first frame.
    const int last = c.setup.DropCount - 1;
    for (int k = 0; k < last; ++k) {
      EXPECT_EQ(m.DropY[k], c.starts[k]);
      EXPECT_FALSE(m.Restarted[k]);
    }
    EXPECT_EQ(m.DropY[last], 0);
    EXPECT_TRUE(m.Restarted[last]);

    EXPECT_EQ(AtFlowTicks(c.fullAfter - 1, c.setup).VesselLevel(H), 131);
    EXPECT_EQ(AtFlowTicks(c.fullAfter, c.setup).VesselLevel(H), 130);
  }
}

TEST(H31Model, FirstTickStartsTheStream) {
  ApparatusModel ticked;
  ticked.Tick(H);
  ApparatusModel settled;
  settled.Settle(H);
  EXPECT_EQ(ticked.FlowTicks, 0);
  EXPECT_EQ(ticked.DropY, settled.DropY);
  EXPECT_EQ(ticked.Restarted, settled.Restarted);
}

TEST(H31Model, EachTickMovesEveryDropOnePixel) {
  ApparatusModel m = AfterTicks(1);
  const auto before = m.DropY;
  m.Tick(H);
  EXPECT_EQ(m.FlowTicks, 1);
  for (int k = 0; k < kMaxDrops; ++k) EXPECT_EQ(m.DropY[k], before[k] + 1) << k;
  EXPECT_EQ(m.Restarted, (std::array<bool, kMaxDrops>{}));
}

TEST(H31Model, VesselRisesOnePixelPerFiftyTicksUpToItsRim) {
  const struct {
    int ticks, level;
  } cases[] = {{0, 192}, {49, 192}, {50, 191}, {99, 191}, {100, 190},
               {3050, 131}, {3100, 130}, {3150, 130}, {9000, 130}};
  for (const auto& c : cases) {
    ApparatusModel m;
    m.Settle(H);
    m.FlowTicks = c.ticks;
    EXPECT_EQ(m.VesselLevel(H), c.level) << c.ticks;
  }
}

TEST(H31Model, DropsRestartOnlyWhileTheStreamRuns) {
  // A drop one pixel above the bottom edge, ticked once, with the counter
  // arriving just below, at and above FillLimit.
  const struct {
    int ticksBefore;
    int dropAfter;
    bool restarted;
  } cases[] = {{9748, 0, true}, {9749, 195, false}, {9800, 195, false}};
  for (const auto& c : cases) {
    ApparatusModel m = AfterTicks(1);
    m.FlowTicks = c.ticksBefore;
    m.DropY[0] = 194;
    m.Tick(H);
    EXPECT_EQ(m.DropY[0], c.dropAfter) << c.ticksBefore;
    EXPECT_EQ(m.Restarted[0], c.restarted) << c.ticksBefore;
  }
}

TEST(H31Model, LongRunComesToRestAfterTheStreamHasDrained) {
  ApparatusModel m = AtFlowTicks(9750 + H);
  EXPECT_EQ(m.FlowTicks, 9945);
  EXPECT_TRUE(m.Still(H));
  for (int k = 0; k < kMaxDrops; ++k) EXPECT_GE(m.DropY[k], H) << "drop " << k << " left behind";

  // The picture no longer changes, so neither does the state: the counter
  // and the drops stay where they are however long the timer runs.
  const ApparatusModel rest = m;
  for (int i = 0; i < 5000; ++i) m.Tick(H);
  EXPECT_EQ(m.FlowTicks, rest.FlowTicks);
  EXPECT_EQ(m.DropY, rest.DropY);
  EXPECT_EQ(m.VesselLevel(H), 130);

  // One tick earlier the stream still counts.
  ApparatusModel earlier = AtFlowTicks(9750 + H - 1);
  EXPECT_FALSE(earlier.Still(H));
  earlier.Tick(H);
  EXPECT_EQ(earlier.FlowTicks, 9945);
}

TEST(H31Model, RestartBeginsAgainFromAnEmptyVessel) {
  for (const int ran : {500, 20000}) {
    ApparatusModel m = AfterTicks(ran);
    m.Restart();
    m.Tick(H);
    EXPECT_EQ(m.FlowTicks, 0) << ran;
    EXPECT_EQ(m.VesselLevel(H), 192) << ran;
    EXPECT_EQ(m.DropY, AfterTicks(1).DropY) << ran;
  }
}

// ------------------------------------------------------------------ figure

TEST(H31Figure, DecisivePixelsOfTheApparatus) {
  const Canvas c = Drawn(AfterTicks(1));
  const test::NamedPixel cases[] = {
      {"border", 0, 0, clBlack},
      {"background", 1, 1, clWhite},
      {"soil sample", 166, 100, clYellow},
      {"dotted bottom edge of the sample, dot", 186, 157, clBlack},
      {"dotted bottom edge of the sample, gap", 185, 157, clYellow},
      {"water above the sample", 166, 68, clBlue},
      {"water under the sample", 166, 160, clBlue},
      {"container top", 150, 65, clBlack},
      {"container left wall", 144, 100, clBlack},
      {"container right wall", 188, 100, clBlack},
      {"outside the left wall", 143, 100, clWhite},
      {"outside the right wall", 189, 100, clWhite},
      {"outlet pipe water", 166, 170, clBlue},
      {"outlet pipe outer wall", 165, 170, clBlack},
      {"outlet pipe inner wall", 167, 170, clBlack},
      {"lower pipe water", 190, 181, clBlue},
      {"lower pipe top wall", 190, 180, clBlack},
      {"lower pipe bottom wall", 190, 182, clBlack},
      {"lower riser water", 209, 100, clBlue},
      {"lower riser walls", 208, 100, clBlack},
      {"lower riser walls", 210, 100, clBlack},
      {"outflow basin water", 214, 50, clBlue},
      {"outflow basin bottom", 214, 56, clBlack},
      {"above the outflow basin", 214, 46, clWhite},
      {"inlet pipe water", 166, 55, clBlue},
      {"upper pipe water", 145, 45, clBlue},
      {"upper pipe walls", 145, 44, clBlack},
      {"upper pipe walls", 145, 46, clBlack},
      {"inflow riser water", 125, 42, clBlue},
      {"inflow basin water", 120, 33, clBlue},
      {"inflow basin bottom", 120, 38, clBlack},
      {"inflow basin wall", 116, 33, clBlack},
      {"leg, left of its line", 144, 180, clBlack},
      {"leg, right of its line", 146, 180, clBlack},
      {"beside the leg", 147, 180, clWhite},
      {"right leg", 187, 180, clBlack},
      {"vessel left wall", 214, 150, clBlack},
      {"vessel right wall", 230, 150, clBlack},
      {"vessel left wall top", 214, 130, clBlack},
      {"above the vessel's left wall", 214, 129, clWhite},
      {"vessel right wall top", 230, 130, clBlack},
      {"above the vessel's right wall", 230, 129, clWhite},
      {"vessel bottom", 218, 192, clBlack},
      {"empty vessel", 218, 188, clWhite},
  };
  test::ExpectNamedPixels(c, cases);
}

TEST(H31Figure, WaterInTheVesselAfterTicks) {
  const struct {
    int ticks, level;
  } cases[] = {{500, 182}, {2000, 152}, {4000, 130}, {9945, 130}};
  for (const auto& v : cases) {
    const Canvas c = Drawn(AtFlowTicks(v.ticks));
    SCOPED_TRACE(v.ticks);
    EXPECT_EQ(c.Pixel(218, v.level - 1), clWhite);
    EXPECT_EQ(c.Pixel(218, v.level), clBlack);  // the water's outline
    EXPECT_EQ(c.Pixel(218, v.level + 2), clBlue);
    EXPECT_EQ(c.Pixel(218, 191), clBlack);
  }
}

TEST(H31Figure, DropsAreTallerThanWide) {
  // Drop 4 starts at 78, under the spout; the pipe half width r gives a drop
  // 2r wide and 3r high.
  const struct {
    int width, r;
  } cases[] = {{W, 1}, {800, 4}};
  for (const auto& s : cases) {
    ApparatusModel m;
    m.Settle(H);
    const ApparatusGeometry a = ApparatusLayout(s.width, H);
    const Canvas c = Drawn(m, s.width);
    const Box box = InkBox(c, a.sx - 10, 70, a.sx + 10, 90);
    SCOPED_TRACE(s.width);
    EXPECT_EQ(box.left, a.sx - s.r);
    EXPECT_EQ(box.Width(), 2 * s.r);
    EXPECT_EQ(box.top, 78 - s.r);
    EXPECT_EQ(box.Height(), 3 * s.r);
  }
}

TEST(H31Figure, DropsWhereTheyFall) {
  // After the first tick drop 1 is at 21, over the inflow basin; drop 10,
  // restarted at the top in the frame before, shows at 1; drop 2 at 40 is
  // inside the apparatus.
  const Canvas c = Drawn(AfterTicks(2));
  const Box inflow = InkBox(c, 120, 10, 130, 28);
  EXPECT_EQ(inflow.left, 124);
  EXPECT_EQ(inflow.top, 20);
  EXPECT_EQ(inflow.Height(), 3);
  EXPECT_EQ(c.Pixel(124, 1), clBlack);
  EXPECT_EQ(c.Pixel(124, 2), clBlack);
  EXPECT_EQ(InkCount(c, 221, 31, 223, 47), 0);

  // In the frame of its restart the drop is drawn neither at the bottom nor
  // at the top.
  const Canvas first = Drawn(AfterTicks(1));
  EXPECT_EQ(first.Pixel(124, 1), clWhite);

  // Once the vessel is full the drops run down outside its right wall.
  ApparatusModel full = AtFlowTicks(3110);
  ASSERT_FALSE(full.Restarted[0]);
  full.DropY[0] = 160;
  const Canvas c2 = Drawn(full);
  EXPECT_EQ(c2.Pixel(231, 159), clBlack) << test::Ascii(c2, 210, 150, 240, 170);
  EXPECT_EQ(c2.Pixel(231, 161), clBlack);
  EXPECT_EQ(c2.Pixel(231, 162), clWhite);
  EXPECT_EQ(c2.Pixel(232, 160), clWhite);
}

TEST(H31Figure, NoDropsOnceTheStreamHasDrained) {
  const Canvas rest = Drawn(AtFlowTicks(9945));
  EXPECT_EQ(InkCount(rest, 120, 1, 130, 29), 0) << "above the inflow basin";
  EXPECT_EQ(InkCount(rest, 219, 54, 226, 130), 0) << "under the spout";
  EXPECT_EQ(InkCount(rest, 231, 131, 234, 190), 0) << "outside the vessel";
  EXPECT_EQ(Drawn(AtFlowTicks(9945 + 2000)).Image(), rest.Image());
}

TEST(H31Figure, ContinuityShowsTwoLayersInSeries) {
  // The same apparatus with the sample in two layers: yellow above, olive
  // from (yT + yB) div 2 = 114 down.
  const Canvas c = Drawn(AfterTicks(1, kContinuitySetup));
  EXPECT_EQ(c.Pixel(166, 100), clYellow);
  EXPECT_EQ(c.Pixel(166, 113), clYellow);
  EXPECT_EQ(c.Pixel(166, 114), clBlack);  // dotted top edge of the lower layer
  EXPECT_EQ(c.Pixel(165, 114), clOlive);
  EXPECT_EQ(c.Pixel(166, 150), clOlive);
  EXPECT_EQ(c.Pixel(185, 157), clOlive);
  EXPECT_EQ(Drawn(AfterTicks(1)).Pixel(166, 150), clYellow);
}

// -------------------------------------------------------------------- pane

TEST(H31Pane, LinesAndTheirGreekAndIndexLetters) {
  const TheoryPane& pane = *test::SharedCourse().Lesson(kLessonNumber).RichEdit();
  const test::PaneLine lines[] = {
      {"Groundwater flow.", ""},
      {" ", ""},
      {"The flow of a fluid through a porous medium can be described by Darcy's law,", ""},
      {"   qx = - k δh/δx, ", "4:x:Garamond:8 12:δ:Symbol:10 15:δ:Symbol:10"},
      {"   qy = - k δh/δy, ", "4:y:Garamond:8 12:δ:Symbol:10 15:δ:Symbol:10"},
      {"   qz = - k δh/δz. ", "4:z:Garamond:8 12:δ:Symbol:10 15:δ:Symbol:10"},
      {"The groundwater head h is the sum of elevation head and pressure head,", ""},
      {"   h = z + p/γw.", "13:γ:Symbol:10 14:w:Garamond:8"},
      {"The permeability coefficient k depends upon the properties of the porous material, "
       "and of the fluid,",
       ""},
      {"   k = κγw/μ.", "7:κ:Symbol:10 8:γ:Symbol:10 9:w:Garamond:8 11:μ:Symbol:10"},
      {"The intrinsic permeability κ is proportional to the square of the particle diameter d.",
       "27:κ:Symbol:10"},
  };
  test::ExpectAllPaneLines(pane, lines);
  test::ExpectCaretAtStart(pane);
}

// ------------------------------------------------------------------ window

class H31Window : public test::LessonWindowTest<TFH31, kLessonNumber> {
 protected:
  // Open and leave once, so every test starts from a restarted stream.
  void SetUp() override {
    Open();
    Leave();
  }
  static QImage Picture(const ApparatusModel& m) { return test::AsShown(Drawn(m)); }
};

TEST_F(H31Window, TimerRunsEveryFiftyMillisecondsFromCreation) {
  LessonTimer* timer = Window().Timer();
  ASSERT_NE(timer, nullptr);
  EXPECT_TRUE(timer->Enabled());
  EXPECT_EQ(timer->Interval(), 50);
  EXPECT_TRUE(Window().PaintConnected());
  EXPECT_EQ(Window().Panel()->text().toStdString(), "Darcy");
}

TEST_F(H31Window, RunsOnWhileHiddenAndOpeningDoesNotRestart) {
  ASSERT_FALSE(Window().isVisible());
  Fire(30);  // the first tick starts the stream, 29 more follow
  EXPECT_EQ(Window().Model().FlowTicks, 29);

  Open();
  EXPECT_EQ(Window().Model().FlowTicks, 29);
  EXPECT_EQ(Shown(), Picture(AfterTicks(30)));

  // Focus coming back from a dialog activates the lesson: still no restart.
  Window().Activate();
  Fire(5);
  EXPECT_EQ(Window().Model().FlowTicks, 34);
  EXPECT_EQ(Shown(), Picture(AfterTicks(35)));
}

TEST_F(H31Window, PaintWithoutTickRedrawsTheSameState) {
  Open();
  Fire(10);
  const ApparatusModel before = Window().Model();
  const QImage shown = Shown();
  Repaint();
  EXPECT_EQ(Window().Model().FlowTicks, before.FlowTicks);
  EXPECT_EQ(Window().Model().DropY, before.DropY);
  EXPECT_EQ(Shown(), shown);
}

TEST_F(H31Window, WayBackToTheMenuRestartsFromAnEmptyVessel) {
  Fire(3200);  // hidden: the vessel fills to its rim
  Open();
  EXPECT_EQ(ShownAt(218, 135), clBlue);

  Leave();
  EXPECT_FALSE(Window().Model().FlowReady);
  Fire(1);  // also while hidden, the next tick starts again
  EXPECT_EQ(Window().Model().FlowTicks, 0);
  Open();
  // The repaint on opening shows the lowest drop, sent back to the top by
  // that tick, at the top.
  ApparatusModel start = AfterTicks(1);
  start.Settle(H);
  EXPECT_EQ(Shown(), Picture(start));
  EXPECT_EQ(ShownAt(218, 188), clWhite);
}

TEST_F(H31Window, OpeningRightAfterTheMenuShowsTheStart) {
  // No tick since the way back: the repaint on opening starts the stream.
  Fire(700);
  Leave();
  Open();
  EXPECT_EQ(Window().Model().FlowTicks, 0);
  EXPECT_EQ(Shown(), Picture(AfterTicks(1)));
}

}  // namespace
}  // namespace kavenor

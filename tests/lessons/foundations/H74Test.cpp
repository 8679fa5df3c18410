// The cone penetration test: its tick cycle, the end of the test, the picture
// and its workers, the theory pane and the window's timer and activation.

#include <gtest/gtest.h>

#include <QTextCursor>
#include <tuple>
#include <vector>

#include "course/Lessons.h"
#include "lessons/foundations/ConePenetration.h"
#include "lessons/foundations/H74.h"
#include "shell/LayoutMetrics.h"
#include "shell/LessonTimer.h"
#include "tests/support/TestSupport.h"

namespace kavenor {
namespace {

// The standard 332 x 195 area: cx = 166, yp = 48, yg = 156.
constexpr int cx = 166, yp = 48, yg = 156;

ConePenetrationModel Started() {
  ConePenetrationModel m;
  m.Activate();
  m.Restart();
  return m;
}

auto State(const ConePenetrationModel& m) {
  return std::make_tuple(m.RodLength, m.PushStep, m.CarryStep, m.StringLength, m.RodCount,
                         m.BundlesTaken, m.OddRod, m.TestRunning, m.PileTop.x, m.PileTop.y,
                         m.Carrying);
}

void TickTimes(ConePenetrationModel& m, int n) {
  for (int i = 0; i < n; ++i) m.Tick();
}

Canvas Picture(const ConePenetrationModel& m) {
  Canvas c;
  DrawTestSite(c, m);
  return c;
}

struct PixelCase {
  int x, y;
  Rgb colour;
  const char* what;
};

void ExpectPixels(const Canvas& c, const std::vector<PixelCase>& cases, const char* picture) {
  for (const PixelCase& p : cases)
    EXPECT_EQ(c.Pixel(p.x, p.y), static_cast<long long>(p.colour))
        << picture << ": " << p.what << " at (" << p.x << ", " << p.y << ")\n"
        << test::Ascii(c, p.x - 4, p.y - 3, p.x + 5, p.y + 4);
}

// ---------------------------------------------------------------- model

TEST(H74Model, SiteOfTheStandardArea) {
  const ConeSite s = ConeSite::Of(332, 195);
  EXPECT_EQ(s.cx, cx);
  EXPECT_EQ(s.yp, yp);
  EXPECT_EQ(s.yg, yg);
}

TEST(H74Model, ActivationStartsWithOneRodAndAFullPile) {
  ConePenetrationModel m;
  m.Activate();
  EXPECT_EQ(m.Restart(), 200);
  EXPECT_EQ(State(m), std::make_tuple(10, 0, 0, 10, 1, 1, 0, 1, cx + 24, yp - 20, false));
  EXPECT_EQ(m.Tip(), yp - 5) << "the cone starts 5 pixels above the ground";
  EXPECT_EQ(m.Crosshead(), m.StringTop());
  EXPECT_EQ(m.PileCount(), 11);
}

TEST(H74Model, TickCycleOfTheFirstRods) {
  struct Row {
    int tick, push, carry, rods, bundles, odd, interval, tip, pile;
    bool carrying;
  };
  // One rod: push steps 1 .. 9 (a pause after the last), fetch steps 1 .. 9
  // (a pause when the rod stands on the string), then the joining step.
  const Row rows[] = {
      {1, 1, 0, 1, 1, 0, 200, 44, 11, false},   {8, 8, 0, 1, 1, 0, 200, 51, 11, false},
      {9, 9, 0, 1, 1, 0, 1000, 52, 11, false},  {10, 9, 1, 1, 1, 0, 200, 52, 10, true},
      {17, 9, 8, 1, 1, 0, 200, 52, 10, true},   {18, 9, 9, 1, 1, 0, 1000, 52, 10, true},
      {19, 0, 0, 2, 1, 1, 1000, 53, 10, false}, {20, 1, 0, 2, 1, 1, 200, 54, 10, false},
      {27, 8, 0, 2, 1, 1, 200, 61, 10, false},  {28, 9, 0, 2, 1, 1, 1000, 62, 10, false},
      {29, 9, 1, 2, 1, 1, 200, 62, 10, true},   {36, 9, 8, 2, 1, 1, 200, 62, 10, true},
      {37, 9, 9, 2, 1, 1, 1000, 62, 10, true},  {38, 0, 0, 3, 2, 0, 1000, 63, 10, false},
      {39, 1, 0, 3, 2, 0, 200, 64, 10, false},  {40, 2, 0, 3, 2, 0, 200, 65, 10, false},
      {48, 9, 1, 3, 2, 0, 200, 72, 9, true},    {57, 0, 0, 4, 2, 1, 1000, 73, 9, false},
  };
  ConePenetrationModel m = Started();
  int done = 0;
  for (const Row& r : rows) {
    std::optional<int> interval;
    while (done < r.tick) {
      interval = m.Tick();
      ++done;
    }
    SCOPED_TRACE(testing::Message() << "after tick " << r.tick);
    ASSERT_TRUE(interval.has_value());
    EXPECT_EQ(*interval, r.interval);
    EXPECT_EQ(m.PushStep, r.push);
    EXPECT_EQ(m.CarryStep, r.carry);
    EXPECT_EQ(m.RodCount, r.rods);
    EXPECT_EQ(m.StringLength, 10 * r.rods);
    EXPECT_EQ(m.BundlesTaken, r.bundles);
    EXPECT_EQ(m.OddRod, r.odd);
    EXPECT_EQ(m.Tip(), r.tip);
    EXPECT_EQ(m.PileCount(), r.pile);
    EXPECT_EQ(m.Carrying, r.carrying);
    EXPECT_EQ(m.TestRunning, 1);
  }
}

TEST(H74Model, CrossheadRisesWhileTheRodIsFetched) {
  ConePenetrationModel m = Started();
  TickTimes(m, 9);
  EXPECT_EQ(m.Crosshead(), yp - 7);
  for (int carry = 1; carry <= 9; ++carry) {
    m.Tick();
    EXPECT_EQ(m.Crosshead(), yp - 7 - carry);
    EXPECT_EQ(m.StringTop(), yp - 7) << "the string stands still";
  }
}

TEST(H74Model, TestEndsWhenTheTipReachesTheLowerLayer) {
  ConePenetrationModel m = Started();
  for (int tick = 1; tick < 212; ++tick) {
    ASSERT_TRUE(m.Tick().has_value());
    ASSERT_EQ(m.TestRunning, 1) << "tick " << tick << ", tip at " << m.Tip();
  }
  EXPECT_EQ(m.Tick(), std::optional<int>(200));
  EXPECT_EQ(m.TestRunning, 0);
  EXPECT_EQ(m.Tip(), yg);
  EXPECT_EQ(m.RodCount, 12);
  EXPECT_EQ(m.PushStep, 3);
  EXPECT_EQ(m.PileCount(), 5);
  EXPECT_FALSE(m.Carrying);

  const auto end = State(m);
  for (int i = 0; i < 100; ++i) EXPECT_FALSE(m.Tick().has_value());
  EXPECT_EQ(State(m), end) << "ticks after the end change nothing";
}

TEST(H74Model, TicksBeforeActivationDoNothing) {
  ConePenetrationModel m;
  const auto created = State(m);
  EXPECT_EQ(m.TestRunning, 0);
  for (int i = 0; i < 5; ++i) EXPECT_FALSE(m.Tick().has_value());
  EXPECT_EQ(State(m), created);
}

TEST(H74Model, ActivationRestartsFromOneRod) {
  const auto fresh = State(Started());
  for (int ticks : {27, 212, 300}) {
    ConePenetrationModel m = Started();
    TickTimes(m, ticks);
    m.Activate();
    m.Restart();
    EXPECT_EQ(State(m), fresh) << "after " << ticks << " ticks";
  }
}

TEST(H74Model, PileTopFollowsTheTopBundle) {
  struct Case {
    int ticks;
    Point top;
  };
  // Bundles lie two pixels apart, every other one a pixel to the right.
  const Case cases[] = {{0, {cx + 24, yp - 20}},   // 11 bundles
                        {10, {cx + 25, yp - 18}},  // 10 while the first rod is fetched
                        {48, {cx + 24, yp - 16}},  // 9
                        {212, {cx + 24, yp - 8}}}; // 5 at the end
  for (const Case& c : cases) {
    ConePenetrationModel m = Started();
    TickTimes(m, c.ticks);
    EXPECT_EQ(m.PileTop, c.top) << "after " << c.ticks << " ticks";
  }
}

TEST(H74Model, EmptyPileInATallArea) {
  // A deep lower layer needs more rods than the pile holds: once it is empty
  // the rods come from beside the string's foot, and nothing breaks.
  ConePenetrationModel m(332, 800);
  m.Activate();
  m.Restart();
  int ticks = 0;
  while (m.TestRunning && m.PileCount() > 0 && ticks < 10000) {
    m.Tick();
    ++ticks;
  }
  ASSERT_EQ(m.PileCount(), 0);
  EXPECT_EQ(m.PileTop, (Point{332 / 2 + 24, m.StringTop() + m.StringLength}));
  Canvas c;
  DrawTestSite(c, m);
  while (m.Tick()) ++ticks;
  EXPECT_EQ(m.Tip(), 800 - 800 / 5);
}

// --------------------------------------------------------------- figure

TEST(H74Figure, FirstPictureAfterActivation) {
  const Canvas c = Picture(Started());
  ASSERT_EQ(c.Width(), 332);
  ASSERT_EQ(c.Height(), 195);
  ExpectPixels(c,
               {
                   {0, 0, clBlack, "border"},
                   {1, 1, clWhite, "sky"},
                   {5, yp, clBlack, "ground surface"},
                   {5, yp + 1, clOlive, "upper soil"},
                   {5, yg, clBlack, "top of the lower layer"},
                   {5, yg + 1, clYellow, "lower layer"},
                   {5, 194, clBlack, "border"},
                   {cx - 9, yp - 2, clRed, "rig base"},
                   {cx - 10, yp - 2, clBlack, "rig base outline"},
                   {cx + 10, yp - 2, clWhite, "right of the rig base"},
                   {cx - 5, yp - 30, clSilver, "left column"},
                   {cx - 6, yp - 30, clBlack, "left column outline"},
                   {cx + 5, yp - 30, clSilver, "right column"},
                   {cx, yp - 35, clSilver, "top bar"},
                   {cx, yp - 37, clWhite, "above the top bar"},
                   {cx, 27, clSilver, "crosshead"},
                   {cx, 26, clBlack, "crosshead outline"},
                   {cx, 30, clBlack, "clamp"},
                   {cx + 3, 30, clWhite, "right of the clamp"},
                   {cx, 35, clSilver, "rod"},
                   {cx - 1, 35, clBlack, "rod outline"},
                   {cx + 2, 35, clWhite, "right of the rod"},
                   {cx, yp - 5, clSilver, "the rod's foot at the tip"},
                   {cx, yp - 2, clBlack, "cone point"},
                   {cx + 1, yp - 2, clRed, "beside the cone point"},
                   {cx + 33, yp - 21, clSilver, "top bundle: 11 on the pile"},
                   {cx + 33, yp - 23, clWhite, "no twelfth bundle"},
                   {cx + 12, yp - 1, clMaroon, "standing worker's shoes"},
                   {cx + 16, yp - 7, clBlue, "his trousers under the hand"},
                   {cx + 16, yp - 8, clRed, "his hand"},
                   {cx + 16, yp - 1, clMaroon, "no gap between his shoes"},
                   {cx - 8, yp - 24, clRed, "left worker's hand on the rig"},
                   {cx - 8, yp - 26, clWhite, "above his hand"},
               },
               "first picture");
}

TEST(H74Figure, ConeStandsStillWhileTheRodIsFetched) {
  ConePenetrationModel m = Started();
  TickTimes(m, 9);
  const Canvas pushed = Picture(m);
  const int tip = m.Tip();
  // Below the crosshead the string and the cone look the same at every
  // fetch step; the pile has one bundle fewer from the first one on.
  auto stringPart = [&](const Canvas& c) { return test::Ascii(c, cx - 2, yp - 5, cx + 3, tip + 5); };
  EXPECT_EQ(pushed.Pixel(cx + 33, yp - 21), static_cast<long long>(clSilver));
  for (int carry = 1; carry <= 9; ++carry) {
    m.Tick();
    const Canvas c = Picture(m);
    EXPECT_EQ(m.Tip(), tip);
    EXPECT_EQ(stringPart(c), stringPart(pushed)) << "fetch step " << carry;
    EXPECT_EQ(c.Pixel(cx + 33, yp - 21), static_cast<long long>(clWhite)) << "fetch step " << carry;
    EXPECT_EQ(c.Pixel(cx + 33, yp - 19), static_cast<long long>(clSilver)) << "fetch step " << carry;
  }
}

TEST(H74Figure, CarriedRodFromThePileToTheString) {
  struct Case {
    int ticks;
    std::array<Point, 4> corners;
  };
  // The pile's top bundle lies at (191, 30) during the first fetch; the rod
  // ends standing on the string, x 165 .. 167, y 32 .. 42.
  const Case cases[] = {
      {10, {{{188, 28}, {188, 27}, {197, 28}, {197, 30}}}},  // first step
      {14, {{{177, 30}, {178, 29}, {182, 35}, {181, 36}}}},  // half way
      {18, {{{165, 32}, {167, 32}, {167, 42}, {165, 42}}}},  // on the string
  };
  for (const Case& c : cases) {
    ConePenetrationModel m = Started();
    TickTimes(m, c.ticks);
    EXPECT_EQ(CarriedRod(m, cx + 22, yp), c.corners) << "after " << c.ticks << " ticks";
  }

  ConePenetrationModel m = Started();
  TickTimes(m, 10);
  ExpectPixels(Picture(m),
               {
                   {192, 28, clRed, "holding hand at the rod's middle"},
                   {197, 29, clBlack, "the rod's end lying on the pile"},
                   {177, 39, clRed, "free hand on the far side"},
                   {176, 30, clGreen, "free arm"},
                   {182, 47, clWhite, "gap between the walking feet"},
                   {183, 47, clMaroon, "front shoe"},
                   {181, 47, clMaroon, "back shoe"},
                   {cx - 8, yp - 27, clRed, "left worker lifts his hand"},
                   {cx - 8, yp - 24, clWhite, "where it rested"},
               },
               "first fetch step");
  TickTimes(m, 8);
  ExpectPixels(Picture(m),
               {
                   {cx, 33, clSilver, "new rod on the string"},
                   {cx - 1, 33, clBlack, "its outline"},
                   {cx, 36, clRed, "holding hand"},
                   {186, 39, clRed, "free hand behind him"},
                   {187, 30, clGreen, "free arm"},
               },
               "last fetch step");
}

TEST(H74Figure, EndPicture) {
  ConePenetrationModel m = Started();
  TickTimes(m, 212);
  ASSERT_EQ(m.TestRunning, 0);
  ExpectPixels(Picture(m),
               {
                   {cx, yg, clSilver, "rod's foot at the lower layer"},
                   {cx, yg + 3, clBlack, "cone point in the lower layer"},
                   {cx, yg + 4, clYellow, "below the point"},
                   {cx - 18, yp - 10, clRed, "left worker's hand hangs down"},
                   {cx - 18, yp - 11, clGreen, "his arm"},
                   {cx - 8, yp - 24, clWhite, "nothing on the rig any more"},
                   {cx + 33, yp - 9, clSilver, "top bundle: 5 left"},
                   {cx + 33, yp - 11, clWhite, "no sixth bundle"},
                   {cx + 16, yp - 8, clRed, "standing worker's hand"},
               },
               "end");
}

// The smallest box holding every pixel that is not white.
struct Bounds {
  int l = 1 << 20, t = 1 << 20, r = -1, b = -1;
};
Bounds Drawn(const Canvas& c) {
  Bounds s;
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x)
      if (c.Pixel(x, y) != static_cast<long long>(clWhite)) {
        s.l = std::min(s.l, x), s.r = std::max(s.r, x);
        s.t = std::min(s.t, y), s.b = std::max(s.b, y);
      }
  return s;
}

Canvas Blank() {
  Canvas c;
  c.SetSize(40, 40);
  c.Brush.Color = clWhite;
  c.FillRect(0, 0, 40, 40);
  return c;
}

TEST(H74Figure, StandingWorker) {
  Canvas c = Blank();
  DrawStandingWorker(c, 10, 35, 14, 27);
  const Bounds s = Drawn(c);
  EXPECT_EQ(s.r - s.l + 1, 9);
  EXPECT_EQ(s.b - s.t + 1, 31);
  EXPECT_EQ(s.l, 10);
  EXPECT_EQ(s.b, 34);
  ExpectPixels(c,
               {
                   {10, 34, clMaroon, "shoes"},
                   {18, 34, clWhite, "past the shoes"},
                   {14, 32, clOlive, "ankle"},
                   {13, 32, clWhite, "beside the ankle"},
                   {12, 31, clBlue, "trousers"},
                   {11, 22, clGreen, "jacket"},
                   {12, 14, clGreen, "shoulder line"},
                   {11, 14, clWhite, "beside the shoulder line"},
                   {11, 9, clRed, "nose"},
                   {10, 9, clWhite, "before the nose"},
                   {13, 4, clMaroon, "top of the hair"},
                   {12, 4, clWhite, "beside the hair"},
                   {14, 26, clRed, "hand"},
                   {14, 27, clRed, "hand"},
                   {14, 28, clBlue, "below the hand"},
                   {13, 25, clGreen, "arm"},
               },
               "arm down");

  // A mostly horizontal arm is thickened above and below.
  c = Blank();
  DrawStandingWorker(c, 10, 35, 26, 11);
  ExpectPixels(c,
               {
                   {21, 10, clWhite, "above the arm"},
                   {21, 11, clGreen, "arm, upper line"},
                   {21, 12, clGreen, "arm"},
                   {21, 13, clGreen, "arm, lower line"},
                   {21, 14, clWhite, "below the arm"},
                   {26, 10, clRed, "hand"},
               },
               "arm out");
}

TEST(H74Figure, LeftWorkerIsMirrored) {
  Canvas c = Blank();
  DrawLeftWorker(c, 30, 35, 26, 27, true);
  const Bounds s = Drawn(c);
  EXPECT_EQ(s.r - s.l + 1, 9);
  EXPECT_EQ(s.b - s.t + 1, 31);
  ExpectPixels(c,
               {
                   {29, 34, clMaroon, "shoes"},
                   {30, 34, clWhite, "past the shoes"},
                   {22, 34, clMaroon, "shoes"},
                   {29, 9, clRed, "nose"},
                   {30, 9, clWhite, "before the nose"},
                   {27, 4, clMaroon, "top of the hair"},
                   {23, 4, clWhite, "beside the hair"},
                   {26, 27, clRed, "hand"},
                   {24, 25, clBlue, "trousers"},
               },
               "running");

  c = Blank();
  DrawLeftWorker(c, 30, 35, 26, 27, false);
  ExpectPixels(c,
               {
                   {24, 25, clRed, "hand hanging down"},
                   {24, 26, clRed, "hand hanging down"},
                   {23, 24, clGreen, "arm"},
                   {25, 24, clGreen, "arm"},
                   {26, 27, clBlue, "no hand where it was held"},
               },
               "test over");
}

TEST(H74Figure, CarryingWorker) {
  ConePenetrationModel m = Started();
  TickTimes(m, 10);
  Canvas c = Picture(m);
  // Feet at (188, 48); the body from x 177 to 187.
  ExpectPixels(c,
               {
                   {186, 47, clMaroon, "front shoe"},
                   {187, 47, clWhite, "before the front shoe"},
                   {178, 47, clMaroon, "back shoe"},
                   {183, 45, clOlive, "front ankle"},
                   {179, 45, clOlive, "back ankle"},
                   {182, 45, clWhite, "between the ankles"},
                   {180, 40, clBlue, "trousers"},
                   {186, 34, clGreen, "jacket"},
                   {180, 22, clRed, "face"},
                   {183, 17, clMaroon, "top of the hair"},
                   {184, 17, clWhite, "beside the hair"},
               },
               "carrying worker");
}

// ---------------------------------------------------------------- pane

TEST(H74Pane, Lines) {
  test::SharedCourse();
  const TheoryPane& pane = *test::SharedCourse().Lesson(34).RichEdit();
  const QStringList lines = test::PaneLines(pane);
  ASSERT_EQ(lines.size(), 7);
  EXPECT_EQ(lines[0], "Cone Penetration Test.");
  for (int i : {1, 3, 5}) EXPECT_EQ(lines[i], " ");
  struct Paragraph {
    int line;
    const char* begins;
    const char* ends;
  };
  const Paragraph paragraphs[] = {
      {2, "The cone penetration test (CPT) is a ",
       "failure load of a pile can easily be calculated from the CPT-value."},
      {4, "It is also possible to measure the friction ", "foundation pile."},
      {6, "The CPT can also be used to determine the ", "empirical correlations."},
  };
  for (const Paragraph& p : paragraphs) {
    EXPECT_TRUE(lines[p.line].startsWith(QString::fromUtf8(p.begins))) << p.line;
    EXPECT_TRUE(lines[p.line].endsWith(QString::fromUtf8(p.ends))) << p.line;
  }
  EXPECT_TRUE(lines[2].contains(QString::fromUtf8("10 cm²")));

  // Plain text throughout, and the caret after the last character.
  for (const TheoryPane::Run& run : pane.Runs()) {
    EXPECT_EQ(run.family, "MS Sans Serif") << "at " << run.start;
    EXPECT_EQ(run.size, 8) << "at " << run.start;
    EXPECT_FALSE(run.italic || run.underline) << "at " << run.start;
  }
  EXPECT_EQ(pane.textCursor().position(), pane.toPlainText().size());
  EXPECT_FALSE(pane.textCursor().hasSelection());
}

// -------------------------------------------------------------- window

TFH74& Lesson() { return dynamic_cast<TFH74&>(test::SharedCourse().Lesson(34)); }

long long Shown(const LessonWindow& w, int x, int y) {
  const LayoutMetrics& m = Layout();
  const QRgb p = w.Surface().pixel(m.AreaLeft + x, m.AreaTop + y);
  return qAlpha(p) == 0 ? -1 : static_cast<long long>(p & 0xFFFFFF);
}

QImage ShownArea(const LessonWindow& w) {
  const LayoutMetrics& m = Layout();
  return w.Surface().copy(m.AreaLeft, m.AreaTop, m.AreaWidth, m.AreaHeight);
}

TEST(H74Window, TicksBeforeTheFirstActivationDoNothing) {
  test::SharedCourse();
  const LessonEntry& entry = *FindLesson("FH74");
  TFH74 window(entry);
  EXPECT_FALSE(window.PaintConnected());
  ASSERT_TRUE(window.Timer()->Running());
  EXPECT_EQ(window.Timer()->Interval(), 1000);
  for (int i = 0; i < 5; ++i) window.Timer()->Fire();
  EXPECT_EQ(window.Model().TestRunning, 0);
  EXPECT_EQ(window.Model().RodCount, 0);
  EXPECT_EQ(window.Timer()->Interval(), 1000);
  EXPECT_EQ(window.CanvasBitmap().Width(), 0) << "nothing was drawn";
}

TEST(H74Window, OpeningDrawsTheFirstPictureAndTheTickSetsTheInterval) {
  Course& course = test::SharedCourse();
  course.OpenLesson(34);
  test::Settle();
  TFH74& w = Lesson();
  EXPECT_EQ(w.Timer()->Interval(), 200);
  EXPECT_EQ(w.Model().RodCount, 1);
  EXPECT_EQ(Shown(w, cx, yp - 5), static_cast<long long>(clSilver));
  EXPECT_EQ(Shown(w, cx + 33, yp - 21), static_cast<long long>(clSilver));
  EXPECT_EQ(Shown(w, cx + 33, yp - 23), static_cast<long long>(clWhite));

  const int intervals[19] = {200, 200, 200, 200, 200, 200, 200, 200, 1000, 200,
                             200, 200, 200, 200, 200, 200, 200, 1000, 1000};
  for (int tick = 0; tick < 19; ++tick) {
    w.Timer()->Fire();
    EXPECT_EQ(w.Timer()->Interval(), intervals[tick]) << "after tick " << tick + 1;
  }
  EXPECT_EQ(w.Model().RodCount, 2);
  EXPECT_EQ(Shown(w, cx, yp - 4), static_cast<long long>(clSilver)) << "the picture follows";
  course.Lesson(34).ReturnButtonClick();
}

TEST(H74Window, TestGoesOnHiddenAndOpeningRestartsIt) {
  Course& course = test::SharedCourse();
  course.OpenLesson(34);
  TFH74& w = Lesson();
  for (int i = 0; i < 50; ++i) w.Timer()->Fire();
  w.ReturnButtonClick();
  for (int i = 0; i < 200; ++i) w.Timer()->Fire();
  EXPECT_EQ(w.Model().TestRunning, 0) << "the hidden test ran to its end";
  EXPECT_EQ(w.Model().RodCount, 12);

  course.OpenLesson(34);
  test::Settle();
  EXPECT_EQ(w.Model().TestRunning, 1);
  EXPECT_EQ(w.Model().RodCount, 1);
  EXPECT_EQ(w.Model().PushStep, 0);
  EXPECT_EQ(w.Timer()->Interval(), 200);
  EXPECT_EQ(Shown(w, cx + 33, yp - 21), static_cast<long long>(clSilver)) << "a full pile";
  EXPECT_EQ(Shown(w, cx, yp - 5), static_cast<long long>(clSilver)) << "one rod";
  w.ReturnButtonClick();
}

TEST(H74Window, RepaintsNeitherRestartNorBlankTheFinishedTest) {
  Course& course = test::SharedCourse();
  course.OpenLesson(34);
  TFH74& w = Lesson();
  for (int i = 0; i < 5; ++i) w.Timer()->Fire();
  w.SystemRepaint();
  EXPECT_EQ(w.Model().PushStep, 5) << "a repaint does not restart the push";

  for (int i = 0; i < 250; ++i) w.Timer()->Fire();
  ASSERT_EQ(w.Model().TestRunning, 0);
  const QImage end = ShownArea(w);
  EXPECT_EQ(Shown(w, cx - 18, yp - 10), static_cast<long long>(clRed)) << "arm hangs down";
  w.Timer()->Fire();
  w.SystemRepaint();
  test::Settle();
  EXPECT_EQ(ShownArea(w), end) << "the last picture stays after an expose";
  w.ReturnButtonClick();
}

}  // namespace
}  // namespace kavenor

// The volumetric weight lesson: the fill, the level marks beside the glass,
// the labels near the end, the pane and the window's restart on opening.

#include <gtest/gtest.h>

#include <QLabel>
#include <QTextCursor>

#include "course/Lessons.h"
#include "lessons/composition/Cylinder.h"
#include "lessons/composition/H13.h"
#include "shell/LessonTimer.h"
#include "shell/Random.h"
#include "tests/lessons/composition/CylinderCheck.h"
#include "tests/support/LessonFixture.h"

namespace kavenor {
namespace {

using test::kGlass;
constexpr int kLessonNumber = 3;

VolumeModel AfterTicks(int ticks) {
  SeedRandom(11);
  VolumeModel m;
  m.Activate();
  for (int i = 0; i < ticks; ++i) m.Tick();
  return m;
}

// The rows between the frame and the ground line that are black from x 198
// to 237, right of the glass.
std::vector<int> MarkRows(const Canvas& c) {
  std::vector<int> rows;
  for (int y = 1; y < kGlass.yG; ++y) {
    bool mark = true;
    for (int x = 198; x < 238; ++x) mark = mark && c.Pixel(x, y) == static_cast<long long>(clBlack);
    if (mark) {
      EXPECT_EQ(c.Pixel(197, y), static_cast<long long>(clWhite)) << "mark at " << y;
      EXPECT_EQ(c.Pixel(238, y), static_cast<long long>(clWhite)) << "mark at " << y;
      rows.push_back(y);
    }
  }
  return rows;
}

// Whether there is ink in the box [l, r) x [t, b).
bool InkIn(const Canvas& c, int l, int t, int r, int b) {
  for (int y = t; y < b; ++y)
    for (int x = l; x < r; ++x)
      if (c.Pixel(x, y) != static_cast<long long>(clWhite)) return true;
  return false;
}

// ------------------------------------------------------------------ model

TEST(FH13Model, FillThenWait) {
  const struct {
    int ticks, tick, falling, water, sand, interval;
    bool labels;
  } rows[] = {
      {0, 0, 0, 79, 173, 50, false},     {1, 1, 1, 79, 173, 50, false},
      {110, 110, 1, 57, 129, 50, false}, {111, 111, 1, 57, 129, 50, true},
      {120, 120, 1, 55, 125, 50, true},  {121, 120, 0, 55, 125, 10, true},
      {1000, 120, 0, 55, 125, 10, true},
  };
  for (const auto& r : rows) {
    const VolumeModel m = AfterTicks(r.ticks);
    const CylinderScene s = m.Scene(kGlass);
    SCOPED_TRACE(testing::Message() << "after tick " << r.ticks);
    EXPECT_EQ(m.Fill.Tick, r.tick);
    EXPECT_EQ(m.Fill.Falling, r.falling);
    EXPECT_EQ(s.WaterTop, r.water);
    EXPECT_EQ(s.SandTop, r.sand) << "no compaction here";
    EXPECT_EQ(m.Interval, r.interval);
    EXPECT_EQ(s.VolumeLabels, r.labels);
    EXPECT_EQ(s.InitialLevel, std::optional<int>(79));
    EXPECT_EQ(m.AtRest(), r.ticks > 120) << "the wait after the fill changes nothing";
  }
}

// ----------------------------------------------------------------- figure

TEST(FH13Figure, FourLevelMarksBesideTheGlass) {
  const struct {
    int ticks;
    std::vector<int> marks;  // top to bottom
  } cases[] = {
      {0, {79, 173}},           // water and sand marks on the initial and bottom ones
      {60, {67, 79, 149, 173}},
      {1000, {55, 79, 125, 173}},  // water 24 above the initial mark, sand 48 above the bottom
  };
  for (const auto& c : cases) {
    CylinderScene s = AfterTicks(c.ticks).Scene(kGlass);
    s.Falling = false;
    const Canvas drawn = test::Drawn(s);
    EXPECT_EQ(MarkRows(drawn), c.marks) << "after " << c.ticks << " ticks";
    test::ExpectLevels(drawn, s.WaterTop, s.SandTop, "the glass as in the density lesson");
  }
}

TEST(FH13Figure, LabelsFromTick111On) {
  // "Volume of soil" at (203, 143), "Volume of particles" at (203, 59), in
  // black on white; the glyphs are not pinned, only where the ink lies.
  struct Label {
    int x, y;
  };
  const Label labels[] = {{203, 143}, {203, 59}};
  for (const int ticks : {110, 111, 1000}) {
    CylinderScene s = AfterTicks(ticks).Scene(kGlass);
    s.Falling = false;
    const Canvas c = test::Drawn(s);
    const bool shown = ticks > 110;
    for (const Label& l : labels) {
      SCOPED_TRACE(testing::Message() << "label at (" << l.x << ", " << l.y << ") after "
                                      << ticks << " ticks");
      EXPECT_EQ(InkIn(c, l.x, l.y, l.x + 80, l.y + 12), shown);
      EXPECT_FALSE(InkIn(c, l.x - 4, l.y, l.x, l.y + 12)) << "nothing left of it";
      EXPECT_FALSE(InkIn(c, l.x, l.y - 1, l.x + 80, l.y)) << "nothing just above it";
    }
  }
}

// ------------------------------------------------------------------- pane

TEST(FH13Pane, Lines) {
  const TheoryPane& pane = *test::SharedCourse().Lesson(kLessonNumber).RichEdit();
  const QStringList lines = test::PaneLines(pane);
  ASSERT_EQ(lines.size(), 7) << lines.join('|').toStdString();
  EXPECT_EQ(lines[0], "Volumetric weigth of soil particles.");
  for (int i : {1, 3, 5}) EXPECT_EQ(lines[i], " ") << i;
  EXPECT_EQ(lines[2],
            "The volumetric weight (or unit weight) of soil particles can be determined by "
            "carefully sprinkling a handful of particles in a measuring glass, originally filled "
            "with some water.");
  EXPECT_TRUE(lines[4].startsWith("If no air is entrapped during the sprinkling, "));
  EXPECT_TRUE(lines[4].contains("\"Eureka !\""));
  EXPECT_TRUE(lines[6].startsWith(
      "In the test the porosity (or the void ratio) of the soil can also be determined, "));
  for (const TheoryPane::Run& run : pane.Runs()) {
    EXPECT_EQ(run.family, "MS Sans Serif") << "at " << run.start;
    EXPECT_EQ(run.size, 8) << "at " << run.start;
  }
  EXPECT_EQ(pane.textCursor().position(), pane.toPlainText().size()) << "caret left at the end";
}

// ----------------------------------------------------------------- window

struct FH13Window : test::LessonWindowTest<TFH13, kLessonNumber> {
  static bool ShowsItsModel() {
    return test::ShownArea(Window()) == test::Picture(Window().Model().Scene(kGlass));
  }
};

TEST_F(FH13Window, OpeningRestartsTheFillWhichRunsOnHidden) {
  TFH13& w = Window();
  EXPECT_EQ(w.Panel()->text(), "Volumetric weight");
  EXPECT_FALSE(w.PaintConnected());

  Open();
  EXPECT_EQ(w.Timer()->Interval(), 50);
  EXPECT_EQ(w.Model().Fill.Tick, 0);
  EXPECT_TRUE(ShowsItsModel());
  Fire(111);
  EXPECT_TRUE(ShowsItsModel());

  w.ReturnButtonClick();
  Fire(30);
  EXPECT_EQ(w.Model().Fill.Tick, 120);
  EXPECT_EQ(w.Timer()->Interval(), 10);
  Open();
  EXPECT_EQ(w.Model().Fill.Tick, 0);
  EXPECT_EQ(w.Timer()->Interval(), 50);
  EXPECT_TRUE(ShowsItsModel());

  Fire(40);
  test::FocusBackFromADialog(TheCourse(), w);
  EXPECT_EQ(w.Model().Fill.Tick, 0);
  EXPECT_TRUE(ShowsItsModel());
  Leave();
}

}  // namespace
}  // namespace kavenor

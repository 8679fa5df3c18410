// The triaxial test lesson: the phases over clicks and ticks, the apparatus'
// pixels in the standard 332 x 195 area (a picture 293 pixels high), the pane
// lines the phases append, and the window's button, timer and openings.

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <tuple>

#include "course/Lessons.h"
#include "lessons/shear/H53.h"
#include "lessons/shear/Triaxial.h"
#include "shell/LessonTimer.h"
#include "shell/TheoryPane.h"
#include "tests/lessons/shear/ShearFigures.h"
#include "tests/support/TestSupport.h"

namespace kavenor {
namespace {

using shear_test::ExpectPixels;
using shear_test::PixelCase;

constexpr int kW = 332, kHa = 195, kHeight = 293;
constexpr int kTriaxialLesson = 22;

// The standard area: the cell from x 100 to 232, the sample from 143 to 189,
// the base's underside at 284, the cell's top at 112, the sample's top at 167.
constexpr int xL = 100, xP = 143, yB = 284, yT = 112, ys0 = 167;

TriaxialModel Opened() {
  TriaxialModel m(kHa);
  m.Activate();
  return m;
}

void Clicks(TriaxialModel& m, int n) {
  for (int i = 0; i < n; ++i) m.Next();
}
void Ticks(TriaxialModel& m, int n) {
  for (int i = 0; i < n; ++i) m.Tick();
}

auto State(const TriaxialModel& m) {
  return std::make_tuple(m.Stage, m.FillLevel, m.PistonGap, m.TestProgress);
}

Canvas Picture(const TriaxialModel& m) {
  Canvas c;
  DrawTriaxial(c, m, kW, kHa);
  return c;
}

// ---------------------------------------------------------------- model

TEST(H53Model, PhasesOverClicksAndTicks) {
  // Each row: clicks, then ticks, on top of the rows before it.
  struct Row {
    const char* what;
    int clicks, ticks;
    int stage, fill, gap, progress;
  };
  const Row rows[] = {
      {"opened: the bottom plate alone", 0, 0, 0, 0, 50, 0},
      {"the first five parts stand still", 5, 30, 5, 0, 50, 0},
      {"the water rises a pixel a tick", 1, 40, 6, 40, 50, 0},
      {"and stops when the cell is full", 0, 500, 6, 152, 50, 0},
      {"the piston comes down a pixel a tick", 1, 20, 7, 152, 30, 0},
      {"and rests on the cap", 0, 30, 7, 152, 0, 0},
      {"resting, it waits for the test", 0, 15, 7, 152, 0, 0},
      {"the test runs a step a tick", 1, 60, 8, 152, 0, 60},
      {"and ends after 120 steps", 0, 200, 8, 152, 0, 120},
      {"a ninth click changes nothing", 1, 10, 9, 152, 0, 120},
      {"nor do further clicks", 50, 10, 9, 152, 0, 120},
  };
  TriaxialModel m = Opened();
  EXPECT_EQ(m.FullLevel(), 152) << "195 - 19 - 24";
  for (const Row& r : rows) {
    Clicks(m, r.clicks);
    Ticks(m, r.ticks);
    EXPECT_EQ(State(m), std::make_tuple(r.stage, r.fill, r.gap, r.progress)) << r.what;
  }
}

TEST(H53Model, TestBeginsOneTickAfterThePistonArrives) {
  // "Next " while the piston is still coming down: it goes on descending,
  // and the compression starts on the tick after the one that brought it
  // onto the cap.
  TriaxialModel m = Opened();
  Clicks(m, 7);
  Ticks(m, 20);
  ASSERT_EQ(m.PistonGap, 30);
  m.Next();
  Ticks(m, 30);
  EXPECT_EQ(m.PistonGap, 0);
  EXPECT_EQ(m.TestProgress, 0);
  m.Tick();
  EXPECT_EQ(m.PistonGap, 0);
  EXPECT_EQ(m.TestProgress, 1);
}

TEST(H53Model, OpeningStartsAgainFromTheBottomPlate) {
  TriaxialModel m = Opened();
  Clicks(m, 8);
  Ticks(m, 400);
  m.Next();
  m.Activate();
  EXPECT_EQ(State(m), std::make_tuple(0, 0, 50, 0));
  EXPECT_TRUE(m.TakePendingLines().empty());
}

TEST(H53Model, PendingLinesNameThePhaseReached) {
  struct Case {
    int clicks;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {0, {}},
      {1, {"2. Placement of the soil sample."}},
      {2, {"3. Placement of the top cap."}},  // two clicks between ticks: the later line only
      {5, {"6. Placement of the cell."}},
      {7, {"8. Lowering the piston."}},
      {9, {}},
      {20, {}},
  };
  for (const Case& k : cases) {
    TriaxialModel m = Opened();
    Clicks(m, k.clicks);
    EXPECT_EQ(m.TakePendingLines(), k.lines) << k.clicks << " clicks";
    EXPECT_TRUE(m.TakePendingLines().empty()) << "named once, after " << k.clicks;
  }
  TriaxialModel m = Opened();
  Clicks(m, 8);
  const std::vector<std::string> last = m.TakePendingLines();
  ASSERT_EQ(last.size(), 3u);
  EXPECT_EQ(last[0], "9. Performing the test.");
  EXPECT_EQ(last[1], " ");
  EXPECT_EQ(last[2].rfind("During the test the pressure in the cell remains constant", 0), 0u);
}

// --------------------------------------------------------------- figure

TEST(H53Figure, WorkedGeometry) {
  struct Case {
    const char* what;
    int gap, progress, fill;
    int ys, yw, yg;
    Point needle;
  };
  const Case cases[] = {
      {"piston up, cell empty", 50, 0, 0, ys0, yB, -30, {160, -38}},
      {"resting on the cap: needle at 50 degrees", 0, 0, 152, ys0, yT + 20, 20, {160, 12}},
      {"water past its top stays there", 0, 0, 400, ys0, yT + 20, 20, {160, 12}},
      {"at 90 steps the needle stops at 140 degrees", 0, 90, 152, ys0 + 22, yT + 20, 42,
       {174, 36}},
      {"at the end the sample is 30 pixels shorter", 0, 120, 152, ys0 + 30, yT + 20, 50,
       {174, 44}},
  };
  for (const Case& k : cases) {
    TriaxialModel m = Opened();
    m.PistonGap = k.gap;
    m.TestProgress = k.progress;
    m.FillLevel = k.fill;
    const TriaxialGeometry g = TriaxialLayout(m, kW, kHa);
    EXPECT_EQ(std::make_tuple(g.Hh, g.xL, g.xP, g.yB, g.yT), std::make_tuple(98, xL, xP, yB, yT));
    EXPECT_EQ(std::make_tuple(g.ys, g.yw, g.yg), std::make_tuple(k.ys, k.yw, k.yg)) << k.what;
    EXPECT_EQ(g.needle, k.needle) << k.what << ": (" << g.needle.x << ", " << g.needle.y << ")";
  }
}

TEST(H53Figure, PartsByPhase) {
  struct Case {
    int stage;
    std::vector<PixelCase> pixels;
  };
  const Case cases[] = {
      {0,
       {{0, 0, clBlack, "frame"},
        {120, 279, clSilver, "base slab"},
        {160, 270, clSilver, "pedestal"},
        {160, 264, clBlack, "pedestal top"},
        {143, 270, clBlack, "pedestal side"},
        {142, 270, clWhite, "left of the pedestal"},
        {100, 279, clBlack, "slab left end"},
        {232, 279, clBlack, "slab right end"},
        {233, 279, clWhite, "right of the slab"},
        {99, 279, clWhite, "left of the slab"},
        {50, 288, clMaroon, "floor"},
        {50, 284, clBlack, "floor's top edge"},
        {160, 250, clWhite, "no sample yet"},
        {150, 117, clWhite, "no cell yet"}}},
      {1,
       {{160, 200, clOlive, "sample"},
        {160, 167, clBlack, "sample top"},
        {160, 166, clWhite, "above the sample"},
        {189, 200, clBlack, "sample right side"},
        {190, 200, clWhite, "right of the sample"},
        {160, 162, clWhite, "no cap yet"}}},
      {2,
       {{160, 162, clSilver, "top cap"},
        {160, 157, clBlack, "top cap's top edge"},
        {189, 162, clBlack, "top cap's right edge"},
        {166, 154, clSilver, "ball"},
        {166, 151, clWhite, "above the ball"},
        {142, 200, clWhite, "no membrane yet"}}},
      {3,
       {{142, 200, clBlack, "left membrane line"},
        {142, 159, clBlack, "left membrane's top"},
        {142, 158, clWhite, "above the left membrane"},
        {190, 200, clBlack, "right membrane line"},
        {141, 200, clWhite, "left of the membrane"}}},
      {4,
       {{140, 268, clBlack, "lower left O-ring"},
        {140, 163, clBlack, "upper left O-ring"},
        {193, 268, clBlack, "lower right O-ring"},
        {193, 163, clBlack, "upper right O-ring"},
        {150, 117, clWhite, "no cell yet"}}},
      {5,
       {{150, 117, clSilver, "cell top plate"},
        {150, 112, clBlack, "top plate's top edge"},
        {232, 117, clBlack, "top plate's right edge"},
        {105, 200, clBlack, "left wall, outer line"},
        {106, 200, clWhite, "between the left wall's lines"},
        {107, 200, clBlack, "left wall, inner line"},
        {226, 200, clBlack, "right wall, outer line"},
        {225, 200, clWhite, "between the right wall's lines"},
        {224, 200, clBlack, "right wall, inner line"},
        {120, 200, clWhite, "no water yet"}}},
  };
  for (const Case& k : cases) {
    TriaxialModel m = Opened();
    Clicks(m, k.stage);
    const Canvas c = Picture(m);
    ASSERT_EQ(c.Width(), kW);
    ASSERT_EQ(c.Height(), kHeight);
    ExpectPixels(c, k.pixels, "stage " + std::to_string(k.stage));
  }
}

TEST(H53Figure, WaterRisesToTwentyBelowTheCellTop) {
  struct Case {
    int fill;
    std::vector<PixelCase> pixels;
  };
  const Case cases[] = {
      {0, {{120, 270, clWhite, "empty cell"}, {120, 274, clBlack, "slab top"}}},
      {40,
       {{120, 250, clBlue, "water"},
        {120, 244, clBlack, "water surface at 284 - 40"},
        {120, 243, clWhite, "above the surface"}}},
      {152, {{120, 133, clBlue, "full"}, {120, 132, clBlack, "surface"}, {120, 131, clWhite, ""}}},
      {1000, {{120, 133, clBlue, "full"}, {120, 132, clBlack, "surface"}, {120, 131, clWhite, ""}}},
  };
  for (const Case& k : cases) {
    TriaxialModel m = Opened();
    Clicks(m, 6);
    m.FillLevel = k.fill;
    ExpectPixels(Picture(m), k.pixels, "fill " + std::to_string(k.fill));
  }
}

TEST(H53Figure, PistonAndGauge) {
  TriaxialModel m = Opened();
  Clicks(m, 7);
  m.FillLevel = 152;
  // Piston up: the rod from the top edge to 103, the gauge above the picture.
  ExpectPixels(Picture(m), {
                               {166, 50, clSilver, "rod"},
                               {164, 50, clBlack, "rod's left edge"},
                               {168, 50, clBlack, "rod's right edge"},
                               {169, 50, clWhite, "right of the rod"},
                               {166, 102, clBlack, "rod's lower end"},
                               {166, 103, clWhite, "below the rod"},
                               {152, 2, clWhite, "no gauge in view"},
                           },
               "piston up");

  Ticks(m, 50);
  ExpectPixels(Picture(m), {
                               {166, 140, clSilver, "rod down to the ball"},
                               {166, 152, clBlack, "rod's lower end on the ball's top"},
                               {166, 7, clSilver, "gauge ring"},
                               {166, 6, clBlack, "gauge rim"},
                               {172, 20, clWhite, "dial"},
                               {160, 12, clBlack, "needle tip at 50 degrees"},
                               {163, 16, clBlack, "needle"},
                           },
               "on the cap");

  m.Next();
  Ticks(m, 121);
  ASSERT_EQ(m.TestProgress, 120);
  ExpectPixels(Picture(m), {
                               {160, 200, clOlive, "shortened sample"},
                               {160, 197, clBlack, "sample top 30 pixels lower"},
                               {160, 190, clSilver, "cap on the sample"},
                               {166, 37, clSilver, "gauge ring"},
                               {160, 55, clWhite, "dial"},
                               {174, 44, clBlack, "needle tip at 140 degrees"},
                               {170, 47, clBlack, "needle"},
                               {160, 45, clWhite, "where the needle started"},
                           },
               "end of the test");
}

TEST(H53Figure, NothingNewPastTheLastPhase) {
  TriaxialModel m = Opened();
  Clicks(m, 8);
  Ticks(m, 300);
  const QImage last = Picture(m).Image();
  Clicks(m, 5);
  Ticks(m, 10);
  EXPECT_EQ(Picture(m).Image(), last);
}

// ----------------------------------------------------------------- pane

const QStringList kFirstLines = {
    QStringLiteral("Triaxial test."), QStringLiteral(" "),
    QStringLiteral("The phases of a triaxial test are : "), QStringLiteral(" "),
    QStringLiteral("1. Placement of the bottom plate.")};

TEST(H53Pane, FirstLinesPlainWithTheCaretAtTheEnd) {
  const TheoryPane& pane = *test::SharedCourse().Lesson(kTriaxialLesson).RichEdit();
  const QStringList lines = test::PaneLines(pane);
  ASSERT_GE(lines.size(), kFirstLines.size());
  for (qsizetype i = 0; i < kFirstLines.size(); ++i) EXPECT_EQ(lines[i], kFirstLines[i]);
  for (const TheoryPane::Run& run : pane.Runs()) {
    EXPECT_EQ(run.family, QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(run.size, 8);
  }
}

// --------------------------------------------------------------- window

TFH53& Lesson() { return dynamic_cast<TFH53&>(test::SharedCourse().Lesson(kTriaxialLesson)); }

QStringList Lines(const TFH53& w) { return test::PaneLines(*w.RichEdit()); }

TEST(H53Window, CreatedWithItsButtonAndTheStoredTimer) {
  test::SharedCourse();
  TFH53 w(*FindLesson("FH53"));
  QPushButton* next = w.findChild<QPushButton*>(QStringLiteral("ButtonNext"));
  ASSERT_EQ(next, w.ButtonNext());
  EXPECT_EQ(next->text(), QStringLiteral("Next "));
  EXPECT_EQ(next->geometry(), QRect(128, 347, 95, 28));
  EXPECT_TRUE(w.Timer()->Running());
  EXPECT_EQ(w.Timer()->Interval(), 1000);
  EXPECT_FALSE(w.PaintConnected());
  EXPECT_EQ(Lines(w), kFirstLines);
  EXPECT_EQ(w.RichEdit()->geometry(), QRect(408, 45, 332, 401));
  EXPECT_EQ(w.CanvasBitmap().Width(), 0) << "creation draws nothing";
}

TEST(H53Window, ClicksAreDrawnAndNamedByTheNextTick) {
  Course& course = test::SharedCourse();
  course.OpenLesson(kTriaxialLesson);
  test::Settle();
  TFH53& w = Lesson();
  EXPECT_EQ(w.Timer()->Interval(), 100);
  TriaxialModel expected = Opened();
  EXPECT_EQ(test::ShownArea(w, kW, kHeight), test::AsShown(Picture(expected)));

  // A click draws nothing itself; the next tick draws and names the phase.
  QTest::mouseClick(w.ButtonNext(), Qt::LeftButton);
  EXPECT_EQ(w.Model().Stage, 1);
  EXPECT_EQ(test::ShownArea(w, kW, kHeight), test::AsShown(Picture(expected)));
  EXPECT_EQ(Lines(w).size(), kFirstLines.size());
  w.Timer()->Fire();
  expected.Next();
  EXPECT_EQ(test::ShownArea(w, kW, kHeight), test::AsShown(Picture(expected)));
  EXPECT_EQ(Lines(w).last(), QStringLiteral("2. Placement of the soil sample."));

  // Two clicks between two ticks: two phases on, the later line only.
  w.ButtonNext()->click();
  w.ButtonNext()->click();
  w.Timer()->Fire();
  QStringList lines = Lines(w);
  ASSERT_EQ(lines.size(), kFirstLines.size() + 2);
  EXPECT_EQ(lines.last(), QStringLiteral("4. Application of the rubber membrane."));

  // On to the test's end; the ninth phase's lines, then nothing more.
  for (int i = 0; i < 5; ++i) {
    w.ButtonNext()->click();
    for (int t = 0; t < 200; ++t) w.Timer()->Fire();
  }
  lines = Lines(w);
  ASSERT_EQ(lines.size(), kFirstLines.size() + 9);
  EXPECT_EQ(lines[lines.size() - 3], QStringLiteral("9. Performing the test."));
  EXPECT_EQ(lines[lines.size() - 2], QStringLiteral(" "));
  EXPECT_TRUE(lines.last().endsWith(QStringLiteral("are measured.")));
  EXPECT_EQ(w.Model().TestProgress, 120);
  const QImage end = test::ShownArea(w, kW, kHeight);
  w.ButtonNext()->click();
  w.ButtonNext()->click();
  w.Timer()->Fire();
  EXPECT_EQ(Lines(w), lines);
  EXPECT_EQ(test::ShownArea(w, kW, kHeight), end);

  w.ReturnButtonClick();
  test::Settle();
}

TEST(H53Window, ReopeningRestartsAndComposesThePaneAgain) {
  Course& course = test::SharedCourse();
  course.OpenLesson(kTriaxialLesson);
  test::Settle();
  TFH53& w = Lesson();
  for (int i = 0; i < 7; ++i) {
    w.ButtonNext()->click();
    w.Timer()->Fire();
  }
  // Typed text and a moved pane do not survive the next opening.
  w.RichEdit()->moveCursor(QTextCursor::End);
  w.RichEdit()->insertPlainText(QStringLiteral("typed"));
  w.RichEdit()->setGeometry(400, 50, 100, 100);

  // Hidden, the timer runs on and the piston comes down.
  w.ReturnButtonClick();
  test::Settle();
  for (int i = 0; i < 10; ++i) w.Timer()->Fire();
  EXPECT_EQ(w.Model().PistonGap, 39);

  course.OpenLesson(kTriaxialLesson);
  test::Settle();
  EXPECT_EQ(State(w.Model()), std::make_tuple(0, 0, 50, 0));
  EXPECT_EQ(Lines(w), kFirstLines);
  EXPECT_EQ(w.RichEdit()->geometry(), QRect(408, 45, 332, 401));
  EXPECT_EQ(w.Timer()->Interval(), 100);
  EXPECT_EQ(test::ShownArea(w, kW, kHeight), test::AsShown(Picture(Opened())));
  w.ReturnButtonClick();
  test::Settle();
}

}  // namespace
}  // namespace kavenor

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTextCursor>

#include "lessons/composition/H14.h"
#include "lessons/composition/WaterContent.h"
#include "shell/LessonTimer.h"
#include "shell/Random.h"
#include "tests/support/FigureTables.h"
#include "tests/support/LessonFixture.h"

namespace kavenor {
namespace {

constexpr int L = 10, T = 45, W = 332, H = 195;
constexpr int kLessonNumber = 4;

WaterContentModel Fresh() { return WaterContentModel(WaterContentLayout(L, T, W, H)); }

WaterContentModel WetWithSeed(std::uint64_t seed) {
  SeedRandom(seed);
  WaterContentModel m = Fresh();
  m.Wet();
  return m;
}

Canvas Drawn(const WaterContentModel& m) {
  Canvas c;
  DrawWaterContent(c, m);
  return c;
}

// A pixel of the figure by its window coordinates.
long long At(const Canvas& c, int x, int y) { return c.Pixel(x - L, y - T); }

int Count(const WaterContentModel& m, Speck speck) {
  int n = 0;
  for (int y = 0; y < 240; ++y)
    for (int x = 0; x < 350; ++x) n += m.At(x, y) == speck;
  return n;
}

// ---------------------------------------------------------------- geometry

TEST(H14Figure, WorkedGeometryOfTheStandardLayout) {
  const WaterContentGeometry g = WaterContentLayout(L, T, W, H);
  const test::WorkedValue cases[] = {
      {"yB", g.yB, 192}, {"yTop", g.yTop, 153}, {"xl", g.xl, 76}, {"xr", g.xr, 276},
      {"t", g.t, 6},     {"sL", g.sL, 83},      {"sR", g.sR, 270},
  };
  test::ExpectWorkedValues(cases);
  const WaterContentModel m = Fresh();
  EXPECT_EQ(m.SpeckColumns(), 186);  // x from 83 to 268
  EXPECT_EQ(m.SpeckRows(), 38);      // y from 153 to 190
}

// ------------------------------------------------------------------- model

TEST(H14Model, WetSampleHasItsWaterWhereSpecksCanLand) {
  const WaterContentModel m = WetWithSeed(3);
  EXPECT_FALSE(m.Hot);
  EXPECT_FALSE(m.HeaterOn);
  // 2000 specks on 7068 places: a few land twice.
  EXPECT_GT(m.WaterLeft(), 1600);
  EXPECT_LE(m.WaterLeft(), kWaterSpecks);
  EXPECT_EQ(Count(m, Speck::Water), m.WaterLeft());
  EXPECT_EQ(Count(m, Speck::Dry), 0);
  // Neither the sample's right column nor its bottom row ever gets a speck,
  // but its top row (the black top line) does.
  int top = 0;
  for (int x = 0; x < 350; ++x) {
    top += m.At(x, 153) == Speck::Water;
    EXPECT_EQ(m.At(x, 191), Speck::None) << x;
  }
  for (int y = 0; y < 240; ++y) EXPECT_EQ(m.At(269, y), Speck::None) << y;
  EXPECT_GT(top, 0);
}

TEST(H14Model, EveryWetDrawingReseedsAndStartsAFreshSample) {
  WaterContentModel a = WetWithSeed(5);
  EXPECT_EQ(Count(WetWithSeed(5), Speck::Water), Count(a, Speck::Water));

  a.HeaterOn = true;
  for (int i = 0; i < 10; ++i) a.Tick();
  ASSERT_TRUE(a.Hot);
  const WaterContentModel before = a;
  a.Wet();
  EXPECT_FALSE(a.Hot);
  EXPECT_TRUE(a.HeaterOn);  // the heater stays on
  EXPECT_EQ(Count(a, Speck::Dry), 0);
  bool differs = false;
  for (int y = 153; y < 191 && !differs; ++y)
    for (int x = 83; x < 269 && !differs; ++x)
      differs = (a.At(x, y) == Speck::Water) != (before.At(x, y) == Speck::Water);
  EXPECT_TRUE(differs);
}

TEST(H14Model, TicksDoNothingWhileTheHeaterIsOff) {
  WaterContentModel m = WetWithSeed(7);
  const WaterContentModel before = m;
  SeedRandom(11);
  const int expectedNext = Random(1000000);
  SeedRandom(11);
  for (int i = 0; i < 50; ++i) EXPECT_FALSE(m.Tick());
  EXPECT_FALSE(m.Hot);
  EXPECT_EQ(m.WaterLeft(), before.WaterLeft());
  // Nothing was drawn from the shared generator either.
  EXPECT_EQ(Random(1000000), expectedNext);
}

TEST(H14Model, HeaterDriesOneHundredSpecksATickUntilNothingChanges) {
  WaterContentModel m = WetWithSeed(9);
  m.HeaterOn = true;
  const int water = m.WaterLeft();
  EXPECT_TRUE(m.Tick());
  EXPECT_TRUE(m.Hot);
  const int dry = Count(m, Speck::Dry);
  EXPECT_GT(dry, 90);
  EXPECT_LE(dry, kDrySpecksPerTick);
  EXPECT_LT(m.WaterLeft(), water);
  EXPECT_GE(m.WaterLeft(), water - kDrySpecksPerTick);

  // The drying never ends by itself, but once every place is dry the
  // picture stops changing; the state stays the fixed grid.
  int ticks = 1;
  while (Count(m, Speck::Dry) < m.SpeckColumns() * m.SpeckRows()) {
    m.Tick();
    ASSERT_LT(++ticks, 20000);
  }
  for (int i = 0; i < 200; ++i) EXPECT_FALSE(m.Tick());
  EXPECT_EQ(Count(m, Speck::Dry), m.SpeckColumns() * m.SpeckRows());
}

// ------------------------------------------------------------------ figure

TEST(H14Figure, ColdPictureAtItsCoordinates) {
  const Canvas c = Drawn(Fresh());  // no specks yet: every pixel is known
  ASSERT_EQ(c.Width(), W + 1);
  ASSERT_EQ(c.Height(), H + 1);
  const struct {
    const char* what;
    int x, y;
    Rgb colour;
  } cases[] = {
      {"outline, top left", 10, 45, clBlack},
      {"outline, bottom left", 10, 240, clBlack},
      {"outline, bottom right", 342, 240, clBlack},
      {"outline, top right", 342, 45, clBlack},
      {"outline, right side", 342, 100, clBlack},
      {"field", 11, 46, clWhite},
      {"field, last pixel", 341, 239, clWhite},
      {"table line, left end", 43, 192, clBlack},
      {"table line, last pixel", 308, 192, clBlack},
      {"beyond the table line", 309, 192, clWhite},
      {"before the table line", 42, 192, clWhite},
      {"left wall, outer edge", 76, 170, clBlack},
      {"left wall, outer edge top", 76, 162, clBlack},
      {"above the left wall's outer edge", 76, 160, clWhite},
      {"left wall, inside", 79, 180, clSilver},
      {"left wall, inner edge", 82, 170, clBlack},
      {"left wall, inner top", 82, 153, clBlack},
      {"above the left wall", 82, 152, clWhite},
      {"right wall, outer edge", 276, 170, clBlack},
      {"right wall, inside", 273, 180, clSilver},
      {"right wall, inner edge", 270, 170, clBlack},
      {"sample, left column", 83, 170, clYellow},
      {"sample, right column", 269, 170, clYellow},
      {"sample, bottom row", 150, 191, clYellow},
      {"sample top line", 150, 153, clBlack},
      {"sample top line, last pixel", 269, 153, clBlack},
      {"above the sample", 150, 152, clWhite},
      {"between sample and plate", 150, 195, clWhite},
      {"plate, first pixel", 83, 202, clBlue},
      {"plate, last pixel", 269, 211, clBlue},
      {"above the plate", 83, 201, clWhite},
      {"below the plate", 83, 212, clWhite},
      {"left of the plate", 82, 205, clWhite},
      {"right of the plate", 270, 205, clWhite},
      {"where the warning shows when hot", 200, 100, clWhite},
  };
  for (const auto& p : cases)
    EXPECT_EQ(At(c, p.x, p.y), p.colour)
        << p.what << " at (" << p.x << ", " << p.y << ")\n"
        << test::Ascii(c, p.x - L - 3, p.y - T - 3, p.x - L + 4, p.y - T + 4);
}

TEST(H14Figure, SpecksShowAsWaterOrDrySand) {
  WaterContentModel m = WetWithSeed(13);
  m.HeaterOn = true;
  for (int i = 0; i < 5; ++i) m.Tick();
  const Canvas c = Drawn(m);
  int water = 0, dry = 0;
  for (int y = 153; y <= 190; ++y) {
    for (int x = 83; x <= 268; ++x) {
      const Speck s = m.At(x, y);
      const Rgb base = y == 153 ? clBlack : clYellow;
      const Rgb expected = s == Speck::Water ? clBlue : s == Speck::Dry ? clYellow : base;
      ASSERT_EQ(At(c, x, y), expected) << x << ", " << y;
      water += s == Speck::Water;
      dry += s == Speck::Dry;
    }
  }
  EXPECT_GT(water, 0);
  EXPECT_GT(dry, 0);
}

TEST(H14Figure, HotPlateAndTheWarning) {
  WaterContentModel m = Fresh();
  m.HeaterOn = true;
  m.Tick();
  const Canvas c = Drawn(m);
  const struct {
    const char* what;
    int x, y;
    Rgb colour;
  } cases[] = {
      {"plate", 83, 202, clRed},          {"plate", 269, 211, clRed},
      {"below the plate", 83, 212, clWhite},
      {"box, top left", 22, 62, clBlack}, {"box, bottom right", 326, 109, clBlack},
      {"box, right edge", 326, 80, clBlack},
      {"outside the box", 327, 110, clWhite}, {"outside the box", 21, 80, clWhite},
      {"box inside, left", 23, 63, clAqua},   {"box inside, right", 325, 108, clAqua},
      {"box inside, below the text", 200, 105, clAqua},
  };
  for (const auto& p : cases)
    EXPECT_EQ(At(c, p.x, p.y), p.colour) << p.what << " at (" << p.x << ", " << p.y << ")";

  // Each text line starts at x = 27, on the aqua background: ink from there
  // on, none between the box's left edge and 27.
  for (const int top : {68, 88}) {
    int inkLeft = 1000, inkBelowStart = 0;
    for (int y = top; y < top + 14; ++y)
      for (int x = 23; x < 326; ++x) {
        const long long p = At(c, x, y);
        if (p == clAqua) continue;
        inkLeft = std::min(inkLeft, x);
        inkBelowStart += y < top;
      }
    EXPECT_GE(inkLeft, 27) << top;
    EXPECT_LE(inkLeft, 29) << top;
    EXPECT_EQ(inkBelowStart, 0) << top;
  }
}

// -------------------------------------------------------------------- pane

TEST(H14Pane, LinesEndWithTheLastParagraphAndTheCaretAfterIt) {
  const TheoryPane& pane = *test::SharedCourse().Lesson(kLessonNumber).RichEdit();
  const QStringList lines = test::PaneLines(pane);
  ASSERT_EQ(lines.size(), 7) << lines.join('|').toStdString();
  EXPECT_EQ(lines[0].toStdString(), "Water content.");
  for (const int blank : {1, 3, 5}) EXPECT_EQ(lines[blank].toStdString(), " ");
  const struct {
    int line;
    const char* begins;
  } paragraphs[] = {
      {2, "The water content of a soil sample is defined as the ratio of the weight of the water "
          "and the weight of the particles."},
      {4, "If the volume of the original sample is known,"},
      {6, "Even the degree of saturation can be determined,"},
  };
  for (const auto& p : paragraphs)
    EXPECT_TRUE(lines[p.line].startsWith(QString::fromUtf8(p.begins))) << p.line;
  EXPECT_TRUE(lines[2].endsWith(QLatin1Char(' ')));
  EXPECT_TRUE(lines[6].contains(QStringLiteral("10 kN/m³")));
  for (const TheoryPane::Run& run : pane.Runs()) {  // no restyled characters
    EXPECT_EQ(run.family.toStdString(), "MS Sans Serif");
    EXPECT_EQ(run.size, 8);
  }
  EXPECT_EQ(pane.textCursor().position(), pane.toPlainText().size());
  EXPECT_EQ(pane.height(), 451);
}

// ------------------------------------------------------------------ window

class H14Window : public test::LessonWindowTest<TFH14, kLessonNumber> {
 protected:
  void SetUp() override { SeedRandom(21); }

  // What the window shows of the drawing area with its outline.
  static QImage Shown() { return test::ShownArea(Window(), W + 1, H + 1); }
  // One pixel the window shows, in window coordinates.
  static QRgb ShownAt(int x, int y) { return Window().Surface().pixel(x, y) & 0xFFFFFF; }
  static QImage Picture() { return test::AsShown(Drawn(Window().Model())); }
};

TEST_F(H14Window, ControlsAndTimerAsCreated) {
  TFH14& w = Window();
  EXPECT_EQ(w.Panel()->text().toStdString(), "Water content");
  QPushButton* heater = w.ButtonHeater();
  EXPECT_EQ(heater->objectName().toStdString(), "ButtonHeater");
  EXPECT_EQ(heater->text().toStdString(), "Heater ON");
  EXPECT_EQ(heater->geometry(), QRect(135, 252, 75, 25));
  EXPECT_EQ(w.Timer()->objectName().toStdString(), "Timer1");
  EXPECT_TRUE(w.Timer()->Enabled());
  EXPECT_TRUE(w.PaintConnected());
  EXPECT_EQ(w.findChild<QPushButton*>(QStringLiteral("ButtonHeater")), heater);
}

TEST_F(H14Window, OpeningShowsTheWetSampleAndTicksChangeNothingUntilTheHeaterRuns) {
  Open();
  EXPECT_EQ(Window().Timer()->Interval(), 1);
  EXPECT_FALSE(Window().Model().HeaterOn);
  EXPECT_EQ(Shown(), Picture());
  EXPECT_EQ(ShownAt(100, 205), clBlue);
  EXPECT_GT(Window().Model().WaterLeft(), 1600);
  const QImage before = Shown();
  Fire(20);
  EXPECT_EQ(Shown(), before);
}

TEST_F(H14Window, HeaterDriesTheSampleAndKeepsItsCaption) {
  Open();
  const int water = Window().Model().WaterLeft();
  Window().ButtonHeater()->click();
  EXPECT_TRUE(Window().Model().HeaterOn);
  Fire(3);
  EXPECT_EQ(ShownAt(100, 205), clRed);
  EXPECT_EQ(ShownAt(22, 62), clBlack);
  EXPECT_EQ(ShownAt(200, 105), clAqua);
  EXPECT_LT(Window().Model().WaterLeft(), water);
  EXPECT_EQ(Shown(), Picture());
  EXPECT_EQ(Window().ButtonHeater()->text().toStdString(), "Heater ON");
  EXPECT_TRUE(Window().ButtonHeater()->isEnabled());
}

TEST_F(H14Window, RepaintAndDialogFocusShowAWetSampleThatDriesFurther) {
  // Covering and uncovering the window, and the focus coming back from a
  // dialog of the program, both show the wet sample with a cold plate; the
  // heater stays on and the next tick heats and dries again.
  Open();
  Window().ButtonHeater()->click();
  Fire(30);
  const int dried = Window().Model().WaterLeft();

  for (const bool dialog : {false, true}) {
    SCOPED_TRACE(dialog ? "focus back from a dialog" : "repaint");
    if (dialog) {
      test::FocusBackFromADialog(TheCourse(), Window());
    } else {
      Window().SystemRepaint();
    }
    test::Settle();
    EXPECT_FALSE(Window().Model().Hot);
    EXPECT_GT(Window().Model().WaterLeft(), dried);
    EXPECT_EQ(ShownAt(100, 205), clBlue);
    EXPECT_EQ(ShownAt(200, 105), clWhite);
    EXPECT_EQ(Shown(), Picture());
    EXPECT_TRUE(Window().Model().HeaterOn);
    const int wet = Window().Model().WaterLeft();
    Fire(1);
    EXPECT_EQ(ShownAt(100, 205), clRed);
    EXPECT_LT(Window().Model().WaterLeft(), wet);
  }
}

TEST_F(H14Window, WayBackSwitchesTheHeaterOff) {
  Open();
  Window().ButtonHeater()->click();
  Fire(10);
  Leave();
  EXPECT_FALSE(Window().Model().HeaterOn);
  Fire(10);  // hidden: nothing dries

  Open();
  EXPECT_FALSE(Window().Model().HeaterOn);
  EXPECT_EQ(ShownAt(100, 205), clBlue);
  const QImage opened = Shown();
  Fire(10);
  EXPECT_EQ(Shown(), opened);
}

}  // namespace
}  // namespace kavenor

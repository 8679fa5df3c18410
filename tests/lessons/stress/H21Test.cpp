#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <algorithm>

#include "lessons/stress/EffectiveStress.h"
#include "lessons/stress/H21.h"
#include "shell/Random.h"
#include "tests/support/FigureTables.h"
#include "tests/support/LessonFixture.h"

namespace kavenor {
namespace {

constexpr int L = 10, T = 45, W = 332, H = 195;
constexpr int kLessonNumber = 5;

EffectiveStressModel Model() {
  EffectiveStressModel m;
  m.Geometry = EffectiveStressLayout(L, T, W, H);
  return m;
}

Canvas Drawn(const EffectiveStressModel& m) {
  Canvas c;
  DrawEffectiveStress(c, m);
  return c;
}

// A pixel of the figure by its window coordinates.
long long At(const Canvas& c, int x, int y) { return c.Pixel(x - L, y - T); }

TEST(H21Figure, WorkedGeometryOfTheStandardLayout) {
  const EffectiveStressGeometry g = EffectiveStressLayout(L, T, W, H);
  const test::WorkedValue cases[] = {{"x1", g.x1, 43}, {"x2", g.x2, 309}, {"yB", g.yB, 221},
               {"yS", g.yS, 102}, {"yW", g.yW, 141}};
  test::ExpectWorkedValues(cases);
}

TEST(H21Figure, CrossSectionAtItsCoordinates) {
  EffectiveStressModel m = Model();
  m.Dots.fill({200, 200});  // every dot on one known place
  const Canvas c = Drawn(m);
  ASSERT_EQ(c.Width(), W + 1);
  ASSERT_EQ(c.Height(), H + 1);
  const struct {
    const char* what;
    int x, y;
    Rgb colour;
  } cases[] = {
      {"outline, top left", 10, 45, clBlack},
      {"outline, bottom right", 342, 240, clBlack},
      {"outline, right side", 342, 150, clBlack},
      {"outline, bottom side", 150, 240, clBlack},
      {"field", 11, 46, clWhite},
      {"field, last pixel", 341, 239, clWhite},
      {"above the load", 100, 86, clWhite},
      {"top of the load, solid blue", 43, 87, clBlue},
      {"top of the load, next pixel", 44, 87, clBlue},
      {"top of the load, last pixel", 308, 87, clBlue},
      {"beyond the load", 309, 90, clWhite},
      {"load", 43, 88, clMaroon},
      {"load, bottom right", 308, 101, clMaroon},
      {"soil surface", 43, 102, clBlack},
      {"soil surface, last pixel", 308, 102, clBlack},
      {"soil", 43, 103, clYellow},
      {"soil above the phreatic line", 150, 140, clYellow},
      {"phreatic line, first dot", 44, 141, clBlue},
      {"phreatic line, gap", 45, 141, clYellow},
      {"phreatic line, a dot", 46, 141, clBlue},
      {"left of the phreatic line", 43, 141, clYellow},
      {"second line, first dot", 48, 142, clBlue},
      {"second line, gap", 49, 142, clYellow},
      {"left of the second line", 47, 142, clYellow},
      {"soil, bottom right", 308, 220, clYellow},
      {"below the soil", 100, 221, clWhite},
      {"right of the soil", 309, 150, clWhite},
      {"left of the soil", 42, 150, clWhite},
      {"a water dot", 200, 200, clBlue},
      {"beside the dot", 201, 200, clYellow},
      {"below the dot", 200, 201, clYellow},
  };
  for (const auto& p : cases)
    EXPECT_EQ(At(c, p.x, p.y), p.colour)
        << p.what << " at (" << p.x << ", " << p.y << ")\n"
        << test::Ascii(c, p.x - L - 3, p.y - T - 3, p.x - L + 4, p.y - T + 4);
}

TEST(H21Model, DotsStayBelowThePhreaticLineInsideTheSoil) {
  // Over many sets: no dot on or above the phreatic line (rows 141 and 142),
  // none on the soil's bottom row (220) or right column (308), and the whole
  // range from (43, 143) to (307, 219) is reached.
  SeedRandom(17);
  EffectiveStressModel m = Model();
  int minX = 1000, maxX = 0, minY = 1000, maxY = 0;
  for (int set = 0; set < 20; ++set) {
    m.Scatter();
    for (const Point& d : m.Dots) {
      minX = std::min(minX, d.x);
      maxX = std::max(maxX, d.x);
      minY = std::min(minY, d.y);
      maxY = std::max(maxY, d.y);
    }
  }
  EXPECT_EQ(minX, 43);
  EXPECT_EQ(maxX, 307);
  EXPECT_EQ(minY, 143);
  EXPECT_EQ(maxY, 219);

  // And so the picture keeps the soil's bottom row and right column dry.
  const Canvas c = Drawn(m);
  for (int x = 43; x < 309; ++x) EXPECT_NE(At(c, x, 220), clBlue) << x;
  for (int y = 143; y < 221; ++y) EXPECT_NE(At(c, 308, y), clBlue) << y;
}

TEST(H21Model, EachSetContinuesTheSharedSequence) {
  // Not reseeded: the first dot is the generator's next two draws, x first,
  // and the next set goes on from there.
  SeedRandom(4);
  const int x = 43 + Random(265);
  const int y = 143 + Random(77);
  SeedRandom(4);
  EffectiveStressModel m = Model();
  m.Scatter();
  EXPECT_EQ(m.Dots[0], (Point{x, y}));
  const auto first = m.Dots;
  m.Scatter();
  EXPECT_NE(m.Dots, first);
}

// -------------------------------------------------------------------- pane

TEST(H21Pane, LinesWithTheirTypefaceOnlyRuns) {
  const TheoryPane& pane = *test::SharedCourse().Lesson(kLessonNumber).RichEdit();
  const test::PaneLine expected[] = {
      {"Effective stress.", ""},
      {" ", ""},
      {"In case of a system of horizontal layers, with a uniform load on the surface, and "
       "stationary groundwater, all stresses depend upon the depth only. The vertical total "
       "stress in a point then is equal to the integrated weight of all the layers above that "
       "point, plus an eventual surface load,",
       ""},
      {"    σ = q + Σ γ d.", "4:σ:Symbol:8 12:Σ:Symbol:8 13: :Symbol:8 14:γ:Symbol:8"},
      {"", ""},
      {"If the water is at rest, the pore water pressure follows from the depth below the "
       "phreatic surface,",
       ""},
      {"    p = γw h.", "8:γ:Symbol:8 9:w:Garamond:8"},
      {"", ""},
      {"The effective stress then follows from the relation : Effective stress = Total stress - "
       "Pore water pressure, ",
       ""},
      {"    σ' = σ - p.", "4:σ:Symbol:8 9:σ:Symbol:8"},
      {"", ""},
      {"The effective stress is zero when there are no forces transmitted between the particles "
       "in the contact points. These forces govern the deformations of the soil skeleton. See "
       "Lesson 2 and Lesson 3.",
       ""},
  };
  test::ExpectAllPaneLines(pane, expected);
  EXPECT_FALSE(pane.toPlainText().endsWith(QLatin1Char('\n')));
  test::ExpectCaretAtStart(pane);
  EXPECT_EQ(pane.geometry(), QRect(408, 45, 332, 401));
}

// ------------------------------------------------------------------ window

class H21Window : public test::LessonWindowTest<TFH21, kLessonNumber> {
 protected:
  void SetUp() override { Open(31); }
  // What the window shows of the drawing area with its outline.
  static QImage Shown() { return test::ShownArea(Window(), W + 1, H + 1); }
  static QImage Picture() { return test::AsShown(Drawn(Window().Model())); }
};

TEST_F(H21Window, StaticFrameWithAnEmptyPictureControl) {
  EXPECT_EQ(Window().Panel()->text().toStdString(), "Effective stress");
  EXPECT_EQ(Window().Timer(), nullptr);
  EXPECT_TRUE(Window().PaintConnected());
  QWidget* image = Window().Image();
  EXPECT_EQ(image->objectName().toStdString(), "Image");
  EXPECT_EQ(image->geometry(), QRect(16, 48, 249, 145));
  EXPECT_TRUE(image->isVisible());
  // The control shows nothing: what the window shows under it is the
  // cross-section (the load at (100, 90), the soil at (200, 120)).
  const QImage screen = Window().grab().toImage();
  EXPECT_EQ(screen.pixel(100, 90) & 0xFFFFFF, clMaroon);
  EXPECT_EQ(screen.pixel(200, 120) & 0xFFFFFF, clYellow);
  EXPECT_EQ(screen.pixel(20, 60) & 0xFFFFFF, clWhite);
}

TEST_F(H21Window, EveryRepaintDrawsANewSetOfDots) {
  EXPECT_EQ(Shown(), Picture());
  const auto before = Window().Model().Dots;
  const QImage shown = Shown();
  Repaint();
  EXPECT_NE(Window().Model().Dots, before);
  EXPECT_NE(Shown(), shown);
  EXPECT_EQ(Shown(), Picture());
}

}  // namespace
}  // namespace kavenor

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QTest>
#include <algorithm>

#include "lessons/stress/H25.h"
#include "lessons/stress/UnderWater.h"
#include "shell/Random.h"
#include "tests/support/FigureTables.h"
#include "tests/support/LessonFixture.h"

namespace kavenor {
namespace {

constexpr int W = 332, H = 195;
constexpr int kLessonNumber = 9;

Canvas Drawn(const TerzaghiModel& m) {
  Canvas c;
  DrawTerzaghi(c, m);
  return c;
}

// A layer whose grains all fall on the row below the bitmap, where they
// are not seen: the rest of the picture is then known pixel by pixel.
TerzaghiModel UnseenGrains() {
  TerzaghiModel m;
  m.W = W;
  m.H = H;
  m.Grains.fill({100, H});
  return m;
}

int CountColour(const Canvas& c, Rgb colour, int l, int t, int r, int b) {
  int n = 0;
  for (int y = t; y < b; ++y)
    for (int x = l; x < r; ++x) n += c.Pixel(x, y) == colour;
  return n;
}

TEST(H25Figure, WorkedGeometryOfTheStandardLayout) {
  const TerzaghiGeometry g = TerzaghiLayout(W, H);
  const test::WorkedValue cases[] = {{"yWater", g.yWater, 65}, {"half", g.half, 97}, {"xH", g.xH, 221},
               {"xD", g.xD, 254}};
  test::ExpectWorkedValues(cases);
}

TEST(H25Figure, WaterArrowsAndLettersAtTheirCoordinates) {
  const Canvas c = Drawn(UnseenGrains());
  ASSERT_EQ(c.Width(), W);
  ASSERT_EQ(c.Height(), H);
  const test::NamedPixel cases[] = {
      {"outline", 0, 0, clBlack},
      {"air", 1, 64, clWhite},
      {"water surface", 100, 65, clBlack},
      {"water", 100, 66, clBlue},
      {"water outline, bottom", 100, 194, clBlack},
      {"arrow h, at the surface", 221, 65, clRed},
      {"arrow h", 221, 100, clRed},
      {"arrow h, last row", 221, 194, clRed},
      {"above arrow h", 221, 64, clWhite},
      {"beside arrow h", 222, 100, clBlue},
      {"arrow d, top", 254, 98, clRed},
      {"arrow d", 254, 150, clRed},
      {"arrow d, last row", 254, 194, clRed},
      {"above arrow d", 254, 97, clBlue},
      {"letter h, its cell", 227, 122, clWhite},
      {"left of the letter h", 226, 122, clBlue},
      {"letter d, its cell", 260, 139, clWhite},
      {"left of the letter d", 259, 139, clBlue},
  };
  test::ExpectNamedPixels(c, cases);

  // Both arrows have heads at both ends: red strokes either side of the
  // shaft, within 5 pixels of each tip (the bottom tips lie on the row
  // below the bitmap).
  for (const int x : {221, 254}) {
    const int top = x == 221 ? 65 : 98;
    SCOPED_TRACE(x);
    EXPECT_GT(CountColour(c, clRed, x - 2, top + 1, x, top + 6), 0);
    EXPECT_GT(CountColour(c, clRed, x + 1, top + 1, x + 3, top + 6), 0);
    EXPECT_GT(CountColour(c, clRed, x - 2, 190, x, 195), 0);
    EXPECT_GT(CountColour(c, clRed, x + 1, 190, x + 3, 195), 0);
    EXPECT_EQ(CountColour(c, clRed, x - 3, top - 1, x + 4, top), 0);
  }
  // The letters in black ink on their white cells.
  EXPECT_GT(CountColour(c, clBlack, 227, 122, 236, 136), 0);
  EXPECT_GT(CountColour(c, clBlack, 260, 139, 269, 153), 0);
}

TEST(H25Model, GrainsFillTheLowerHalfAndEachRepaintIsNew) {
  SeedRandom(8);
  TerzaghiModel m;
  m.Scatter(W, H);
  const auto first = m.Grains;
  int minX = 1000, maxX = 0, minY = 1000, maxY = 0;
  for (int set = 0; set < 3; ++set) {
    for (const Point& g : m.Grains) {
      minX = std::min(minX, g.x);
      maxX = std::max(maxX, g.x);
      minY = std::min(minY, g.y);
      maxY = std::max(maxY, g.y);
    }
    m.Scatter(W, H);
  }
  EXPECT_EQ(minX, 0);
  EXPECT_EQ(maxX, W - 2);
  EXPECT_EQ(minY, H - 97 + 1);
  EXPECT_EQ(maxY, H);  // on the row outside the bitmap
  EXPECT_NE(m.Grains, first);  // the sequence goes on, it is not reseeded

  // Seen grains are yellow wherever nothing is drawn over them.
  const Canvas c = Drawn(m);
  for (const Point& g : m.Grains) {
    if (g.y >= H || g.x > 200) continue;  // unseen, or under the arrows and letters
    ASSERT_EQ(c.Pixel(g.x, g.y), clYellow) << g.x << ", " << g.y;
  }
  EXPECT_EQ(CountColour(c, clYellow, 0, 0, W, H - 97), 0);
}

TEST(H25Pane, LinesWithTheirGreekAndIndexLetters) {
  LessonWindow& w = test::SharedCourse().Lesson(kLessonNumber);
  w.SystemRepaint();  // composed by the paint handler
  const TheoryPane& pane = *w.RichEdit();
  const test::PaneLine expected[] = {
      {"Terzaghi versus Archimedes.", ""},
      {" ", ""},
      {"Consider a layer of saturated sand, of thickness d, below a water table at a level h "
       "above the bottom of the sand (h>d). The volumetric weight of water is γw, the volumetric "
       "weight of the particles is γp, and the porosity is n, so that the volumetric weight of "
       "the soil is γs=nγw+(1-n)γp. It is required to determine the effective stress, i.e. the "
       "stress transferred between the particles at the bottom of the layer.",
       "155:γ:Symbol:10 156:w:Garamond:8 201:γ:Symbol:10 202:p:Garamond:8 273:γ:Symbol:10 "
       "274:s:Garamond:8 277:γ:Symbol:10 278:w:Garamond:8 285:γ:Symbol:10 286:p:Garamond:8"},
      {" ", ""},
      {"Using Terzaghi's principle the total stress is : ", ""},
      {"   σ=γw(h-d)+γsd.",
       "3:σ:Symbol:10 5:γ:Symbol:10 6:w:Garamond:8 13:γ:Symbol:10 14:s:Garamond:8"},
      {"The pore pressure is :", ""},
      {"   p=γwh.", "5:γ:Symbol:10 6:w:Garamond:8"},
      {"This means that the effective stress is :", ""},
      {"   σ'=(γs-γw)d=(1-n)(γp-γw).",
       "3:σ:Symbol:10 7:γ:Symbol:10 8:s:Garamond:8 10:γ:Symbol:10 11:w:Garamond:8 "
       "21:γ:Symbol:10 22:p:Garamond:8 24:γ:Symbol:10 25:w:Garamond:8"},
      {" ", ""},
      {"Using Archimedes' principle the apparent volumetric weight of the particles (under "
       "water) is γp-γw. Because the relative volume of the particles is 1-n, it follows that "
       "the stress between the particles is :",
       "93:γ:Symbol:10 94:p:Garamond:8 96:γ:Symbol:10 97:w:Garamond:8"},
      {"   σ'=(1-n)(γp-γw).",
       "3:σ:Symbol:10 12:γ:Symbol:10 13:p:Garamond:8 15:γ:Symbol:10 16:w:Garamond:8"},
      {"The two expressions are identical.", ""},
      {" ", ""},
      {"Terzaghi's method is easier to generalize, for instance to the case of flowing "
       "groundwater, or to the case of a fluid with variable density.",
       ""},
  };
  test::ExpectAllPaneLines(pane, expected);
  test::ExpectCaretAtStart(pane);
  EXPECT_EQ(pane.geometry(), QRect(408, 45, 332, 470));
}

class H25Window : public test::LessonWindowTest<TFH25, kLessonNumber> {
 protected:
  void SetUp() override { Open(12); }
  TheoryPane& Pane() { return *Window().RichEdit(); }
  static QImage Picture() { return test::AsShown(Drawn(Window().Model())); }
};

TEST_F(H25Window, EveryRepaintAndActivationDrawsNewGrainsAndRebuildsThePane) {
  // Covering and uncovering, reopening from the menu and the focus coming
  // back from a dialog of the program all run the full repaint.
  EXPECT_EQ(Window().Panel()->text().toStdString(), "Terzaghi");
  EXPECT_EQ(Window().Timer(), nullptr);
  EXPECT_EQ(Shown(), Picture());
  const QString composed = Pane().toPlainText();
  enum class Next { Repaint, Reopen, DialogFocus };
  for (const Next next : {Next::Repaint, Next::Reopen, Next::DialogFocus}) {
    SCOPED_TRACE(static_cast<int>(next));
    const auto grains = Window().Model().Grains;
    QTest::keyClicks(&Pane(), QStringLiteral("typed"));
    ASSERT_NE(Pane().toPlainText(), composed);
    switch (next) {
      case Next::Repaint:
        Window().SystemRepaint();
        break;
      case Next::Reopen:
        Leave();
        Open();
        break;
      case Next::DialogFocus: {
        test::FocusBackFromADialog(TheCourse(), Window());
        break;
      }
    }
    test::Settle();
    EXPECT_EQ(Pane().toPlainText(), composed);
    EXPECT_EQ(Pane().textCursor().position(), 0);
    EXPECT_NE(Window().Model().Grains, grains);
    EXPECT_EQ(Shown(), Picture());
  }
}

}  // namespace
}  // namespace kavenor

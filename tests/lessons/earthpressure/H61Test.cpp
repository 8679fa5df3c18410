// Continua: the point load on the half space at the worked values of the
// 332 x 195 area and at other sizes, the window's repaints, and the pane: its
// stored symbol font and the plain text composed over it.

#include <gtest/gtest.h>

#include "lessons/earthpressure/H61.h"
#include "lessons/earthpressure/HalfSpace.h"
#include "tests/support/LessonFixture.h"

namespace kavenor {
namespace {

constexpr int kLesson = 25;

std::string Around(const Canvas& canvas, int x, int y) {
  return "\n" + test::Ascii(canvas, x - 5, y - 5, x + 6, y + 6);
}

bool InkIn(const Canvas& canvas, int l, int t, int r, int b) {
  for (int y = t; y < b; ++y)
    for (int x = l; x < r; ++x)
      if (canvas.Pixel(x, y) == clBlack) return true;
  return false;
}

TEST(H61Figure, HalfSpaceBelowAThirdOfTheHeight) {
  Canvas canvas;
  DrawPointLoad(canvas, 332, 195);
  ASSERT_EQ(canvas.Width(), 332);
  ASSERT_EQ(canvas.Height(), 195);
  struct Case {
    int x, y;
    Rgb color;
    const char* what;
  };
  const Case cases[] = {
      {0, 0, clBlack, "frame, top left"},       {331, 0, clBlack, "frame, top right"},
      {1, 1, clWhite, "above the ground"},      {1, 64, clWhite, "just above the surface"},
      {1, 65, clBlack, "the surface"},          {1, 66, clOlive, "the soil"},
      {330, 193, clOlive, "the soil's far corner"}, {331, 150, clBlack, "the soil's right edge"},
      {100, 194, clBlack, "the soil's bottom edge"}, {0, 150, clBlack, "the soil's left edge"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(canvas.Pixel(c.x, c.y), c.color) << c.what << Around(canvas, c.x, c.y);
}

TEST(H61Figure, LoadArrowIsFortyLongWithPRightOfItsTail) {
  struct Size {
    int W, H;
  };
  for (const Size s : {Size{332, 195}, Size{200, 150}, Size{500, 300}}) {
    SCOPED_TRACE(std::to_string(s.W) + " x " + std::to_string(s.H));
    Canvas canvas;
    DrawPointLoad(canvas, s.W, s.H);
    const int x = s.W / 2, yg = s.H / 3;
    EXPECT_EQ(canvas.Pixel(x, yg - 41), clWhite) << Around(canvas, x, yg - 40);
    for (int y = yg - 40; y < yg; ++y) EXPECT_EQ(canvas.Pixel(x, y), clBlack) << y;
    // The head: strokes from the tip back to (x -+ 2, yg - 5).
    EXPECT_EQ(canvas.Pixel(x - 1, yg - 3), clBlack) << Around(canvas, x, yg - 3);
    EXPECT_EQ(canvas.Pixel(x + 1, yg - 3), clBlack) << Around(canvas, x, yg - 3);
    // Nothing but the shaft left of the label, from the tail down the shaft.
    EXPECT_FALSE(InkIn(canvas, x - 8, yg - 45, x, yg - 6)) << Around(canvas, x, yg - 40);
    EXPECT_FALSE(InkIn(canvas, x + 1, yg - 45, x + 2, yg - 6)) << Around(canvas, x, yg - 40);
    // "P" at (x + 2, yg - 40): ink in its cell, none above it.
    EXPECT_TRUE(InkIn(canvas, x + 2, yg - 40, x + 12, yg - 26)) << Around(canvas, x + 5, yg - 35);
    EXPECT_FALSE(InkIn(canvas, x + 1, yg - 45, x + 14, yg - 40));
  }
}

struct H61Window : test::LessonWindowTest<TFH61, kLesson> {
  void SetUp() override { Open(); }
};

TEST_F(H61Window, EveryRepaintDrawsTheSamePicture) {
  EXPECT_TRUE(Window().PaintConnected());
  EXPECT_EQ(Window().Timer(), nullptr);
  EXPECT_EQ(ShownAt(166, 25), clBlack);
  EXPECT_EQ(ShownAt(166, 24), clWhite);
  EXPECT_EQ(ShownAt(1, 66), clOlive);
  ExpectRepaintsAndReopeningKeepThePicture();
}

TEST(H61Pane, PlainLinesOverTheStoredSymbolFont) {
  const TheoryPane& pane = *test::SharedCourse().Lesson(kLesson).RichEdit();
  EXPECT_EQ(pane.geometry(), QRect(408, 45, 332, 428));
  // The pane's own font is the stored symbol face; the text is not in it.
  test::ExpectPaneFont(pane, "Bookshelf Symbol 2", 12, true);
  test::ExpectPlainRuns(pane);

  const QStringList lines = test::PaneLines(pane);
  ASSERT_EQ(lines.size(), 12) << lines.join(QLatin1Char('|')).toStdString();
  const char* const exact[] = {
      "Stress distributions in continua.",
      " ",
      "The stresses in a soil mass must satisfy : ",
      "1. Equilibrium conditions.",
      "2. Compatibility of strains and displacements. ",
      "3. The stress-strain relations.",
      " ",
  };
  for (int i = 0; i < 7; ++i) EXPECT_EQ(lines[i].toStdString(), exact[i]) << i;
  EXPECT_TRUE(lines[7].startsWith(QStringLiteral("Because the stress-strain relations of soil are so complicated")));
  for (const char* point : {"linear elastic", "first approximation", "Boussinesq and Flamant",
                            "point load", "line load", "superposition", "equilibrium and compatibility"})
    EXPECT_TRUE(lines[7].contains(QLatin1String(point))) << point;
  EXPECT_EQ(lines[8], QStringLiteral(" "));
  EXPECT_TRUE(lines[9].startsWith(QStringLiteral("It should be noted that in such an analysis many soil")));
  for (const char* point : {"stiffness", "increases with depth", "creep", "first approximation"})
    EXPECT_TRUE(lines[9].contains(QLatin1String(point))) << point;
  EXPECT_EQ(lines[10], QStringLiteral(" "));
  EXPECT_EQ(lines[11], QStringLiteral("More realistic computations may be made by a numerical method."));

  // The composition leaves the caret after the last word.
  test::ExpectCaretAtEnd(pane);
}

}  // namespace
}  // namespace kavenor

// Layered soil: the three layers and the strip load at the worked values of
// the 332 x 195 area and at other sizes, the window's repaints, and the pane.

#include <gtest/gtest.h>

#include "lessons/earthpressure/H62.h"
#include "lessons/earthpressure/HalfSpace.h"
#include "tests/support/LessonFixture.h"

namespace kavenor {
namespace {

constexpr int kLesson = 26;

std::string Around(const Canvas& canvas, int x, int y) {
  return "\n" + test::Ascii(canvas, x - 5, y - 5, x + 6, y + 6);
}

TEST(H62Figure, ThreeLayersBelowTheSurface) {
  Canvas canvas;
  DrawStripLoad(canvas, 332, 195);
  // Surface at 65; the yellow middle layer's box from 97 to 156 (its edges
  // at 97 and 155); the olive above and below it.
  struct Case {
    int y;
    Rgb color;
  };
  const Case column[] = {
      {0, clBlack},   {1, clWhite},    {64, clWhite},   {65, clBlack},   {66, clOlive},
      {96, clOlive},  {97, clBlack},   {98, clYellow},  {154, clYellow}, {155, clBlack},
      {156, clOlive}, {193, clOlive},  {194, clBlack},
  };
  for (int x : {1, 100, 330})
    for (const Case& c : column)
      EXPECT_EQ(canvas.Pixel(x, c.y), c.color) << x << "," << c.y << Around(canvas, x, c.y);
  EXPECT_EQ(canvas.Pixel(0, 120), clBlack);
  EXPECT_EQ(canvas.Pixel(331, 120), clBlack);
}

TEST(H62Figure, StripLoadIsFortyWideTwentyHighAndCentred) {
  struct Size {
    int W, H;
  };
  for (const Size s : {Size{332, 195}, Size{200, 120}, Size{501, 300}}) {
    SCOPED_TRACE(std::to_string(s.W) + " x " + std::to_string(s.H));
    Canvas canvas;
    DrawStripLoad(canvas, s.W, s.H);
    const int cx = s.W / 2, yg = s.H / 3, top = yg - 20;
    // The tails' line, from cx - 20 to cx + 20, and nothing beyond.
    EXPECT_EQ(canvas.Pixel(cx - 21, top), clWhite) << Around(canvas, cx - 20, top);
    EXPECT_EQ(canvas.Pixel(cx + 21, top), clWhite) << Around(canvas, cx + 20, top);
    for (int x = cx - 20; x <= cx + 20; ++x) EXPECT_EQ(canvas.Pixel(x, top), clBlack) << x;
    EXPECT_EQ(canvas.Pixel(cx, top - 1), clWhite);
    // Nine shafts 5 apart down to the surface, white between them above the
    // heads.
    for (int y = top + 1; y < yg - 5; ++y)
      for (int x = cx - 24; x <= cx + 24; ++x) {
        const bool shaft = (x - cx) % 5 == 0 && std::abs(x - cx) <= 20;
        ASSERT_EQ(canvas.Pixel(x, y), shaft ? clBlack : clWhite) << x << "," << y << Around(canvas, x, y);
      }
    for (int i = -4; i <= 4; ++i) {
      const int x = cx + 5 * i;
      EXPECT_EQ(canvas.Pixel(x, yg - 1), clBlack) << x;
      EXPECT_EQ(canvas.Pixel(x - 1, yg - 3), clBlack) << Around(canvas, x, yg - 3);
      EXPECT_EQ(canvas.Pixel(x + 1, yg - 3), clBlack) << Around(canvas, x, yg - 3);
    }
  }
}

struct H62Window : test::LessonWindowTest<TFH62, kLesson> {
  void SetUp() override { Open(); }
};

TEST_F(H62Window, EveryRepaintDrawsTheSamePicture) {
  EXPECT_TRUE(Window().PaintConnected());
  EXPECT_EQ(Window().Timer(), nullptr);
  EXPECT_EQ(ShownAt(146, 45), clBlack);
  EXPECT_EQ(ShownAt(186, 50), clBlack);
  EXPECT_EQ(ShownAt(100, 120), clYellow);
  ExpectRepaintsAndReopeningKeepThePicture();
}

TEST(H62Pane, PlainLinesOverTheStoredSymbolFont) {
  const TheoryPane& pane = *test::SharedCourse().Lesson(kLesson).RichEdit();
  EXPECT_EQ(pane.geometry(), QRect(408, 45, 332, 401));
  test::ExpectPaneFont(pane, "Bookshelf Symbol 2", 12, true);
  test::ExpectPlainRuns(pane);

  const QStringList lines = test::PaneLines(pane);
  ASSERT_EQ(lines.size(), 7) << lines.join(QLatin1Char('|')).toStdString();
  EXPECT_EQ(lines[0], QStringLiteral("Stresses and displacements in layered soils."));
  EXPECT_EQ(lines[1], QStringLiteral(" "));
  EXPECT_EQ(lines[2], QStringLiteral(
      "The stresses and displacements in a non-homogeneous soil, for instance a layered soil, "
      "can only be calculated accurately by numerical methods, and only if the properties of "
      "the layers are well known."));
  EXPECT_EQ(lines[3], QStringLiteral(" "));
  EXPECT_TRUE(lines[4].startsWith(QStringLiteral("In engineering practice a simplified method may ")));
  for (const char* point : {"vertical normal stresses", "homogeneous elastic material",
                            "summing the deformations of all layers", "its own properties",
                            "approximately horizontal layers", "vertical load only"})
    EXPECT_TRUE(lines[4].contains(QLatin1String(point))) << point;
  EXPECT_EQ(lines[5], QString());
  EXPECT_TRUE(lines[6].startsWith(QStringLiteral("In this way the variable properties of the layers")));
  for (const char* point : {"creep", "stress distribution", "ignored."})
    EXPECT_TRUE(lines[6].contains(QLatin1String(point))) << point;

  test::ExpectCaretAtEnd(pane);
}

}  // namespace
}  // namespace kavenor

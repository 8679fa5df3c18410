// Brinch Hansen: the strip-load picture with the inclined load, the window's
// activation and repaint, and the theory pane.

#include <gtest/gtest.h>

#include <QLabel>
#include <vector>

#include "course/Lessons.h"
#include "lessons/foundations/H73.h"
#include "lessons/foundations/StripLoad.h"
#include "shell/Fonts.h"
#include "tests/support/LessonFixture.h"

namespace kavenor {
namespace {

constexpr int W = 332, H = 195;
constexpr int kLesson = 33;
// The standard area: cx = 166, y0 = 65, yq = 55, yp = 25.
constexpr int y0 = 65, yq = 55, yp = 25;

Canvas Inclined() {
  Canvas c;
  DrawStripLoad(c, StripLoadDirection::Inclined, W, H);
  return c;
}

struct PixelCase {
  int x, y;
  Rgb colour;
  const char* what;
};

TEST(H73Figure, InclinedLoadWithWideHeads) {
  const Canvas c = Inclined();
  const PixelCase cases[] = {
      {0, 0, clBlack, "border"},
      {100, y0 + 1, clYellow, "soil"},
      // Each load arrow leans 5 pixels to the right over its 40 pixels: the
      // first from (141, 25) to (146, 65).
      {141, yp, clBlack, "tail of the first load arrow"},
      {141, 28, clBlack, "first load arrow, near its tail"},
      {142, 28, clWhite, "right of the first load arrow's tail"},
      {146, 64, clBlack, "first load arrow, at its tip"},
      {181, yp, clBlack, "tail of the last load arrow"},
      {186, 64, clBlack, "last load arrow, at its tip"},
      // The line closing the tails, from cx - 25 to cx + 15.
      {140, yp, clWhite, "left of the load line"},
      {160, yp, clBlack, "load line"},
      {180, yp, clBlack, "load line's end"},
      {182, yp, clWhite, "right of the load line"},
      // The first arrow's wide head: its first stroke runs from the tip to
      // (147, 59), one pixel above where a plain head's stroke would end.
      {147, 60, clBlack, "first head stroke, past a plain head's end"},
      {147, 59, clWhite, "end pixel of the first head stroke"},
      // The surcharge lines either side of the load, as in the vertical one.
      {145, yq, clBlack, "left surcharge line's end"},
      {148, yq, clWhite, "no surcharge line under the load"},
      {187, yq, clBlack, "right surcharge line"},
  };
  for (const PixelCase& p : cases)
    EXPECT_EQ(c.Pixel(p.x, p.y), static_cast<long long>(p.colour))
        << p.what << " at (" << p.x << ", " << p.y << ")\n"
        << test::Ascii(c, p.x - 4, p.y - 3, p.x + 5, p.y + 4);
}

TEST(H73Figure, DiffersFromTheVerticalLoadOnlyAboveTheSurface) {
  Canvas vertical;
  DrawStripLoad(vertical, StripLoadDirection::Vertical, W, H);
  const Canvas inclined = Inclined();
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x)
      if (vertical.Pixel(x, y) != inclined.Pixel(x, y)) {
        ASSERT_GE(x, 140) << y;
        ASSERT_LE(x, 190) << y;
        ASSERT_GE(y, yp) << x;
        ASSERT_LT(y, y0) << x;
      }
}

// The lesson opened from the menu; back to the menu afterwards.
struct H73Window : test::LessonWindowTest<LessonWindow, kLesson> {
  void SetUp() override { Open(); }
  static QImage Expected() { return test::AsShown(Inclined()); }
};

TEST_F(H73Window, NothingMovesOverActivationsAndRepaints) {
  EXPECT_EQ(Window().Panel()->text().toStdString(), "Brinch Hansen");
  EXPECT_EQ(Window().windowTitle().toStdString(), "Brinch Hansen");
  EXPECT_EQ(Window().Timer(), nullptr);
  EXPECT_TRUE(Window().PaintConnected());
  EXPECT_EQ(Window().RichEdit()->geometry(), QRect(408, 45, 332, 470));
  EXPECT_EQ(Shown(), Expected());
  for (int i = 0; i < 3; ++i) {
    Window().SystemRepaint();
    Window().Activate();
    test::Settle();
  }
  EXPECT_EQ(Shown(), Expected());
  Leave();
  Open();
  EXPECT_EQ(Shown(), Expected());
}

TEST(H73Pane, CorrectedFormulaWithItsInclinationAndShapeFactors) {
  const TheoryPane& pane = *test::SharedCourse().Lesson(kLesson).RichEdit();
  const test::PaneLine expected[] = {
      {"Brinch Hansen's correction coefficients", ""},
      {" ", ""},
      {"The bearing capacity formula has been extended by Brinch Hansen (and others) to include "
       "the effect of an inclined load, of the shape of the loaded area and of some other "
       "factors. For an inclined load on an area of rectangular shape the corrected formula is ",
       ""},
      {"    p = ic sc c Nc + iq sq q Nq + ½ γ B iγ sγ Nγ.",
       "9:c:Garamond:8 12:c:Garamond:8 17:c:Garamond:8 22:q:Garamond:8 25:q:Garamond:8 "
       "30:q:Garamond:8 36:γ:Symbol:10 41:γ:Symbol:6 44:γ:Symbol:6 47:γ:Symbol:6"},
      {" ", ""},
      {"The inclination factors are usually assumed to be ", ""},
      {"    ic = 1 - t/(c + p tan φ),", "5:c:Garamond:8 26:φ:Symbol:10"},
      {"    iq = ic²,", "5:q:Garamond:8 10:c:Garamond:8"},
      {"    iγ = ic³,", "5:γ:Symbol:6 10:c:Garamond:8"},
      {"where t and p are the horizontal and the vertical components of the load.", ""},
      {" ", ""},
      {"The shape factors are usually assumed to be ", ""},
      {"    sc = 1 + 0.2 (B/L) ,", "5:c:Garamond:8"},
      {"    sq = 1 + (B/L) sin φ,", "5:q:Garamond:8 23:φ:Symbol:10"},
      {"    sγ = 1 - 0.3 (B/L) ,", "5:γ:Symbol:6"},
      {"where B and L are the width and the length of the loaded area, with B < L.", ""},
      {"", ""},
      {"These factors are first approximations only.", ""},
  };
  test::ExpectAllPaneLines(pane, expected);
  test::ExpectCaretAtStart(pane);
}

}  // namespace
}  // namespace kavenor

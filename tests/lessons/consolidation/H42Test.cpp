#include <gtest/gtest.h>

#include <QImage>

#include "lessons/consolidation/H41.h"
#include "lessons/consolidation/H42.h"
#include "lessons/consolidation/Oedometer.h"
#include "shell/RadioGroup.h"
#include "tests/lessons/consolidation/FigureChecks.h"
#include "tests/support/LessonFixture.h"

namespace kavenor {
namespace {

using checks::ExpectPixels;
using checks::InkIn;

constexpr int W = 332, H = 195;
constexpr int kLessonNumber = 16;
constexpr int kOedometerLesson = 15;

Canvas Drawn(void (*draw)(Canvas&, int, int)) {
  Canvas canvas;
  draw(canvas, W, H);
  return canvas;
}

// ---- the figure ----

TEST(FH42Figure, TestResultsHaveABlackCurveAndTwoRedChords) {
  const Canvas linear = Drawn(DrawLinearResult);
  const Canvas results = Drawn(DrawTestResults);
  ExpectPixels(results, {
      // the curve is black and one pixel wide: (41, 163) to P(1) = (61, 160)
      {41, 163, clBlack}, {42, 164, clWhite}, {61, 160, clBlack}, {62, 161, clWhite},
      {128, 97, clBlack}, {147, 35, clBlack},
      // the chords P(4) = (87, 150) to P(7) = (101, 140) and P(27) = (137, 75)
      // to P(32) = (141, 58), two pixels wide
      {87, 150, clRed}, {88, 151, clRed}, {94, 145, clRed}, {100, 141, clRed},
      {137, 75, clRed}, {139, 67, clRed}, {141, 59, clRed},
  });
  // Outside the curve's band the two graphs are the same.
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x)
      if (x < 38 || x > 150 || y > 170) {
        ASSERT_EQ(results.Pixel(x, y), linear.Pixel(x, y)) << x << "," << y;
      }
}

TEST(FH42Figure, OptionsChooseTheirPicture) {
  // Item 0 is the apparatus of the oedometer lesson, any other the results.
  const Canvas apparatus = Drawn(DrawOedometer);
  const Canvas results = Drawn(DrawTestResults);
  struct Case {
    int item;
    const Canvas* expected;
  };
  const Case cases[] = {{0, &apparatus}, {1, &results}, {-1, &results}, {2, &results}};
  for (const Case& c : cases) {
    Canvas canvas;
    DrawCompressibilityOption(canvas, c.item, W, H);
    EXPECT_EQ(canvas.Image(), c.expected->Image()) << c.item;
  }
}

// ---- the theory pane ----

TEST(FH42Pane, LinesAndTheirGreekAndIndexLetters) {
  const TheoryPane& pane = *test::SharedCourse().Lesson(kLessonNumber).RichEdit();
  const test::PaneLine expected[] = {
      {"Compression.", ""},
      {"", ""},
      {"The one-dimensional compression of a soil as a result of stress changes can be "
       "approximated by a logarithmic formula :",
       ""},
      {"   ε=-(1/C)ln(σ'/σ'1).", "3:ε:Symbol:10 14:σ:Symbol:10 17:σ:Symbol:10 19:1:Garamond:8"},
      {"An alternative form is : ", ""},
      {"   ε=-(1/C10)log(σ'/σ'1).",
       "3:ε:Symbol:10 10:1:Garamond:8 11:0:Garamond:8 17:σ:Symbol:10 20:σ:Symbol:10 "
       "22:1:Garamond:8"},
      {"", ""},
      {"For a small increment of stress, from σ' to σ'+Δσ', the first formula may be "
       "written as",
       "38:σ:Symbol:10 44:σ:Symbol:10 47:Δ:Symbol:10 48:σ:Symbol:10"},
      {"   ε=-(1/C)ln(1+Δσ'/σ')≅-(1/C)(Δσ'/σ')=-Δσ'/(Cσ').",
       "3:ε:Symbol:10 16:Δ:Symbol:10 17:σ:Symbol:10 20:σ:Symbol:10 23:≅:Symbol:10 "
       "31:Δ:Symbol:10 32:σ:Symbol:10 35:σ:Symbol:10 40:Δ:Symbol:10 41:σ:Symbol:10 "
       "46:σ:Symbol:10"},
      {"This is a linear relation between the deformation ε and the incremental effective "
       "stress Δσ',",
       "50:ε:Symbol:10 89:Δ:Symbol:10 90:σ:Symbol:10"},
      {"   ε=-Δσ'/E.", "3:ε:Symbol:10 6:Δ:Symbol:10 7:σ:Symbol:10"},
      {"It appears that a linear relation between small incremental effective stresses and "
       "strains may be used, but the elastic modulus is proportional to the initial "
       "effective stress. The inverse of the elastic modulus is sometimes denoted as the "
       "compressibility mv,",
       "257:v:Garamond:8"},
      {"   mv=1/E=1/(Cσ').", "4:v:Garamond:8 14:σ:Symbol:10"},
  };
  test::ExpectPaneLines(pane, expected);
  test::ExpectCaretAtStart(pane);
}

// ---- the window ----

QImage Expected(int item) {
  Canvas canvas;
  DrawCompressibilityOption(canvas, item, W, H);
  return test::AsShown(canvas);
}

struct FH42Window : test::LessonWindowTest<TFH42, kLessonNumber> {};

TEST_F(FH42Window, RadioGroupAsCreated) {
  const std::unique_ptr<LessonWindow> made = test::MadeFresh("FH42");
  auto* w = dynamic_cast<TFH42*>(made.get());
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->Timer(), nullptr);
  EXPECT_TRUE(w->PaintConnected());
  test::ExpectOptionGroup(*w, w->RadioGroup1(),
                          {"Graphics Options",
                           QRect(760 / 10, 560 / 2, 130, 46),
                           {"Compression test ", "Test results"}});  // the blank stays
}

TEST_F(FH42Window, ApparatusIsTheOedometerLessonsAndClicksRedraw) {
  Course& course = TheCourse();
  course.OpenLesson(kOedometerLesson);
  test::Settle();
  auto& oedometer = dynamic_cast<TFH41&>(course.Lesson(kOedometerLesson));
  ASSERT_EQ(oedometer.RadioGroup1()->ItemIndex(), 0);
  const QImage oedometerApparatus = test::ShownArea(oedometer);
  oedometer.ReturnButtonClick();
  test::Settle();

  Open();
  EXPECT_EQ(Shown(), oedometerApparatus);
  test::ExpectClicksRedraw(Window(), *Window().RadioGroup1(), {1, 1, 0, 1}, Expected);
  Window().RadioGroup1()->SetItemIndex(-1);
  Window().SystemRepaint();
  EXPECT_EQ(Shown(), Expected(1));

  Window().RadioGroup1()->Item(0)->click();
  Leave();
}

}  // namespace
}  // namespace kavenor

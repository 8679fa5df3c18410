// Limit analysis: the load step, the picture of the two layers and the strip
// load, the window's opening and paint rules, and the theory pane.

#include <gtest/gtest.h>

#include <QTextCursor>
#include <functional>

#include "course/Lessons.h"
#include "lessons/foundations/H71.h"
#include "shell/LessonTimer.h"
#include "tests/support/LessonFixture.h"

namespace kavenor {
namespace {

constexpr int W = 332, H = 195;
constexpr int kLesson = 31;

using PixelAt = std::function<long long(int, int)>;

PixelAt OnCanvas(const Canvas& canvas) {
  return [&canvas](int x, int y) { return canvas.Pixel(x, y); };
}

// The drawing area of a window's surface, in figure coordinates.
PixelAt OnSurface(const QImage& surface) {
  return [&surface](int x, int y) -> long long {
    return surface.pixel(10 + x, 45 + y) & 0xFFFFFF;
  };
}

// The eleven load arrows, 4 pixels apart around x = 166, each n pixels long
// down to the surface at y = 65, with or without heads.
testing::AssertionResult ShowsLoad(const PixelAt& at, int n, bool heads) {
  for (int i = 0; i <= 10; ++i) {
    const int x = 146 + 4 * i;
    if (at(x, 65 - n - 1) != clWhite)
      return testing::AssertionFailure() << "arrow " << i << " longer than " << n;
    for (int y = 65 - n; y < 65; ++y)
      if (at(x, y) != clBlack) return testing::AssertionFailure() << "arrow " << i << " gap at " << y;
    for (int side : {-1, 1}) {
      bool black = false;
      for (int y = 61; y < 65; ++y) black = black || at(x + side, y) == clBlack;
      if (black != heads)
        return testing::AssertionFailure()
               << "arrow " << i << (heads ? " lacks" : " has") << " a head stroke on side " << side;
    }
  }
  return testing::AssertionSuccess();
}

TEST(H71Model, LoadGrowsFromItsStartToTheFullLoad) {
  struct Case {
    int from, ticks, expected;
    bool lastChanged;
  };
  const Case cases[] = {
      {0, 1, 1, true},     // from creation on, before any opening
      {0, 50, 50, true},   // the hidden window reaches the full load
      {5, 1, 6, true},     // the first step after an opening
      {5, 45, 50, true},   // 9 seconds at 200 ms
      {5, 46, 50, false},  // and no further
      {50, 3, 50, false},
  };
  for (const Case& c : cases) {
    LimitAnalysisModel model;
    model.n = c.from;
    bool changed = false;
    for (int i = 0; i < c.ticks; ++i) changed = model.Tick();
    EXPECT_EQ(model.n, c.expected) << c.from << " + " << c.ticks;
    EXPECT_EQ(changed, c.lastChanged) << c.from << " + " << c.ticks;
  }
  LimitAnalysisModel model;
  model.n = 50;
  model.Activate();
  EXPECT_EQ(model.n, 5);
}

TEST(H71Figure, LevelsOfTheDrawingArea) {
  const LimitAnalysisLevels g = LimitAnalysisGeometry(W, H, 5);
  EXPECT_EQ(g.cx, 166);
  EXPECT_EQ(g.y0, 65);
  EXPECT_EQ(g.y1, 144);
  EXPECT_EQ(g.yq, 60);
  EXPECT_EQ(LimitAnalysisGeometry(W, H, 50).yq, 15);
}

TEST(H71Figure, TwoLayersOutlinedInBlack) {
  Canvas canvas;
  DrawLimitAnalysis(canvas, LimitAnalysisModel{5}, W, H);
  ASSERT_EQ(canvas.Width(), W);
  ASSERT_EQ(canvas.Height(), H);
  struct Case {
    int x, y;
    Rgb color;
  };
  const Case cases[] = {
      {100, 64, clWhite},  {100, 65, clBlack}, {100, 66, clYellow}, {100, 143, clYellow},
      {100, 144, clBlack}, {100, 145, clOlive}, {100, 193, clOlive}, {100, 194, clBlack},
      {0, 100, clBlack},   {331, 100, clBlack}, {1, 100, clYellow},  {330, 170, clOlive},
      {0, 0, clBlack},     {1, 1, clWhite},
  };
  for (const Case& c : cases)
    EXPECT_EQ(canvas.Pixel(c.x, c.y), c.color) << c.x << "," << c.y << "\n"
                                                << test::Ascii(canvas, c.x - 2, c.y - 2, c.x + 3, c.y + 3);
}

TEST(H71Figure, ArrowsGetHeadsOnlyWhenLongerThanFivePixels) {
  for (int n : {5, 6, 20, 50}) {
    Canvas canvas;
    DrawLimitAnalysis(canvas, LimitAnalysisModel{n}, W, H);
    EXPECT_TRUE(ShowsLoad(OnCanvas(canvas), n, n > 5))
        << "n = " << n << "\n" << test::Ascii(canvas, 140, 60 - n, 193, 67);
    // The line closing the tails runs from the first arrow to the last.
    const int yq = 65 - n;
    EXPECT_EQ(canvas.Pixel(145, yq), clWhite);
    for (int x = 146; x <= 186; ++x) EXPECT_EQ(canvas.Pixel(x, yq), clBlack) << x;
    EXPECT_EQ(canvas.Pixel(187, yq), clWhite);
  }
}

// The lesson opened from the menu; back to the menu afterwards.
struct H71Window : test::LessonWindowTest<TFH71, kLesson> {
  void SetUp() override { Open(); }
};

TEST_F(H71Window, FirstPictureShowsShortLinesThenTheLoadGrows) {
  EXPECT_EQ(Window().Model().n, 5);
  EXPECT_EQ(Window().Timer()->Interval(), 200);
  EXPECT_TRUE(Window().Timer()->Running());
  EXPECT_TRUE(ShowsLoad(OnSurface(Window().Surface()), 5, false));

  Window().Timer()->Fire();
  EXPECT_EQ(Window().Model().n, 6);
  EXPECT_TRUE(ShowsLoad(OnSurface(Window().Surface()), 6, true));

  for (int i = 0; i < 44; ++i) Window().Timer()->Fire();
  EXPECT_EQ(Window().Model().n, 50);
  EXPECT_TRUE(ShowsLoad(OnSurface(Window().Surface()), 50, true));
  const QImage full = Window().Surface().copy();
  Window().Timer()->Fire();
  Window().Timer()->Fire();
  EXPECT_EQ(Window().Model().n, 50);
  EXPECT_EQ(Window().Surface(), full);
}

TEST_F(H71Window, RepaintRedrawsWithoutChangingTheLoad) {
  for (int i = 0; i < 7; ++i) Window().Timer()->Fire();
  Repaint();
  EXPECT_EQ(Window().Model().n, 12);
  EXPECT_TRUE(ShowsLoad(OnSurface(Window().Surface()), 12, true));
}

TEST_F(H71Window, ReopeningRestartsAtFiveAfterHiddenTicks) {
  Leave();
  for (int i = 0; i < 10; ++i) Window().Timer()->Fire();
  EXPECT_EQ(Window().Model().n, 15);  // the load grows on while hidden

  Open();
  EXPECT_EQ(Window().Model().n, 5);
  EXPECT_TRUE(ShowsLoad(OnSurface(Window().Surface()), 5, false));
}

TEST_F(H71Window, TimerRaisesTheLoadFromCreation) {
  // A second, never shown window, as the course creates it at start-up.
  const std::unique_ptr<LessonWindow> window = MakeFH71(*FindLesson("FH71"));
  const auto& lesson = dynamic_cast<const TFH71&>(*window);
  EXPECT_EQ(lesson.Model().n, 0);
  EXPECT_TRUE(window->Timer()->Enabled());
  EXPECT_EQ(window->Timer()->Interval(), 500);
  EXPECT_TRUE(window->PaintConnected());
  window->Timer()->Fire();
  EXPECT_EQ(lesson.Model().n, 1);
}

TEST(H71Pane, ThreeParagraphsInTheDefaultStyleWithTheCaretAtTheEnd) {
  const TheoryPane& pane = *test::SharedCourse().Lesson(kLesson).RichEdit();
  const QStringList lines = test::PaneLines(pane);
  ASSERT_EQ(lines.size(), 7) << lines.join(QLatin1Char('|')).toStdString();
  EXPECT_EQ(lines[0], QStringLiteral("Limit Analysis"));
  for (int blank : {1, 3, 5}) EXPECT_EQ(lines[blank], QStringLiteral(" ")) << blank;
  EXPECT_TRUE(lines[2].startsWith(QStringLiteral(
      "The theory of plasticity provides a theoretical basis")));
  EXPECT_TRUE(lines[4].startsWith(QStringLiteral("Roughly speaking a lower limit")));
  EXPECT_TRUE(lines[6].endsWith(QStringLiteral("to compare various failure mechanisms.")));

  for (int line = 0; line < lines.size(); ++line) EXPECT_EQ(test::Dressing(pane, line), "") << line;

  const QTextCursor caret = pane.textCursor();
  EXPECT_FALSE(caret.hasSelection());
  EXPECT_EQ(caret.position(), pane.toPlainText().size());
}

}  // namespace
}  // namespace kavenor

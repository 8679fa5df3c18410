#include <gtest/gtest.h>

#include <vector>

#include "lessons/composition/H11.h"
#include "lessons/composition/Porosity.h"
#include "shell/Random.h"
#include "tests/support/TestSupport.h"

namespace kavenor {
namespace {

constexpr int W = 332, H = 195;

// The touch rule taken literally, one pixel of fall at a time: the oracle for
// DropGrain, which passes over free fall in one step.
Grain LiteralDrop(const std::vector<Grain>& earlier, int x, int r, int h,
                  std::vector<Point>* trail = nullptr) {
  int y = (-h) / 4;
  for (;;) {
    y = y + 1;
    if (y > h) {
      if (trail) trail->push_back({x, y});
      return {x, y, r};
    }
    int touching = 0, dir = 0;
    for (const Grain& g : earlier) {
      const int dx = g.x - x, dy = g.y - y;
      if (dx * dx + dy * dy < (g.r + r) * (g.r + r) + 10) {
        ++touching;
        dir = g.x > x ? -2 : 2;
      }
    }
    if (touching == 1) x = x + dir;
    if (trail) trail->push_back({x, y});
    if (touching >= 2) return {x, y, r};
  }
}

// The start of each grain as a repaint draws it: x, then the radius.
struct Start {
  int x, r;
};
std::vector<Start> Starts(std::uint64_t seed) {
  SeedRandom(seed);
  Randomize();
  std::vector<Start> starts;
  for (int i = 0; i < kGrainCount; ++i) {
    const int x = Random(W + 2 * (W / 10)) - W / 10;
    starts.push_back({x, Random(12) + 6});
  }
  return starts;
}

std::vector<Grain> LiteralPacking(std::uint64_t seed) {
  std::vector<Grain> grains;
  for (const Start& s : Starts(seed)) grains.push_back(LiteralDrop(grains, s.x, s.r, H));
  return grains;
}

PorosityModel Packed(std::uint64_t seed) {
  SeedRandom(seed);
  PorosityModel model;
  model.Repaint(W, H);
  return model;
}

// ---- the touch rule on small fixtures ----

TEST(H11Model, FirstGrainFallsToTheBottomEdge) {
  std::vector<Point> trail;
  EXPECT_EQ(DropGrain({}, 100, 10, H, &trail), (Grain{100, H + 1, 10}));
  // One pixel per step from a quarter of the height above the top: H + 49 steps.
  ASSERT_EQ(trail.size(), std::size_t(H + 49));
  EXPECT_EQ(trail.front(), (Point{100, -47}));
  EXPECT_EQ(trail.back(), (Point{100, H + 1}));
}

TEST(H11Model, OneTouchingGrainRollsItAwayTwoPixelsPerPixelOfFall) {
  const std::vector<Grain> floor{{100, 196, 10}};
  struct Case {
    int x;
    std::vector<Point> path;  // from y = 176 to the rest
  };
  const Case cases[] = {
      // Right of the centre it rolls right, left of it left; it leaves the
      // grain's side, falls free and touches again twice before it is clear.
      {105, {{105, 176}, {107, 177}, {109, 178}, {111, 179}, {113, 180}, {115, 181},
             {115, 182}, {117, 183}, {117, 184}, {117, 185}, {119, 186}, {119, 187},
             {119, 188}, {119, 189}, {121, 190}, {121, 191}, {121, 192}, {121, 193},
             {121, 194}, {121, 195}, {121, 196}}},
      {95, {{95, 176}, {93, 177}, {91, 178}, {89, 179}, {87, 180}, {85, 181},
            {85, 182}, {83, 183}, {83, 184}, {83, 185}, {81, 186}, {81, 187},
            {81, 188}, {81, 189}, {79, 190}, {79, 191}, {79, 192}, {79, 193},
            {79, 194}, {79, 195}, {79, 196}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x);
    std::vector<Point> trail;
    const Grain rest = DropGrain(floor, c.x, 10, H, &trail);
    const std::vector<Point> tail(trail.end() - static_cast<long>(c.path.size()), trail.end());
    EXPECT_EQ(tail, c.path);
    EXPECT_EQ(rest, (Grain{c.path.back().x, H + 1, 10}));
  }
}

TEST(H11Model, TouchRuleStopsOnTwoAndAllowsTenOfSlack) {
  const std::vector<Grain> pair{{100, 196, 10}, {120, 196, 10}};
  const std::vector<Grain> small{{100, 196, 5}};
  struct Case {
    const char* what;
    const std::vector<Grain>* earlier;
    int x, r;
    Grain rest;
  };
  const Case cases[] = {
      {"between two: both touch at once", &pair, 110, 10, {110, 179, 10}},
      {"rolls off one into the other", &pair, 112, 10, {110, 179, 10}},
      // Grains of radius 5 touch while the squared distance is below 110:
      // 10 pixels apart they touch at a height difference of 3, and roll.
      {"squared distance 109 touches", &small, 110, 5, {112, 196, 5}},
      {"squared distance 121 never touches", &small, 111, 5, {111, 196, 5}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<Point> trail, literal;
    EXPECT_EQ(DropGrain(*c.earlier, c.x, c.r, H, &trail), c.rest);
    LiteralDrop(*c.earlier, c.x, c.r, H, &literal);
    EXPECT_EQ(trail, literal);
  }
}

// ---- whole packings ----

TEST(H11Model, PackingIsExactlyThatOfTheLiteralRule) {
  for (std::uint64_t seed : {1u, 2u, 3u, 17u, 99u, 12345u}) {
    SCOPED_TRACE(seed);
    const std::vector<Grain> literal = LiteralPacking(seed);
    const PorosityModel model = Packed(seed);
    EXPECT_EQ(std::vector<Grain>(model.Grains.begin(), model.Grains.end()), literal);
  }
}

TEST(H11Model, EveryFallEndsOnePixelAStepWithinTheBox) {
  const std::vector<Start> starts = Starts(5);
  const PorosityModel model = Packed(5);
  for (int i = 0; i < kGrainCount; ++i) {
    SCOPED_TRACE(i);
    std::vector<Point> trail;
    const Grain rest = DropGrain(std::span<const Grain>(model.Grains.data(), i), starts[i].x,
                                 starts[i].r, H, &trail);
    EXPECT_EQ(rest, model.Grains[i]);
    ASSERT_FALSE(trail.empty());
    EXPECT_LE(trail.size(), std::size_t(H + 49));
    for (std::size_t s = 0; s < trail.size(); ++s) ASSERT_EQ(trail[s].y, -47 + int(s));
    EXPECT_EQ(trail.back(), (Point{rest.x, rest.y}));
    EXPECT_TRUE(rest.y >= -47 && rest.y <= H + 1);
    EXPECT_TRUE(rest.r >= 6 && rest.r <= 17);
  }
}

TEST(H11Model, FirstGrainRestsOnTheBottomEdgeInEveryPacking) {
  for (std::uint64_t seed : {1u, 8u, 64u}) EXPECT_EQ(Packed(seed).Grains[0].y, H + 1) << seed;
}

TEST(H11Model, FixedSeedReproducesAndEachRepaintIsNew) {
  EXPECT_EQ(Packed(42).Grains, Packed(42).Grains);

  SeedRandom(42);
  PorosityModel model;
  model.Repaint(W, H);
  const auto first = model.Grains;
  model.Repaint(W, H);
  EXPECT_NE(model.Grains, first);
}

TEST(H11Model, RepaintReseedsBeforePacking) {
  // Whatever was drawn from the generator before, a repaint starts from a
  // fresh seed (here the next one of the test's seed sequence).
  const PorosityModel plain = Packed(7);
  SeedRandom(7);
  Random(1000);
  PorosityModel afterDraw;
  afterDraw.Repaint(W, H);
  EXPECT_EQ(afterDraw.Grains, plain.Grains);
}

// ---- the figure ----

TEST(H11Figure, BlueBoxOutlinedAndGrainsPaintedInOrder) {
  PorosityModel model;
  model.W = W;
  model.H = H;
  model.Grains.fill({-1000, -1000, 6});  // out of sight
  model.Grains[10] = {100, 100, 10};
  model.Grains[11] = {110, 100, 10};  // later: paints over the first one's rim
  model.Grains[12] = {200, H + 1, 12};  // on the bottom edge: its upper half shows
  Canvas canvas;
  DrawPorosity(canvas, model);
  ASSERT_EQ(canvas.Width(), W);
  ASSERT_EQ(canvas.Height(), H);
  struct Case {
    int x, y;
    Rgb color;
  };
  const Case cases[] = {
      {0, 0, clBlack},        {W - 1, H - 1, clBlack}, {W - 1, 50, clBlack},
      {50, H - 1, clBlack},   {1, 1, clBlue},          {W - 2, H - 2, clBlue},
      {89, 100, clBlue},      {90, 100, clBlack},      {95, 100, clYellow},
      {109, 100, clYellow},   {119, 100, clBlack},     {120, 100, clBlue},
      {200, 185, clYellow},   {200, 184, clBlack},     {200, 183, clBlue},
      {300, 100, clBlue},
  };
  for (const Case& c : cases)
    EXPECT_EQ(canvas.Pixel(c.x, c.y), c.color)
        << c.x << "," << c.y << "\n" << test::Ascii(canvas, 85, 95, 125, 105);
}

// ---- the theory pane ----

TEST(H11Pane, LinesAndTheirGreekAndIndexLetters) {
  Course& course = test::SharedCourse();
  const TheoryPane& pane = *course.Lesson(1).RichEdit();
  const QStringList lines = test::PaneLines(pane);
  const test::PaneLine expected[] = {
      {"Porosity and Volumetric Weight.", ""},
      {"", ""},
      {"Some definitions and notations.", ""},
      {"", ""},
      {"Porosity : n=Vp/Vt.", "14:p:Garamond:8 17:t:Garamond:8"},
      {"Void ratio : e=Vp/Vs.", "16:p:Garamond:8 19:s:Garamond:8"},
      {"Because Vp+Vs=Vt :e=n/(1-n), n=e/(1+e).",
       "9:p:Garamond:8 12:s:Garamond:8 15:t:Garamond:8"},
      {"Degree of Saturation : S=Vw/Vp.", "26:w:Garamond:8 29:p:Garamond:8"},
      {"Mass density of water : ρw=1000 kg/m³.", "24:ρ:Symbol:10 25:w:Garamond:8"},
      {"Mass density of solid particles : ρs=2650 kg/m³.", "34:ρ:Symbol:10 35:s:Garamond:8"},
      {"Volumetric weight of water : γw=ρwg=10 kN/m³.",
       "29:γ:Symbol:10 30:w:Garamond:8 32:ρ:Symbol:10 33:w:Garamond:8"},
      {"Volumetric weight of soil : γ=Snρwg+(1-n)ρsg.",
       "28:γ:Symbol:10 32:ρ:Symbol:10 33:w:Garamond:8 41:ρ:Symbol:10 42:s:Garamond:8"},
      {"Water content : w=Ww/Ws.", "19:w:Garamond:8 22:s:Garamond:8"},
      {"", ""},
      {"V : Volume.", ""},
      {"W : Weight.", ""},
      {"", ""},
      {"p : pores.", "0:p:Garamond:8"},
      {"s : solids.", "0:s:Garamond:8"},
      {"w : water.", "0:w:Garamond:8"},
      {"t : total.", "0:t:Garamond:8"},
  };
  constexpr int kLines = static_cast<int>(std::size(expected));
  test::ExpectPaneLines(pane, expected);
  // The last line ends with its line break: nothing follows but the caret.
  for (int i = kLines; i < lines.size(); ++i) EXPECT_TRUE(lines[i].isEmpty());
  test::ExpectCaretAtStart(pane);
}

// ---- the window ----

QImage DrawingArea(const LessonWindow& w) { return w.Surface().copy(10, 45, W, H); }

TEST(H11Window, EveryRepaintShowsTheNewPackingOfItsModel) {
  Course& course = test::SharedCourse();
  course.OpenLesson(1);
  test::Settle();
  auto& lesson = dynamic_cast<TFH11&>(course.Lesson(1));
  ASSERT_TRUE(lesson.PaintConnected());
  EXPECT_EQ(lesson.Timer(), nullptr);

  lesson.SystemRepaint();
  const QImage first = DrawingArea(lesson);
  const PorosityModel firstModel = lesson.Model();
  lesson.SystemRepaint();
  const QImage second = DrawingArea(lesson);
  EXPECT_NE(lesson.Model().Grains, firstModel.Grains);
  EXPECT_NE(first, second);

  // What the window shows is the model's packing, with the first grain on
  // the bottom edge.
  Canvas expected;
  DrawPorosity(expected, lesson.Model());
  EXPECT_EQ(second.convertToFormat(QImage::Format_RGB32), expected.Image());
  EXPECT_EQ(lesson.Model().Grains[0].y, H + 1);

  lesson.ReturnButtonClick();
  test::Settle();
}

}  // namespace
}  // namespace kavenor

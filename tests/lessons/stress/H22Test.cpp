// The deformation lesson: the density lesson's fill with ten quick
// compaction steps, the button hidden after the last, the picture left alone
// by the timer but redrawn by a repaint, and the restart on opening.

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTextCursor>

#include "course/Lessons.h"
#include "lessons/composition/Cylinder.h"
#include "lessons/stress/H22.h"
#include "shell/LessonTimer.h"
#include "shell/Random.h"
#include "tests/lessons/composition/CylinderCheck.h"
#include "tests/support/LessonFixture.h"

namespace kavenor {
namespace {

using test::kGlass;
constexpr int kLessonNumber = 6;

// ------------------------------------------------------------------ model

TEST(FH22Model, TenQuickStepsThenTheButtonGoes) {
  SeedRandom(5);
  ShakeModel m(kDeformationShake);
  m.Activate();
  EXPECT_EQ(m.NextStep, 2);
  for (int i = 0; i <= kFillTicks; ++i) m.Tick();
  ASSERT_TRUE(m.ButtonVisible);
  m.Shake();
  // Step n ends after 2 + 4 + ... + 2n shake ticks.
  const struct {
    int shakeTicks, compaction, sand, shift;
    bool button;
  } rows[] = {
      {1, 0, 125, -3, true},  {2, 1, 126, 0, true},   {5, 1, 126, -3, true},
      {6, 2, 127, 0, true},   {89, 8, 133, -3, true}, {90, 9, 134, 0, true},
      {109, 9, 134, -3, true}, {110, 10, 135, 0, false},
  };
  int done = 0;
  for (const auto& r : rows) {
    bool changed = true;
    for (; done < r.shakeTicks; ++done) changed = m.Tick();
    SCOPED_TRACE(testing::Message() << "after shake tick " << r.shakeTicks);
    EXPECT_TRUE(changed);
    EXPECT_EQ(m.Compaction, r.compaction);
    EXPECT_EQ(m.Scene(kGlass).SandTop, r.sand);
    EXPECT_EQ(m.Scene(kGlass).WaterTop, 55);
    EXPECT_EQ(m.ButtonShift, r.shift);
    EXPECT_EQ(m.ButtonVisible, r.button);
  }
  EXPECT_TRUE(m.Done());
  const ShakeModel end = m;
  for (int i = 0; i < 1000; ++i) EXPECT_FALSE(m.Tick());
  EXPECT_EQ(m.Compaction, end.Compaction);
  EXPECT_EQ(m.ShakeTicks, end.ShakeTicks);
  EXPECT_EQ(m.ButtonShift, 0);
}

// ----------------------------------------------------------------- window

class FH22Window : public test::LessonWindowTest<TFH22, kLessonNumber> {
 protected:
  static void Open() { LessonWindowTest::Open(9); }
  QPushButton& Button() { return *Window().ButtonShake(); }
  QImage ModelPicture() { return test::Picture(Window().Model().Scene(kGlass)); }
  // Paints over the window's bitmap, to see whether the next event draws.
  void Scribble() {
    Canvas& c = Window().CanvasBitmap();
    c.Brush.Color = clRed;
    c.FillRect(0, 0, c.Width(), c.Height());
  }
  QImage Bitmap() { return Window().CanvasBitmap().Image().convertToFormat(QImage::Format_RGB32); }
};

TEST_F(FH22Window, Creation) {
  TFH22 w(*FindLesson("FH22"));
  EXPECT_EQ(w.Panel()->text(), "Deformation of soils");
  EXPECT_TRUE(w.PaintConnected());
  EXPECT_EQ(w.RichEdit()->geometry(), QRect(408, 45, 332, 470));
  const QPushButton& b = *w.ButtonShake();
  EXPECT_EQ(b.text(), "Shake");
  EXPECT_EQ(b.geometry(), QRect(128, 235, 95, 28));
  EXPECT_TRUE(b.isHidden());
  EXPECT_FALSE(b.isEnabled());
}

TEST_F(FH22Window, AfterTheTenthStepTheTimerNoLongerDrawsButARepaintDoes) {
  Open();
  EXPECT_EQ(Window().Timer()->Interval(), 50);
  Fire(121);
  EXPECT_EQ(Window().Timer()->Interval(), 10);
  ASSERT_FALSE(Button().isHidden());
  Button().click();
  EXPECT_EQ(Window().focusWidget(), Window().ReturnButton());
  Fire(109);
  EXPECT_EQ(test::ShownArea(Window()), ModelPicture());
  EXPECT_FALSE(Button().isHidden());

  Fire(1);
  EXPECT_EQ(Window().Model().Compaction, 10);
  EXPECT_TRUE(Button().isHidden());
  EXPECT_EQ(test::ShownArea(Window()), ModelPicture()) << "the last step is shown at once";
  CylinderScene end = Window().Model().Scene(kGlass);
  end.Falling = false;
  test::ExpectLevels(test::Drawn(end), 55, 135, "ten pixels down");

  const QImage shown = test::ShownArea(Window());
  Scribble();
  Fire(200);
  EXPECT_EQ(Window().CanvasBitmap().Pixel(140, 100), static_cast<long long>(clRed))
      << "the timer runs on without drawing";
  EXPECT_EQ(test::ShownArea(Window()), shown);
  Repaint();
  EXPECT_EQ(Bitmap(), ModelPicture()) << "an uncovered window is drawn again";
  EXPECT_EQ(test::ShownArea(Window()), shown);
}

TEST_F(FH22Window, ReopeningRestartsTheFillAndBringsTheButtonBack) {
  Open();
  Fire(121);
  Button().click();
  Fire(110);
  ASSERT_TRUE(Button().isHidden());

  Window().ReturnButtonClick();
  Open();
  EXPECT_EQ(Window().Model().Fill.Tick, 0);
  EXPECT_EQ(Window().Model().Compaction, 0);
  EXPECT_EQ(Window().Timer()->Interval(), 50);
  EXPECT_TRUE(Button().isHidden());
  EXPECT_FALSE(Button().isEnabled());
  EXPECT_EQ(test::ShownArea(Window()), ModelPicture());
  Fire(120);
  EXPECT_TRUE(Button().isHidden());
  Fire(1);
  EXPECT_FALSE(Button().isHidden());
  EXPECT_TRUE(Button().isEnabled());
  EXPECT_EQ(Button().x(), 128) << "the even count left it at its place";

  test::FocusBackFromADialog(TheCourse(), Window());
  EXPECT_EQ(Window().Model().Fill.Tick, 0) << "focus back from a dialog restarts it too";
  EXPECT_TRUE(Button().isHidden());
}

// ------------------------------------------------------------------- pane

TEST(FH22Pane, Lines) {
  const TheoryPane& pane = *test::SharedCourse().Lesson(kLessonNumber).RichEdit();
  const QStringList lines = test::PaneLines(pane);
  ASSERT_EQ(lines.size(), 9) << lines.join('|').toStdString();
  EXPECT_EQ(lines[0], "Deformation of soft soils.");
  for (int i : {1, 3, 5, 7}) EXPECT_EQ(lines[i], "    ") << i;
  EXPECT_EQ(lines[2],
            "Experiments with soft soils, such as sand and clay, indicate that they are highly "
            "deformable. The small stresses caused by walking on a soil often lead to "
            "considerable deformations. A new road usually must be given a new surface after a "
            "few years because of the large settlements.");
  const char* begins[] = {
      "The large deformations of a soil can not be caused by deformations of the particles "
      "themselves,",
      "The explanation of the large deformations of soils is that the arrangement of the "
      "particles changes,",
      "If the theory that soil deformations consist of a rearrangement of the particles is "
      "accepted,",
  };
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(lines[4 + 2 * i].startsWith(begins[i])) << begins[i];
  for (const TheoryPane::Run& run : pane.Runs()) {
    EXPECT_EQ(run.family, "MS Sans Serif") << "at " << run.start;
    EXPECT_EQ(run.size, 8) << "at " << run.start;
  }
  EXPECT_EQ(pane.textCursor().position(), pane.toPlainText().size()) << "caret left at the end";
}

}  // namespace
}  // namespace kavenor

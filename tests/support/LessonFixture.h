#pragma once
// The fixture the lesson window tests share: one lesson of the shared course,
// opened and left as the menu does, its timer fired by hand, and what its
// window shows; and the checks of a lesson's yellow group of options.

#include <gtest/gtest.h>

#include <QImage>
#include <QRect>
#include <QRadioButton>
#include <cstdint>
#include <initializer_list>
#include <memory>

#include "course/Course.h"
#include "course/Lessons.h"
#include "shell/LessonTimer.h"
#include "shell/LessonWindow.h"
#include "shell/RadioGroup.h"
#include "shell/Random.h"
#include "tests/support/TestSupport.h"

namespace kavenor::test {

// Lesson `Number` of the shared course as a TWindow. A test that leaves the
// window open has it closed by the Menu button afterwards.
template <class TWindow, int Number>
class LessonWindowTest : public testing::Test {
 protected:
  static constexpr int kLessonNumber = Number;

  // The course exists before a test makes a window of its own: the layout
  // every window is placed by is set when the course starts.
  void SetUp() override { SharedCourse(); }
  void TearDown() override {
    if (Window().isVisible()) Window().ReturnButtonClick();
    Settle();
  }

  static Course& TheCourse() { return SharedCourse(); }
  static TWindow& Window() { return dynamic_cast<TWindow&>(SharedCourse().Lesson(Number)); }

  // Opened from the menu (after seeding the random numbers, where given).
  static void Open() {
    SharedCourse().OpenLesson(Number);
    Settle();
  }
  static void Open(std::uint64_t seed) {
    SeedRandom(seed);
    Open();
  }
  // Back to the menu by the window's Menu button.
  static void Leave() {
    Window().ReturnButtonClick();
    Settle();
  }
  static void Fire(int ticks) {
    for (int i = 0; i < ticks; ++i) Window().Timer()->Fire();
    Settle();
  }
  // A repaint asked by the window system.
  static void Repaint() {
    Window().SystemRepaint();
    Settle();
  }

  static QImage Shown(int width = kAreaWidth, int height = kAreaHeight) {
    return ShownArea(Window(), width, height);
  }
  static long long ShownAt(int x, int y) { return ShownPixel(Window(), x, y); }
  static bool ShowsPicture(const Canvas& expected) { return Shown() == AsShown(expected); }

  // Three repaints draw the same picture, and so does leaving the lesson and
  // opening it again.
  static void ExpectRepaintsAndReopeningKeepThePicture() {
    const QImage first = Window().Surface().copy();
    for (int i = 0; i < 3; ++i) Repaint();
    EXPECT_EQ(Window().Surface(), first);
    Window().ReturnButtonClick();  // and straight back, no event in between
    Open();
    EXPECT_EQ(Window().Surface(), first);
  }
};

// A second window of a lesson, made from its row as the course makes it at
// start-up and never shown (null, with a failure, for a name not in the
// course).
inline std::unique_ptr<LessonWindow> MadeFresh(const char* name) {
  const LessonEntry* entry = FindLesson(name);
  EXPECT_NE(entry, nullptr) << name;
  if (!entry) return nullptr;
  SharedCourse();  // the layout
  return entry->make(*entry);
}

// A lesson's group of options as made: its name, caption and place, filled
// yellow, its items in order inside it, the first one selected.
struct OptionGroup {
  const char* caption;
  QRect geometry;
  std::initializer_list<const char*> items;
};
inline void ExpectOptionGroup(const LessonWindow& window, const RadioGroup* group,
                              const OptionGroup& expected) {
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(window.findChild<RadioGroup*>(QStringLiteral("RadioGroup1")), group);
  EXPECT_EQ(group->title(), QString::fromUtf8(expected.caption));
  EXPECT_EQ(group->geometry(), expected.geometry);
  EXPECT_EQ(group->palette().color(QPalette::Window).rgb() & 0xFFFFFFu, clYellow);
  EXPECT_TRUE(group->autoFillBackground());
  EXPECT_EQ(group->ItemIndex(), 0);
  const QList<QRadioButton*> items = group->findChildren<QRadioButton*>();
  ASSERT_EQ(items.size(), static_cast<qsizetype>(expected.items.size()));
  int i = 0;
  for (const char* text : expected.items) {
    EXPECT_EQ(items[i]->text(), QString::fromUtf8(text)) << i;
    EXPECT_TRUE(group->rect().contains(items[i]->geometry())) << i;
    ++i;
  }
}

// Clicks the items in turn with no event processing between: each click
// selects its item and shows its picture at once.
template <class Picture>
void ExpectClicksRedraw(const LessonWindow& window, RadioGroup& group,
                        std::initializer_list<int> items, Picture picture) {
  for (const int item : items) {
    group.Item(item)->click();
    EXPECT_EQ(group.ItemIndex(), item);
    EXPECT_EQ(ShownArea(window), picture(item)) << item;
  }
}

}  // namespace kavenor::test

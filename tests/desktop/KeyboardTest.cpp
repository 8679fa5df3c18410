// The course with the keyboard alone, on every window: the Tab order, Space
// and Enter on every button, the arrow keys on the option boxes and the
// scroll bar, Space on the check box, and the keys of the two dialogs.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <map>

#include "course/Lessons.h"
#include "shell/LessonTimer.h"
#include "shell/RadioGroup.h"
#include "shell/TheoryPane.h"
#include "tests/support/TestSupport.h"

namespace kavenor {
namespace {

// The lesson windows' own controls, in their Tab order between "Menu" and
// the theory pane; an option box stands for its selected item.
const std::map<std::string, std::vector<const char*>> kLessonControls = {
    {"FH12", {"ButtonShake"}}, {"FH14", {"ButtonHeater"}}, {"FH22", {"ButtonShake"}},
    {"FH23", {"ButtonFill"}},  {"FH32", {"StartButton"}},  {"FH41", {"RadioGroup1"}},
    {"FH42", {"RadioGroup1"}}, {"FH43", {"RadioGroup1"}},  {"FH51", {"CheckBox"}},
    {"FH53", {"ButtonNext"}},  {"FH76", {"ScrollbarRotation"}},
};

std::vector<QString> expectedChain(const LessonEntry& e) {
  std::vector<QString> chain{QStringLiteral("ReturnButton")};
  if (auto it = kLessonControls.find(e.window); it != kLessonControls.end())
    for (const char* name : it->second) chain.push_back(QString::fromLatin1(name));
  chain.push_back(QStringLiteral("RichEdit"));
  return chain;
}

// The name a focused control is listed by: an option box's item by its box.
QString focusName() {
  QWidget* f = QApplication::focusWidget();
  if (!f) return QStringLiteral("(none)");
  if (qobject_cast<QRadioButton*>(f) && qobject_cast<RadioGroup*>(f->parentWidget()))
    return f->parentWidget()->objectName();
  return f->objectName();
}

class Keyboard : public ::testing::Test {
 protected:
  void SetUp() override {
    course.Menu().OnExit([this] { ++exits; });
    backToMenu();
  }
  void TearDown() override {
    backToMenu();
    course.Menu().OnExit([] { QCoreApplication::exit(0); });
  }
  void backToMenu() {
    for (const LessonEntry& e : Lessons())
      if (course.Lesson(e.number).isVisible()) course.Lesson(e.number).ReturnButtonClick();
    course.Start();
    test::Settle();
  }
  // Opens a lesson from the menu and runs its timer until each of the
  // controls it lists can take the focus (some appear only as the lesson
  // goes on), at most a few hundred ticks.
  LessonWindow& open(const LessonEntry& e) {
    backToMenu();
    course.OpenLesson(e.number);
    LessonWindow& lesson = course.Lesson(e.number);
    auto ready = [&] {
      for (const QString& name : expectedChain(e)) {
        auto* w = lesson.findChild<QWidget*>(name);
        if (!w || !w->isVisible() || !w->isEnabled()) return false;
      }
      return true;
    };
    for (int i = 0; i < 400 && lesson.Timer() && !ready(); ++i) lesson.Timer()->Fire();
    test::Settle();
    EXPECT_TRUE(ready()) << e.window << ": a control never became usable";
    return lesson;
  }
  // Walks the Tab chain from the focused control, once round and one step
  // more, forwards or backwards.
  static std::vector<QString> walk(size_t steps, bool backwards) {
    std::vector<QString> seen{focusName()};
    for (size_t i = 0; i < steps; ++i) {
      QWidget* f = QApplication::focusWidget();
      if (!f) break;
      QTest::keyClick(f, backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                      backwards ? Qt::ShiftModifier : Qt::NoModifier);
      seen.push_back(focusName());
    }
    return seen;
  }
  static void expectRound(const std::vector<QString>& chain, const char* window) {
    std::vector<QString> forward = chain;
    forward.push_back(chain.front());
    EXPECT_EQ(walk(chain.size(), false), forward) << window << " forwards";
    std::vector<QString> backward{chain.front()};
    backward.insert(backward.end(), chain.rbegin(), chain.rend());
    EXPECT_EQ(walk(chain.size(), true), backward) << window << " backwards";
  }

  Course& course = test::SharedCourse();
  int exits = 0;
};

TEST_F(Keyboard, TabGoesRoundEveryWindowInItsOrder) {
  std::vector<QString> menu{QStringLiteral("BitBtnEinde")};
  for (const LessonEntry& e : Lessons())
    menu.push_back(QStringLiteral("ButtonLesson%1").arg(e.number));
  course.Menu().BitBtnEinde()->setFocus();
  expectRound(menu, "FMainKavenor");

  for (const LessonEntry& e : Lessons()) {
    LessonWindow& lesson = open(e);
    EXPECT_EQ(QApplication::focusWidget(), lesson.ReturnButton()) << e.window;
    lesson.ReturnButton()->setFocus();
    expectRound(expectedChain(e), e.window);
  }
}

// Answers whatever modal box comes up next with Escape (the exit question's
// No), so that a key that opens one does not wait for a person.
void dismissNextBox() {
  QTimer::singleShot(0, [] {
    if (QWidget* box = QApplication::activeModalWidget()) QTest::keyClick(box, Qt::Key_Escape);
  });
}

TEST_F(Keyboard, SpaceAndEnterPressEveryButton) {
  struct Target {
    const LessonEntry* lesson;  // nullptr: the menu
    QString button;
  };
  std::vector<Target> targets{{nullptr, QStringLiteral("BitBtnEinde")}};
  for (const LessonEntry& e : Lessons()) {
    targets.push_back({nullptr, QStringLiteral("ButtonLesson%1").arg(e.number)});
    for (const QString& name : expectedChain(e)) targets.push_back({&e, name});
  }
  const Qt::Key keys[] = {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter};
  for (const Target& t : targets) {
    for (Qt::Key key : keys) {
      QWidget* window = &course.Menu();
      if (t.lesson)
        window = &open(*t.lesson);
      else
        backToMenu();
      auto* button = window->findChild<QPushButton*>(t.button);
      if (!button) continue;  // not a push button: the options and the pane, below
      SCOPED_TRACE(QStringLiteral("%1 %2 key %3")
                       .arg(window->objectName(), t.button, QString::number(key, 16))
                       .toStdString());
      button->setFocus();
      QSignalSpy clicked(button, &QPushButton::clicked);
      dismissNextBox();
      QTest::keyClick(button, key);
      test::Settle();
      EXPECT_EQ(clicked.count(), 1);
    }
  }
  EXPECT_EQ(exits, 0);
}

TEST_F(Keyboard, ArrowKeysChooseOptionsAndSpaceTogglesTheCheckBox) {
  int options = 0, checks = 0, bars = 0;
  for (const LessonEntry& e : Lessons()) {
    SCOPED_TRACE(e.window);
    LessonWindow& lesson = open(e);
    for (RadioGroup* group : lesson.findChildren<RadioGroup*>()) {
      ++options;
      group->Item(0)->click();
      group->Item(0)->setFocus();
      QSignalSpy clicked(group, &RadioGroup::Clicked);
      for (int i = 1; i < group->Count(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        EXPECT_EQ(group->ItemIndex(), i);
      }
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
      EXPECT_EQ(group->ItemIndex(), group->Count() - 2);
      EXPECT_EQ(clicked.count(), group->Count());
    }
    for (QCheckBox* box : lesson.findChildren<QCheckBox*>()) {
      ++checks;
      box->setFocus();
      const bool before = box->isChecked();
      QSignalSpy clicked(box, &QCheckBox::clicked);
      QTest::keyClick(box, Qt::Key_Space);
      EXPECT_NE(box->isChecked(), before);
      QTest::keyClick(box, Qt::Key_Space);
      EXPECT_EQ(box->isChecked(), before);
      EXPECT_EQ(clicked.count(), 2);
    }
    for (QScrollBar* bar : lesson.findChildren<QScrollBar*>()) {
      if (bar->parentWidget() != &lesson) continue;  // the pane's own
      ++bars;
      bar->setFocus();
      EXPECT_EQ(QApplication::focusWidget(), bar);
      bar->setValue(bar->minimum() + bar->singleStep());
      const int start = bar->value();
      QTest::keyClick(bar, Qt::Key_Right);
      EXPECT_EQ(bar->value(), start + bar->singleStep());
      QTest::keyClick(bar, Qt::Key_Left);
      QTest::keyClick(bar, Qt::Key_Left);
      EXPECT_EQ(bar->value(), start - bar->singleStep());
      QTest::keyClick(bar, Qt::Key_End);
      EXPECT_EQ(bar->value(), bar->maximum());
    }
  }
  // Every option box, check box and scroll bar a lesson has was tried.
  EXPECT_GT(options, 0);
  EXPECT_GT(checks, 0);
  EXPECT_GT(bars, 0);
}

TEST_F(Keyboard, TheDialogsAnswerToEnterEscapeAndTheirUnderlinedLetters) {
  enum Dialog { Help, Exit };
  struct Case {
    Dialog dialog;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool ends;  // the program ends (only the exit question can)
  };
  const Case cases[] = {
      {Help, Qt::Key_Return, Qt::NoModifier, false}, {Help, Qt::Key_Escape, Qt::NoModifier, false},
      {Help, Qt::Key_O, Qt::NoModifier, false},      {Help, Qt::Key_O, Qt::AltModifier, false},
      {Exit, Qt::Key_Return, Qt::NoModifier, true},  {Exit, Qt::Key_Escape, Qt::NoModifier, false},
      {Exit, Qt::Key_Y, Qt::NoModifier, true},       {Exit, Qt::Key_Y, Qt::AltModifier, true},
      {Exit, Qt::Key_N, Qt::NoModifier, false},      {Exit, Qt::Key_N, Qt::AltModifier, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(QStringLiteral("%1 key %2 modifiers %3")
                     .arg(c.dialog == Help ? "help" : "exit", QString::number(c.key, 16),
                          QString::number(c.modifiers.toInt(), 16))
                     .toStdString());
    backToMenu();
    exits = 0;
    bool seen = false, closedByKey = false;
    QStringList captions;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      seen = true;
      for (QAbstractButton* b : box->buttons()) captions << b->text();
      // Through the window system, as a person types: Alt and a letter is a
      // shortcut, which only the window system's keys reach.
      QTest::keyClick(box->windowHandle(), c.key, c.modifiers);
      // A letter clicks its button with a short animation.
      closedByKey = QTest::qWaitFor([box] { return !box->isVisible(); }, 2000);
      if (!closedByKey) box->reject();  // so that a failing case does not hang
    });
    if (c.dialog == Help)
      course.Menu().SpeedButtonHelpClick();
    else
      course.Menu().BitBtnEindeClick();
    EXPECT_TRUE(seen);
    EXPECT_TRUE(closedByKey);
    EXPECT_EQ(exits, c.ends ? 1 : 0);
    for (const QString& caption : captions)
      EXPECT_TRUE(caption.startsWith(QLatin1Char('&'))) << caption.toStdString();
  }
}

TEST_F(Keyboard, F1OnTheMenuShowsTheHelp) {
  bool shown = false;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    shown = box->objectName() == QLatin1String("HelpBox");
    box->accept();
  });
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
  EXPECT_TRUE(shown);
}

}  // namespace
}  // namespace kavenor

// What the course shows to a screen reader, read in process through the same
// accessible interfaces the AT-SPI bridge reads: every window of the course,
// every lesson.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAccessible>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QTextEdit>
#include <QToolButton>

#include "course/Lessons.h"
#include "shell/Accessibility.h"
#include "shell/LayoutMetrics.h"
#include "tests/support/TestSupport.h"

namespace kavenor {
namespace {

QString nameOf(QObject* object) {
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
  return iface ? iface->text(QAccessible::Name) : QString();
}

// The figure among a lesson window's accessible children, or nullptr.
QAccessibleInterface* figureOf(LessonWindow& lesson) {
  QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&lesson);
  for (int i = 0; i < window->childCount(); ++i)
    if (QAccessibleInterface* c = window->child(i); c && c->role() == QAccessible::Graphic)
      return c;
  return nullptr;
}

std::vector<QWidget*> allWindows(Course& course) {
  std::vector<QWidget*> out{&course.Menu()};
  for (const LessonEntry& e : Lessons()) out.push_back(&course.Lesson(e.number));
  return out;
}

TEST(Accessibility, EveryLessonFigureIsAnImageNamedAfterTheLessonAndDescribedInOneSentence) {
  Course& course = test::SharedCourse();
  const LayoutMetrics& m = Layout();
  QSet<QString> sentences;
  for (const LessonEntry& e : Lessons()) {
    SCOPED_TRACE(e.window);
    LessonWindow& lesson = course.Lesson(e.number);
    QAccessibleInterface* figure = figureOf(lesson);
    ASSERT_NE(figure, nullptr);
    EXPECT_TRUE(figure->isValid());
    EXPECT_EQ(figure->text(QAccessible::Name), QString::fromLatin1(e.caption));
    const QString sentence = figure->text(QAccessible::Description);
    EXPECT_TRUE(sentence.endsWith(QLatin1Char('.'))) << sentence.toStdString();
    EXPECT_FALSE(sentence.chopped(1).contains(QLatin1String(". "))) << sentence.toStdString();
    EXPECT_TRUE(sentence.front().isUpper()) << sentence.toStdString();
    sentences.insert(sentence);
    EXPECT_EQ(figure->rect(), QRect(lesson.mapToGlobal(QPoint(m.AreaLeft, m.AreaTop)),
                                    QSize(m.AreaWidth, m.AreaHeight)));
    // The window and its figure agree about where the figure is.
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&lesson);
    EXPECT_EQ(figure->parent(), window);
    EXPECT_EQ(window->child(window->indexOfChild(figure)), figure);
    const QPoint inside = figure->rect().center();
    EXPECT_EQ(window->childAt(inside.x(), inside.y()), figure);
  }
  EXPECT_EQ(sentences.size(), static_cast<qsizetype>(Lessons().size()))
      << "two lessons share a description";
}

TEST(Accessibility, EveryControlOfEveryWindowHasAName) {
  Course& course = test::SharedCourse();
  for (QWidget* window : allWindows(course)) {
    SCOPED_TRACE(window->objectName().toStdString());
    for (QWidget* w : window->findChildren<QWidget*>()) {
      if (!qobject_cast<QAbstractButton*>(w) && !qobject_cast<QAbstractSlider*>(w) &&
          !qobject_cast<QTextEdit*>(w) && !qobject_cast<QPlainTextEdit*>(w))
        continue;
      if (qobject_cast<QAbstractSlider*>(w) && !w->parentWidget()->isWindow())
        continue;  // a text box's own scroll bar
      EXPECT_FALSE(nameOf(w).isEmpty()) << w->metaObject()->className() << " "
                                        << w->objectName().toStdString();
    }
  }
}

TEST(Accessibility, ButtonsAreNamedByWhatTheyDo) {
  Course& course = test::SharedCourse();
  TFMainKavenor& menu = course.Menu();
  for (const LessonEntry& e : Lessons())
    EXPECT_EQ(nameOf(menu.ButtonLesson(e.number)), QString::fromLatin1(e.caption)) << e.window;
  struct Case {
    QWidget* control;
    const char* name;
  };
  const Case cases[] = {
      {menu.SpeedButtonEinde(), "Exit program"},
      {menu.SpeedButtonHelp(), "Help"},
      {menu.BitBtnEinde(), "End"},
  };
  for (const Case& c : cases) EXPECT_EQ(nameOf(c.control), QLatin1String(c.name));
  for (const LessonEntry& e : Lessons()) {
    LessonWindow& lesson = course.Lesson(e.number);
    EXPECT_EQ(nameOf(lesson.ReturnSpeed()), QLatin1String("Back to the menu")) << e.window;
    EXPECT_EQ(nameOf(lesson.ReturnButton()), QLatin1String("Menu")) << e.window;
    EXPECT_EQ(nameOf(lesson.RichEdit()), QLatin1String("Theory")) << e.window;
  }
}

TEST(Accessibility, WindowsAreFramesAndTheTowerIsAPicture) {
  Course& course = test::SharedCourse();
  for (QWidget* window : allWindows(course))
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window)->role(), QAccessible::Window)
        << window->objectName().toStdString();
  QWidget* tower = course.Menu().findChild<QWidget*>(QStringLiteral("Image"));
  ASSERT_NE(tower, nullptr);
  QAccessibleInterface* picture = QAccessible::queryAccessibleInterface(tower);
  EXPECT_EQ(picture->role(), QAccessible::Graphic);
  EXPECT_EQ(picture->text(QAccessible::Name), QLatin1String("The leaning tower of Pisa, in 1790"));
}

}  // namespace
}  // namespace kavenor

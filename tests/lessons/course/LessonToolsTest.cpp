// The classroom tools of every lesson window: pause, step and restart against
// the lesson's own ticks and opening, the picture and theory taken away, the
// picture saved and the lesson printed.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QMessageBox>
#include <QMimeData>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "course/Course.h"
#include "course/Lessons.h"
#include "shell/LayoutMetrics.h"
#include "shell/LessonTimer.h"
#include "shell/LessonTools.h"
#include "shell/Random.h"
#include "tests/support/TestSupport.h"

namespace kavenor {
namespace {

using Command = LessonTools::Command;

// The moment of each lesson the table starts from: for a lesson whose timer
// moves its picture, steps that bring it to where the next ticks change what
// is shown (the gallery's middle moments). Every other lesson is still: its
// ticks, if any, change nothing (Stress draws its picture on its first tick).
struct Moment {
  const char* steps;
  bool moving;
};
const std::map<std::string, Moment> kMoments = {
    {"FH12", {"tick:20", true}},
    {"FH13", {"tick:30", true}},
    {"FH14", {"click:ButtonHeater,tick:40", true}},
    {"FH22", {"tick:30", true}},
    {"FH23", {"click:ButtonFill,tick:40", true}},
    {"FH31", {"tick:40", true}},
    {"FH32", {"tick:1,click:StartButton,tick:30", true}},
    {"FH33", {"tick:40", true}},
    {"FH44", {"tick:300", true}},
    {"FH45", {"tick:300", true}},
    {"FH51", {"tick:157", true}},
    {"FH52", {"tick:1", false}},
    {"FH53", {"click:ButtonNext,tick:1,click:ButtonNext,tick:1,click:ButtonNext,tick:1,"
              "click:ButtonNext,tick:1,click:ButtonNext,tick:1,click:ButtonNext,tick:160,"
              "click:ButtonNext,tick:25",
              true}},
    {"FH54", {"tick:5", true}},
    {"FH55", {"tick:5", true}},
    {"FH64", {"tick:3", true}},
    {"FH65", {"tick:3", true}},
    {"FH71", {"tick:20", true}},
    {"FH74", {"tick:109", true}},
    {"FH76", {"tick:45", true}},
};

void ticks(LessonWindow& lesson, int n) {
  if (LessonTimer* timer = lesson.Timer())
    for (int i = 0; i < n; ++i) timer->Fire();
}

void runSteps(LessonWindow& lesson, const std::string& steps) {
  for (const QString& step : QString::fromStdString(steps).split(',', Qt::SkipEmptyParts)) {
    const QString verb = step.section(':', 0, 0), arg = step.section(':', 1);
    if (verb == QLatin1String("tick")) {
      ticks(lesson, arg.toInt());
    } else {
      auto* button = lesson.findChild<QAbstractButton*>(arg);
      ASSERT_NE(button, nullptr) << arg.toStdString();
      button->click();
    }
    test::Settle();
  }
}

// A course of its own, made after seeding the generator, with one lesson
// opened from the menu and brought to its moment.
struct Fresh {
  Fresh(const LessonEntry& entry, std::uint64_t seed, bool toMoment = true)
      : entryNumber(entry.number) {
    SeedRandom(seed);
    course = std::make_unique<Course>();
    course->Start();
    test::Settle();
    course->OpenLesson(entry.number);
    test::Settle();
    if (toMoment) {
      const auto it = kMoments.find(entry.window);
      if (it != kMoments.end()) runSteps(lesson(), it->second.steps);
    }
  }
  ~Fresh() {
    course.reset();
    test::Settle();
  }
  LessonWindow& lesson() { return course->Lesson(number()); }
  int number() const { return entryNumber; }
  std::unique_ptr<Course> course;
  int entryNumber = 0;
};

// What the person sees and what the lesson will do next: its picture, its
// pane, and the next number the shared generator gives.
struct Seen {
  QImage picture;
  QString pane;
  bool operator==(const Seen&) const = default;
};
Seen seen(LessonWindow& lesson) {
  return {lesson.Tools().Picture(), lesson.RichEdit()->toPlainText()};
}

class LessonToolsTable : public ::testing::TestWithParam<int> {
 protected:
  const LessonEntry& entry() const { return Lessons()[static_cast<std::size_t>(GetParam())]; }
  bool moving() const {
    const auto it = kMoments.find(entry().window);
    return it != kMoments.end() && it->second.moving;
  }
  std::unique_ptr<Fresh> open(std::uint64_t seed, bool toMoment = true) {
    return std::make_unique<Fresh>(entry(), seed, toMoment);
  }
};

TEST_P(LessonToolsTable, PauseHoldsTheMovingPicturesAndIsOffInTheStillOnes) {
  auto run = open(5);
  LessonWindow& lesson = run->lesson();
  LessonTools& tools = lesson.Tools();
  EXPECT_EQ(tools.Action(Command::Pause)->isEnabled(), moving());
  EXPECT_FALSE(tools.Action(Command::Step)->isEnabled());
  const QImage before = tools.Picture();
  ASSERT_FALSE(before.isNull());

  if (!moving()) {
    tools.Action(Command::Pause)->trigger();
    EXPECT_FALSE(lesson.Held());
    for (int i = 0; i < 300; ++i) {
      ticks(lesson, 1);
      ASSERT_EQ(tools.Picture(), before) << "tick " << i + 1 << " of a still lesson moved it";
    }
    return;
  }

  tools.Action(Command::Pause)->trigger();
  ASSERT_TRUE(lesson.Held());
  EXPECT_TRUE(tools.Action(Command::Step)->isEnabled());
  EXPECT_EQ(tools.Action(Command::Pause)->text(), QStringLiteral("&Resume"));
  ticks(lesson, 50);
  test::Settle();
  EXPECT_EQ(tools.Picture(), before) << "the held picture moved";

  // Resumed, it goes on from where it stood.
  tools.Action(Command::Pause)->trigger();
  EXPECT_FALSE(lesson.Held());
  EXPECT_FALSE(tools.Action(Command::Step)->isEnabled());
  bool moved = false;
  for (int i = 0; i < 50 && !moved; ++i) {
    ticks(lesson, 1);
    moved = tools.Picture() != before;
  }
  EXPECT_TRUE(moved) << "the picture of a moving lesson stood still for 50 ticks";

  // Held again and left: the hidden lesson runs on, and opens unheld.
  tools.Action(Command::Pause)->trigger();
  lesson.ReturnButtonClick();
  EXPECT_FALSE(lesson.Held());
  EXPECT_EQ(tools.Action(Command::Pause)->text(), QStringLiteral("&Pause"));
}

TEST_P(LessonToolsTable, StepIsExactlyOneTickFromTheSameStateAndSeed) {
  if (!moving()) {
    // Never offered, and nothing if asked all the same.
    auto run = open(5);
    LessonTools& tools = run->lesson().Tools();
    const QImage before = tools.Picture();
    EXPECT_FALSE(tools.Action(Command::Step)->isEnabled());
    run->lesson().StepHeld();
    EXPECT_EQ(tools.Picture(), before);
    return;
  }
  Seen stepped, ticked;
  int afterStep = 0, afterTick = 0;
  {
    auto run = open(5);
    LessonTools& tools = run->lesson().Tools();
    tools.Action(Command::Pause)->trigger();
    SeedRandom(9);
    tools.Action(Command::Step)->trigger();
    test::Settle();
    EXPECT_TRUE(run->lesson().Held()) << "a step lets go of the hold";
    stepped = seen(run->lesson());
    afterStep = Random(1 << 30);
  }
  {
    auto run = open(5);
    SeedRandom(9);
    ticks(run->lesson(), 1);
    test::Settle();
    ticked = seen(run->lesson());
    afterTick = Random(1 << 30);
  }
  EXPECT_TRUE(stepped == ticked);
  EXPECT_EQ(afterStep, afterTick) << "the step drew other random numbers than the tick";
}

TEST_P(LessonToolsTable, RestartIsAFreshOpeningWithTheSameSeed) {
  Seen restarted, reopened, restartedLater, reopenedLater;
  int afterRestart = 0, afterReopening = 0;
  {
    auto run = open(5);
    LessonWindow& lesson = run->lesson();
    ticks(lesson, 50);
    if (moving()) lesson.Tools().Action(Command::Pause)->trigger();
    SeedRandom(11);
    lesson.Tools().Action(Command::Restart)->trigger();
    test::Settle();
    EXPECT_FALSE(lesson.Held());
    restarted = seen(lesson);
    ticks(lesson, 30);
    test::Settle();
    restartedLater = seen(lesson);
    afterRestart = Random(1 << 30);
  }
  {
    auto run = open(5);
    LessonWindow& lesson = run->lesson();
    ticks(lesson, 50);
    lesson.ReturnButtonClick();
    test::Settle();
    SeedRandom(11);
    run->course->OpenLesson(run->number());
    test::Settle();
    reopened = seen(lesson);
    ticks(lesson, 30);
    test::Settle();
    reopenedLater = seen(lesson);
    afterReopening = Random(1 << 30);
  }
  EXPECT_TRUE(restarted == reopened);
  EXPECT_TRUE(restartedLater == reopenedLater) << "30 ticks after the restart";
  EXPECT_EQ(afterRestart, afterReopening);
}

TEST_P(LessonToolsTable, CopyPictureGivesTheFigureAsShown) {
  auto run = open(5);
  LessonWindow& lesson = run->lesson();
  const QRect shown = lesson.PictureRect();
  ASSERT_FALSE(shown.isEmpty());
  EXPECT_TRUE(lesson.rect().contains(shown));
  // Every place a figure went is inside the picture.
  const LayoutMetrics& m = Layout();
  EXPECT_TRUE(shown.contains(QPoint(m.AreaLeft, m.AreaTop)));
  QGuiApplication::clipboard()->clear();
  lesson.Tools().Action(Command::CopyPicture)->trigger();
  const QImage copied = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
  // What the window shows there, but for the controls that lie over it.
  const QImage screen = lesson.grab(shown).toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(copied.size(), screen.size());
  std::vector<QRect> controls;
  for (QWidget* w : lesson.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (w->isVisible() && w->metaObject() != &QWidget::staticMetaObject)
      controls.push_back(w->geometry().translated(-shown.topLeft()));
  int differing = 0;
  for (int y = 0; y < screen.height(); ++y)
    for (int x = 0; x < screen.width(); ++x)
      if (std::none_of(controls.begin(), controls.end(),
                       [&](const QRect& r) { return r.contains(x, y); }) &&
          copied.pixel(x, y) != screen.pixel(x, y))
        ++differing;
  EXPECT_EQ(differing, 0) << "pixels of the copy differ from the window";
  // The figure itself, where it was drawn.
  EXPECT_EQ(copied.pixel(0, 0), lesson.Surface().pixel(shown.topLeft()) | 0xFF000000u);
}

INSTANTIATE_TEST_SUITE_P(AllLessons, LessonToolsTable, ::testing::Range(0, kLessonCount),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return std::string(Lessons()[static_cast<std::size_t>(info.param)].window);
                         });

// The pictures of a lesson with two of them and of one drawn in window
// coordinates come out whole.
TEST(LessonTools, CopyPictureTakesBothPicturesOfALessonWithTwo) {
  Course& course = test::SharedCourse();
  const LessonEntry& rankine = *FindLesson("FH63");
  course.OpenLesson(rankine.number);
  test::Settle();
  LessonWindow& lesson = course.Lesson(rankine.number);
  const LayoutMetrics& m = Layout();
  EXPECT_EQ(lesson.PictureRect(), QRect(m.AreaLeft, m.AreaTop, m.AreaWidth, lesson.PictureRect().height()));
  EXPECT_GT(lesson.PictureRect().height(), m.AreaHeight);
  lesson.ReturnButtonClick();
  test::Settle();
}

// Answers the next message box of the program with OK; its text.
class BoxAnswer {
 public:
  BoxAnswer() {
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        text = box->text();
        box->done(QMessageBox::Ok);
        timer_.stop();
      }
    });
    timer_.start();
  }
  QString text;

 private:
  QTimer timer_;
};

class FakeDialogs : public LessonToolDialogs {
 public:
  FakeDialogs() { SetLessonToolDialogs(this); }
  ~FakeDialogs() override { SetLessonToolDialogs(nullptr); }
  QString PictureFileName(QWidget*, const QString& offered) override {
    suggested = offered;
    return file;
  }
  bool SetUpPrinter(QWidget*, QPrinter& printer) override {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printFile);
    return !printFile.isEmpty();
  }
  QString file, printFile, suggested;
};

class LessonToolsFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    course.OpenLesson(entry.number);
    test::Settle();
  }
  void TearDown() override {
    lesson().ReturnButtonClick();
    test::Settle();
  }
  LessonWindow& lesson() { return course.Lesson(entry.number); }
  Course& course = test::SharedCourse();
  const LessonEntry& entry = *FindLesson("FH21");  // drawn in window coordinates
  QTemporaryDir folder;
  FakeDialogs dialogs;
};

TEST_F(LessonToolsFiles, SavedPictureIsThePngOfTheFigure) {
  dialogs.file = folder.filePath("stress");  // the suffix is added
  lesson().Tools().Action(Command::SavePicture)->trigger();
  EXPECT_TRUE(dialogs.suggested.endsWith(QStringLiteral("Effective stress.png")));
  QImageReader reader(folder.filePath("stress.png"));
  EXPECT_EQ(reader.format(), QByteArray("png"));
  const QImage saved = reader.read();
  ASSERT_FALSE(saved.isNull()) << reader.errorString().toStdString();
  EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), lesson().Tools().Picture());
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"stress.png"})
      << "a temporary file was left behind";

  // A cancelled dialog writes nothing.
  dialogs.file.clear();
  lesson().Tools().Action(Command::SavePicture)->trigger();
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 1);
}

TEST_F(LessonToolsFiles, UnwritablePlaceLeavesNoFileAndSaysWhy) {
  struct Case {
    const char* name;
    QString path;
  } cases[] = {
      {"a folder that does not exist", folder.filePath("missing/picture.png")},
      {"a folder in the place of the file", folder.filePath("taken.png")},
  };
  ASSERT_TRUE(QDir(folder.path()).mkdir("taken.png"));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    dialogs.file = c.path;
    BoxAnswer answer;
    lesson().Tools().Action(Command::SavePicture)->trigger();
    EXPECT_TRUE(answer.text.contains(QDir::toNativeSeparators(c.path))) << answer.text.toStdString();
    EXPECT_TRUE(answer.text.contains(QStringLiteral("could not be saved")));
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    EXPECT_TRUE(lesson().isVisible()) << "the program goes on with the lesson";
  }
}

TEST_F(LessonToolsFiles, CopiedTheoryHasItsGreekLettersAndItsStyles) {
  lesson().Tools().Action(Command::CopyTheory)->trigger();
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  ASSERT_TRUE(data->hasText());
  ASSERT_TRUE(data->hasHtml());
  EXPECT_EQ(data->text(), lesson().RichEdit()->toPlainText());
  EXPECT_TRUE(data->text().contains(QChar(0x03C3))) << "no sigma: " << data->text().toStdString();
  EXPECT_TRUE(data->html().contains(QStringLiteral("font-family")));
  EXPECT_TRUE(data->html().contains(QChar(0x03C3)));
}

// Runs a poppler tool on a file; its output.
QString poppler(const QString& tool, const QStringList& args) {
  QProcess p;
  p.start(tool, args);
  if (!p.waitForFinished(60000) || p.exitCode() != 0) return {};
  return QString::fromUtf8(p.readAllStandardOutput());
}

// The Greek letters of a text, each once.
QString greekOf(const QString& text) {
  QString letters;
  for (const QChar c : text)
    if (c.unicode() >= 0x0391 && c.unicode() <= 0x03C9 && !letters.contains(c)) letters += c;
  return letters;
}

TEST(LessonToolsPrint, OnePageWithTheTitleThePictureAndTheWholeTheoryAsText) {
  // The lesson with the longest theory, one drawn in window coordinates, and
  // one with two pictures: each on one page, nothing of its text cut off.
  Course& course = test::SharedCourse();
  const LessonEntry* longest = &Lessons()[0];
  for (const LessonEntry& e : Lessons())
    if (course.Lesson(e.number).RichEdit()->toPlainText().size() >
        course.Lesson(longest->number).RichEdit()->toPlainText().size())
      longest = &e;
  QTemporaryDir folder;
  FakeDialogs dialogs;
  for (const LessonEntry* e : {longest, FindLesson("FH21"), FindLesson("FH63")}) {
    SCOPED_TRACE(e->window);
    course.OpenLesson(e->number);
    test::Settle();
    LessonWindow& lesson = course.Lesson(e->number);
    dialogs.printFile = folder.filePath(QStringLiteral("%1.pdf").arg(e->window));
    lesson.Tools().Action(Command::Print)->trigger();
    ASSERT_TRUE(QFile::exists(dialogs.printFile));
    const QString info = poppler("pdfinfo", {dialogs.printFile});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+1\\n"))) << info.toStdString();
    const QString text = poppler("pdftotext", {dialogs.printFile, "-"}).simplified();
    ASSERT_FALSE(text.isEmpty()) << "pdftotext (poppler-utils) found no text";
    EXPECT_TRUE(text.contains(QString::fromLatin1(e->caption)));
    // The theory's first and last words, and every Greek letter it has, as
    // characters.
    const QString pane = lesson.RichEdit()->toPlainText().simplified();
    const QStringList words = pane.split(QLatin1Char(' '));
    for (const QString& piece : {words.mid(0, 4).join(' '), words.mid(words.size() - 4).join(' ')})
      EXPECT_TRUE(text.contains(piece)) << piece.toStdString();
    for (const QChar letter : greekOf(pane))
      EXPECT_TRUE(text.contains(letter)) << QString(letter).toStdString();
    // The picture is in it as an image of its own size.
    const QString images = poppler("pdfimages", {"-list", dialogs.printFile});
    const QRect shown = lesson.PictureRect();
    EXPECT_TRUE(images.contains(QRegularExpression(
        QStringLiteral("image\\s+%1\\s+%2\\s").arg(shown.width()).arg(shown.height()))))
        << images.toStdString();
    lesson.ReturnButtonClick();
    test::Settle();
  }
}

TEST_F(LessonToolsFiles, PrintToAnUnwritableFileSaysSoAndLeavesNothing) {
  dialogs.printFile = folder.filePath("missing/lesson.pdf");
  BoxAnswer answer;
  lesson().Tools().Action(Command::Print)->trigger();
  EXPECT_TRUE(answer.text.contains(QDir::toNativeSeparators(dialogs.printFile)))
      << answer.text.toStdString();
  EXPECT_TRUE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

}  // namespace
}  // namespace kavenor

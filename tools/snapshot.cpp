// kavenor-snapshot: starts the course as the program does (all 37 windows, on
// the offscreen platform), seeds the random generator, opens one window the way
// the menu does, runs a list of steps and writes what a person would see.
//
//   kavenor-snapshot --window NAME [--seed S] [--steps LIST] [--png FILE] [--widgets FILE]
//
// NAME is FMainKavenor or a lesson window FH11 ... FH76. LIST is a
// comma-separated list of steps:
//   tick:N               N timer ticks of the window (none while its timer is off)
//   click:OBJECT         a click on a button
//   select:OBJECT=INDEX  the radio button INDEX of a radio group
//   check:OBJECT=0|1     a check box off or on
//   set:OBJECT=VALUE     a scroll bar's position
//   expose               a repaint asked by the window system
//   menu                 back to the menu
//   open                 open the window again
//   pause, resume        hold the lesson's animation, let it go on (Pause / Resume)
//   step                 one tick of the held lesson (Step)
//   restart              start the lesson again in its window (Restart)
//   answer:Yes|No|OK     answers the message box the step before opened
// S, N, INDEX and VALUE are plain unsigned decimal numbers. Every step is
// checked before the first runs: pause only where the lesson's timer moves its
// picture, step and resume only while it is paused. A step that opens a message box must be
// followed by an answer.
//
// Bad input, or an output that cannot be written completely: one line on
// stderr, exit code 2, and neither output written or changed: both are
// committed only when both are complete.

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

#include "course/Course.h"
#include "course/Lessons.h"
#include "shell/LessonTimer.h"
#include "shell/LessonTools.h"
#include "shell/Random.h"
#include "shell/TheoryPane.h"

using namespace kavenor;

namespace {

// Bad input or a failed output: the message of the one stderr line. Thrown
// only outside the event loop, so everything unwinds normally.
struct Failure {
  QString message;
};

[[noreturn]] void fail(const QString& message) { throw Failure{message}; }

// A plain unsigned decimal number no greater than `max`.
std::optional<quint64> unsignedNumber(const QString& text, quint64 max) {
  static const QRegularExpression digits(QStringLiteral("^[0-9]{1,19}$"));
  if (!digits.match(text).hasMatch()) return std::nullopt;
  const quint64 value = text.toULongLong();
  if (value > max) return std::nullopt;
  return value;
}

struct Options {
  QString window;
  quint64 seed = 1;
  QStringList steps;
  QString png;
  QString widgets;
};

Options parse(const QStringList& args) {
  Options o;
  QStringList seen;
  for (qsizetype i = 1; i < args.size(); ++i) {
    const QString& a = args[i];
    static const QStringList known = {"--window", "--seed", "--steps", "--png", "--widgets"};
    if (!known.contains(a)) fail(QStringLiteral("unknown argument %1").arg(a));
    if (seen.contains(a)) fail(QStringLiteral("%1 is given twice").arg(a));
    seen << a;
    if (i + 1 >= args.size()) fail(QStringLiteral("%1 needs a value").arg(a));
    const QString value = args[++i];
    if (a == QLatin1String("--window")) {
      o.window = value;
    } else if (a == QLatin1String("--seed")) {
      const auto seed = unsignedNumber(value, std::numeric_limits<quint64>::max());
      if (!seed) fail(QStringLiteral("--seed takes a plain unsigned decimal number"));
      o.seed = *seed;
    } else if (a == QLatin1String("--steps")) {
      if (!value.isEmpty()) o.steps = value.split(QLatin1Char(','));
    } else if (a == QLatin1String("--png")) {
      o.png = value;
    } else {
      o.widgets = value;
    }
  }
  if (o.window.isEmpty()) fail(QStringLiteral("--window NAME is required"));
  if (!o.png.isEmpty() &&
      QFileInfo(o.png).absoluteFilePath() == QFileInfo(o.widgets).absoluteFilePath())
    fail(QStringLiteral("--png and --widgets name the same file"));
  return o;
}

enum class Verb { Tick, Click, Select, Check, Set, Expose, Menu, Open, Answer, Pause, Resume, StepHeld, Restart };

struct Step {
  QString text;  // as given, for messages
  Verb verb = Verb::Expose;
  QString object;
  int number = 0;
  QMessageBox::StandardButton answer = QMessageBox::NoButton;
};

// The forms of a step, exactly: anything else is not a step.
Step parseStep(const QString& text) {
  static const QRegularExpression form(QStringLiteral(
      "^(?:(tick):([0-9]+)|(click):(\\w+)|(select|check|set):(\\w+)=([0-9]+)|"
      "(expose|menu|open|pause|resume|step|restart)|(answer):(Yes|No|OK))$"));
  const QRegularExpressionMatch m = form.match(text);
  if (!m.hasMatch()) fail(QStringLiteral("unknown step \"%1\"").arg(text));
  Step s;
  s.text = text;
  auto count = [&](const QString& digits) {
    const auto n = unsignedNumber(digits, std::numeric_limits<int>::max());
    if (!n) fail(QStringLiteral("the number in step %1 is too large").arg(text));
    return static_cast<int>(*n);
  };
  if (!m.captured(1).isEmpty()) {
    s.verb = Verb::Tick;
    s.number = count(m.captured(2));
  } else if (!m.captured(3).isEmpty()) {
    s.verb = Verb::Click;
    s.object = m.captured(4);
  } else if (!m.captured(5).isEmpty()) {
    const QString verb = m.captured(5);
    s.verb = verb == QLatin1String("select") ? Verb::Select
             : verb == QLatin1String("check") ? Verb::Check
                                               : Verb::Set;
    s.object = m.captured(6);
    s.number = count(m.captured(7));
    if (s.verb == Verb::Check && s.number > 1)
      fail(QStringLiteral("step %1: a check box is set to 0 or 1").arg(text));
  } else if (!m.captured(8).isEmpty()) {
    const QString verb = m.captured(8);
    s.verb = verb == QLatin1String("expose")   ? Verb::Expose
             : verb == QLatin1String("menu")    ? Verb::Menu
             : verb == QLatin1String("open")    ? Verb::Open
             : verb == QLatin1String("pause")   ? Verb::Pause
             : verb == QLatin1String("resume")  ? Verb::Resume
             : verb == QLatin1String("step")    ? Verb::StepHeld
                                                : Verb::Restart;
  } else {
    s.verb = Verb::Answer;
    const QString button = m.captured(10);
    s.answer = button == QLatin1String("Yes") ? QMessageBox::Yes
               : button == QLatin1String("No") ? QMessageBox::No
                                               : QMessageBox::Ok;
  }
  return s;
}

void settle() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

QString className(const QMetaObject& meta) { return QString::fromLatin1(meta.className()); }

class Runner {
 public:
  Runner(Course& course, const QString& window) : course_(course) {
    if (window == QLatin1String("FMainKavenor")) {
      target_ = &course.Menu();
    } else {
      lesson_ = course.Find(window);
      if (!lesson_) fail(QStringLiteral("unknown window %1").arg(window));
      target_ = lesson_;
    }
    // Answering Yes to the exit question ends the program; what it showed
    // last is what gets written.
    course.Menu().OnExit([this] { ended_ = true; });
  }

  // Finds each step's control and checks its number against it.
  void check(const std::vector<Step>& steps) {
    bool held = false;
    for (const Step& s : steps) {
      switch (s.verb) {
        case Verb::Pause:
          if (!lesson_ || !Animated(lesson_->Entry()))
            fail(QStringLiteral("step %1: %2 has no animation to pause")
                     .arg(s.text, target_->objectName()));
          if (held) fail(QStringLiteral("step %1: the lesson is paused already").arg(s.text));
          held = true;
          break;
        case Verb::Resume:
        case Verb::StepHeld:
          if (!held) fail(QStringLiteral("step %1 comes while the lesson is not paused").arg(s.text));
          if (s.verb == Verb::Resume) held = false;
          break;
        case Verb::Restart:
          if (!lesson_) fail(QStringLiteral("step %1: the menu is no lesson").arg(s.text));
          held = false;
          break;
        case Verb::Menu:
        case Verb::Open: held = false; break;
        case Verb::Click: control<QAbstractButton>(s); break;
        case Verb::Check: control<QCheckBox>(s); break;
        case Verb::Select: {
          const qsizetype items = control<QWidget>(s)->findChildren<QRadioButton*>().size();
          if (items == 0) fail(QStringLiteral("step %1: %2 is no radio group").arg(s.text, s.object));
          if (s.number >= items)
            fail(QStringLiteral("step %1: %2 has %3 items").arg(s.text, s.object).arg(items));
          break;
        }
        case Verb::Set: {
          const QAbstractSlider* bar = control<QAbstractSlider>(s);
          if (s.number < bar->minimum() || s.number > bar->maximum())
            fail(QStringLiteral("step %1: %2 runs from %3 to %4")
                     .arg(s.text, s.object)
                     .arg(bar->minimum())
                     .arg(bar->maximum()));
          break;
        }
        default: break;
      }
    }
  }

  void open() {
    if (lesson_)
      course_.OpenLesson(lesson_->Entry().number);
    else
      course_.Start();
    settle();
  }

  // Runs the steps in order; `answer` is the step after, when it answers a box.
  void run(const Step& step, const Step* answer) {
    if (ended_) fail(QStringLiteral("step %1 comes after the program ended").arg(step.text));
    if (step.verb == Verb::Answer)
      fail(QStringLiteral("step %1: the step before opened no message box").arg(step.text));
    {
      const std::unique_ptr<QTimer> watch = watchForBox(step, answer);
      act(step);
      settle();
    }
    if (boxProblem_) fail(*boxProblem_);
    if (answer && !answered_)
      fail(QStringLiteral("step %1: step %2 opened no message box").arg(answer->text, step.text));
  }

  QWidget* target() const { return target_; }

 private:
  template <typename T>
  T* control(const Step& s) const {
    T* found = target_->findChild<T*>(s.object);
    if (!found)
      fail(QStringLiteral("step %1: no %2 named %3 in %4")
               .arg(s.text, className(T::staticMetaObject), s.object, target_->objectName()));
    return found;
  }

  void needShown(const Step& s) const {
    if (!target_->isVisible())
      fail(QStringLiteral("step %1: %2 is hidden").arg(s.text, target_->objectName()));
  }

  void act(const Step& s) {
    switch (s.verb) {
      case Verb::Tick: {
        LessonTimer* timer = lesson_ ? lesson_->Timer() : nullptr;
        for (int i = 0; i < s.number && timer; ++i) timer->Fire();
        break;
      }
      case Verb::Click:
        needShown(s);
        control<QAbstractButton>(s)->click();
        break;
      case Verb::Check: {
        needShown(s);
        QCheckBox* box = control<QCheckBox>(s);
        if (box->isChecked() != (s.number == 1)) box->click();
        break;
      }
      case Verb::Select:
        needShown(s);
        control<QWidget>(s)->findChildren<QRadioButton*>()[s.number]->click();
        break;
      case Verb::Set:
        needShown(s);
        control<QAbstractSlider>(s)->setValue(s.number);
        break;
      case Verb::Expose:
        if (lesson_)
          lesson_->SystemRepaint();
        else
          target_->update();
        break;
      case Verb::Menu:
        if (lesson_ && lesson_->isVisible()) lesson_->ReturnButtonClick();
        break;
      case Verb::Open: open(); break;
      case Verb::Answer: break;
      case Verb::Pause:
      case Verb::Resume:
        needShown(s);
        lesson_->Tools().Action(LessonTools::Pause)->trigger();
        break;
      case Verb::StepHeld:
        needShown(s);
        lesson_->Tools().Action(LessonTools::Step)->trigger();
        break;
      case Verb::Restart:
        needShown(s);
        lesson_->Tools().Action(LessonTools::Restart)->trigger();
        break;
    }
  }

  // A message box runs its own event loop until it is answered: the answer,
  // or the complaint that none was given, comes from a watch that runs inside
  // that loop for as long as the step lasts.
  std::unique_ptr<QTimer> watchForBox(const Step& step, const Step* answer) {
    answered_ = false;
    boxProblem_.reset();
    auto watch = std::make_unique<QTimer>();
    watch->setInterval(0);
    const QString stepText = step.text;
    const std::optional<Step> planned = answer ? std::optional<Step>(*answer) : std::nullopt;
    QObject::connect(watch.get(), &QTimer::timeout, watch.get(), [=, this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box || !box->isVisible()) return;
      if (!planned) {
        boxProblem_ = QStringLiteral("step %1 opened a message box (\"%2\"): follow it with "
                                     "answer:Yes, answer:No or answer:OK")
                          .arg(stepText, box->windowTitle());
        box->done(QMessageBox::Cancel);
      } else if (QAbstractButton* button = box->button(planned->answer)) {
        answered_ = true;
        button->click();
      } else {
        boxProblem_ = QStringLiteral("step %1: the message box opened by %2 has no such button")
                          .arg(planned->text, stepText);
        box->done(QMessageBox::Cancel);
      }
    });
    watch->start();
    return watch;
  }

  Course& course_;
  LessonWindow* lesson_ = nullptr;
  QWidget* target_ = nullptr;
  bool ended_ = false;
  bool answered_ = false;
  std::optional<QString> boxProblem_;
};

QString textOf(QWidget* w) {
  if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
  if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
  if (auto* t = qobject_cast<QTextEdit*>(w)) return t->toPlainText();
  if (auto* p = qobject_cast<QPlainTextEdit*>(w)) return p->toPlainText();
  return {};
}

QJsonArray widgetDump(QWidget* window) {
  QJsonArray out;
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_"))) continue;
    const QPoint at = w->mapTo(window, QPoint(0, 0));
    QJsonObject o{{"name", w->objectName()},
                  {"class", QString::fromLatin1(w->metaObject()->className())},
                  {"x", at.x()},
                  {"y", at.y()},
                  {"w", w->width()},
                  {"h", w->height()},
                  {"text", textOf(w)},
                  {"visible", w->isVisibleTo(window)},
                  {"enabled", w->isEnabled()}};
    if (auto* pane = qobject_cast<TheoryPane*>(w)) {
      o.insert("plain", pane->toPlainText());
      QJsonArray runs;
      for (const TheoryPane::Run& r : pane->Runs())
        runs.append(QJsonObject{{"start", r.start},
                                {"length", r.length},
                                {"family", r.family},
                                {"size", r.size},
                                {"italic", r.italic},
                                {"underline", r.underline}});
      o.insert("runs", runs);
    }
    out.append(o);
  }
  return out;
}

// The outputs, written together: each regular file goes to a temporary file
// beside it and replaces the old one only when every output is complete. A
// device or pipe (which cannot be replaced) is written in place, after the
// files are prepared and before any of them is committed.
class Outputs {
 public:
  void add(const QString& path, QByteArray data) { items_.push_back({path, std::move(data)}); }

  void write() {
    std::vector<std::unique_ptr<QSaveFile>> files;
    std::vector<const Item*> direct;
    for (const Item& item : items_) {
      const QFileInfo info(item.path);
      if (info.exists() && !info.isFile() && !info.isDir()) {
        direct.push_back(&item);
        continue;
      }
      auto file = std::make_unique<QSaveFile>(item.path);
      file->setDirectWriteFallback(false);
      if (!file->open(QIODevice::WriteOnly) || file->write(item.data) != item.data.size())
        fail(QStringLiteral("cannot write %1: %2").arg(item.path, file->errorString()));
      files.push_back(std::move(file));
    }
    for (const Item* item : direct) {
      QFile device(item->path);
      if (!device.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
          device.write(item->data) != item->data.size() || !device.flush())
        fail(QStringLiteral("cannot write %1: %2").arg(item->path, device.errorString()));
    }
    for (auto& file : files)
      if (!file->commit())
        fail(QStringLiteral("cannot write %1: %2").arg(file->fileName(), file->errorString()));
  }

 private:
  struct Item {
    QString path;
    QByteArray data;
  };
  std::vector<Item> items_;
};

int snapshot(const QStringList& args) {
  const Options options = parse(args);
  std::vector<Step> steps;
  for (const QString& text : options.steps) steps.push_back(parseStep(text));
  if (options.window != QLatin1String("FMainKavenor") &&
      !FindLesson(options.window.toLatin1().constData()))
    fail(QStringLiteral("unknown window %1").arg(options.window));

  InitialiseApplication();
  LessonTimer::SetManual(true);
  SeedRandom(options.seed);

  Course course;
  Runner runner(course, options.window);
  runner.check(steps);

  runner.open();
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const Step* next = i + 1 < steps.size() ? &steps[i + 1] : nullptr;
    const bool answered = next && next->verb == Verb::Answer;
    runner.run(steps[i], answered ? next : nullptr);
    if (answered) ++i;
  }

  Outputs outputs;
  if (!options.png.isEmpty()) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!runner.target()->grab().toImage().save(&buffer, "PNG"))
      fail(QStringLiteral("cannot encode the picture"));
    outputs.add(options.png, png);
  }
  if (!options.widgets.isEmpty())
    outputs.add(options.widgets, QJsonDocument(widgetDump(runner.target())).toJson());
  outputs.write();
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  QuietenPlatformNotices();
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  try {
    return snapshot(QCoreApplication::arguments());
  } catch (const Failure& failure) {
    std::fprintf(stderr, "kavenor-snapshot: %s\n", qPrintable(failure.message));
    return 2;
  }
}

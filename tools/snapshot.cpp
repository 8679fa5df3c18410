// kavenor-snapshot: starts the course as the program does (all 37 windows, on
// the offscreen platform), seeds the random generator, opens one window the way
// the menu does, runs a list of steps and writes what a person would see.
//
//   kavenor-snapshot --window NAME [--seed S] [--steps LIST] [--png FILE] [--widgets FILE]
//
// NAME is FMainKavenor or a lesson window FH11 ... FH76. LIST is a
// comma-separated list of steps: tick:N, click:OBJECT, select:OBJECT=INDEX,
// check:OBJECT=0|1, set:OBJECT=VALUE, expose, menu, open. Bad input: one line
// on stderr and exit code 2.

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "course/Course.h"
#include "course/Lessons.h"
#include "shell/LessonTimer.h"
#include "shell/Random.h"
#include "shell/TheoryPane.h"

using namespace kavenor;

namespace {

struct Options {
  QString window;
  quint64 seed = 1;
  QStringList steps;
  QString png;
  QString widgets;
};

[[noreturn]] void fail(const QString& message) {
  std::fprintf(stderr, "kavenor-snapshot: %s\n", qPrintable(message));
  std::exit(2);
}

Options parse(const QStringList& args) {
  Options o;
  for (qsizetype i = 1; i < args.size(); ++i) {
    const QString& a = args[i];
    auto value = [&]() -> QString {
      if (i + 1 >= args.size()) fail(QStringLiteral("%1 needs a value").arg(a));
      return args[++i];
    };
    if (a == QLatin1String("--window")) {
      o.window = value();
    } else if (a == QLatin1String("--seed")) {
      bool ok = false;
      o.seed = value().toULongLong(&ok);
      if (!ok) fail(QStringLiteral("--seed takes a whole number"));
    } else if (a == QLatin1String("--steps")) {
      o.steps = value().split(QLatin1Char(','), Qt::SkipEmptyParts);
    } else if (a == QLatin1String("--png")) {
      o.png = value();
    } else if (a == QLatin1String("--widgets")) {
      o.widgets = value();
    } else {
      fail(QStringLiteral("unknown argument %1").arg(a));
    }
  }
  if (o.window.isEmpty()) fail(QStringLiteral("--window NAME is required"));
  return o;
}

void settle() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

template <typename T>
T* child(QWidget* window, const QString& name) {
  T* found = window->findChild<T*>(name);
  if (!found) fail(QStringLiteral("no %1 named %2 in %3")
                       .arg(QString::fromLatin1(T::staticMetaObject.className()), name,
                            window->objectName()));
  return found;
}

// "NAME=VALUE" of a step; the value as a whole number.
std::pair<QString, int> nameValue(const QString& step, const QString& argument) {
  const qsizetype eq = argument.indexOf(QLatin1Char('='));
  bool ok = false;
  const int value = eq < 0 ? 0 : argument.mid(eq + 1).toInt(&ok);
  if (eq <= 0 || !ok) fail(QStringLiteral("step %1 needs OBJECT=NUMBER").arg(step));
  return {argument.left(eq), value};
}

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
  }

  void open() {
    if (lesson_)
      course_.OpenLesson(lesson_->Entry().number);
    else
      course_.Start();
    settle();
  }

  void run(const QString& step) {
    const qsizetype colon = step.indexOf(QLatin1Char(':'));
    const QString verb = colon < 0 ? step : step.left(colon);
    const QString argument = colon < 0 ? QString() : step.mid(colon + 1);
    if (verb == QLatin1String("tick")) {
      bool ok = false;
      const int n = argument.toInt(&ok);
      if (!ok || n < 0) fail(QStringLiteral("step %1 needs a count").arg(step));
      LessonTimer* timer = lesson_ ? lesson_->Timer() : nullptr;
      for (int i = 0; i < n && timer; ++i) timer->Fire();
    } else if (verb == QLatin1String("click")) {
      child<QAbstractButton>(target_, argument)->click();
    } else if (verb == QLatin1String("check")) {
      const auto [name, value] = nameValue(step, argument);
      auto* box = child<QCheckBox>(target_, name);
      if (box->isChecked() != (value != 0)) box->click();
    } else if (verb == QLatin1String("select")) {
      const auto [name, value] = nameValue(step, argument);
      QWidget* group = child<QWidget>(target_, name);
      const QList<QRadioButton*> buttons = group->findChildren<QRadioButton*>();
      if (value < 0 || value >= buttons.size())
        fail(QStringLiteral("%1 has no item %2").arg(name).arg(value));
      buttons[value]->click();
    } else if (verb == QLatin1String("set")) {
      const auto [name, value] = nameValue(step, argument);
      child<QAbstractSlider>(target_, name)->setValue(value);
    } else if (verb == QLatin1String("expose") && argument.isEmpty()) {
      if (lesson_) lesson_->SystemRepaint();
      else target_->update();
    } else if (verb == QLatin1String("menu") && argument.isEmpty()) {
      if (lesson_) lesson_->ReturnButtonClick();
    } else if (verb == QLatin1String("open") && argument.isEmpty()) {
      open();
    } else {
      fail(QStringLiteral("unknown step %1").arg(step));
    }
    settle();
  }

  QWidget* target() const { return target_; }

 private:
  Course& course_;
  LessonWindow* lesson_ = nullptr;
  QWidget* target_ = nullptr;
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

void write(const QString& path, const QByteArray& data) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
    fail(QStringLiteral("cannot write %1").arg(path));
}

}  // namespace

int main(int argc, char* argv[]) {
  QuietenPlatformNotices();
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const Options options = parse(QCoreApplication::arguments());
  InitialiseApplication();
  LessonTimer::SetManual(true);
  SeedRandom(options.seed);

  // The window and the steps' verbs are checked before anything runs, so bad
  // input writes nothing.
  if (options.window != QLatin1String("FMainKavenor") &&
      !FindLesson(options.window.toLatin1().constData()))
    fail(QStringLiteral("unknown window %1").arg(options.window));
  static const QStringList verbs = {"tick", "click", "select", "check", "set", "expose", "menu",
                                    "open"};
  for (const QString& step : options.steps)
    if (!verbs.contains(step.section(QLatin1Char(':'), 0, 0)))
      fail(QStringLiteral("unknown step %1").arg(step));

  Course course;
  Runner runner(course, options.window);

  runner.open();
  for (const QString& step : options.steps) runner.run(step);

  if (!options.png.isEmpty()) {
    const QImage shot = runner.target()->grab().toImage();
    if (!shot.save(options.png, "PNG")) fail(QStringLiteral("cannot write %1").arg(options.png));
  }
  if (!options.widgets.isEmpty())
    write(options.widgets, QJsonDocument(widgetDump(runner.target())).toJson());
  return 0;
}

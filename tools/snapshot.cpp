// kavenor-snapshot: starts the course as the program does (all 37 windows, on
// the offscreen platform), seeds the random generator, opens one window the way
// the menu does, runs a list of steps and writes what a person would see.
//
//   kavenor-snapshot --window NAME [--seed S] [--steps LIST] [--png FILE] [--widgets FILE]
//
// NAME is FMainKavenor or a lesson window FH11 ... FH76. LIST is a
// comma-separated list of steps (course/Steps.h): tick:N, click:OBJECT,
// select:OBJECT=INDEX, check:OBJECT=0|1, set:OBJECT=VALUE, expose, menu, open,
// answer:Yes|No|OK. S is a plain unsigned decimal number.
//
// Bad input, or an output that cannot be written completely: one line on
// stderr, exit code 2, and neither output written or changed: both are
// committed only when both are complete.

#include <QAbstractButton>
#include <QApplication>
#include <QBuffer>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSaveFile>
#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

#include "course/Course.h"
#include "course/Lessons.h"
#include "course/Steps.h"
#include "shell/LessonTimer.h"
#include "shell/Random.h"
#include "shell/TheoryPane.h"

using namespace kavenor;

namespace {

// Bad input or a failed output: the message of the one stderr line. Thrown
// only outside the event loop, so everything unwinds normally.
using Failure = StepFailure;

[[noreturn]] void fail(const QString& message) { throw Failure{message}; }

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
      const auto seed = PlainNumber(value, std::numeric_limits<quint64>::max());
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
  for (const QString& text : options.steps) steps.push_back(ParseStep(text));
  if (options.window != QLatin1String("FMainKavenor") &&
      !FindLesson(options.window.toLatin1().constData()))
    fail(QStringLiteral("unknown window %1").arg(options.window));

  InitialiseApplication();
  LessonTimer::SetManual(true);
  SeedRandom(options.seed);

  Course course;
  StepRunner runner(course, options.window);
  runner.Check(steps);

  runner.Open();
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const Step* next = i + 1 < steps.size() ? &steps[i + 1] : nullptr;
    const bool answered = next && next->verb == Verb::Answer;
    runner.Run(steps[i], answered ? next : nullptr);
    if (answered) ++i;
  }

  Outputs outputs;
  if (!options.png.isEmpty()) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!runner.Target()->grab().toImage().save(&buffer, "PNG"))
      fail(QStringLiteral("cannot encode the picture"));
    outputs.add(options.png, png);
  }
  if (!options.widgets.isEmpty())
    outputs.add(options.widgets, QJsonDocument(widgetDump(runner.Target())).toJson());
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

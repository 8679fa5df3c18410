// kavenor-fuzz: seeded random input against the real course, in process.
//
//   kavenor-fuzz [--seed S] [--events N]   generate N events from seed S and run them
//   kavenor-fuzz --replay FILE             run the events listed in FILE
//
// The events are what a person and the window system give the program:
// clicks at random points and on controls, keys (Tab, Shift+Tab, Space,
// Enter, Escape, End, arrows, letters, Ctrl+A, Ctrl+V, Delete), typing and
// pasting, the wheel, close requests, exposes, focus changes, timer ticks of
// every window, answers to the message boxes, and the lesson tools through
// their shortcuts and menu (Pause, Step, Restart, copying, saving, printing;
// the file and print dialogs are answered in place of the person: a file in
// a folder of the run, a place that cannot be written, or a cancel). Most go where a person's
// input goes (the shown window, its open message box or popup); some go to a
// window of the course chosen at random, hidden or not, as input still queued
// for a window that has just gone would. Windows and their controls are taken
// from the course as it runs, so every lesson of the table is covered.
//
// After every event: exactly one course window is visible (and at most one
// message box of the program beside it), the visible window is the one shown
// last, and the program is alive. On a failure the run stops, prints the seed
// and the event, then shortens the sequence, replaying subsets in fresh
// processes, and prints the shortest sequence found that still fails.

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>
#include <cstdio>
#include <fcntl.h>
#include <iterator>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

#include "course/Course.h"
#include "course/Lessons.h"
#include "shell/LessonTimer.h"
#include "shell/LessonTools.h"
#include "shell/Random.h"

using namespace kavenor;

namespace {

// ---------------------------------------------------------------------------
// Events, as text: one a line, "VERB TARGET ARGS...". TARGET is "shown" (where
// a person's input goes now) or a window name.

struct Event {
  QString verb;    // click, rclick, dclick, control, key, type, paste, wheel,
                   // close, expose, focus, tick, answer, tool
  QString target;  // "shown" or a window name ("other": another application)
  QStringList args;
  QString text() const { return (QStringList{verb, target} + args).join(QLatin1Char(' ')); }
  static Event parse(const QString& line) {
    const QStringList parts = line.split(QLatin1Char(' '));
    Event e;
    e.verb = parts.value(0);
    e.target = parts.value(1);
    e.args = parts.mid(2);
    return e;
  }
};

QStringList windowNames() {
  QStringList names{QStringLiteral("FMainKavenor")};
  for (const LessonEntry& e : Lessons()) names << QString::fromLatin1(e.window);
  return names;
}

// The lesson tools, by the keys that reach them ("menu": Shift+F10).
struct ToolKey {
  const char* name;
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
};
const ToolKey kToolKeys[] = {
    {"pause", Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier},
    {"step", Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier},
    {"restart", Qt::Key_R, Qt::ControlModifier},
    {"copypicture", Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier},
    {"savepicture", Qt::Key_S, Qt::ControlModifier},
    {"copytheory", Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier},
    {"print", Qt::Key_P, Qt::ControlModifier},
    {"menu", Qt::Key_F10, Qt::ShiftModifier},
};
// How the next file or print dialog is answered.
const QStringList kDialogAnswers = {"file", "unwritable", "cancel"};

const QStringList kKeys = {"Tab", "Backtab", "Space", "Return", "Escape", "End", "Home",
                           "Left", "Right", "Up", "Down", "Delete", "A", "V", "x", "7"};

std::vector<Event> generate(quint64 seed, int count) {
  std::mt19937_64 random(seed);
  auto below = [&](int n) { return static_cast<int>(random() % static_cast<quint64>(n)); };
  const QStringList windows = windowNames();
  std::vector<Event> events;
  events.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    Event e;
    // One event in ten goes to a window chosen at random, shown or hidden.
    e.target = below(10) == 0 ? windows[below(static_cast<int>(windows.size()))]
                              : QStringLiteral("shown");
    const int kind = below(106);
    const QString x = QString::number(below(754)), y = QString::number(below(533));
    if (kind < 30) {
      e.verb = "control";
      e.args = {QString::number(below(1000))};
    } else if (kind < 42) {
      e.verb = below(8) == 0 ? (below(2) ? "rclick" : "dclick") : "click";
      e.args = {x, y};
    } else if (kind < 62) {
      e.verb = "key";
      const int mod = below(10);
      e.args = {kKeys[below(static_cast<int>(kKeys.size()))],
                mod == 0 ? "ctrl" : mod == 1 ? "shift" : "none"};
    } else if (kind < 66) {
      e.verb = "type";
      QString word;
      for (int n = 1 + below(8); n > 0; --n) word += QChar('a' + below(26));
      e.args = {word};
    } else if (kind < 70) {
      e.verb = "paste";
      static const char* kinds[] = {"none", "empty", "text", "long"};
      e.args = {kinds[below(4)]};
    } else if (kind < 73) {
      e.verb = "wheel";
      e.args = {x, y, below(2) ? "120" : "-120"};
    } else if (kind < 76) {
      e.verb = "close";
    } else if (kind < 80) {
      e.verb = "expose";
    } else if (kind < 83) {
      e.verb = "focus";
      if (below(3) == 0) e.target = "other";
    } else if (kind < 92) {
      e.verb = "tick";
      e.target = windows[below(static_cast<int>(windows.size()))];
      e.args = {QString::number(1 + below(20))};
    } else if (kind >= 100) {
      e.verb = "tool";
      e.args = {kToolKeys[below(static_cast<int>(std::size(kToolKeys)))].name,
                kDialogAnswers[below(static_cast<int>(kDialogAnswers.size()))]};
    } else {
      e.verb = "answer";
      static const char* answers[] = {"Yes", "No", "OK", "Return", "Escape"};
      e.args = {answers[below(5)]};
    }
    events.push_back(e);
  }
  return events;
}

// ---------------------------------------------------------------------------
// The file and print dialogs of the lesson tools, answered as the last tool
// event said: a file in a folder of the run, a file in a folder that does not
// exist, or a cancel. (The toolkit's own dialogs would need a person.)

class ToolDialogs : public LessonToolDialogs {
 public:
  ToolDialogs() { SetLessonToolDialogs(this); }
  ~ToolDialogs() override { SetLessonToolDialogs(nullptr); }
  QString answer = QStringLiteral("cancel");

  QString PictureFileName(QWidget*, const QString&) override {
    return place(QStringLiteral("picture-%1.png"));
  }
  bool SetUpPrinter(QWidget*, QPrinter& printer) override {
    const QString file = place(QStringLiteral("lesson-%1.pdf"));
    if (file.isEmpty()) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    return true;
  }

 private:
  QString place(const QString& pattern) {
    if (answer == QLatin1String("cancel")) return {};
    const QString name = pattern.arg(++files_ % 4);  // a few files, written over
    return answer == QLatin1String("file") ? folder_.filePath(name)
                                           : folder_.filePath(QStringLiteral("missing/") + name);
  }
  QTemporaryDir folder_;
  int files_ = 0;
};

// ---------------------------------------------------------------------------
// The run: a fresh course, the events one by one, the checks after each.

// Where the child's progress is kept, readable after a crash.
struct Progress {
  int done = 0;
};
Progress* progress = nullptr;

class Driver : public QObject {
 public:
  Driver(Course& course, std::vector<Event> events)
      : course_(course), events_(std::move(events)) {
    windows_ << &course.Menu();
    for (int n = 1; n <= kLessonCount; ++n) windows_ << &course.Lesson(n);
    for (QWidget* w : windows_) w->installEventFilter(this);
    course.Menu().OnExit([this] { ++exits_; });
    other_.setObjectName(QStringLiteral("OtherApplication"));
    other_.setWindowTitle(QStringLiteral("another application"));
    other_.resize(200, 100);
  }

  // Runs every event; the number of the failed one and why, or nothing.
  std::optional<std::pair<int, QString>> run() {
    schedule();
    QCoreApplication::exec();
    return failure_;
  }

  int exits() const { return exits_; }
  int boxes() const { return boxes_; }
  int shownWindows() const { return static_cast<int>(everShown_.size()); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) {
      lastShown_ = static_cast<QWidget*>(watched);
      everShown_.insert(lastShown_);
    }
    return false;
  }

 private:
  // One event a call, each call asking for the next before its event runs:
  // while an event's message box or popup runs its own loop, the next events
  // come from inside that loop.
  void schedule() { QTimer::singleShot(0, this, [this] { step(); }); }

  // What runs its own loop now: a popup or a modal box (or nothing).
  static QWidget* loopOwner() {
    if (QWidget* popup = QApplication::activePopupWidget()) return popup;
    return QApplication::activeModalWidget();
  }

  void step() {
    if (finished_) return;
    // The toolkit's test events process pending events themselves: the next
    // event waits for the one running unless that one opened a box or popup.
    if (!applying_.empty() && applying_.back() == loopOwner()) {
      schedule();
      return;
    }
    if (auto problem = check()) {
      if (!failure_) failure_ = {next_ - 1, *problem};
      finish();
      return;
    }
    if (next_ >= static_cast<int>(events_.size())) {
      finish();
      return;
    }
    const int index = next_++;
    if (progress) progress->done = index;
    if (trace_)
      std::fprintf(stderr, "%d %s\n", index,
                   qPrintable(events_[static_cast<std::size_t>(index)].text()));
    schedule();
    applying_.push_back(loopOwner());
    apply(events_[static_cast<std::size_t>(index)]);
    for (int i = 0; i < 2; ++i) QCoreApplication::processEvents();
    applying_.pop_back();
  }

  // Closes what runs its own loop, then ends the run.
  void finish() {
    if (QWidget* popup = QApplication::activePopupWidget()) {
      popup->close();
      schedule();
      return;
    }
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      box->done(QMessageBox::Cancel);
      schedule();
      return;
    }
    finished_ = true;
    QCoreApplication::exit(0);
  }

  std::optional<QString> check() const {
    QStringList visible;
    for (QWidget* w : windows_)
      if (w->isVisible()) visible << w->objectName();
    int boxes = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
      if (qobject_cast<QMessageBox*>(top) && top->isVisible()) ++boxes;
    if (visible.size() != 1 || boxes > 1)
      return QStringLiteral("%1 course windows visible (%2) and %3 message boxes")
          .arg(visible.size())
          .arg(visible.join(QLatin1Char(' ')))
          .arg(boxes);
    if (lastShown_ && visible.front() != lastShown_->objectName())
      return QStringLiteral("%1 is visible, but %2 was shown last")
          .arg(visible.front(), lastShown_->objectName());
    return std::nullopt;
  }

  QWidget* course(const QString& name) const {
    for (QWidget* w : windows_)
      if (w->objectName() == name) return w;
    return nullptr;
  }

  // Where a person's input goes now: an open popup, the open message box,
  // the window with the keyboard focus, or the visible course window.
  QWidget* shown() const {
    if (QWidget* popup = QApplication::activePopupWidget()) return popup;
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    if (QWidget* active = QApplication::activeWindow()) return active;
    for (QWidget* w : windows_)
      if (w->isVisible()) return w;
    return windows_.front();
  }

  QWidget* targetOf(const Event& e) const {
    if (e.target == QLatin1String("shown")) return shown();
    if (e.target == QLatin1String("other")) return const_cast<QWidget*>(&other_);
    return course(e.target);
  }

  // The window-system window of a top-level widget, made if need be: test
  // events go through it, so the toolkit's own route (modality included)
  // decides where they land.
  static QWindow* handle(QWidget* window) {
    window->winId();
    return window->windowHandle();
  }

  static QList<QWidget*> controls(QWidget* window) {
    QList<QWidget*> out;
    for (QWidget* w : window->findChildren<QWidget*>())
      if (w->isVisibleTo(window) && !w->objectName().startsWith(QLatin1String("qt_")))
        out << w;
    return out;
  }

  static Qt::Key keyOf(const QString& name) {
    static const std::map<QString, Qt::Key> keys = {
        {"Tab", Qt::Key_Tab},       {"Backtab", Qt::Key_Backtab}, {"Space", Qt::Key_Space},
        {"Return", Qt::Key_Return}, {"Escape", Qt::Key_Escape},   {"End", Qt::Key_End},
        {"Home", Qt::Key_Home},     {"Left", Qt::Key_Left},       {"Right", Qt::Key_Right},
        {"Up", Qt::Key_Up},         {"Down", Qt::Key_Down},       {"Delete", Qt::Key_Delete},
        {"A", Qt::Key_A},           {"V", Qt::Key_V},             {"x", Qt::Key_X},
        {"7", Qt::Key_7}};
    const auto it = keys.find(name);
    return it == keys.end() ? Qt::Key_Space : it->second;
  }

  void click(QWidget* window, QPoint at, Qt::MouseButton button, bool twice) {
    // A click on a desktop gives its window the focus first.
    if (window->isVisible() && !QApplication::activeModalWidget() &&
        !QApplication::activePopupWidget())
      window->activateWindow();
    QWindow* w = handle(window);
    if (twice)
      QTest::mouseDClick(w, button, {}, at);
    else
      QTest::mouseClick(w, button, {}, at);
  }

  void apply(const Event& e) {
    const QPointer<QWidget> window = targetOf(e);
    if (!window) return;
    if (trace_)
      std::fprintf(stderr, "  to %s (%s)\n", qPrintable(window->objectName()),
                   window->metaObject()->className());
    const auto arg = [&](int i) { return e.args.value(i).toInt(); };
    if (e.verb == QLatin1String("click") || e.verb == QLatin1String("rclick") ||
        e.verb == QLatin1String("dclick")) {
      const QPoint at(arg(0) % std::max(1, window->width()), arg(1) % std::max(1, window->height()));
      click(window, at, e.verb == QLatin1String("rclick") ? Qt::RightButton : Qt::LeftButton,
            e.verb == QLatin1String("dclick"));
    } else if (e.verb == QLatin1String("control")) {
      const QList<QWidget*> list = controls(window);
      if (list.isEmpty()) return;
      QWidget* c = list[arg(0) % list.size()];
      if (trace_)
        std::fprintf(stderr, "  control %s (%s)\n", qPrintable(c->objectName()),
                     c->metaObject()->className());
      click(window, c->mapTo(window, c->rect().center()), Qt::LeftButton, false);
    } else if (e.verb == QLatin1String("key")) {
      const Qt::KeyboardModifiers mods = e.args.value(1) == QLatin1String("ctrl")
                                             ? Qt::ControlModifier
                                         : e.args.value(1) == QLatin1String("shift")
                                             ? Qt::ShiftModifier
                                             : Qt::NoModifier;
      QTest::keyClick(handle(window), keyOf(e.args.value(0)), mods);
    } else if (e.verb == QLatin1String("type")) {
      for (QChar c : e.args.value(0))
        if (window) QTest::keyClick(handle(window), c.toLatin1());
    } else if (e.verb == QLatin1String("paste")) {
      const QString kind = e.args.value(0);
      if (kind == QLatin1String("none")) {
        QGuiApplication::clipboard()->clear();
      } else {
        auto* data = new QMimeData;
        if (kind == QLatin1String("text")) data->setText(QStringLiteral("the sand settles\n"));
        if (kind == QLatin1String("long"))
          data->setText(QStringLiteral("water flows through the pores of the sand\n").repeated(40));
        QGuiApplication::clipboard()->setMimeData(data);
      }
      QTest::keyClick(handle(window), Qt::Key_V, Qt::ControlModifier);
    } else if (e.verb == QLatin1String("wheel")) {
      const QPointF at(arg(0) % std::max(1, window->width()), arg(1) % std::max(1, window->height()));
      QWheelEvent wheel(at, window->mapToGlobal(at), QPoint(), QPoint(0, arg(2)), Qt::NoButton,
                        Qt::NoModifier, Qt::NoScrollPhase, false);
      if (!blocked(window)) QCoreApplication::sendEvent(handle(window), &wheel);
    } else if (e.verb == QLatin1String("close")) {
      // The window system asks; a window a modal box blocks is not asked.
      if (blocked(window) || !window->isVisible()) return;
      QCloseEvent close;
      QCoreApplication::sendEvent(handle(window), &close);
    } else if (e.verb == QLatin1String("expose")) {
      if (!window->isVisible()) return;
      if (auto* lesson = qobject_cast<LessonWindow*>(window))
        lesson->SystemRepaint();
      else
        window->update();
    } else if (e.verb == QLatin1String("focus")) {
      if (window == &other_) {
        other_.show();
        other_.activateWindow();
      } else if (window->isVisible()) {
        other_.hide();
        window->activateWindow();
      }
    } else if (e.verb == QLatin1String("tick")) {
      if (auto* lesson = qobject_cast<LessonWindow*>(window))
        if (LessonTimer* timer = lesson->Timer())
          for (int i = arg(0); i > 0; --i) timer->Fire();
    } else if (e.verb == QLatin1String("tool")) {
      for (const ToolKey& t : kToolKeys)
        if (e.args.value(0) == QLatin1String(t.name)) {
          dialogs_.answer = e.args.value(1);
          QTest::keyClick(handle(window), t.key, t.modifiers);
        }
    } else if (e.verb == QLatin1String("answer")) {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      ++boxes_;
      const QString answer = e.args.value(0);
      if (answer == QLatin1String("Return") || answer == QLatin1String("Escape")) {
        QTest::keyClick(handle(box), keyOf(answer));
        return;
      }
      const QMessageBox::StandardButton button = answer == QLatin1String("Yes") ? QMessageBox::Yes
                                                 : answer == QLatin1String("No") ? QMessageBox::No
                                                                                 : QMessageBox::Ok;
      if (QAbstractButton* b = box->button(button))
        QTest::mouseClick(handle(box), Qt::LeftButton, {}, b->mapTo(box, b->rect().center()));
    }
  }

  static bool blocked(QWidget* window) {
    QWidget* modal = QApplication::activeModalWidget();
    return modal && modal != window;
  }

  Course& course_;
  ToolDialogs dialogs_;
  std::vector<Event> events_;
  QList<QWidget*> windows_;
  QWidget other_;
  QWidget* lastShown_ = nullptr;
  std::set<QWidget*> everShown_;
  int next_ = 0;
  int exits_ = 0;
  int boxes_ = 0;
  bool finished_ = false;
  std::vector<QPointer<QWidget>> applying_;
  const bool trace_ = qEnvironmentVariableIsSet("KAVENOR_FUZZ_TRACE");
  std::optional<std::pair<int, QString>> failure_;
};

std::vector<Event> readEvents(const QString& path) {
  QFile file(path);
  std::vector<Event> events;
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return events;
  for (const QByteArray& line : file.readAll().split('\n'))
    if (!line.trimmed().isEmpty()) events.push_back(Event::parse(QString::fromUtf8(line.trimmed())));
  return events;
}

bool writeEvents(const QString& path, const std::vector<Event>& events) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
  for (const Event& e : events) file.write(e.text().toUtf8() + '\n');
  return true;
}

// Runs the events in this process; 0 when every check held, 1 otherwise.
int runHere(std::vector<Event> events, bool quiet) {
  InitialiseApplication();
  LessonTimer::SetManual(true);
  SeedRandom(1);
  QElapsedTimer clock;
  clock.start();
  const std::size_t count = events.size();
  int result = 0;
  {
    Course course;
    course.Start();
    Driver driver(course, std::move(events));
    const auto failure = driver.run();
    if (failure) {
      std::printf("fuzz: failed after event %d: %s\n", failure->first + 1,
                  qPrintable(failure->second));
      result = 1;
    } else if (!quiet) {
      std::printf("fuzz: %zu events in %.1f s, %d of %d windows shown, %d message boxes answered, "
                  "%d exits confirmed; every check held\n",
                  count, static_cast<double>(clock.elapsed()) / 1000.0, driver.shownWindows(),
                  kLessonCount + 1, driver.boxes(), driver.exits());
    }
  }
  std::fflush(stdout);
  return result;
}

// ---------------------------------------------------------------------------
// The supervisor: runs the events in a child process, and on a failure
// shortens them by replaying subsets in fresh children.

struct Outcome {
  bool failed = false;
  int reached = 0;  // the event the child was at when it failed
  QString what;
};

Outcome runChild(const QString& self, const QString& file, const QString& progressFile) {
  QFile::remove(progressFile);
  {
    QFile f(progressFile);
    f.open(QIODevice::WriteOnly);
    f.resize(sizeof(Progress));
  }
  QProcess child;
  child.setProcessChannelMode(QProcess::SeparateChannels);
  child.start(self, {"--child", file, progressFile});
  child.waitForFinished(-1);
  Outcome out;
  const QString output = QString::fromLocal8Bit(child.readAllStandardOutput()).trimmed();
  const QString errors = QString::fromLocal8Bit(child.readAllStandardError());
  out.failed = child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0;
  QFile f(progressFile);
  if (f.open(QIODevice::ReadOnly)) {
    Progress p;
    if (f.read(reinterpret_cast<char*>(&p), sizeof p) == sizeof p) out.reached = p.done;
  }
  if (child.exitStatus() != QProcess::NormalExit)
    out.what = QStringLiteral("the program crashed (signal) at event %1").arg(out.reached + 1);
  else if (child.exitCode() != 0)
    out.what = output.isEmpty() ? errors.trimmed().section(QLatin1Char('\n'), -3) : output;
  else
    out.what = output;
  if (out.failed && !errors.trimmed().isEmpty() && child.exitStatus() != QProcess::NormalExit)
    std::fprintf(stderr, "%s", qPrintable(errors.right(4000)));
  return out;
}

int supervise(const QString& self, std::vector<Event> events, const QString& origin) {
  QTemporaryDir dir;
  const QString file = dir.filePath("events"), progressFile = dir.filePath("progress");
  writeEvents(file, events);
  Outcome first = runChild(self, file, progressFile);
  if (!first.failed) {
    std::printf("%s\n", qPrintable(first.what));
    return 0;
  }
  std::printf("fuzz: %s: %s\n", qPrintable(origin), qPrintable(first.what));
  // Shorten: the events up to the failure, then chunks left out while the
  // rest still fails, halving the chunks (within a few minutes at most).
  events.resize(std::min(events.size(), static_cast<std::size_t>(first.reached) + 1));
  QElapsedTimer clock;
  clock.start();
  auto stillFails = [&](const std::vector<Event>& candidate) {
    writeEvents(file, candidate);
    return runChild(self, file, progressFile).failed;
  };
  std::size_t chunk = std::max<std::size_t>(1, events.size() / 2);
  while (chunk >= 1 && clock.elapsed() < 180000) {
    bool removed = false;
    for (std::size_t start = 0; start < events.size() && clock.elapsed() < 180000;) {
      std::vector<Event> candidate(events.begin(), events.begin() + static_cast<long>(start));
      const std::size_t end = std::min(events.size(), start + chunk);
      candidate.insert(candidate.end(), events.begin() + static_cast<long>(end), events.end());
      if (!candidate.empty() && stillFails(candidate)) {
        events = candidate;
        removed = true;
      } else {
        start += chunk;
      }
    }
    if (chunk == 1 && !removed) break;
    if (!removed) chunk /= 2;
  }
  const QString kept = QStringLiteral("kavenor-fuzz-failure.txt");
  writeEvents(kept, events);
  std::printf("fuzz: shortened to %zu events that still fail (kept in %s; replay with "
              "kavenor-fuzz --replay %s):\n",
              events.size(), qPrintable(kept), qPrintable(kept));
  for (const Event& e : events) std::printf("  %s\n", qPrintable(e.text()));
  return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
  QuietenPlatformNotices();
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const QStringList args = QCoreApplication::arguments();

  if (args.value(1) == QLatin1String("--child")) {
    // Keeps the number of the running event where the supervisor can read it
    // after a crash.
    const QByteArray path = args.value(3).toLocal8Bit();
    const int fd = ::open(path.constData(), O_RDWR);
    if (fd >= 0) {
      void* shared = ::mmap(nullptr, sizeof(Progress), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
      if (shared != MAP_FAILED) progress = static_cast<Progress*>(shared);
      ::close(fd);
    }
    const int result = runHere(readEvents(args.value(2)), false);
    if (progress) ::munmap(progress, sizeof(Progress));
    return result;
  }

  quint64 seed = 1;
  int count = 20000;
  QString replay;
  bool list = false;
  for (qsizetype i = 1; i < args.size(); ++i) {
    bool ok = true;
    if (args[i] == QLatin1String("--list"))
      list = true;
    else if (args[i] == QLatin1String("--seed") && i + 1 < args.size())
      seed = args[++i].toULongLong(&ok);
    else if (args[i] == QLatin1String("--events") && i + 1 < args.size())
      count = args[++i].toInt(&ok);
    else if (args[i] == QLatin1String("--replay") && i + 1 < args.size())
      replay = args[++i];
    else
      ok = false;
    if (!ok || count < 0) {
      std::fprintf(stderr, "usage: kavenor-fuzz [--seed S] [--events N] [--list] | --replay FILE\n");
      return 2;
    }
  }
  if (list) {
    for (const Event& e : generate(seed, count)) std::printf("%s\n", qPrintable(e.text()));
    return 0;
  }
  const QString self = QCoreApplication::applicationFilePath();
  if (!replay.isEmpty()) return supervise(self, readEvents(replay), QStringLiteral("replay of %1").arg(replay));
  return supervise(self, generate(seed, count),
                   QStringLiteral("seed %1, %2 events").arg(seed).arg(count));
}

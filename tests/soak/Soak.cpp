// kavenor-soak: every lesson's timer run for a long time, hidden behind the
// menu and then shown, in one process with the whole course.
//
//   kavenor-soak [--hidden-hours H | --hidden-ticks N] [--shown-hours H | --shown-ticks N]
//
// Each lesson of the table in turn: its ticks at its own intervals while it
// is hidden (H simulated hours, or N ticks), then opened from the menu and
// ticked while shown, then back to the menu. Checked:
// - memory: the resident set after the long run stays within a few
//   megabytes of the one after a short run of every lesson;
// - the picture on opening: a lesson whose opening picture does not depend
//   on how long it was hidden (the same after two short runs of different
//   length) shows that same picture after the long run, so no counter ran
//   past the point where the picture stops changing; a lesson that draws
//   shows a picture that is not blank on opening and after the shown run.
// Exit code 0 when every check held, 1 otherwise; the figures are printed.

#include <QApplication>
#include <QFile>
#include <QImage>
#include <cstdio>
#include <optional>
#include <set>

#include "course/Course.h"
#include "course/Lessons.h"
#include "shell/LessonTimer.h"
#include "shell/Random.h"

using namespace kavenor;

namespace {

// Resident set now and at its peak, in kilobytes.
struct Memory {
  long rss = 0, peak = 0;
};
Memory memory() {
  QFile status(QStringLiteral("/proc/self/status"));
  Memory m;
  if (!status.open(QIODevice::ReadOnly | QIODevice::Text)) return m;
  for (const QByteArray& line : status.readAll().split('\n')) {
    const QList<QByteArray> f = line.simplified().split(' ');
    if (f.size() < 2) continue;
    if (f[0] == "VmRSS:") m.rss = f[1].toLong();
    if (f[0] == "VmHWM:") m.peak = f[1].toLong();
  }
  return m;
}

// How long a run lasts: simulated milliseconds, or a number of ticks.
struct Span {
  double hours = 0;
  long ticks = 0;
  bool byTicks() const { return ticks > 0; }
};

// Ticks the timer through the span as the real timer would: each tick
// advances the clock by the interval the timer runs at. A timer that stops
// (disabled, or interval 0) lets the rest of the span pass without ticks.
long run(LessonTimer& timer, const Span& span, bool shown) {
  const double budget = span.hours * 3600.0 * 1000.0;
  double clock = 0;
  long ticks = 0;
  while (timer.Running() && (span.byTicks() ? ticks < span.ticks : clock < budget)) {
    clock += std::max(timer.Interval(), LessonTimer::kShortestInterval);
    timer.Fire();
    ++ticks;
    // A shown window paints what its ticks drew now and then, as the event
    // loop would between ticks; a hidden one only keeps its last figure.
    if (ticks % (shown ? 50 : 20000) == 0) QCoreApplication::processEvents();
  }
  return ticks;
}

bool blank(const QImage& surface, const QRect& area) {
  if (surface.isNull()) return true;
  std::set<QRgb> colours;
  for (int y = area.top(); y <= area.bottom() && colours.size() < 2; ++y)
    for (int x = area.left(); x <= area.right() && colours.size() < 2; ++x)
      colours.insert(surface.pixel(x, y));
  return colours.size() < 2;
}

class Soak {
 public:
  Soak(Course& course) : course_(course) {
    const LayoutMetrics& m = Layout();
    area_ = QRect(m.AreaLeft, m.AreaTop, m.AreaWidth, m.AreaHeight);
  }

  // Hidden for `hidden`, then opened (with the generator reseeded, so the
  // picture depends only on the lesson's state), shown for `shown`, back.
  QImage pass(LessonWindow& lesson, const Span& hidden, const Span& shown, long* hiddenTicks,
              long* shownTicks, QImage* afterShown) {
    LessonTimer* timer = lesson.Timer();
    *hiddenTicks = timer ? run(*timer, hidden, false) : 0;
    SeedRandom(7);
    course_.OpenLesson(lesson.Entry().number);
    settle();
    const QImage opening = lesson.Surface().copy();
    *shownTicks = timer ? run(*timer, shown, true) : 0;
    settle();
    if (afterShown) *afterShown = lesson.Surface().copy();
    lesson.ReturnButtonClick();
    settle();
    return opening;
  }

  bool check(const Span& hidden, const Span& shown) {
    bool ok = true;
    // The short runs: two opening pictures after different hidden spans, and
    // the memory they leave.
    const Span shortHidden{0, 2000}, longerHidden{0, 4000}, shortShown{0, 200};
    std::vector<std::optional<QImage>> steady(kLessonCount);
    for (const LessonEntry& e : Lessons()) {
      LessonWindow& lesson = course_.Lesson(e.number);
      long h = 0, s = 0;
      const QImage first = pass(lesson, shortHidden, shortShown, &h, &s, nullptr);
      const QImage second = pass(lesson, longerHidden, shortShown, &h, &s, nullptr);
      if (first == second) steady[e.number - 1] = first;
    }
    const Memory before = memory();
    std::printf("soak: after the short runs: resident %.1f MB, peak %.1f MB\n", before.rss / 1024.0,
                before.peak / 1024.0);

    for (const LessonEntry& e : Lessons()) {
      LessonWindow& lesson = course_.Lesson(e.number);
      long h = 0, s = 0;
      QImage afterShown;
      const QImage opening = pass(lesson, hidden, shown, &h, &s, &afterShown);
      const Memory now = memory();
      QStringList notes;
      const bool draws = e.make != MakeFrame;
      if (draws && blank(opening, area_)) notes << "blank on opening";
      if (draws && s > 0 && blank(afterShown, area_)) notes << "blank after the shown run";
      const auto& expected = steady[e.number - 1];
      if (expected && opening != *expected)
        notes << "the opening picture differs from the one after the short runs";
      const char* kind = !draws ? "frame" : expected ? "steady" : "animates while hidden";
      std::printf("soak: %s %-8s hidden %9ld ticks, shown %7ld ticks, resident %.1f MB (%s)%s%s\n",
                  e.window, "", h, s, now.rss / 1024.0, kind, notes.isEmpty() ? "" : ": ",
                  qPrintable(notes.join(QStringLiteral(", "))));
      if (!notes.isEmpty()) ok = false;
    }
    const Memory after = memory();
    const double growth = (after.rss - before.rss) / 1024.0;
    const double peakGrowth = (after.peak - before.peak) / 1024.0;
    std::printf("soak: after the long runs: resident %.1f MB (%+.1f MB), peak %.1f MB (%+.1f MB)\n",
                after.rss / 1024.0, growth, after.peak / 1024.0, peakGrowth);
    if (kAddressSanitizer) {
      // Its allocator keeps freed memory in quarantine: the resident set says
      // nothing there, and its leak check at exit takes the bound's place.
      std::printf("soak: memory bound not applied under AddressSanitizer\n");
    } else if (growth > kMegabytes || peakGrowth > kMegabytes) {
      std::printf("soak: memory grew by more than %.0f MB\n", kMegabytes);
      ok = false;
    }
    return ok;
  }

 private:
  static constexpr double kMegabytes = 8;
#ifdef __SANITIZE_ADDRESS__
  static constexpr bool kAddressSanitizer = true;
#else
  static constexpr bool kAddressSanitizer = false;
#endif
  static void settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  }
  Course& course_;
  QRect area_;
};

}  // namespace

int main(int argc, char* argv[]) {
  QuietenPlatformNotices();
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  Span hidden{24, 0}, shown{1, 0};
  const QStringList args = QCoreApplication::arguments();
  bool usable = args.size() % 2 == 1;
  for (qsizetype i = 1; usable && i + 1 < args.size(); i += 2) {
    bool ok = false;
    const double value = args[i + 1].toDouble(&ok);
    usable = ok && value >= 0;
    if (args[i] == QLatin1String("--hidden-hours")) hidden = {value, 0};
    else if (args[i] == QLatin1String("--hidden-ticks")) hidden = {0, static_cast<long>(value)};
    else if (args[i] == QLatin1String("--shown-hours")) shown = {value, 0};
    else if (args[i] == QLatin1String("--shown-ticks")) shown = {0, static_cast<long>(value)};
    else usable = false;
  }
  if (!usable) {
    std::fprintf(stderr, "usage: kavenor-soak [--hidden-hours H | --hidden-ticks N] "
                         "[--shown-hours H | --shown-ticks N]\n");
    return 2;
  }
  InitialiseApplication();
  LessonTimer::SetManual(true);
  SeedRandom(1);
  bool ok = false;
  {
    Course course;
    course.Start();
    ok = Soak(course).check(hidden, shown);
  }
  std::printf("soak: %s\n", ok ? "every check held" : "FAILED");
  return ok ? 0 : 1;
}

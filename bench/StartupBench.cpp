// Start-up. As processes: starting the course (all 37 windows, the menu shown
// and drawn, on the offscreen platform) beside a bare toolkit program that
// shows one empty window; their ratio is the start-up cost a user notices.
// The snapshot tool's start-up, which also writes the menu's picture, is
// shown beside them. In process: creating the 37 windows and showing the
// menu, beside one bare window shown.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>
#include <memory>

#include "course/Course.h"

namespace {

void settle() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

void BM_BareWindow(benchmark::State& state) {
  for (auto _ : state) {
    auto window = std::make_unique<QWidget>();
    window->resize(754, 533);
    window->show();
    settle();
  }
}
BENCHMARK(BM_BareWindow)->Unit(benchmark::kMillisecond);

void BM_CourseStartUp(benchmark::State& state) {
  for (auto _ : state) {
    auto course = std::make_unique<kavenor::Course>();
    course->Start();
    settle();
  }
}
BENCHMARK(BM_CourseStartUp)->Unit(benchmark::kMillisecond);

void runProcess(benchmark::State& state, const QString& program, const QStringList& args) {
  for (auto _ : state) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0) state.SkipWithError("start-up failed");
  }
}

void BM_ProcessBareWindow(benchmark::State& state) {
  runProcess(state, QStringLiteral(KAVENOR_BARE_WINDOW), {});
}
BENCHMARK(BM_ProcessBareWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ProcessCourseStartUp(benchmark::State& state) {
  runProcess(state, QStringLiteral(KAVENOR_COURSE_STARTUP), {});
}
BENCHMARK(BM_ProcessCourseStartUp)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ProcessSnapshotMenu(benchmark::State& state) {
  QTemporaryDir dir;
  runProcess(state, QStringLiteral(KAVENOR_SNAPSHOT),
             {"--window", "FMainKavenor", "--png", dir.filePath("menu.png")});
}
BENCHMARK(BM_ProcessSnapshotMenu)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

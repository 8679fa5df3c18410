#pragma once
// What every program of the course sets up before its first window.

namespace kavenor {

// Font faces, the widget style, the application's look and the guard that
// keeps hidden windows from acting on input; once, before any window is
// created.
void InitialiseApplication();

// Leaves out the platform's notices that say nothing about the course (the
// offscreen platform's unsupported window features, a missing runtime
// folder); for the tests, the benchmarks and the snapshot tool.
void QuietenPlatformNotices();

}  // namespace kavenor

#pragma once
// The course the benchmarks share: made on first use, released by the
// benchmark program's main before the application ends.

#include "course/Course.h"

namespace kavenor::bench {
Course& BenchCourse();
void ReleaseBenchCourse();
}  // namespace kavenor::bench

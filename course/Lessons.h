#pragma once
// The lesson table: the course's composition root. It names every lesson's
// window, captions, menu place, stored timer, pane rule and factory, and so
// drives the menu, the creation order, the snapshot tool, the tests and the
// benchmarks. Adding a lesson is one row here plus its unit in lessons/.

#include "shell/LessonTable.h"

namespace kavenor {

const LessonList& Lessons();
// The row of a window name, or nullptr.
const LessonEntry* FindLesson(const char* window);

}  // namespace kavenor

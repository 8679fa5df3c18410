#pragma once
// TFH54, "Drained test": two drained triaxial tests as families of growing
// Mohr circles, one circle a tick, and the failure line their two circles at
// failure define.

#include <memory>

#include "lessons/shear/CircleTestsLesson.h"

namespace kavenor {

class TFH54 : public CircleTestsLesson {
  Q_OBJECT

 public:
  explicit TFH54(const LessonEntry& entry, QWidget* parent = nullptr);
};

std::unique_ptr<LessonWindow> MakeFH54(const LessonEntry& entry);

}  // namespace kavenor

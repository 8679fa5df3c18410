#pragma once
// TFH55, "Undrained test": two undrained triaxial tests as families of growing
// Mohr circles of effective stress, each shifted to the left of its
// total-stress circle by the pore pressure, one circle a tick, and the
// failure line their two circles at failure define.

#include <memory>

#include "lessons/shear/CircleTestsLesson.h"

namespace kavenor {

class TFH55 : public CircleTestsLesson {
  Q_OBJECT

 public:
  explicit TFH55(const LessonEntry& entry, QWidget* parent = nullptr);
};

std::unique_ptr<LessonWindow> MakeFH55(const LessonEntry& entry);

}  // namespace kavenor

#pragma once
// Window FH65, "Coulomb Passive": the wall is pushed into the soil, the wedge
// behind it rises along a flatter slip line, and the forces on the wedge are
// shown, the shear force now acting down the slope.

#include <memory>

#include "lessons/earthpressure/CoulombWindow.h"

namespace kavenor {

class TFH65 : public CoulombWindow {
 public:
  explicit TFH65(const LessonEntry& entry);

 private:
  void ComposeTheory();
};

std::unique_ptr<LessonWindow> MakeFH65(const LessonEntry& entry);

}  // namespace kavenor

#pragma once
// Window FH64, "Coulomb Active": the wall moves away from the soil, the wedge
// behind it sinks along its slip line, and the forces on the wedge are shown.

#include <memory>

#include "lessons/earthpressure/CoulombWindow.h"

namespace kavenor {

class TFH64 : public CoulombWindow {
 public:
  explicit TFH64(const LessonEntry& entry);

 private:
  void ComposeTheory();
};

std::unique_ptr<LessonWindow> MakeFH64(const LessonEntry& entry);

}  // namespace kavenor

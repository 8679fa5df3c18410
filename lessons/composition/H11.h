#pragma once
// FH11, "Porosity": a random packing of grains beside the definitions of
// porosity, void ratio, saturation, densities and volumetric weights. Every
// repaint the window system asks for packs and shows a new set of grains.

#include <memory>

#include "lessons/composition/Porosity.h"
#include "shell/LessonWindow.h"

namespace kavenor {

class TFH11 : public LessonWindow {
  Q_OBJECT

 public:
  explicit TFH11(const LessonEntry& entry);

  const PorosityModel& Model() const { return model_; }

 protected:
  void FormPaint() override;

 private:
  void ComposeTheory();

  PorosityModel model_;
};

std::unique_ptr<LessonWindow> MakeFH11(const LessonEntry& entry);

}  // namespace kavenor

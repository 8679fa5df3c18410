#include "lessons/composition/CylinderWindow.h"

#include <QPushButton>

#include "shell/LayoutMetrics.h"
#include "shell/Widgets.h"

namespace kavenor {
namespace {

int homeLeft() {
  const LayoutMetrics& m = Layout();
  return (m.AreaWidth - m.ButtonWidth) / 2 + m.AreaLeft;
}

}  // namespace

CylinderGeometry AreaGlass() {
  const LayoutMetrics& m = Layout();
  return CylinderGeometry::Of(m.AreaWidth, m.AreaHeight);
}

std::function<void(Canvas&)> CylinderFigure(const CylinderScene& scene) {
  const LayoutMetrics& m = Layout();
  return [scene, w = m.AreaWidth, h = m.AreaHeight](Canvas& c) { DrawCylinder(c, scene, w, h); };
}

QPushButton* MakeCylinderButton(QWidget* window, const QString& name, const QString& caption) {
  const LayoutMetrics& m = Layout();
  QPushButton* button = MakePushButton(window, name, caption);
  button->setGeometry(homeLeft(), m.AreaTop + m.AreaHeight - 5, m.ButtonWidth, m.ButtonHeight);
  button->hide();
  button->setEnabled(false);
  return button;
}

void SetCylinderButton(QPushButton* button, int shift, bool visible, bool enabled) {
  const int left = homeLeft() + shift;
  if (button->x() != left) button->move(left, button->y());
  button->setEnabled(enabled);
  button->setVisible(visible);
}

}  // namespace kavenor

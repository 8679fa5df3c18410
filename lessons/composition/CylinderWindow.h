#pragma once
// What the windows of the measuring cylinder lessons share: the glass in the
// window's drawing area, its figure, and the push button under it ("Shake",
// "Fill"), centred under the drawing area with its top 5 pixels above the
// area's bottom edge, created hidden and disabled.

#include <QString>
#include <functional>

#include "lessons/composition/Cylinder.h"

class QPushButton;
class QWidget;

namespace kavenor {

// The cylinder in the drawing area of the layout.
CylinderGeometry AreaGlass();
// The drawing of a scene into the drawing area, for ShowFigure.
std::function<void(Canvas&)> CylinderFigure(const CylinderScene& scene);

QPushButton* MakeCylinderButton(QWidget* window, const QString& name, const QString& caption);

// Shows the button as its lesson's model has it: `shift` pixels right of its
// place, visible and enabled or not.
void SetCylinderButton(QPushButton* button, int shift, bool visible, bool enabled);

}  // namespace kavenor

#pragma once
// The push button under the measuring cylinder ("Shake", "Fill"): centred
// under the drawing area, its top 5 pixels above the area's bottom edge,
// created hidden and disabled.

#include <QString>

class QPushButton;
class QWidget;

namespace kavenor {

QPushButton* MakeCylinderButton(QWidget* window, const QString& name, const QString& caption);

// Shows the button as its lesson's model has it: `shift` pixels right of its
// place, visible and enabled or not.
void SetCylinderButton(QPushButton* button, int shift, bool visible, bool enabled);

}  // namespace kavenor

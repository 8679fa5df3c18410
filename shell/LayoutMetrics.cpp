#include "shell/LayoutMetrics.h"

#include "shell/Rounding.h"

namespace kavenor {
namespace {
LayoutMetrics layout;
}

LayoutRules ComputeLayout(int windowWidth, int windowHeight, int panelHeight) {
  LayoutRules rules;
  LayoutMetrics& m = rules.metrics;
  m.FormHeight = kFormHeight;
  m.FormWidth = kFormWidth;
  m.PanelHeight = 32;
  m.SpeedTop = 4;
  m.SpeedHeight = nearest(static_cast<long double>(windowHeight) / 25);
  m.SpeedWidth = m.SpeedHeight;
  m.Margin = 10;
  m.ButtonWidth = nearest(static_cast<long double>(windowWidth) / 8);
  m.ButtonHeight = nearest(static_cast<long double>(windowHeight) / 20);
  m.MenuColumnX = windowWidth - m.ButtonWidth - m.ButtonHeight / 2;
  // Twelve button rows share what the title panel leaves: 3 x 12 + 2 gaps.
  const int rest = m.FormHeight - panelHeight;
  rules.Gap = rest / 38;
  rules.FirstButtonTop = panelHeight + rules.Gap;
  m.ContentBottom = rules.FirstButtonTop + 10 * (m.ButtonHeight + rules.Gap);
  m.AreaTop = rules.Gap + panelHeight;
  m.AreaHeight = nearest(static_cast<long double>(rest) / 2.2L) - m.AreaTop;
  m.AreaLeft = m.Margin;
  m.AreaWidth = nearest(static_cast<long double>(windowWidth) / 2.1L) - 3 * m.AreaLeft;
  return rules;
}

const LayoutMetrics& Layout() { return layout; }
void SetLayout(const LayoutMetrics& metrics) { layout = metrics; }

}  // namespace kavenor

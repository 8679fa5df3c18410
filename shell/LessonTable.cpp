#include "shell/LessonTable.h"

#include "shell/LessonWindow.h"
#include "shell/Rounding.h"

namespace kavenor {

int PaneHeight(const PaneRule& rule, const LayoutMetrics& m) {
  const int standard = m.ContentBottom - nearest(1.2L * m.AreaTop);
  switch (rule.kind) {
    case PaneRule::BelowContent: return m.ContentBottom - nearest(rule.factor * m.AreaTop);
    case PaneRule::OfWindow: return nearest(rule.factor * m.FormHeight);
    case PaneRule::OfStandard: return nearest(rule.factor * standard);
  }
  return standard;
}

std::unique_ptr<LessonWindow> MakeFrame(const LessonEntry& entry) {
  return std::make_unique<LessonWindow>(entry);
}

}  // namespace kavenor

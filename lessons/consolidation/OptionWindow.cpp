#include "lessons/consolidation/OptionWindow.h"

#include "shell/LayoutMetrics.h"
#include "shell/RadioGroup.h"

namespace kavenor {

OptionWindow::OptionWindow(const LessonEntry& entry, const Options& options, Figure figure)
    : LessonWindow(entry), figure_(figure) {
  const LayoutMetrics& m = Layout();
  radioGroup1_ = new RadioGroup(this, QStringLiteral("RadioGroup1"), options.caption,
                                options.items, clYellow, options.width, options.height);
  radioGroup1_->move(m.FormWidth / options.leftDivisor, m.FormHeight / 2);
  radioGroup1_->SetItemIndex(0);
  connect(radioGroup1_, &RadioGroup::Clicked, this, &OptionWindow::FormPaint);
  ConnectPaint();
}

void OptionWindow::FormPaint() {
  const LayoutMetrics& m = Layout();
  ShowFigure([figure = figure_, item = radioGroup1_->ItemIndex(), w = m.AreaWidth,
              h = m.AreaHeight](Canvas& c) { figure(c, item, w, h); });
}

}  // namespace kavenor

#include "lessons/flow/H32.h"

#include <QPushButton>

#include "shell/LayoutMetrics.h"
#include "shell/LessonTimer.h"
#include "shell/TheoryPane.h"
#include "shell/Widgets.h"

namespace kavenor {

TFH32::TFH32(const LessonEntry& entry) : LessonWindow(entry) {
  startButton_ = MakePushButton(this, QStringLiteral("StartButton"), QStringLiteral("Start"));
  connect(startButton_, &QPushButton::clicked, this, &TFH32::StartButtonClick);
  PlaceStartButton();
  ComposeTheory();
  // The reservoir rises one pixel every 500 ms, whatever the stored interval.
  Timer()->SetInterval(500);
  // Until the first tick the window shows the sand at rest rather than an
  // empty drawing area.
  ShowQuicksand();
}

void TFH32::ComposeTheory() {
  constexpr PaneStyle G = PaneStyle::Greek;
  constexpr PaneStyle I = PaneStyle::Index;
  TheoryPane& p = *RichEdit();
  p.ResetPaneStyle();
  p.SetHeading(QStringLiteral("Quicksand."));
  p.AppendLine(QStringLiteral(" "));
  p.AppendLine(QStringLiteral("A soil can be brought to liquefaction by "));
  p.AppendPieces({"an upward flow of groundwater. If the thickness of the sand ",
                  "in the container in the figure is D, the total stress at the ", "bottom is :"});
  p.AppendLine(QStringLiteral("   "));
  p.AppendPieces({{"s = ", G}, {"gD.", G}});
  p.AppendLine(QStringLiteral("The pore water pressure is :"));
  p.AppendLine(QStringLiteral("   p = "));
  p.AppendPieces({{"g", G}, {"w(D+h),", I}});
  p.AppendLine(QStringLiteral("where h is the level of the "));
  p.AppendPieces({"water in the water reservoir above the top of the sand. ",
                  "The effective stress at the bottom of the sand is :"});
  p.AppendLine(QStringLiteral("   "));
  p.AppendPieces({{"s", G}, "'", " = ", {"s-p = (", G}, {"g-", G}, {"g", G}, {"w)D-", I},
                  {"g", G}, {"wh.", I}});
  p.AppendLine(QStringLiteral("This is zero when"));
  p.AppendLine(QStringLiteral("   h = D("));
  p.AppendPieces({{"g-", G}, {"g", G}, {"w)/", I}, {"g", G}, {"w.", I}});
  p.AppendLine(QStringLiteral("When the effective stress is "));
  p.AppendPieces({"zero the soil can not carry any load. It behaves as a heavy ",
                  "fluid, with unit weight ", {"g. A human being ", G},
                  "standing on the soil will sink into ",
                  "the liquefied sand (and float in the heavy fluid)."});
  p.HomeCaret();
}

void TFH32::PlaceStartButton() {
  const LayoutMetrics& m = Layout();
  startButton_->setGeometry(m.AreaLeft + m.AreaWidth / 2 - m.ButtonWidth / 2,
                            m.AreaTop + m.AreaHeight + 20, m.ButtonWidth, m.ButtonHeight);
}

void TFH32::ShowQuicksand() {
  const LayoutMetrics& m = Layout();
  ShowFigure([model = model_, w = m.AreaWidth, h = m.AreaHeight](Canvas& c) {
    DrawQuicksand(c, model, w, h);
  });
}

void TFH32::StartButtonClick() { model_.Start(Layout().AreaHeight); }

void TFH32::TimerTimer() {
  model_.Tick(Layout().AreaHeight);
  PlaceStartButton();
  ShowQuicksand();
}

void TFH32::WayOut() {
  model_.Restart();
  // The next opening shows the lesson back at its start, not the picture it
  // was left with.
  ShowQuicksand();
}

std::unique_ptr<LessonWindow> MakeFH32(const LessonEntry& entry) {
  return std::make_unique<TFH32>(entry);
}

}  // namespace kavenor

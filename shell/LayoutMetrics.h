#pragma once
// The screen-layout values the main menu computes once and every lesson
// window reads. All values are pixels.

namespace kavenor {

struct LayoutMetrics {
  int FormHeight = 0;
  int FormWidth = 0;
  int PanelHeight = 0;
  int SpeedTop = 0;
  int SpeedHeight = 0;
  int SpeedWidth = 0;
  int Margin = 0;
  int ButtonWidth = 0;
  int ButtonHeight = 0;
  int MenuColumnX = 0;
  int ContentBottom = 0;
  int AreaTop = 0;
  int AreaHeight = 0;
  int AreaLeft = 0;
  int AreaWidth = 0;
  friend bool operator==(const LayoutMetrics&, const LayoutMetrics&) = default;
};

// The rules, from the window's outer size and the title panel's height as read
// back from the window system. Also returns the vertical gap between button
// rows and the first button row's top.
struct LayoutRules {
  LayoutMetrics metrics;
  int Gap = 0;
  int FirstButtonTop = 0;
};
LayoutRules ComputeLayout(int windowWidth, int windowHeight, int panelHeight);

// Written once by the main menu's creation; valid for the rest of the run.
const LayoutMetrics& Layout();
void SetLayout(const LayoutMetrics& metrics);

// The outer size every window is given, and the client area that gives inside
// the window frame the layout assumes (3-pixel borders, a 24-pixel caption).
inline constexpr int kFormWidth = 760;
inline constexpr int kFormHeight = 560;
inline constexpr int kClientWidth = kFormWidth - 6;
inline constexpr int kClientHeight = kFormHeight - 27;

}  // namespace kavenor

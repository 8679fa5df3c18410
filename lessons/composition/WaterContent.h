#pragma once
// Water content: a wet soil sample (yellow, speckled with blue water) stands
// in a container on a plate. While the heater is on, every tick turns the
// plate red, shows the warning and paints 100 dry (yellow) specks over the
// sample at random, so the water disappears speck by speck.
//
// The picture is drawn straight on the window, over the drawing area and its
// outline, in window coordinates. What the heater paints adds to what is on
// the screen, so the model keeps what the screen holds of the sample: the
// colour of each pixel a speck can land on (nothing, water or dry), a fixed
// grid, never a list of what was painted. The figure draws that state whole.

#include <cstdint>
#include <vector>

#include "shell/Canvas.h"

namespace kavenor {

// The places of the picture, in window coordinates, for a drawing area at
// (L, T) of W x H.
struct WaterContentGeometry {
  int L = 0, T = 0, W = 0, H = 0;
  int yB = 0;    // table line and bottom of the sample
  int yTop = 0;  // top of the sample
  int xl = 0;    // outer edge of the left container wall
  int xr = 0;    // outer edge of the right container wall
  int t = 0;     // wall thickness
  int sL = 0;    // left of the sample
  int sR = 0;    // right of the sample (exclusive)
};

WaterContentGeometry WaterContentLayout(int L, int T, int W, int H);

// What a speck left on one pixel of the sample.
enum class Speck : std::uint8_t { None, Water, Dry };

inline constexpr int kWaterSpecks = 2000;
inline constexpr int kDrySpecksPerTick = 100;

class WaterContentModel {
 public:
  explicit WaterContentModel(const WaterContentGeometry& geometry);

  const WaterContentGeometry& Geometry() const { return g_; }

  // Set by the heater button, cleared on the way back to the menu.
  bool HeaterOn = false;
  // The plate is red and the warning shows: the heater has ticked since the
  // sample was last drawn wet.
  bool Hot = false;

  // The wet sample, as every repaint and activation draws it: the generator
  // is seeded from the clock, then 2000 water specks land on a fresh sample;
  // the plate is blue again and the warning gone. HeaterOn stays as it is.
  void Wet();
  // One timer tick: with the heater on, the plate heats and 100 dry specks
  // land on the sample; with it off, nothing happens. Returns whether what
  // the picture shows may have changed (once every pixel a speck can reach
  // is dry, ticks still draw their specks but the picture stays the same).
  bool Tick();

  // A speck lands at sL + Random(sR - sL - 1), yTop + Random(yB - yTop - 1):
  // the grid of those places, SpeckColumns() x SpeckRows() from (sL, yTop).
  int SpeckColumns() const { return columns_; }
  int SpeckRows() const { return rows_; }
  // What lies on the pixel (x, y) of the window; None outside the grid.
  Speck At(int x, int y) const;
  // How many pixels of the grid show water.
  int WaterLeft() const;

 private:
  void land(Speck speck, bool& changed);

  WaterContentGeometry g_;
  int columns_ = 0, rows_ = 0;
  std::vector<Speck> specks_;  // columns_ x rows_, row by row
};

// The whole picture for the model's state into a (W + 1) x (H + 1) bitmap
// that covers the drawing area with its outline; the window copies it to
// (L, T).
void DrawWaterContent(Canvas& canvas, const WaterContentModel& model);

}  // namespace kavenor

#pragma once
// Porosity: 250 round grains rain one after another into a box and settle
// into a random packing, an image of the pores between solid particles.
//
// The touch rule: a grain starts a quarter of the box height above the top
// and falls one pixel at a time. After each pixel it counts the earlier grains
// it touches, where grains i and j touch when
//   (xj - xi)^2 + (yj - yi)^2 < (rj + ri)^2 + 10.
// Touching none, it falls on; touching exactly one, it rolls down that
// grain's side, 2 pixels sideways away from the other's centre for each pixel
// of fall; touching two or more, it stops. A grain that falls past the bottom
// rests with its centre at y = H + 1, on the bottom edge.
//
// Every repaint reseeds the generator from the clock and packs a new set.

#include <array>
#include <span>
#include <vector>

#include "shell/Canvas.h"

namespace kavenor {

inline constexpr int kGrainCount = 250;

struct Grain {
  int x = 0;  // centre, bitmap pixels
  int y = 0;
  int r = 0;  // radius
  friend bool operator==(const Grain&, const Grain&) = default;
};

// Drops a grain of radius r at x from the start height (-H) div 4 onto the
// earlier grains and returns where it comes to rest. The result is exactly
// that of the pixel-by-pixel rule; stretches of free fall are passed over in
// one step. If trail is given, it receives the grain's position after every
// pixel of fall, the resting position last.
Grain DropGrain(std::span<const Grain> earlier, int x, int r, int H,
                std::vector<Point>* trail = nullptr);

struct PorosityModel {
  int W = 0;  // the box: the bitmap's size
  int H = 0;
  std::array<Grain, kGrainCount> Grains{};

  // What a repaint does before drawing: seed the generator from the clock,
  // then pack a new set in a box of width x height.
  void Repaint(int width, int height);
  // Packs a new set with the generator as it stands: each grain draws its x
  // in [-(W div 10), W + W div 10) and then its radius in [6, 17].
  void Pack(int width, int height);
};

// The blue box with its black outline and the grains as yellow discs outlined
// in black, later grains over earlier ones.
void DrawPorosity(Canvas& canvas, const PorosityModel& model);

}  // namespace kavenor

#include "shell/Random.h"

#include <chrono>
#include <optional>

namespace kavenor {
namespace {

// splitmix64 both seeds and steps the generator: small, fast and with no
// weak seeds, which is all a drawing of grains needs.
std::uint64_t splitmix(std::uint64_t& s) {
  std::uint64_t z = (s += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

struct Generator {
  std::uint64_t state = 0x2545F4914F6CDD1Dull;
  std::optional<std::uint64_t> seedSource;  // set once explicitly seeded
  std::uint64_t reseeds = 0;
};

Generator& generator() {
  static Generator g;
  return g;
}

}  // namespace

void SeedRandom(std::uint64_t seed) {
  Generator& g = generator();
  g.seedSource = seed;
  g.state = seed;
}

void Randomize() {
  Generator& g = generator();
  if (g.seedSource) {
    g.state = splitmix(*g.seedSource);
    return;
  }
  // The counter keeps two reseeds within one clock tick apart.
  const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  std::uint64_t mix = static_cast<std::uint64_t>(now) ^ (++g.reseeds << 48);
  g.state = splitmix(mix);
}

int Random(int n) {
  if (n <= 0) return 0;
  const std::uint64_t r = splitmix(generator().state);
  // Multiply-shift keeps the draw uniform enough for small n without a modulo.
  return static_cast<int>((static_cast<unsigned __int128>(r) * static_cast<unsigned>(n)) >> 64);
}

double Random() {
  return static_cast<double>(splitmix(generator().state) >> 11) * 0x1.0p-53;
}

}  // namespace kavenor

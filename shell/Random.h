#pragma once
// The program's one random-number generator, shared by every lesson.
//
// Randomize() reseeds it from a high-resolution clock, so two reseeds in a
// row give different sequences. Tests and the snapshot tool call SeedRandom()
// first: from then on Randomize() takes its new seeds from a sequence derived
// from that seed, so every picture is reproducible and yet each reseed still
// starts a fresh sequence.

#include <cstdint>

namespace kavenor {

void SeedRandom(std::uint64_t seed);
void Randomize();
// An integer in [0, n - 1]; 0 when n <= 0.
int Random(int n);
// A real in [0, 1).
double Random();

}  // namespace kavenor

// The game's one source of randomness. Every random decision goes through
// RandomInt or ChancePercent, which draw from a RandomSource the program
// hands in: the time-mixed generator in the game, a seeded one in tests.
#pragma once

#include <cstdint>
#include <memory>

namespace vantrel {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // A uniform value u with 0 <= u < 1.
  virtual double NextUnit() = 0;
};

// The game's generator: before every draw it mixes the time of day into its
// state, so two runs never repeat and draws within one clock tick differ.
class TimeMixedRandom final : public RandomSource {
 public:
  TimeMixedRandom();
  double NextUnit() override;

 private:
  std::uint64_t state_;
};

// A reproducible generator for tests and tools.
class SeededRandom final : public RandomSource {
 public:
  explicit SeededRandom(std::uint64_t seed) : state_(seed) {}
  double NextUnit() override;

 private:
  std::uint64_t state_;
};

// A uniform integer from low to low + span (span 0 or -1 gives low).
std::int16_t RandomInt(RandomSource& rng, std::int16_t low, std::int16_t span);

// True with probability (percent + 1) / 101.
bool ChancePercent(RandomSource& rng, std::int16_t percent);

}  // namespace vantrel

#include "cpu/random.h"

#include <chrono>
#include <cmath>

namespace vantrel {
namespace {

// splitmix64: a small, well-mixed step function.
std::uint64_t Mix(std::uint64_t& state) {
  std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

double ToUnit(std::uint64_t bits) {
  return static_cast<double>(bits >> 11) * (1.0 / 9007199254740992.0);  // 53 bits
}

std::uint64_t TimeOfDayTicks() {
  return static_cast<std::uint64_t>(
      std::chrono::system_clock::now().time_since_epoch().count());
}

}  // namespace

TimeMixedRandom::TimeMixedRandom() : state_(TimeOfDayTicks()) {}

double TimeMixedRandom::NextUnit() {
  // Mixing the clock into the state (not replacing the state with it) keeps
  // draws within one clock tick from repeating a value.
  state_ ^= TimeOfDayTicks();
  return ToUnit(Mix(state_));
}

double SeededRandom::NextUnit() { return ToUnit(Mix(state_)); }

std::int16_t RandomInt(RandomSource& rng, std::int16_t low, std::int16_t span) {
  const double u = rng.NextUnit();
  return static_cast<std::int16_t>(std::floor(low + u * (span + 1)));
}

bool ChancePercent(RandomSource& rng, std::int16_t percent) {
  const int k = static_cast<int>(std::floor(rng.NextUnit() * 101));
  return k <= percent;
}

}  // namespace vantrel

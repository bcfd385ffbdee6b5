// Plays N matches of the real computer player against a scripted player with
// the real engine, headless, checking every invariant on every shot, and
// prints the statistics and the throughput.
//
//   selfplay [matches] [first-seed] [player-skill 0..100]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "engine/self_play.h"
#include "engine/vocabulary.h"

namespace {

int Percentile(std::vector<int> values, double p) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const auto i = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
  return values[i];
}

}  // namespace

int main(int argc, char** argv) {
  const long matches = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 1000;
  const unsigned long long firstSeed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
  const int skill = argc > 3 ? std::atoi(argv[3]) : 100;
  if (matches <= 0 || skill < 0 || skill > 100) {
    std::fprintf(stderr, "usage: selfplay [matches > 0] [first-seed] [player-skill 0..100]\n");
    return 2;
  }

  int playerWins = 0, cpWins = 0, broken = 0;
  std::vector<int> cpShots, playerShots;
  std::map<std::string, long> modes;
  const auto start = std::chrono::steady_clock::now();
  for (long i = 0; i < matches; ++i) {
    vantrel::SelfPlayOptions options;
    options.cpSeed = firstSeed + static_cast<unsigned long long>(i);
    options.playerSeed = (firstSeed + static_cast<unsigned long long>(i)) * 2654435761ull;
    options.playerSkill = skill;
    const vantrel::MatchReport report = vantrel::PlaySelfMatch(options);
    if (!report.violations.empty()) {
      ++broken;
      std::fprintf(stderr, "seed %llu: %s\n", static_cast<unsigned long long>(options.cpSeed), report.violations.front().c_str());
      continue;
    }
    (report.winner == vantrel::side::Player ? playerWins : cpWins) += 1;
    cpShots.push_back(report.cpShots);
    playerShots.push_back(report.playerShots);
    for (const auto& [mode, n] : report.cpShotsByMode) modes[mode] += n;
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  std::printf("matches: %ld (seeds %llu..%llu, player skill %d)\n", matches, firstSeed,
              firstSeed + static_cast<unsigned long long>(matches) - 1, skill);
  std::printf("wins: player %d, computer %d; matches with a broken invariant: %d\n", playerWins,
              cpWins, broken);
  std::printf("computer shots per match: p10 %d, p50 %d, p90 %d, max %d\n", Percentile(cpShots, 0.1),
              Percentile(cpShots, 0.5), Percentile(cpShots, 0.9), Percentile(cpShots, 1.0));
  std::printf("player shots per match:   p10 %d, p50 %d, p90 %d, max %d\n",
              Percentile(playerShots, 0.1), Percentile(playerShots, 0.5),
              Percentile(playerShots, 0.9), Percentile(playerShots, 1.0));
  long total = 0;
  for (const auto& [mode, n] : modes) total += n;
  for (const auto& [mode, n] : modes)
    std::printf("targeting mode %s: %ld shots (%.1f %%)\n", mode.c_str(), n,
                total ? 100.0 * static_cast<double>(n) / static_cast<double>(total) : 0.0);
  std::printf("throughput: %.0f matches per second (%.2f s)\n", static_cast<double>(matches) / seconds,
              seconds);
  return broken == 0 ? 0 : 1;
}

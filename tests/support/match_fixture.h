// A battle without windows: the real engine and computer player wired to a
// headless screen, recording sound and screen switches, and a generator the
// test controls.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <stdexcept>
#include <string>

#include "cpu/random.h"
#include "engine/headless_ports.h"
#include "engine/headless_screen.h"
#include "engine/vocabulary.h"

namespace vantrel::testing {

// Hands out the draws a test queued, and fails the test on any draw it did
// not expect; falls back to a seeded generator once `strict` is off.
class ScriptedRandom final : public RandomSource {
 public:
  std::deque<double> queued;
  bool strict = true;
  int draws = 0;

  double NextUnit() override {
    ++draws;
    if (!queued.empty()) {
      const double u = queued.front();
      queued.pop_front();
      return u;
    }
    if (strict) throw std::logic_error("unexpected random draw #" + std::to_string(draws));
    return fallback_.NextUnit();
  }

  // Queue a ChancePercent draw that lands on k (0..100): true when k <= percent.
  void Chance(int k) { queued.push_back((k + 0.5) / 101.0); }
  void ChanceTrue() { Chance(0); }
  void ChanceFalse() { Chance(100); }
  // Queue a RandomInt(0, span) draw that picks i.
  void Pick(int i, int span) { queued.push_back((i + 0.5) / (span + 1)); }

 private:
  SeededRandom fallback_{12345};
};

class MatchFixture : public ::testing::Test {
 protected:
  MatchFixture() { FillStartUpState(gv, "/game"); }

  // Loads a match with the computer's units at the given cells (combat
  // first), without drawing anything at random for the deployment.
  void LoadWithCpUnits(const std::array<Cell, 4>& combat, const std::array<Cell, 3>& command) {
    random.strict = false;
    screen.Events().Load();
    gv.CpBoard.Fill("");
    for (std::size_t i = 0; i < 4; ++i) {
      gv.CpCombatUnits[i] = UnitSlot{combat[i].col, combat[i].row, true};
      gv.CpBoard(combat[i].col, combat[i].row) = std::string(cell::Combat);
    }
    for (std::size_t i = 0; i < 3; ++i) {
      gv.CpCommandUnits[i] = UnitSlot{command[i].col, command[i].row, true};
      gv.CpBoard(command[i].col, command[i].row) = std::string(cell::Command);
    }
    random.strict = true;
  }

  void Deploy(const std::array<Cell, 3>& command, const std::array<Cell, 4>& combat) {
    screen.Events().CpTurn_Timer();
    for (Cell c : command) screen.Click(GridName::FG_M, c);
    for (Cell c : combat) screen.Click(GridName::FG_M, c);
  }

  // The standard opening used by most tests: the computer's units along the
  // top rows, the player's along the bottom rows; the player's turn is next.
  void StartPlayerTurn() {
    LoadWithCpUnits({Cell{2, 0}, Cell{6, 0}, Cell{10, 0}, Cell{14, 0}},
                    {Cell{4, 2}, Cell{8, 2}, Cell{12, 2}});
    Deploy({Cell{0, 8}, Cell{4, 8}, Cell{8, 8}}, {Cell{12, 8}, Cell{16, 8}, Cell{18, 6}, Cell{2, 6}});
  }

  std::string Path(std::string_view relative) const { return ProgramFile(gv, relative); }

  Gamevariable gv;
  RecordingSound sound;
  FixedSwitches switches;
  ScriptedRandom random;
  RecordingScreens screens;
  HeadlessBattleScreen screen{gv, sound, switches, random, screens};
};

}  // namespace vantrel::testing

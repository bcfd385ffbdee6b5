#include "engine/self_play.h"

#include <algorithm>
#include <set>

#include "cpu/random.h"
#include "engine/headless_ports.h"
#include "engine/headless_screen.h"
#include "engine/shots.h"
#include "engine/vocabulary.h"

namespace vantrel {
namespace {

int CountCode(const CellBoard& board, std::string_view code) {
  int n = 0;
  for (int r = 0; r < MapRows; ++r)
    for (int c = 0; c < MapColumns; ++c) n += board(c, r) == code;
  return n;
}

template <typename Slots>
int CountAlive(const Slots& slots) {
  return static_cast<int>(std::count_if(slots.begin(), slots.end(), [](const UnitSlot& s) { return s.alive; }));
}

// Plays like a careful human: never wastes a shot on a cell that one of its
// misses has ruled out, and follows up its "隣接" marks first.
class ScriptedPlayer {
 public:
  ScriptedPlayer(std::uint64_t seed, int skill) : random_(seed), skill_(skill) {}

  std::vector<Cell> DeploymentCells() {
    std::vector<Cell> cells;
    while (cells.size() < 7) {
      const Cell c{RandomInt(random_, 0, MapColumns - 1), RandomInt(random_, 0, MapRows - 1)};
      if (std::find(cells.begin(), cells.end(), c) == cells.end()) cells.push_back(c);
    }
    return cells;
  }

  Cell NextShot(const CellBoard& seen) {
    std::vector<Cell> open, ruledIn, near;
    for (std::int16_t r = 0; r < MapRows; ++r)
      for (std::int16_t c = 0; c < MapColumns; ++c) {
        if (IsFiredAt(seen(c, r))) continue;
        open.push_back({c, r});
        bool missNearby = false, hintNearby = false;
        for (int dr = -1; dr <= 1; ++dr)
          for (int dc = -1; dc <= 1; ++dc)
            if (OnMap(c + dc, r + dr)) {
              missNearby |= seen(c + dc, r + dr) == cell::Miss;
              hintNearby |= seen(c + dc, r + dr) == cell::Adjacent;
            }
        if (!missNearby) ruledIn.push_back({c, r});
        if (!missNearby && hintNearby) near.push_back({c, r});
      }
    const bool careful = RandomInt(random_, 0, 99) < skill_;
    const std::vector<Cell>& from = careful && !near.empty()      ? near
                                    : careful && !ruledIn.empty() ? ruledIn
                                                                  : open;
    return from.at(static_cast<std::size_t>(RandomInt(random_, 0, static_cast<std::int16_t>(from.size() - 1))));
  }

 private:
  SeededRandom random_;
  int skill_;
};

// What the player can see of the computer's map: only the marks.
CellBoard VisibleMarks(const CellBoard& cpBoard) {
  CellBoard seen;
  for (int r = 0; r < MapRows; ++r)
    for (int c = 0; c < MapColumns; ++c)
      if (IsFiredAt(cpBoard(c, r))) seen(c, r) = cpBoard(c, r);
  return seen;
}

}  // namespace

std::vector<std::string> CheckMatchInvariants(const Gamevariable& gv) {
  std::vector<std::string> broken;
  auto expect = [&](bool ok, const std::string& what) {
    if (!ok) broken.push_back(what);
  };
  const int playerCombat = CountCode(gv.PlayerBoard, cell::Combat);
  const int playerCommand = CountCode(gv.PlayerBoard, cell::Command);
  expect(gv.PlayerCombatCount == playerCombat && CountAlive(gv.PlayerCombatUnits) == playerCombat,
         "player combat count " + std::to_string(gv.PlayerCombatCount) + " vs board " +
             std::to_string(playerCombat));
  expect(gv.PlayerCommandCount == playerCommand && CountAlive(gv.PlayerCommandUnits) == playerCommand,
         "player command count " + std::to_string(gv.PlayerCommandCount) + " vs board " +
             std::to_string(playerCommand));
  expect(gv.CpCombatCount == CountCode(gv.CpBoard, cell::Combat), "computer combat count vs board");
  expect(gv.CpCommandCount == CountCode(gv.CpBoard, cell::Command), "computer command count vs board");
  for (int r = 0; r < MapRows; ++r)
    for (int c = 0; c < MapColumns; ++c) {
      const std::string& code = gv.PlayerBoard(c, r);
      if ((code == cell::Combat || code == cell::Command) && gv.Cp.CpKnowledgeMap(c, r) == -1)
        broken.push_back("intact player unit at (" + std::to_string(c) + ", " + std::to_string(r) +
                         ") is known to the computer");
    }
  return broken;
}

MatchReport PlaySelfMatch(const SelfPlayOptions& options) {
  Gamevariable gv;
  FillStartUpState(gv, "/vantrel");
  SilentSound sound;
  FixedSwitches switches;
  SeededRandom random(options.cpSeed);
  RecordingScreens screens;
  HeadlessBattleScreen screen(gv, sound, switches, random, screens);
  ScriptedPlayer player(options.playerSeed, options.playerSkill);
  MatchReport report;

  screen.Events().Load();
  screen.Events().Activate();
  screen.Events().CpTurn_Timer();  // deployment starts on the first pacing tick
  for (Cell c : player.DeploymentCells()) screen.Click(GridName::FG_M, c);

  std::set<int> firedByCp;
  while (screens.switches.empty()) {
    if (gv.GamePhase == phase::PlayerTurn) {
      screen.Click(GridName::FG_E, player.NextShot(VisibleMarks(gv.CpBoard)));
      ++report.playerShots;
    } else if (gv.GamePhase == phase::CpTurn) {
      const std::string modeBefore = gv.Cp.CpStrategy;
      screen.Events().CpTurn_Timer();
      const Cell target{gv.Cp.CpTargetCol, gv.Cp.CpTargetRow};
      ++report.cpShots;
      ++report.cpShotsByMode[modeBefore == strategy::ForcedScatter ? modeBefore : gv.Cp.CpStrategy];
      if (!firedByCp.insert(target.row * MapColumns + target.col).second)
        report.violations.push_back("the computer fired twice at (" + std::to_string(target.col) +
                                    ", " + std::to_string(target.row) + ")");
    } else {
      report.violations.push_back("match stuck in phase \"" + gv.GamePhase + "\"");
      break;
    }
    for (std::string& v : CheckMatchInvariants(gv)) report.violations.push_back(std::move(v));
    if (report.playerShots > MapCells || report.cpShots > MapCells) {
      report.violations.push_back("match did not end within 171 shots per side");
      break;
    }
    if (!report.violations.empty()) break;
  }
  if (!screens.switches.empty())
    report.winner = screens.switches.front().first == ScreenId::Kor_Continue ? std::string(side::Cp)
                                                                             : std::string(side::Player);
  return report;
}

}  // namespace vantrel

#include <gtest/gtest.h>

#include <set>

#include "cpu/cp_turn.h"
#include "support/match_fixture.h"

namespace vantrel::testing {
namespace {

class CpShot : public MatchFixture {
 protected:
  void SetUp() override {
    StartPlayerTurn();  // player: command (0,8) (4,8) (8,8); combat (12,8) (16,8) (18,6) (2,6)
    gv.GamePhase = std::string(phase::CpTurn);
    sound.calls.clear();
  }
  std::string Fire(std::int16_t col, std::int16_t row) {
    return ExecuteCpShot(screen.Events().Context(), col, row);
  }
  const HeadlessBattleScreen::GridState& Own() const { return screen.Grid(GridName::FG_M); }
};

TEST_F(CpShot, AFullTurnIsFourShots) {
  EXPECT_EQ(Fire(0, 0), result::CpTurn);
  EXPECT_EQ(screen.Caption(LabelName::CPShot), "CPShot\n\r1");
  EXPECT_EQ(screen.VisibleIcons(IconRow::ImageRemShot_E), 3);
  EXPECT_EQ(Fire(5, 0), result::CpTurn);
  EXPECT_EQ(Fire(10, 0), result::CpTurn);
  EXPECT_EQ(Fire(15, 0), result::CpTurnOver);
  EXPECT_EQ(gv.CpShotsThisTurn, 0);
  EXPECT_EQ(gv.CpShotsTotal, 4);
  EXPECT_EQ(screen.VisibleIcons(IconRow::ImageRemShot_P), 4) << "the player's coming turn";
}

TEST_F(CpShot, ATurnIsOneShotShorterForEachCombatUnitThePlayerDestroyed) {
  gv.CpCombatCount = 3;
  EXPECT_EQ(Fire(0, 0), result::CpTurn);
  EXPECT_EQ(Fire(5, 0), result::CpTurn);
  EXPECT_EQ(Fire(10, 0), result::CpTurnOver);
}

TEST_F(CpShot, AMissRulesOutItsBlockAndCountsOnlyInFocus) {
  for (std::string_view mode : {strategy::Scatter, strategy::Focus}) {
    gv.Cp.CpStrategy = std::string(mode);
    gv.Cp.CpFocusMissCount = 0;
    const std::int16_t col = mode == strategy::Scatter ? 5 : 10;
    Fire(col, 1);
    EXPECT_EQ(gv.PlayerBoard(col, 1), cell::Miss);
    EXPECT_EQ(Own().colour(col, 1), gv.MissColor);
    EXPECT_EQ(Own().drawn(col, 1), cell::Miss);
    EXPECT_EQ(gv.Cp.CpKnowledgeMap(col + 1, 2), -1);
    EXPECT_EQ(gv.Cp.CpFocusMissCount, mode == strategy::Focus ? 1 : 0) << mode;
  }
  EXPECT_TRUE(screen.reactions.empty());
}

TEST_F(CpShot, AnAdjacentResultIsRememberedWithTheShotsFiredBeforeIt) {
  Fire(0, 0);
  Fire(1, 7);  // next to the command unit at (0, 8)
  EXPECT_EQ(gv.PlayerBoard(1, 7), cell::Adjacent);
  EXPECT_EQ(gv.Cp.CpLastHintShot, 1);
  EXPECT_EQ(gv.Cp.CpLastHintCol, 1);
  EXPECT_EQ(gv.Cp.CpLastHintRow, 7);
  EXPECT_EQ(gv.Cp.CpKnowledgeMap(0, 8), 1);
}

TEST_F(CpShot, AHitDestroysTheUnitSmilesAndForgetsTheHint) {
  struct Case {
    Cell cell;
    std::string_view result, mark, effect;
  };
  const Case table[] = {{{16, 8}, shot::CombatHit, cell::CombatDestroyed, snd::CombatHit},
                        {{4, 8}, shot::CommandHit, cell::CommandDestroyed, snd::CommandHit}};
  for (const Case& c : table) {
    gv.Cp.CpLastHintShot = 0;
    gv.CpShotsTotal = 7;
    sound.calls.clear();
    Fire(c.cell.col, c.cell.row);
    EXPECT_EQ(gv.PlayerBoard(c.cell.col, c.cell.row), c.mark);
    EXPECT_EQ(gv.Cp.CpLastHintShot, -1);
    EXPECT_EQ(gv.Cp.CpKnowledgeMap(c.cell.col, c.cell.row), -1);
    EXPECT_EQ(screen.reactions.back(), "笑顔");
    EXPECT_EQ(sound.calls.back(), "PlaySnd " + Path(c.effect));
  }
  EXPECT_FALSE(gv.PlayerCombatUnits[1].alive);
  EXPECT_FALSE(gv.PlayerCommandUnits[1].alive);
  EXPECT_TRUE(gv.PlayerCombatUnits[0].alive);
  EXPECT_EQ(gv.PlayerCombatCount, 3);
  EXPECT_EQ(gv.PlayerCommandCount, 2);
  EXPECT_EQ(gv.Cp.CpLastCombatHitShot, 7) << "only a combat hit moves it";
  EXPECT_EQ(screen.VisibleIcons(IconRow::ImageRemSen_M), 3);
  EXPECT_EQ(screen.VisibleIcons(IconRow::ImageRemSiki_M), 2);
}

TEST_F(CpShot, AWinningLastShotOfTheTurnReportsTheWin) {
  Fire(0, 0);
  Fire(4, 8);
  Fire(8, 8);
  EXPECT_EQ(Fire(0, 8), result::CpWon);
  EXPECT_EQ(gv.CpShotsThisTurn, 0);
  EXPECT_EQ(Own().drawn(0, 8), cell::CommandDestroyed) << "drawn before the dispatcher ends the match";
}

TEST_F(CpShot, WithEffectsOffTheShotIsSilentButOtherwiseTheSame) {
  switches.se = true;
  Fire(16, 8);
  EXPECT_TRUE(sound.calls.empty());
  EXPECT_EQ(gv.PlayerCombatCount, 3);
}

TEST(CpDeployment, SevenDifferentCellsAndNeverTheTopLeftCorner) {
  Gamevariable gv;
  FillStartUpState(gv, "/");
  RecordingSound sound;
  FixedSwitches switches;
  SeededRandom random(99);
  RecordingScreens screens;
  HeadlessBattleScreen screen(gv, sound, switches, random, screens);
  GameContext& ctx = screen.Events().Context();
  std::set<int> used;
  for (int match = 0; match < 2000; ++match) {
    DeployCpUnits(ctx);
    std::set<int> cells;
    int combat = 0, command = 0;
    for (const UnitSlot& s : gv.CpCombatUnits) cells.insert(s.row * 19 + s.col), ++combat;
    for (const UnitSlot& s : gv.CpCommandUnits) cells.insert(s.row * 19 + s.col), ++command;
    ASSERT_EQ(cells.size(), 7u);
    ASSERT_EQ(cells.count(0), 0u);
    for (int r = 0; r < MapRows; ++r)
      for (int c = 0; c < MapColumns; ++c) {
        const std::string& code = gv.CpBoard(c, r);
        ASSERT_EQ(code != "", cells.count(r * 19 + c) == 1);
        combat -= code == cell::Combat;
        command -= code == cell::Command;
      }
    EXPECT_EQ(combat, 0);
    EXPECT_EQ(command, 0);
    used.insert(cells.begin(), cells.end());
  }
  EXPECT_EQ(used.size(), 170u) << "every other cell receives units";
}

}  // namespace
}  // namespace vantrel::testing

#include <gtest/gtest.h>

#include "engine/deployment.h"
#include "support/match_fixture.h"

namespace vantrel::testing {
namespace {

class Deployment : public MatchFixture {
 protected:
  void SetUp() override {
    LoadWithCpUnits({Cell{2, 0}, Cell{6, 0}, Cell{10, 0}, Cell{14, 0}},
                    {Cell{4, 2}, Cell{8, 2}, Cell{12, 2}});
    screen.Events().CpTurn_Timer();
    sound.calls.clear();
  }
  const HeadlessBattleScreen::GridState& Map() const { return screen.Grid(GridName::FG_M); }
};

TEST_F(Deployment, PlacesCommandUnitsThenCombatUnitsInClickOrder) {
  const std::array<Cell, 3> command{Cell{0, 0}, Cell{18, 8}, Cell{1, 0}};  // corners, neighbours
  const std::array<Cell, 4> combat{Cell{2, 0}, Cell{3, 0}, Cell{4, 0}, Cell{18, 0}};
  for (Cell c : command) screen.Click(GridName::FG_M, c);
  EXPECT_EQ(gv.GamePhase, phase::CombatDeploy);
  for (Cell c : combat) screen.Click(GridName::FG_M, c);
  EXPECT_EQ(gv.GamePhase, phase::PlayerTurn);

  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(gv.PlayerCommandUnits[i].col, command[i].col);
    EXPECT_EQ(gv.PlayerCommandUnits[i].row, command[i].row);
    EXPECT_TRUE(gv.PlayerCommandUnits[i].alive);
    EXPECT_EQ(gv.PlayerBoard(command[i].col, command[i].row), cell::Command);
    EXPECT_EQ(Map().drawn(command[i].col, command[i].row), cell::Command);
    EXPECT_EQ(Map().colour(command[i].col, command[i].row), gv.CommandColor);
  }
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(gv.PlayerCombatUnits[i].col, combat[i].col);
    EXPECT_EQ(gv.PlayerBoard(combat[i].col, combat[i].row), cell::Combat);
    EXPECT_EQ(Map().colour(combat[i].col, combat[i].row), gv.CombatColor);
  }
  int units = 0;
  for (int r = 0; r < MapRows; ++r)
    for (int c = 0; c < MapColumns; ++c) units += !gv.PlayerBoard(c, r).empty();
  EXPECT_EQ(units, 7);
}

TEST_F(Deployment, EachPlacementPlaysItsEffectFromTheStart) {
  screen.Click(GridName::FG_M, Cell{5, 5});
  EXPECT_EQ(sound.calls, (std::vector<std::string>{"CloseSnd " + Path(snd::Message),
                                                   "PlaySnd " + Path(snd::Message)}));
  screen.Click(GridName::FG_M, Cell{6, 5});
  screen.Click(GridName::FG_M, Cell{7, 5});
  sound.calls.clear();
  screen.Click(GridName::FG_M, Cell{8, 5});
  EXPECT_EQ(sound.calls, (std::vector<std::string>{"CloseSnd " + Path(snd::Adjacent),
                                                   "PlaySnd " + Path(snd::Adjacent)}));
}

TEST_F(Deployment, WithEffectsOffPlacementIsSilentButOtherwiseTheSame) {
  switches.se = true;
  screen.Click(GridName::FG_M, Cell{5, 5});
  EXPECT_TRUE(sound.calls.empty());
  EXPECT_EQ(gv.PlayerBoard(5, 5), cell::Command);
  EXPECT_EQ(gv.PlayerCommandCount, 1);
}

TEST_F(Deployment, AnOccupiedCellIsRefusedAndNothingChanges) {
  screen.Click(GridName::FG_M, Cell{5, 5});
  screen.Click(GridName::FG_M, Cell{6, 5});
  screen.Click(GridName::FG_M, Cell{7, 5});  // combat deployment from here on
  sound.calls.clear();
  const int drawsBefore = Map().drawCount(7, 5);

  for (Cell again : {Cell{7, 5}, Cell{5, 5}}) {  // the same cell, a command unit's cell
    screen.SetCurrentCell(GridName::FG_M, again);
    EXPECT_EQ(PlaceCombatUnit(screen.Events().Context(), GridName::FG_M, gv.PlayerBoard),
              result::AlreadyPlaced);
  }
  EXPECT_TRUE(sound.calls.empty());
  EXPECT_EQ(gv.PlayerCombatCount, 0);
  EXPECT_EQ(gv.PlayerBoard(7, 5), cell::Command);
  EXPECT_EQ(Map().drawCount(7, 5), drawsBefore);
}

TEST_F(Deployment, NothingIsPlacedOnceTheLimitIsReached) {
  GameContext& ctx = screen.Events().Context();
  for (std::int16_t c = 0; c < 3; ++c) {
    screen.SetCurrentCell(GridName::FG_M, Cell{c, 1});
    PlaceCommandUnit(ctx, GridName::FG_M, gv.PlayerBoard);
  }
  screen.SetCurrentCell(GridName::FG_M, Cell{9, 1});
  EXPECT_EQ(PlaceCommandUnit(ctx, GridName::FG_M, gv.PlayerBoard), result::AlreadyPlaced);
  EXPECT_EQ(gv.PlayerBoard(9, 1), "");
  EXPECT_EQ(gv.PlayerCommandCount, 3);
}

TEST_F(Deployment, RedrawCellRefusesAnOffBoardCellBeforeTouchingTheGrid) {
  GameContext& ctx = screen.Events().Context();
  screen.SetCurrentCell(GridName::FG_M, Cell{3, 3});
  EXPECT_THROW(RedrawCell(ctx, 19, 0, gv.PlayerBoard, GridName::FG_M), CellOutOfRange);
  EXPECT_THROW(SetCellColor(ctx, 0, 9, GridName::FG_M, 0), CellOutOfRange);
  EXPECT_EQ(screen.CurrentCell(GridName::FG_M), (Cell{3, 3}));
}

}  // namespace
}  // namespace vantrel::testing

#include <gtest/gtest.h>

#include "engine/dispatch.h"
#include "support/match_fixture.h"

namespace vantrel::testing {
namespace {

class Dispatch : public MatchFixture {
 protected:
  void SetUp() override {
    LoadWithCpUnits({Cell{2, 0}, Cell{6, 0}, Cell{10, 0}, Cell{14, 0}},
                    {Cell{4, 2}, Cell{8, 2}, Cell{12, 2}});
  }
  std::string Command() const { return screen.Caption(LabelName::Label_Command); }
};

TEST_F(Dispatch, TheLoadLeavesTheMatchWaitingForTheFirstTick) {
  EXPECT_EQ(gv.GamePhase, phase::InitDeploy);
  EXPECT_FALSE(screen.LabelVisible(LabelName::Label_Command));
  EXPECT_EQ(screen.Caption(LabelName::StageNo), "Stage 1");
  EXPECT_EQ(screen.Caption(LabelName::CharaNo), "CharaNo \n\r0");
  screen.Click(GridName::FG_M, Cell{5, 5});
  screen.Click(GridName::FG_E, Cell{2, 0});
  EXPECT_EQ(gv.PlayerBoard(5, 5), "") << "clicks before the first tick do nothing";
  EXPECT_EQ(gv.CpBoard(2, 0), cell::Combat);
}

TEST_F(Dispatch, DeploymentWalksThroughItsPromptsAndPhases) {
  screen.Events().CpTurn_Timer();
  EXPECT_EQ(gv.GamePhase, phase::CommandDeploy);
  EXPECT_TRUE(screen.LabelVisible(LabelName::Label_Command));
  EXPECT_EQ(Command(), "指令ユニットを配置してください  残り 3機");

  screen.Click(GridName::FG_M, Cell{0, 8});
  EXPECT_EQ(Command(), "指令ユニットを配置してください  残り 2機");
  screen.Click(GridName::FG_M, Cell{0, 8});  // refused: the prompt is only refreshed
  EXPECT_EQ(Command(), "指令ユニットを配置してください  残り 2機");
  screen.Click(GridName::FG_M, Cell{1, 8});
  screen.Click(GridName::FG_M, Cell{2, 8});
  EXPECT_EQ(gv.GamePhase, phase::CombatDeploy);
  EXPECT_EQ(Command(), "攻撃ユニットを配置してください  残り 4機")
      << "the third command unit goes straight to the combat prompt";

  for (std::int16_t c = 3; c < 6; ++c) screen.Click(GridName::FG_M, Cell{c, 8});
  EXPECT_EQ(Command(), "攻撃ユニットを配置してください  残り 1機");
  EXPECT_TRUE(screen.messages.empty());
  screen.Click(GridName::FG_M, Cell{6, 8});
  EXPECT_EQ(gv.GamePhase, phase::PlayerTurn);
  EXPECT_FALSE(screen.LabelVisible(LabelName::Label_Command));
  EXPECT_EQ(screen.messages, std::vector<std::string>{"ゲームスタート"});
}

TEST_F(Dispatch, EventsOutsideTheirPhasesDoNothing) {
  struct Case {
    std::string_view phase;
    GridName grid;
  };
  // The computer's map during deployment, the player's map during either turn.
  const Case table[] = {{phase::CommandDeploy, GridName::FG_E}, {phase::CombatDeploy, GridName::FG_E},
                        {phase::PlayerTurn, GridName::FG_M},    {phase::CpTurn, GridName::FG_M},
                        {phase::CpTurn, GridName::FG_E},        {phase::InitDeploy, GridName::FG_E}};
  for (const Case& c : table) {
    gv.GamePhase = std::string(c.phase);
    const Gamevariable before = gv;
    random.strict = true;
    screen.Click(c.grid, Cell{2, 0});
    EXPECT_EQ(gv.GamePhase, c.phase);
    EXPECT_EQ(gv.PlayerBoard(2, 0), before.PlayerBoard(2, 0));
    EXPECT_EQ(gv.CpBoard(2, 0), before.CpBoard(2, 0));
    EXPECT_EQ(gv.PlayerShotsTotal, before.PlayerShotsTotal);
  }
  gv.GamePhase = std::string(phase::PlayerTurn);
  screen.Events().CpTurn_Timer();
  EXPECT_EQ(gv.GamePhase, phase::PlayerTurn) << "ticks in the player's turn do nothing";
  gv.PendingEvent = "NoSuchEvent";
  DispatchGameEvent(screen.Events().Context(), GridName::FG_E);
  EXPECT_EQ(gv.GamePhase, phase::PlayerTurn);
}

TEST_F(Dispatch, TheTurnsAlternateOnTheLastShotOfEach) {
  Deploy({Cell{0, 8}, Cell{4, 8}, Cell{8, 8}}, {Cell{12, 8}, Cell{16, 8}, Cell{18, 6}, Cell{2, 6}});
  for (std::int16_t row = 4; row < 8; ++row) screen.Click(GridName::FG_E, Cell{18, row});
  EXPECT_EQ(gv.GamePhase, phase::CpTurn);
  random.strict = false;
  for (int shot = 0; shot < 3; ++shot) {
    screen.Events().CpTurn_Timer();
    EXPECT_EQ(gv.GamePhase, phase::CpTurn) << "one computer shot per tick";
  }
  screen.Events().CpTurn_Timer();
  EXPECT_EQ(gv.CpShotsTotal, 4);
  EXPECT_EQ(gv.GamePhase, phase::PlayerTurn);
}

TEST_F(Dispatch, APlayerWinRevealsTheRestThenShowsTheResultThenTheReward) {
  gv.CharacterIndex = 1;
  Deploy({Cell{0, 8}, Cell{4, 8}, Cell{8, 8}}, {Cell{12, 8}, Cell{16, 8}, Cell{18, 6}, Cell{2, 6}});
  screen.onResultBox = [&](const std::string&) {
    EXPECT_EQ(gv.GamePhase, phase::Decided) << "the match is decided before the box opens";
    EXPECT_EQ(screen.Grid(GridName::FG_E).drawn(2, 0), cell::Combat) << "revealed before the box";
    EXPECT_TRUE(screens.switches.empty());
    // clicks and ticks while the box is open change nothing
    screen.Click(GridName::FG_E, Cell{18, 0});
    screen.Events().CpTurn_Timer();
    EXPECT_EQ(gv.CpBoard(18, 0), "");
  };
  for (Cell c : {Cell{4, 2}, Cell{8, 2}, Cell{12, 2}}) screen.Click(GridName::FG_E, c);
  EXPECT_EQ(screen.resultBoxes, std::vector<std::string>{"You Win"});
  ASSERT_EQ(screens.switches.size(), 1u);
  EXPECT_EQ(screens.switches[0].first, ScreenId::Kor_OmakeCG1A);
  EXPECT_EQ(screens.switches[0].second, ScreenId::Kor_Main);
  EXPECT_EQ(screen.Grid(GridName::FG_E).drawn(4, 2), cell::CommandDestroyed);
  EXPECT_EQ(screen.Grid(GridName::FG_E).drawCount(18, 0), 0) << "cells never fired at keep their tile";
}

TEST_F(Dispatch, TheStageRewardFollowsCharacterAndStage) {
  const std::array<std::array<ScreenId, 3>, 3> viewers{{
      {ScreenId::Kor_OmakeCG0A, ScreenId::Kor_OmakeCG0B, ScreenId::Kor_OmakeCG0C},
      {ScreenId::Kor_OmakeCG1A, ScreenId::Kor_OmakeCG1B, ScreenId::Kor_OmakeCG1C},
      {ScreenId::Kor_OmakeCG2A, ScreenId::Kor_OmakeCG2B, ScreenId::Kor_OmakeCG2C},
  }};
  for (std::int16_t c = 0; c < 3; ++c)
    for (std::int16_t s = 0; s < 3; ++s) {
      screens.switches.clear();
      gv.CharacterIndex = c;
      gv.StageIndex = s;
      gv.PendingEvent = std::string(event::PLAYER_Win);
      DispatchGameEvent(screen.Events().Context(), std::nullopt);
      ASSERT_EQ(screens.switches.size(), 1u);
      EXPECT_EQ(screens.switches[0].first, viewers[c][s]);
    }
  screens.switches.clear();
  gv.StageIndex = 3;
  gv.PendingEvent = std::string(event::PLAYER_Win);
  DispatchGameEvent(screen.Events().Context(), std::nullopt);
  EXPECT_TRUE(screens.switches.empty()) << "an impossible stage leaves the window as it is";
}

TEST_F(Dispatch, SurrenderDuringDeploymentRevealsThenLosesThenContinues) {
  screen.Events().CpTurn_Timer();
  screen.onResultBox = [&](const std::string& text) {
    EXPECT_EQ(text, "You Lose");
    for (Cell c : {Cell{2, 0}, Cell{6, 0}, Cell{10, 0}, Cell{14, 0}})
      EXPECT_EQ(screen.Grid(GridName::FG_E).drawn(c.col, c.row), cell::Combat);
    for (Cell c : {Cell{4, 2}, Cell{8, 2}, Cell{12, 2}})
      EXPECT_EQ(screen.Grid(GridName::FG_E).drawn(c.col, c.row), cell::Command);
    EXPECT_EQ(gv.GamePhase, phase::Decided);
    screen.Click(GridName::FG_M, Cell{5, 5});
    EXPECT_EQ(gv.PlayerBoard(5, 5), "") << "no deployment behind the box";
  };
  screen.Events().Surrender_Click();
  EXPECT_EQ(screen.resultBoxes, std::vector<std::string>{"You Lose"});
  ASSERT_EQ(screens.switches.size(), 1u);
  EXPECT_EQ(screens.switches[0], std::pair(ScreenId::Kor_Continue, ScreenId::Kor_Main));
}

TEST_F(Dispatch, SurrenderDuringTheComputersTurnStopsItsShots) {
  Deploy({Cell{0, 8}, Cell{4, 8}, Cell{8, 8}}, {Cell{12, 8}, Cell{16, 8}, Cell{18, 6}, Cell{2, 6}});
  for (std::int16_t row = 4; row < 8; ++row) screen.Click(GridName::FG_E, Cell{18, row});
  ASSERT_EQ(gv.GamePhase, phase::CpTurn);
  screen.onResultBox = [&](const std::string&) {
    random.strict = true;  // any computer shot would draw
    screen.Events().CpTurn_Timer();
    EXPECT_EQ(gv.CpShotsTotal, 0);
  };
  screen.Events().Surrender_Click();
  EXPECT_EQ(gv.CpShotsTotal, 0);
}

TEST_F(Dispatch, TheOuterDispatchKeepsItsOwnEventName) {
  // The nested dispatch of "PLAYER_Win" overwrites PendingEvent; the outer
  // "FG_E_Click" dispatch must not then act on the new name.
  Deploy({Cell{0, 8}, Cell{4, 8}, Cell{8, 8}}, {Cell{12, 8}, Cell{16, 8}, Cell{18, 6}, Cell{2, 6}});
  for (Cell c : {Cell{4, 2}, Cell{8, 2}, Cell{12, 2}}) screen.Click(GridName::FG_E, c);
  EXPECT_EQ(screen.resultBoxes.size(), 1u) << "the win is handled exactly once";
  EXPECT_EQ(screens.switches.size(), 1u);
}

TEST_F(Dispatch, AComputerWinComesAfterItsWinningShotIsDrawn) {
  Deploy({Cell{0, 8}, Cell{4, 8}, Cell{8, 8}}, {Cell{12, 8}, Cell{16, 8}, Cell{18, 6}, Cell{2, 6}});
  // Leave the player a single command unit, then let the computer find it.
  for (Cell c : {Cell{0, 8}, Cell{4, 8}}) gv.PlayerBoard(c.col, c.row) = std::string(cell::CommandDestroyed);
  gv.PlayerCommandUnits[0].alive = gv.PlayerCommandUnits[1].alive = false;
  gv.PlayerCommandCount = 1;
  gv.GamePhase = std::string(phase::CpTurn);
  gv.Cp.CpStrategy = std::string(strategy::Scatter);
  // Scatter over every cell, all unknown: the entry of (8, 8) is its linear index.
  random.Pick(8 * MapColumns + 8, MapCells - 1);
  screen.onResultBox = [&](const std::string& text) {
    EXPECT_EQ(text, "You Lose");
    EXPECT_EQ(screen.Grid(GridName::FG_M).drawn(8, 8), cell::CommandDestroyed);
  };
  screen.Events().CpTurn_Timer();
  EXPECT_EQ(screen.resultBoxes, std::vector<std::string>{"You Lose"});
  EXPECT_EQ(screens.switches.at(0).first, ScreenId::Kor_Continue);
}

}  // namespace
}  // namespace vantrel::testing

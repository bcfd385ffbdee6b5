#include <gtest/gtest.h>

#include "engine/shots.h"
#include "support/match_fixture.h"

namespace vantrel::testing {
namespace {

struct ClassifyCase {
  const char* name;
  std::vector<std::pair<Cell, std::string_view>> board;
  Cell shot;
  std::string_view expected;
};

class ClassifyShotTable : public ::testing::TestWithParam<ClassifyCase> {};

TEST_P(ClassifyShotTable, ReportsWhatTheCellAndItsNeighboursHold) {
  CellBoard board;
  for (auto& [c, code] : GetParam().board) board(c.col, c.row) = std::string(code);
  EXPECT_EQ(ClassifyShot(GetParam().shot.col, GetParam().shot.row, board), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClassifyShotTable,
    ::testing::Values(
        ClassifyCase{"combat_unit", {{{5, 5}, cell::Combat}}, {5, 5}, shot::CombatHit},
        ClassifyCase{"command_unit", {{{5, 5}, cell::Command}}, {5, 5}, shot::CommandHit},
        ClassifyCase{"diagonal_neighbour", {{{6, 6}, cell::Command}}, {5, 5}, shot::Adjacent},
        ClassifyCase{"two_cells_away", {{{7, 5}, cell::Combat}}, {5, 5}, shot::Miss},
        ClassifyCase{"next_to_destroyed_combat", {{{4, 5}, cell::CombatDestroyed}}, {5, 5}, shot::Adjacent},
        ClassifyCase{"next_to_destroyed_command", {{{5, 4}, cell::CommandDestroyed}}, {5, 5}, shot::Adjacent},
        ClassifyCase{"marks_do_not_count",
                     {{{4, 4}, cell::Miss}, {{6, 6}, cell::Adjacent}}, {5, 5}, shot::Miss},
        ClassifyCase{"corner_sees_its_block", {{{1, 1}, cell::Combat}}, {0, 0}, shot::Adjacent},
        ClassifyCase{"corner_does_not_wrap",
                     {{{18, 0}, cell::Combat}, {{0, 8}, cell::Command}, {{18, 8}, cell::Command}},
                     {0, 0}, shot::Miss},
        ClassifyCase{"bottom_right_corner", {{{17, 7}, cell::Command}}, {18, 8}, shot::Adjacent},
        ClassifyCase{"edge_does_not_wrap_rows", {{{9, 0}, cell::Combat}}, {9, 8}, shot::Miss},
        ClassifyCase{"edge_neighbour", {{{17, 4}, cell::Combat}}, {18, 3}, shot::Adjacent}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WriteShotMark, WritesTheMarkOfEachResultAndNothingForOtherText) {
  const std::pair<std::string_view, std::string_view> table[] = {
      {shot::Miss, cell::Miss},
      {shot::Adjacent, cell::Adjacent},
      {shot::CombatHit, cell::CombatDestroyed},
      {shot::CommandHit, cell::CommandDestroyed},
      {"PLAYER_TURN", cell::Combat}};
  for (auto [result, mark] : table) {
    CellBoard board;
    board(3, 3) = std::string(cell::Combat);
    WriteShotMark(3, 3, board, result);
    EXPECT_EQ(board(3, 3), mark) << result;
  }
  CellBoard board;
  EXPECT_THROW(WriteShotMark(19, 0, board, shot::Miss), CellOutOfRange);
}

TEST(CheckVictory, ASideWinsWhenEitherKindOfTheOtherSideIsGone) {
  struct Case {
    int cpCombat, cpCommand, plCombat, plCommand;
    std::string_view player, cp;
  };
  const Case table[] = {
      {4, 3, 4, 3, result::Undecided, result::Undecided},
      {0, 3, 4, 3, result::Won, result::Undecided},
      {4, 0, 4, 3, result::Won, result::Undecided},
      {1, 1, 0, 3, result::Undecided, result::Won},
      {1, 1, 4, 0, result::Undecided, result::Won},
  };
  for (const Case& c : table) {
    Gamevariable gv;
    gv.CpCombatCount = static_cast<std::int16_t>(c.cpCombat);
    gv.CpCommandCount = static_cast<std::int16_t>(c.cpCommand);
    gv.PlayerCombatCount = static_cast<std::int16_t>(c.plCombat);
    gv.PlayerCommandCount = static_cast<std::int16_t>(c.plCommand);
    EXPECT_EQ(CheckVictory(gv, side::Player), c.player);
    EXPECT_EQ(CheckVictory(gv, side::Cp), c.cp);
    EXPECT_EQ(CheckVictory(gv, "player"), "") << "the side names are exact";
  }
}

class PlayerShot : public MatchFixture {
 protected:
  void SetUp() override {
    StartPlayerTurn();
    sound.calls.clear();
  }
  std::string Fire(Cell c) {
    screen.SetCurrentCell(GridName::FG_E, c);
    return ExecutePlayerShot(screen.Events().Context(), GridName::FG_E);
  }
  const HeadlessBattleScreen::GridState& Enemy() const { return screen.Grid(GridName::FG_E); }
};

TEST_F(PlayerShot, AHitMarksColoursCountsAndAngersTheOpponent) {
  EXPECT_EQ(Fire(Cell{2, 0}), result::PlayerTurn);
  EXPECT_EQ(gv.CpBoard(2, 0), cell::CombatDestroyed);
  EXPECT_EQ(Enemy().drawn(2, 0), cell::CombatDestroyed);
  EXPECT_EQ(Enemy().colour(2, 0), gv.CombatColor);
  EXPECT_EQ(gv.CpCombatCount, 3);
  EXPECT_EQ(screen.VisibleIcons(IconRow::ImageRemSen_E), 3);
  EXPECT_EQ(screen.VisibleIcons(IconRow::ImageRemSiki_E), 3);
  EXPECT_EQ(screen.reactions, std::vector<std::string>{"怒り"});
  EXPECT_EQ(screen.Caption(LabelName::PLShot), "PLShot\n\r1");
  EXPECT_EQ(screen.VisibleIcons(IconRow::ImageRemShot_P), 3);
  EXPECT_EQ(sound.calls, (std::vector<std::string>{"CloseSnd " + Path(snd::CombatHit),
                                                   "PlaySnd " + Path(snd::CombatHit)}));
}

TEST_F(PlayerShot, EachResultLeavesItsMarkColourAndSound) {
  struct Case {
    Cell cell;
    std::string_view result, mark, effect;
    Colour colour;
  };
  const Case table[] = {
      {{18, 5}, shot::Miss, cell::Miss, snd::Miss, gv.MissColor},
      {{3, 1}, shot::Adjacent, cell::Adjacent, snd::Adjacent, gv.AdjacentColor},
      {{4, 2}, shot::CommandHit, cell::CommandDestroyed, snd::CommandHit, gv.CommandColor},
  };
  for (const Case& c : table) {
    sound.calls.clear();
    Fire(c.cell);
    EXPECT_EQ(gv.CpBoard(c.cell.col, c.cell.row), c.mark) << c.result;
    EXPECT_EQ(Enemy().colour(c.cell.col, c.cell.row), c.colour) << c.result;
    EXPECT_EQ(sound.calls.back(), "PlaySnd " + Path(c.effect)) << c.result;
  }
  EXPECT_EQ(screen.reactions.size(), 1u) << "only the hit angers the opponent";
}

TEST_F(PlayerShot, ACellAlreadyFiredAtIsRefusedAndTheShotIsKept) {
  Fire(Cell{18, 5});
  for (Cell again : {Cell{18, 5}}) {
    sound.calls.clear();
    EXPECT_EQ(Fire(again), result::ShotRefused);
    EXPECT_TRUE(sound.calls.empty());
  }
  Fire(Cell{3, 1});
  Fire(Cell{2, 0});
  for (Cell marked : {Cell{3, 1}, Cell{2, 0}}) EXPECT_EQ(Fire(marked), result::ShotRefused);
  EXPECT_EQ(gv.PlayerShotsTotal, 3);
  EXPECT_EQ(gv.PlayerShotsThisTurn, 3);
}

TEST_F(PlayerShot, TheTurnEndsAfterAsManyShotsAsCombatUnitsLeft) {
  gv.PlayerCombatCount = 3;  // the computer has destroyed one
  gv.PlayerBoard(2, 6) = std::string(cell::CombatDestroyed);
  EXPECT_EQ(Fire(Cell{18, 4}), result::PlayerTurn);
  EXPECT_EQ(screen.VisibleIcons(IconRow::ImageRemShot_P), 2);
  EXPECT_EQ(Fire(Cell{18, 5}), result::PlayerTurn);
  EXPECT_EQ(Fire(Cell{18, 6}), result::PlayerTurnOver);
  EXPECT_EQ(gv.PlayerShotsThisTurn, 0);
  EXPECT_EQ(screen.VisibleIcons(IconRow::ImageRemShot_E), 4) << "the computer's coming turn";
}

class LastUnitOfAKind : public PlayerShot,
                        public ::testing::WithParamInterface<std::array<Cell, 4>> {};

TEST_P(LastUnitOfAKind, WinsEvenWithUnitsOfTheOtherKindLeft) {
  const std::array<Cell, 4> shots = GetParam();
  for (std::size_t i = 0; i + 1 < shots.size(); ++i) EXPECT_EQ(Fire(shots[i]), result::PlayerTurn);
  EXPECT_EQ(Fire(shots.back()), result::PlayerWon) << "not PLAYER_TURN終了: the win replaces it";
  EXPECT_EQ(gv.PlayerShotsThisTurn, 0) << "the winning shot was also the turn's last";
}

INSTANTIATE_TEST_SUITE_P(Kinds, LastUnitOfAKind,
                         ::testing::Values(
                             // the third command unit, with combat units left
                             std::array<Cell, 4>{Cell{4, 2}, Cell{8, 2}, Cell{18, 4}, Cell{12, 2}},
                             // the fourth combat unit, with command units left
                             std::array<Cell, 4>{Cell{2, 0}, Cell{6, 0}, Cell{10, 0}, Cell{14, 0}}));

TEST_F(PlayerShot, StaysUndecidedWhileBothComputerCountsAreAboveZero) {
  Fire(Cell{2, 0});
  Fire(Cell{4, 2});
  EXPECT_EQ(CheckVictory(gv, side::Player), result::Undecided);
}

TEST_F(PlayerShot, ShotsAreRefusedOutsideThePlayersTurn) {
  for (std::string_view p : {phase::InitDeploy, phase::CombatDeploy, phase::CpTurn, phase::Decided}) {
    gv.GamePhase = std::string(p);
    EXPECT_EQ(Fire(Cell{2, 0}), result::ShotRefused) << p;
  }
  EXPECT_EQ(gv.CpBoard(2, 0), cell::Combat);
}

}  // namespace
}  // namespace vantrel::testing

#include <gtest/gtest.h>

#include "engine/match_state.h"
#include "engine/vocabulary.h"

namespace vantrel {
namespace {

TEST(StartUpState, FillsTheCharacterTableAndConstants) {
  Gamevariable gv;
  gv.CharacterIndex = 2;
  gv.ScreenSwitching = true;
  FillStartUpState(gv, "/opt/vantrel");

  EXPECT_EQ(gv.CharacterTable[1].PortraitFile, "\\img\\Chara-1.bmp");
  EXPECT_EQ(gv.CharacterTable[0].ReactionLines[1], "えーっ、ひどいですわぁ");
  EXPECT_EQ(gv.CharacterTable[2].ReactionLines[2], "あれ、、、怒っちゃったかな？");
  for (const CharacterProfile& p : gv.CharacterTable) {
    EXPECT_EQ(p.ReactionLines[0], "") << "a normal face never says anything";
    EXPECT_EQ(p.ReactionHoldTicks, 14);
  }
  EXPECT_EQ(gv.MsgTopShow, 4360);
  EXPECT_EQ(gv.MsgHoldInterval, 2000);
  EXPECT_EQ(gv.AdjacentColor, RGB(255, 200, 200));
  EXPECT_EQ(gv.CommandColor, 0x0000FFFFu) << "colours are 0x00BBGGRR";
  EXPECT_EQ(gv.CharacterIndex, 0);
  EXPECT_FALSE(gv.ScreenSwitching);
}

TEST(ResetMatchState, GivesANewMatchItsInitialValues) {
  Gamevariable gv;
  gv.PlayerBoard(3, 4) = std::string(cell::Combat);
  gv.CpBoard(18, 8) = std::string(cell::Miss);
  gv.PlayerCombatCount = 2;
  gv.CpShotsTotal = 40;
  ResetMatchState(gv);

  for (int r = 0; r < MapRows; ++r)
    for (int c = 0; c < MapColumns; ++c) {
      EXPECT_EQ(gv.PlayerBoard(c, r), "");
      EXPECT_EQ(gv.CpBoard(c, r), "");
    }
  EXPECT_EQ(gv.PlayerCombatCount, 0);
  EXPECT_EQ(gv.PlayerCommandCount, 0);
  EXPECT_EQ(gv.CpCombatCount, 4) << "the computer's counts are full before its units are placed";
  EXPECT_EQ(gv.CpCommandCount, 3);
  EXPECT_EQ(gv.CpShotsTotal, 0);
}

TEST(Board, AnOffBoardCellFailsLoudlyWithTheCellInTheMessage) {
  CellBoard board;
  for (auto [c, r] : {std::pair{19, 0}, {0, 9}, {-1, 3}}) {
    try {
      board(c, r) = "x";
      FAIL() << "no error for (" << c << ", " << r << ")";
    } catch (const CellOutOfRange& e) {
      EXPECT_NE(std::string(e.what()).find("(" + std::to_string(c) + ", " + std::to_string(r) + ")"),
                std::string::npos);
    }
  }
  EXPECT_NO_THROW(board(18, 8) = "ok");
}

TEST(Counters, SixteenBitArithmeticNeverWrapsSilently) {
  std::int16_t n = 32766;
  AddChecked(n, 1);
  EXPECT_EQ(n, 32767);
  EXPECT_THROW(AddChecked(n, 1), std::overflow_error);
  EXPECT_EQ(n, 32767);
}

TEST(ProgramFile, JoinsTheProgramDirectoryAndTheRelativePath) {
#ifdef _WIN32
  EXPECT_EQ(ProgramFile(std::string("C:\\game"), snd::Miss), "C:\\game\\snd\\ハズレ.WAV");
#else
  EXPECT_EQ(ProgramFile(std::string("/game"), snd::Miss), "/game/snd/ハズレ.WAV");
  EXPECT_EQ(ProgramFile(std::string("/game"), img::Sprites), "/game/img/×▲爆発[指]爆発[戦].bmp");
#endif
}

TEST(Vocabulary, TheComputerTurnPhaseIsNotTheComputerShotResult) {
  EXPECT_NE(phase::CpTurn, result::CpTurn);
}

}  // namespace
}  // namespace vantrel

// Whole runs with the real battle screen: matches played out shot by shot,
// won and lost, through the bonus pages, the continue screen and the title.
#include <QLabel>

#include "front/window_fixture.h"
#include "engine/vocabulary.h"
#include "ui/battle/kor_main.h"

namespace vantrel::testing {
namespace {

using S = ScreenId;

class RealBattleRun : public WindowFixture {
 protected:
  RealBattleRun() { realBattle = true; }

  Kor_Main& Main() const {
    auto* battle = dynamic_cast<Kor_Main*>(Window(S::Kor_Main));
    if (!battle) throw std::logic_error("the battle screen is not loaded");
    return *battle;
  }
  std::string StageCaption() const {
    return Main().findChild<QLabel*>("StageNo")->text().toStdString();
  }

  // Places the player's seven units along the bottom row, then fires at the
  // computer's three command units, which wins within the first turn.
  void WinMatch() {
    Kor_Main& battle = Main();
    battle.Events().CpTurn_Timer();
    for (std::int16_t i = 0; i < 7; ++i) {
      battle.SetCurrentCell(GridName::FG_M, Cell{static_cast<std::int16_t>(2 * i), 8});
      battle.Events().FG_M_Click();
    }
    ASSERT_EQ(gv.GamePhase, phase::PlayerTurn);
    std::vector<Cell> commandUnits;
    for (std::int16_t row = 0; row < MapRows; ++row)
      for (std::int16_t col = 0; col < MapColumns; ++col)
        if (gv.CpBoard(col, row) == cell::Command) commandUnits.push_back(Cell{col, row});
    ASSERT_EQ(commandUnits.size(), 3u);
    for (Cell target : commandUnits) {
      battle.SetCurrentCell(GridName::FG_E, target);
      battle.Events().FG_E_Click();
    }
    Settle();
  }
};

TEST_F(RealBattleRun, ThreeWonMatchesFourPagesAndTheTitleAgain) {
  Start();
  Click(S::Kor_Sub, "Command5");
  for (int stage = 0; stage < 3; ++stage) {
    ASSERT_EQ(Shown(), S::Kor_Main);
    EXPECT_EQ(StageCaption(), "Stage " + std::to_string(stage + 1));
    WinMatch();
    ASSERT_EQ(Shown(), ViewerScreen(1, stage)) << "stage " << stage + 1;
    EXPECT_EQ(dialogs.results.back(), "You Win");
    MouseClick(ViewerScreen(1, stage), "Image1");
  }
  MouseClick(S::Kor_OmakeCG1C, "Image2");
  ASSERT_EQ(Shown(), S::Kor_OmakeCG1D);
  EXPECT_NE(SettingsFileText().find("CH1=1"), std::string::npos);
  MouseClick(S::Kor_OmakeCG1D, "Image1");
  ASSERT_EQ(Shown(), S::Kor_Sub);

  Click(S::Kor_Sub, "Command5");
  EXPECT_EQ(StageCaption(), "Stage 1");
  EXPECT_EQ(dialogs.quitQuestions, 0);
}

TEST_F(RealBattleRun, ASurrenderedMatchIsReplayedAtTheSameStage) {
  Start();
  Click(S::Kor_Sub, "Command6");
  WinMatch();
  MouseClick(S::Kor_OmakeCG2A, "Image1");
  ASSERT_EQ(StageCaption(), "Stage 2");

  Main().Surrender_Click();
  Settle();
  EXPECT_EQ(dialogs.results.back(), "You Lose");
  ASSERT_EQ(Shown(), S::Kor_Continue);
  MouseClick(S::Kor_Continue, "Image2");
  ASSERT_EQ(Shown(), S::Kor_Main);
  EXPECT_EQ(StageCaption(), "Stage 2");
  EXPECT_EQ(gv.CharacterIndex, 2);
  EXPECT_EQ(gv.GamePhase, phase::InitDeploy) << "a fresh match";

  Main().Surrender_Click();
  Settle();
  MouseClick(S::Kor_Continue, "Image3");
  ASSERT_EQ(Shown(), S::Kor_Sub);
  EXPECT_EQ(gv.StageIndex, 0);
}

TEST_F(RealBattleRun, TheBattlesReturnToTheTitleSilencesAllAndShowsTheTitle) {
  Start();
  Click(S::Kor_Sub, "Command4");
  sound.calls.clear();
  Main().RetTitle_Click();
  Settle();
  EXPECT_EQ(Shown(), S::Kor_Sub);
  ASSERT_FALSE(sound.calls.empty());
  EXPECT_EQ(sound.calls.front(), "CloseAllSnd");
  EXPECT_EQ(dialogs.quitQuestions, 0);
}

}  // namespace
}  // namespace vantrel::testing

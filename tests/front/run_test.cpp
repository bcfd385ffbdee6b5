// Whole runs through the windows: three won stages, the four bonus pages
// and back to the title; a lost match and the continue choice; and the
// sound of every switch along the way.
#include "front/window_fixture.h"
#include "engine/vocabulary.h"
#include "ui/gallery/kor_omake_cg.h"

namespace vantrel::testing {
namespace {

using S = ScreenId;
using Calls = std::vector<std::string>;

class RunTest : public WindowFixture {
 protected:
  Kor_OmakeCG& Viewer(S id) const {
    auto* viewer = dynamic_cast<Kor_OmakeCG*>(Window(id));
    if (!viewer) throw std::logic_error("the viewer is not loaded");
    return *viewer;
  }
  std::string Omake() const { return Music(snd::OmakeBGM); }
  std::string Main() const { return Music(snd::MainBGM); }
};

const char* const kCharacterButton[3] = {"Command4", "Command5", "Command6"};

TEST_F(RunTest, ACharactersFullRunEndsOnTheTitleWithTheCharacterCleared) {
  for (int c = 0; c < 3; ++c) {
    battleLoads.clear();
    Start();
    Click(S::Kor_Sub, kCharacterButton[c]);
    for (int stage = 0; stage < 2; ++stage) {
      ASSERT_EQ(Shown(), S::Kor_Main);
      Battle().Win();
      const S page = ViewerScreen(c, stage);
      ASSERT_EQ(Shown(), page);
      MouseClick(page, "Image1");
    }
    ASSERT_EQ(Shown(), S::Kor_Main);
    Battle().Win();
    const S pageC = ViewerScreen(c, 2);
    ASSERT_EQ(Shown(), pageC);
    EXPECT_EQ(SettingsFileText().find("CH" + std::to_string(c)), std::string::npos)
        << "page C records nothing";
    MouseClick(pageC, "Image1");  // stops the scroll, shows the second picture
    EXPECT_EQ(Shown(), pageC);
    MouseClick(pageC, "Image2");
    ASSERT_EQ(Shown(), ViewerScreen(c, 3));
    EXPECT_NE(SettingsFileText().find("CH" + std::to_string(c) + "=1"), std::string::npos);
    EXPECT_EQ(gv.StageIndex, 0);
    MouseClick(ViewerScreen(c, 3), "Image1");
    ASSERT_EQ(Shown(), S::Kor_Sub);
    EXPECT_EQ(gv.StageIndex, 0);
    EXPECT_EQ(battleLoads, (std::vector<std::pair<int, int>>{{c, 0}, {c, 1}, {c, 2}}));

    // The same character again starts from the first stage.
    Click(S::Kor_Sub, kCharacterButton[c]);
    EXPECT_EQ(battleLoads.back(), std::make_pair(c, 0));
    Battle().Lose();
    MouseClick(S::Kor_Continue, "Image3");
    // The gallery button comes up as soon as the third character is cleared.
    EXPECT_EQ(Button(S::Kor_Sub, "Command_Omake")->isVisible(), c == 2);
  }
  EXPECT_EQ(dialogs.quitQuestions, 0);
}

TEST_F(RunTest, ALostMatchReplaysTheSameStageOrGivesUpForTheTitle) {
  Start();
  Click(S::Kor_Sub, "Command6");
  Battle().Win();
  MouseClick(S::Kor_OmakeCG2A, "Image1");
  ASSERT_EQ(battleLoads.back(), std::make_pair(2, 1));
  Window(S::Kor_Main)->move(200, 150);

  Battle().Lose();
  EXPECT_EQ(Shown(), S::Kor_Continue);
  EXPECT_EQ(Window(S::Kor_Continue)->pos(), QPoint(200, 150));
  EXPECT_EQ(Window(S::Kor_Main), nullptr) << "the lost match is gone";

  MouseClick(S::Kor_Continue, "Image2");  // yes
  EXPECT_EQ(Shown(), S::Kor_Main);
  EXPECT_EQ(battleLoads.back(), std::make_pair(2, 1)) << "the same character and stage again";
  EXPECT_EQ(battleLoads.size(), 3u) << "a fresh match";

  Battle().Lose();
  MouseClick(S::Kor_Continue, "Image3");  // no
  EXPECT_EQ(Shown(), S::Kor_Sub);
  EXPECT_EQ(gv.StageIndex, 0);
  EXPECT_EQ(gv.CharacterIndex, 2);
  EXPECT_EQ(dialogs.quitQuestions, 0);
}

TEST_F(RunTest, EachSwitchOfARunSoundsAsItShould) {
  Start();
  EXPECT_EQ(TakeSoundCalls(), Calls{"CloseAllSnd"});

  Click(S::Kor_Sub, "Command4");
  EXPECT_EQ(TakeSoundCalls(), (Calls{"CloseAllSnd", "PlaySnd " + Main()}));

  // Battle to page A: the page's music starts, then the battle's sounds go.
  Battle().Win();
  EXPECT_EQ(TakeSoundCalls(),
            (Calls{"PlaySnd " + Omake(), "CloseEffectSnds", "CloseSnd " + Main()}));
  EXPECT_TRUE(Viewer(S::Kor_OmakeCG0A).TimerSnd().isActive());
  EXPECT_EQ(Viewer(S::Kor_OmakeCG0A).TimerSnd().interval(), 500);

  // Page A to the next battle.
  MouseClick(S::Kor_OmakeCG0A, "Image1");
  EXPECT_EQ(TakeSoundCalls(),
            (Calls{"CloseAllSnd", "PlaySnd " + Main(), "CloseSnd " + Omake()}));

  Battle().Win();
  TakeSoundCalls();
  MouseClick(S::Kor_OmakeCG0B, "Image1");
  TakeSoundCalls();
  Battle().Win();
  EXPECT_EQ(TakeSoundCalls(),
            (Calls{"PlaySnd " + Omake(), "CloseEffectSnds", "CloseSnd " + Main()}));

  // Page C into page D: the music runs on, nothing restarts, no loop on D.
  MouseClick(S::Kor_OmakeCG0C, "Image1");
  MouseClick(S::Kor_OmakeCG0C, "Image2");
  EXPECT_EQ(TakeSoundCalls(), Calls{});
  EXPECT_FALSE(Viewer(S::Kor_OmakeCG0D).TimerSnd().isActive());

  // Page D to the title: the title silences everything, then D lets go.
  MouseClick(S::Kor_OmakeCG0D, "Image1");
  EXPECT_EQ(TakeSoundCalls(), (Calls{"CloseAllSnd", "CloseSnd " + Omake()}));

  // Title to the gallery and one page there and back.
  WriteSettingsFile("[CLR]\nCH0=1\nCH1=1\nCH2=1\n");
  Title().Form_Activate();
  TakeSoundCalls();
  Click(S::Kor_Sub, "Command_Omake");
  EXPECT_EQ(TakeSoundCalls(), Calls{"CloseAllSnd"});
  Click(S::Kor_OmakeMode, "Command_Omake(3)");
  EXPECT_EQ(TakeSoundCalls(), Calls{"PlaySnd " + Omake()}) << "page D from the gallery plays";
  EXPECT_TRUE(Viewer(S::Kor_OmakeCG0D).TimerSnd().isActive());
  MouseClick(S::Kor_OmakeCG0D, "Image1");
  EXPECT_EQ(TakeSoundCalls(), (Calls{"CloseAllSnd", "CloseSnd " + Omake()}));
  Click(S::Kor_OmakeMode, "Command_Omake(2)");
  MouseClick(S::Kor_OmakeCG0C, "Image1");
  TakeSoundCalls();
  MouseClick(S::Kor_OmakeCG0C, "Image2");
  EXPECT_EQ(TakeSoundCalls(), Calls{"CloseAllSnd"}) << "page C lets its music play; the menu stops it";

  // Battle to the continue screen and back to the title.
  Click(S::Kor_OmakeMode, "Command_Exit");
  EXPECT_EQ(TakeSoundCalls(), Calls{"CloseAllSnd"});
  Click(S::Kor_Sub, "Command5");
  TakeSoundCalls();
  Battle().Lose();
  EXPECT_EQ(TakeSoundCalls(), (Calls{"CloseEffectSnds", "CloseSnd " + Main()}));
  MouseClick(S::Kor_Continue, "Image3");
  EXPECT_EQ(TakeSoundCalls(), Calls{"CloseAllSnd"});
}

TEST_F(RunTest, WithTheMusicSwitchSetNoViewerPlaysOrLoops) {
  Start();
  Click(S::Kor_Sub, "CheckBGM");
  Click(S::Kor_Sub, "Command5");
  for (int stage = 0; stage < 2; ++stage) {
    Battle().Win();
    EXPECT_FALSE(Viewer(ViewerScreen(1, stage)).TimerSnd().isActive());
    MouseClick(ViewerScreen(1, stage), "Image1");
  }
  Battle().Win();
  EXPECT_FALSE(Viewer(S::Kor_OmakeCG1C).TimerSnd().isActive());
  for (const std::string& call : sound.calls) EXPECT_EQ(call.find("PlaySnd"), std::string::npos) << call;
}

TEST_F(RunTest, TheViewersMusicLoopRestartsOnlyMusicThatHasStopped) {
  Start();
  Click(S::Kor_Sub, "Command4");
  Battle().Win();
  Kor_OmakeCG& page = Viewer(S::Kor_OmakeCG0A);
  TakeSoundCalls();
  sound.modeAnswer = "PLAYING";
  page.TimerSnd_Timer();
  EXPECT_EQ(TakeSoundCalls(), Calls{"GetSndMode " + Omake()});
  sound.modeAnswer = "STOPPED";
  page.TimerSnd_Timer();
  EXPECT_EQ(TakeSoundCalls(), (Calls{"GetSndMode " + Omake(), "CloseSnd " + Omake(), "PlaySnd " + Omake()}));
}

}  // namespace
}  // namespace vantrel::testing

// Where each screen leads, and what happens to the stage on the way.
#include <gtest/gtest.h>

#include "engine/headless_ports.h"
#include "engine/match_state.h"
#include "engine/progression.h"

namespace vantrel {
namespace {

using S = ScreenId;

class ProgressionTest : public ::testing::Test {
 protected:
  ProgressionTest() { FillStartUpState(gv, "/game"); }
  std::pair<S, S> OnlySwitch() const {
    EXPECT_EQ(screens.switches.size(), 1u);
    return screens.switches.empty() ? std::pair<S, S>{} : screens.switches.front();
  }
  Gamevariable gv;
  RecordingScreens screens;
};

TEST_F(ProgressionTest, ChoosingACharacterAlwaysStartsAtTheFirstStage) {
  for (int c = 0; c < 3; ++c) {
    gv.StageIndex = 2;
    ChooseCharacter(gv, c);
    EXPECT_EQ(gv.CharacterIndex, c);
    EXPECT_EQ(gv.StageIndex, 0);
  }
  EXPECT_THROW(ChooseCharacter(gv, 3), std::out_of_range);
}

// Outside the gallery, a character's run: each row is one page being left.
struct RewardStep {
  S viewer;
  int character, stageBefore;
  S leadsTo;
  int stageAfter;
};

class RewardSequence : public ProgressionTest, public ::testing::WithParamInterface<RewardStep> {};

TEST_P(RewardSequence, LeavingAPageLeadsOnAndMovesTheStage) {
  const RewardStep& step = GetParam();
  gv.GalleryMode = false;
  gv.CharacterIndex = static_cast<std::int16_t>(step.character);
  gv.StageIndex = static_cast<std::int16_t>(step.stageBefore);
  const auto page = ViewerIdentity(step.viewer);
  ASSERT_TRUE(page);
  ASSERT_EQ(page->character, step.character);
  switch (page->page) {
    case BonusPage::A:
    case BonusPage::B: NextFromPageAB(gv, screens, step.viewer); break;
    case BonusPage::C: NextFromPageC(gv, screens, step.viewer); break;
    case BonusPage::D: NextFromPageD(gv, screens, step.viewer); break;
  }
  EXPECT_EQ(OnlySwitch(), std::make_pair(step.leadsTo, step.viewer));
  EXPECT_EQ(gv.StageIndex, step.stageAfter);
  EXPECT_EQ(gv.CharacterIndex, step.character);
}

INSTANTIATE_TEST_SUITE_P(AllCharacters, RewardSequence, ::testing::Values(
    RewardStep{S::Kor_OmakeCG0A, 0, 0, S::Kor_Main, 1},
    RewardStep{S::Kor_OmakeCG0B, 0, 1, S::Kor_Main, 2},
    RewardStep{S::Kor_OmakeCG0C, 0, 2, S::Kor_OmakeCG0D, 0},
    RewardStep{S::Kor_OmakeCG0D, 0, 0, S::Kor_Sub, 0},
    RewardStep{S::Kor_OmakeCG1A, 1, 0, S::Kor_Main, 1},
    RewardStep{S::Kor_OmakeCG1B, 1, 1, S::Kor_Main, 2},
    RewardStep{S::Kor_OmakeCG1C, 1, 2, S::Kor_OmakeCG1D, 0},
    RewardStep{S::Kor_OmakeCG1D, 1, 0, S::Kor_Sub, 0},
    RewardStep{S::Kor_OmakeCG2A, 2, 0, S::Kor_Main, 1},
    RewardStep{S::Kor_OmakeCG2B, 2, 1, S::Kor_Main, 2},
    RewardStep{S::Kor_OmakeCG2C, 2, 2, S::Kor_OmakeCG2D, 0},
    RewardStep{S::Kor_OmakeCG2D, 2, 0, S::Kor_Sub, 0}),
    [](const auto& info) {
      return "character" + std::to_string(info.param.character) + "_page" +
             std::string(1, static_cast<char>('A' + info.index % 4));
    });

TEST_F(ProgressionTest, InTheGalleryEveryPageLeadsBackToTheMenuAndNoStageMoves) {
  gv.GalleryMode = true;
  gv.CharacterIndex = 1;
  for (int c = 0; c < 3; ++c)
    for (int p = 0; p < 4; ++p) {
      screens.switches.clear();
      gv.StageIndex = 1;
      const S viewer = ViewerScreen(c, p);
      if (p < 2) NextFromPageAB(gv, screens, viewer);
      else if (p == 2) NextFromPageC(gv, screens, viewer);
      else NextFromPageD(gv, screens, viewer);
      EXPECT_EQ(OnlySwitch(), std::make_pair(S::Kor_OmakeMode, viewer)) << c << p;
      EXPECT_EQ(gv.StageIndex, 1) << c << p;
      EXPECT_EQ(gv.CharacterIndex, 1);
    }
}

TEST_F(ProgressionTest, ContinueYesReplaysTheStageAndNoGivesUpForTheTitle) {
  gv.CharacterIndex = 2;
  gv.StageIndex = 2;
  ContinueYes(screens);
  EXPECT_EQ(OnlySwitch(), std::make_pair(S::Kor_Main, S::Kor_Continue));
  EXPECT_EQ(gv.StageIndex, 2);
  EXPECT_EQ(gv.CharacterIndex, 2);

  screens.switches.clear();
  ContinueNo(gv, screens);
  EXPECT_EQ(OnlySwitch(), std::make_pair(S::Kor_Sub, S::Kor_Continue));
  EXPECT_EQ(gv.StageIndex, 0);
}

TEST_F(ProgressionTest, GalleryButtonsOpenThePageOfTheirRow) {
  // Index 4 x character + page; the rows on screen are characters 0, 2, 1.
  const S expected[12] = {S::Kor_OmakeCG0A, S::Kor_OmakeCG0B, S::Kor_OmakeCG0C, S::Kor_OmakeCG0D,
                          S::Kor_OmakeCG1A, S::Kor_OmakeCG1B, S::Kor_OmakeCG1C, S::Kor_OmakeCG1D,
                          S::Kor_OmakeCG2A, S::Kor_OmakeCG2B, S::Kor_OmakeCG2C, S::Kor_OmakeCG2D};
  for (int i = 0; i < 12; ++i) {
    screens.switches.clear();
    OpenGalleryPage(screens, i);
    EXPECT_EQ(OnlySwitch(), std::make_pair(expected[i], S::Kor_OmakeMode)) << i;
  }
  EXPECT_THROW(GalleryButtonTarget(12), std::out_of_range);
  EXPECT_THROW(GalleryButtonTarget(-1), std::out_of_range);

  screens.switches.clear();
  LeaveGallery(screens);
  EXPECT_EQ(OnlySwitch(), std::make_pair(S::Kor_Sub, S::Kor_OmakeMode));
}

TEST_F(ProgressionTest, OnlyTheTwelveViewersHaveAPage) {
  EXPECT_FALSE(ViewerIdentity(S::Kor_Sub));
  EXPECT_FALSE(ViewerIdentity(S::Kor_Main));
  EXPECT_FALSE(ViewerIdentity(S::Kor_Continue));
  EXPECT_FALSE(ViewerIdentity(S::Kor_OmakeMode));
  const auto last = ViewerIdentity(S::Kor_OmakeCG2D);
  ASSERT_TRUE(last);
  EXPECT_EQ(last->character, 2);
  EXPECT_EQ(last->page, BonusPage::D);
}

}  // namespace
}  // namespace vantrel

// Closing a window by its frame: every window but the title asks first;
// いいえ keeps the window as it was, はい silences everything and ends the
// program. A window closed by a screen switch never asks.
#include "front/window_fixture.h"
#include "ui/gallery/kor_omake_cg.h"

namespace vantrel::testing {
namespace {

using S = ScreenId;

class ClosingTest : public WindowFixture, public ::testing::WithParamInterface<int> {
 public:
  void ReachContinue() {
    Click(S::Kor_Sub, "Command4");
    Battle().Lose();
  }
  void ReachGallery() {
    WriteSettingsFile("[CLR]\nCH0=1\nCH1=1\nCH2=1\n");
    Title().Form_Activate();
    Click(S::Kor_Sub, "Command_Omake");
  }
  void ReachPageAInARun() {
    Click(S::Kor_Sub, "Command5");
    Battle().Win();
  }
  void ReachPageCFromTheGallery() {
    ReachGallery();
    Click(S::Kor_OmakeMode, "Command_Omake(10)");
  }
  void ReachPageDFromTheGallery() {
    ReachGallery();
    Click(S::Kor_OmakeMode, "Command_Omake(3)");
  }
};

struct WindowKind {
  const char* name;
  S window;
  void (ClosingTest::*reach)();
};

const WindowKind kKinds[] = {
    {"continue", S::Kor_Continue, &ClosingTest::ReachContinue},
    {"gallery menu", S::Kor_OmakeMode, &ClosingTest::ReachGallery},
    {"page A in a run", S::Kor_OmakeCG1A, &ClosingTest::ReachPageAInARun},
    {"page C from the gallery", S::Kor_OmakeCG2C, &ClosingTest::ReachPageCFromTheGallery},
    {"page D from the gallery", S::Kor_OmakeCG0D, &ClosingTest::ReachPageDFromTheGallery},
};

TEST_P(ClosingTest, NoKeepsTheWindowAndYesEndsTheProgramInSilence) {
  const WindowKind& kind = kKinds[GetParam()];
  Start();
  (this->*kind.reach)();
  ASSERT_EQ(Shown(), kind.window) << kind.name;
  const int questionsBefore = dialogs.quitQuestions;
  EXPECT_EQ(questionsBefore, 0) << "switching never asks";

  auto* viewer = dynamic_cast<Kor_OmakeCG*>(Window(kind.window));
  const int scrolledTo = viewer ? (viewer->Timer1_Timer(), viewer->Timer1_Timer(), viewer->Scroll().Top()) : 0;
  sound.calls.clear();

  dialogs.answers = {false};
  EXPECT_FALSE(Window(kind.window)->close()) << kind.name;
  Settle();
  EXPECT_EQ(dialogs.quitQuestions, 1);
  EXPECT_EQ(Shown(), kind.window);
  EXPECT_EQ(exit.ends, 0);
  EXPECT_TRUE(sound.calls.empty());
  if (viewer) {
    EXPECT_EQ(viewer->Scroll().Top(), scrolledTo);
    EXPECT_EQ(viewer->Timer1().isActive(), viewer->Page().page == BonusPage::C);
    EXPECT_TRUE(viewer->TimerSnd().isActive());
  }

  dialogs.answers = {true};
  EXPECT_TRUE(Window(kind.window)->close());
  EXPECT_EQ(dialogs.quitQuestions, 2);
  EXPECT_EQ(exit.ends, 1);
  EXPECT_EQ(sound.calls, std::vector<std::string>{"CloseAllSnd"});
  if (viewer) {
    EXPECT_FALSE(viewer->TimerSnd().isActive());
    EXPECT_FALSE(viewer->Timer1().isActive());
  }
  EXPECT_FALSE(gv.ScreenSwitching);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, ClosingTest, ::testing::Range(0, 5), [](const auto& info) {
  std::string name = kKinds[info.param].name;
  for (char& ch : name) if (ch == ' ') ch = '_';
  return name;
});

TEST_F(WindowFixture, SwitchClosingLeavesTheFlagClearedAndAsksNothing) {
  Start();
  Click(S::Kor_Sub, "Command4");
  Battle().Win();
  MouseClick(S::Kor_OmakeCG0A, "Image1");
  Battle().Lose();
  MouseClick(S::Kor_Continue, "Image3");
  EXPECT_EQ(dialogs.quitQuestions, 0);
  EXPECT_FALSE(gv.ScreenSwitching);
  EXPECT_EQ(exit.ends, 0);
}

}  // namespace
}  // namespace vantrel::testing

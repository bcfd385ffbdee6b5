// What the battle screen does with sound when it becomes active, while its
// music plays, and when it is left.
#include "battle_fixture.h"

namespace vantrel::testing {
namespace {

class BattleSound : public BattleWindowFixture {
 protected:
  std::string File(std::string_view relative) const { return ProgramFile(gv, relative); }
  std::string Music() const { return File(snd::MainBGM); }
};

TEST_F(BattleSound, ActivationStartsTheMusicUnlessItIsSwitchedOff) {
  struct Case {
    bool musicOff;
    std::vector<std::string> calls;
    bool timerSnd;
  };
  const std::string play = "PlaySnd " + Music();
  const Case table[] = {{false, {"CloseAllSnd", play}, true}, {true, {"CloseAllSnd"}, false}};
  for (const Case& c : table) {
    switches.bgm = c.musicOff;
    sound.calls.clear();
    Open();
    EXPECT_EQ(sound.calls, c.calls) << "music off: " << c.musicOff;
    EXPECT_EQ(Timer("TimerSnd").isActive(), c.timerSnd);
    EXPECT_EQ(Timer("TimerSnd").interval(), 500);
    // A second activation (the window switched back to) starts the music again.
    sound.calls.clear();
    window->Form_Activate();
    EXPECT_EQ(sound.calls, c.calls);
    screens.SwitchScreen(ScreenId::Kor_Sub, ScreenId::Kor_Main);
    FlushDeletes();
  }
}

TEST_F(BattleSound, TheDesktopGivingTheFocusBackDoesNotRestartTheMusic) {
  Open();
  sound.calls.clear();
  QEvent deactivate(QEvent::WindowDeactivate), activate(QEvent::WindowActivate);
  QApplication::sendEvent(window, &deactivate);
  QApplication::sendEvent(window, &activate);
  window->activateWindow();
  QCoreApplication::processEvents();
  for (const std::string& call : sound.calls) EXPECT_EQ(call.rfind("GetSndMode", 0), 0u) << call;
}

TEST_F(BattleSound, TheMusicLoopRestartsMusicThatHasEnded) {
  Open();
  sound.modeAnswer = "PLAYING";
  sound.calls.clear();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !sound.calls.empty(); }, 1500));
  EXPECT_EQ(sound.calls, std::vector<std::string>{"GetSndMode " + Music()}) << "playing: nothing to do";
  sound.modeAnswer = "STOPPED";
  sound.calls.clear();
  ASSERT_TRUE(QTest::qWaitFor([&] { return sound.calls.size() >= 3; }, 1500));
  EXPECT_EQ(sound.calls,
            (std::vector<std::string>{"GetSndMode " + Music(), "CloseSnd " + Music(), "PlaySnd " + Music()}));
}

TEST_F(BattleSound, WithTheMusicOffNoMusicStartsLaterInTheMatch) {
  switches.bgm = true;
  Open();
  window->SetCpTurnInterval(5);
  Deploy(PlayerUnits);
  QTest::qWait(700);
  for (const std::string& call : sound.calls) EXPECT_EQ(call.find("MainBGM"), std::string::npos) << call;
  EXPECT_FALSE(Timer("TimerSnd").isActive());
}

TEST_F(BattleSound, LeavingByASwitchReleasesTheScreensSoundsQuietly) {
  Open();
  WaitForDeployment();
  sound.calls.clear();
  QTimer* timerSnd = &Timer("TimerSnd");
  bool timerGone = false;
  QObject scope;
  QObject::connect(timerSnd, &QObject::destroyed, &scope, [&] { timerGone = true; });
  screens.SwitchScreen(ScreenId::Kor_Continue, ScreenId::Kor_Main);
  EXPECT_EQ(sound.calls, (std::vector<std::string>{"CloseEffectSnds", "CloseSnd " + Music()}));
  EXPECT_FALSE(gv.ScreenSwitching) << "the flag is handed back";
  ASSERT_FALSE(window.isNull()) << "closed now, deleted later";
  EXPECT_FALSE(window->isVisible());
  for (const char* t : {"CpTurn", "TimerMsg", "CharaPicTimer", "TimerSnd"})
    EXPECT_FALSE(Timer(t).isActive()) << t << " stops with the window";
  EXPECT_EQ(dialogs.questions, 0);
  FlushDeletes();
  EXPECT_TRUE(window.isNull());
  EXPECT_TRUE(timerGone);
}

TEST_F(BattleSound, ReturningToTheTitleSilencesEverythingFirst) {
  Open();
  WaitForDeployment();
  sound.calls.clear();
  window->findChild<QAction*>("RetTitle")->trigger();
  EXPECT_EQ(sound.calls, (std::vector<std::string>{"CloseAllSnd", "CloseEffectSnds", "CloseSnd " + Music()}));
  EXPECT_TRUE(screens.IsShown(ScreenId::Kor_Sub));
  EXPECT_EQ(dialogs.questions, 0) << "no question on the way back to the title";
  FlushDeletes();
  EXPECT_TRUE(window.isNull());
}

}  // namespace
}  // namespace vantrel::testing

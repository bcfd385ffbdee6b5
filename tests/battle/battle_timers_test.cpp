// The banner, the portrait hold and the pausable timer, tick by tick.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>

#include <vector>

#include "engine/vocabulary.h"
#include "ui/battle/battle_timers.h"
#include "ui/battle/game_timer.h"

namespace vantrel::testing {
namespace {

Gamevariable StartedUp(std::int16_t character = 0) {
  Gamevariable gv;
  FillStartUpState(gv, "/game");
  gv.CharacterIndex = character;
  return gv;
}

class BannerTicks : public ::testing::Test {
 protected:

  struct Step {
    int top;
    std::string_view state;
    TimerSetting timer;
  };
  void ExpectStep(const Step& want, const std::string& where) {
    EXPECT_EQ(banner.TopTwips(), want.top) << where;
    EXPECT_EQ(gv.MessageState, want.state) << where;
    EXPECT_EQ(banner.Timer(), want.timer) << where;
  }

  Gamevariable gv = StartedUp();
  MessageBanner banner{gv};
};

TEST_F(BannerTicks, ShowsAtOnceHoldsThenSlidesOutOfSight) {
  EXPECT_EQ(banner.TopTwips(), 4360) << "the label rests at its design position before any banner";
  banner.Start();
  ExpectStep({4360, banner::First, {true, 1}}, "ShowMessage");

  banner.Tick();  // "First" runs straight on through "Come": never seen at 4050
  ExpectStep({4360, banner::Stop, {true, 2000}}, "first tick");
  banner.Tick();
  ExpectStep({4360, banner::Go, {true, 33}}, "end of the hold");

  for (int top = 4400; top <= 4720; top += 40) {
    banner.Tick();
    ExpectStep({top, banner::Go, {true, 33}}, "sliding to " + std::to_string(top));
  }
  banner.Tick();
  ExpectStep({4720, banner::Idle, {false, 33}}, "the tick that finds 4720 stops the timer");
  banner.Tick();  // a stray tick changes nothing
  ExpectStep({4720, banner::Idle, {false, 33}}, "idle");
}

TEST_F(BannerTicks, ANewMessageRestartsTheSequenceWhereverItWas) {
  const int ticksBeforeRestart[] = {0, 1, 2, 5, 12};
  for (int ticks : ticksBeforeRestart) {
    banner.Start();
    for (int i = 0; i < ticks; ++i) banner.Tick();
    banner.Start();
    ExpectStep({banner.TopTwips(), banner::First, {true, 1}}, "restart after " + std::to_string(ticks));
    banner.Tick();
    ExpectStep({4360, banner::Stop, {true, 2000}}, "back at rest after " + std::to_string(ticks));
  }
}

class PortraitTicks : public ::testing::Test {
 protected:
  Gamevariable gv = StartedUp(1);
  PortraitReaction portrait{gv};
};

TEST_F(PortraitTicks, ExpressionsAndTheirLines) {
  struct Case {
    std::string_view expression;
    int face;
    std::string line;
  };
  const Case table[] = {
      {expression::Angry, 1, gv.CharacterTable[1].ReactionLines[1]},
      {expression::Smile, 2, gv.CharacterTable[1].ReactionLines[2]},
      {expression::Normal, 0, ""},
      {"驚き", 0, ""},  // unknown names count as the normal face
  };
  for (const Case& c : table) {
    EXPECT_EQ(portrait.Start(c.expression), c.line) << c.expression;
    EXPECT_EQ(portrait.Face(), c.face) << c.expression;
    EXPECT_EQ(portrait.Timer(), (TimerSetting{true, 150})) << c.expression;
  }
  EXPECT_FALSE(gv.CharacterTable[1].ReactionLines[1].empty());
}

TEST_F(PortraitTicks, TheFaceHoldsFourteenTicks) {
  portrait.Start(expression::Angry);
  for (int tick = 1; tick <= 13; ++tick) {
    portrait.Tick();
    ASSERT_EQ(portrait.Face(), 1) << "tick " << tick;
    ASSERT_TRUE(portrait.Timer().enabled);
  }
  portrait.Tick();
  EXPECT_EQ(portrait.Face(), 0);
  EXPECT_FALSE(portrait.Timer().enabled);
  EXPECT_EQ(gv.CharacterTable[1].ReactionTicksLeft, 0);
}

TEST_F(PortraitTicks, ASecondReactionRestartsTheHold) {
  portrait.Start(expression::Angry);
  for (int i = 0; i < 7; ++i) portrait.Tick();  // about a second later
  portrait.Start(expression::Smile);
  for (int tick = 1; tick <= 13; ++tick) {
    portrait.Tick();
    ASSERT_EQ(portrait.Face(), 2) << "tick " << tick << " after the second reaction";
  }
  portrait.Tick();
  EXPECT_EQ(portrait.Face(), 0) << "14 ticks after the second reaction, not the first";
}

// The pausable timer, on real time.
class PausableTimer : public ::testing::Test {
 protected:
  QObject owner;
  int ticks = 0;
  std::vector<qint64> at;
  QElapsedTimer clock;
  GameTimer timer{&owner, "T", Qt::PreciseTimer, [this] {
                    ++ticks;
                    at.push_back(clock.elapsed());
                  }};
};

TEST_F(PausableTimer, APausedTimerNeverTicksAndCarriesOnWithTheTimeItHadLeft) {
  clock.start();
  timer.SetInterval(300);
  timer.SetEnabled(true);
  QTest::qWait(200);
  timer.Pause();
  timer.Pause();  // pauses nest
  QTest::qWait(400);
  EXPECT_EQ(ticks, 0) << "no tick while paused";
  timer.Resume();
  QTest::qWait(200);
  EXPECT_EQ(ticks, 0) << "still paused: one pause is left";
  const qint64 resumed = clock.elapsed();
  timer.Resume();
  ASSERT_TRUE(QTest::qWaitFor([&] { return ticks >= 2; }, 2000));
  // About 100 ms were left at the pause; after that the full interval again.
  EXPECT_GE(at[0] - resumed, 60);
  EXPECT_LE(at[0] - resumed, 200);
  EXPECT_GE(at[1] - at[0], 250);
  EXPECT_TRUE(timer.Enabled());
}

TEST_F(PausableTimer, SettingsMadeWhilePausedApplyAfterwards) {
  timer.SetInterval(50);
  timer.Pause();
  timer.SetEnabled(true);
  QTest::qWait(150);
  EXPECT_EQ(ticks, 0);
  timer.Resume();
  EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 1; }, 1000));
  timer.SetEnabled(false);
  const int stopped = ticks;
  timer.Pause();
  timer.Resume();  // a disabled timer stays off after a pause
  QTest::qWait(150);
  EXPECT_EQ(ticks, stopped);
}

TEST_F(PausableTimer, AnIntervalOfZeroNeverTicks) {
  timer.Apply({true, 0});
  QTest::qWait(50);
  EXPECT_EQ(ticks, 0);
  EXPECT_FALSE(owner.findChild<QTimer*>("T")->isActive());
}

}  // namespace
}  // namespace vantrel::testing

// The Qt speakers against a real sound server: what the game plays is heard,
// in full, together with other sounds, from the beginning when played again,
// and music that has ended reports it and loops. The tests listen to the
// private PulseAudio server's capture of everything it played.
#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QMediaDevices>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "audio/qt_sound.h"
#include "audio/recording_backend.h"
#include "audio/snd_module.h"
#include "capture.h"
#include "engine/sound_rules.h"
#include "engine/vocabulary.h"
#include "speakers_test_support.h"

namespace vantrel {
namespace {

using namespace std::chrono_literals;
using test::CaptureTap;
using test::PumpUntil;

struct NoSwitches : Switches {
  bool CheckSE() const override { return false; }
  bool CheckBGM() const override { return false; }
  bool LowSpecMode() const override { return false; }
};

std::string ReadText(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class Speakers : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime == nullptr || *runtime == '\0')
      GTEST_SKIP() << "no PulseAudio test server: XDG_RUNTIME_DIR is not set (run through ctest)";
    server_ = runtime;
    if (!std::filesystem::exists(server_ / "ready")) {
      std::string reason = ReadText(server_ / "unavailable");
      if (reason.empty()) reason = "it was not started in " + server_.string();
      GTEST_SKIP() << "PulseAudio test server not available: " << reason;
    }
    if (QMediaDevices::defaultAudioOutput().isNull())
      GTEST_SKIP() << "Qt finds no audio output on the PulseAudio test server";
    ASSERT_TRUE(folder_.IsValid());
    sound_ = std::make_unique<SndModule>(folder_.AppPath(), log_);
  }

  std::string File(std::string_view relative) const { return folder_.File(relative); }
  std::unique_ptr<CaptureTap> Listen() const {
    return std::make_unique<CaptureTap>((server_ / "capture.raw").string());
  }

  // Waits until every file has played to its end and the server has been
  // silent for a moment after it, then returns what was heard.
  const std::vector<float>& HeardUntilQuiet(CaptureTap& tap, const std::vector<std::string>& files) {
    EXPECT_TRUE(PumpUntil([&] {
      return std::all_of(files.begin(), files.end(),
                         [&](const std::string& f) { return sound_->GetSndMode(f) == "STOPPED"; });
    })) << "a sound never reported STOPPED";
    EXPECT_TRUE(PumpUntil([&] { return QuietAtEnd(tap.Update(), 20); }))
        << "the server never fell silent";
    return tap.Samples();
  }

  static bool QuietAtEnd(const std::vector<float>& samples, int windows) {
    const int total = static_cast<int>(samples.size()) / test::kWindow;
    if (total < windows) return false;
    for (int w = total - windows; w < total; ++w)
      if (test::Rms(&samples[static_cast<std::size_t>(w) * test::kWindow]) > 0.01) return false;
    return true;
  }

  std::filesystem::path server_;
  test::ProgramFolder folder_;
  QtSoundBackend speakers_;
  RecordingSoundBackend log_{speakers_};
  std::unique_ptr<SndModule> sound_;
  NoSwitches switches_;
};

// Layouts an effect file may come in; each must be heard whole, at its level.
struct HeardCase {
  const char* name;
  test::WavLayout layout;
};

void PrintTo(const HeardCase& c, std::ostream* out) { *out << c.name; }

class EffectLayouts : public Speakers, public ::testing::WithParamInterface<HeardCase> {};

TEST_P(EffectLayouts, AnEffectIsHeardInFullAtItsLevel) {
  folder_.WriteTone(snd::Miss, {{0.3, 600, 0.5}}, GetParam().layout);
  auto tap = Listen();
  PlayEffect(*sound_, switches_, File(snd::Miss));
  const auto& heard = HeardUntilQuiet(*tap, {File(snd::Miss)});

  // 0.3 s is 30 windows; a window on either edge may be partly filled.
  const int full = test::WindowsWithTone(heard, 600, 0.4);
  EXPECT_GE(full, 27) << "the effect was cut short or not heard";
  EXPECT_LE(test::WindowsWithTone(heard, 600, 0.05), 33) << "the effect was heard more than once";
  EXPECT_EQ(test::WindowsWithTone(heard, 600, 0.6), 0) << "the effect is louder than its file";
}

INSTANTIATE_TEST_SUITE_P(
    Speakers, EffectLayouts,
    ::testing::Values(HeardCase{"Pcm16Stereo44100", test::Layout(test::Encoding::Pcm16, 2, 44100)},
                      HeardCase{"Pcm8Mono22050", test::Layout(test::Encoding::Pcm8, 1, 22050)},
                      HeardCase{"Pcm24Stereo48000", test::Layout(test::Encoding::Pcm24, 2, 48000)},
                      HeardCase{"FloatMono44100", test::Layout(test::Encoding::Float32, 1, 44100)}),
    [](const ::testing::TestParamInfo<HeardCase>& info) { return std::string(info.param.name); });

TEST_F(Speakers, ShortEffectsAreHeard) {
  // The shortest sounds are the ones an early stop of the sink swallows whole.
  folder_.WriteTone(snd::Message, {{0.08, 1000, 0.5}});
  auto tap = Listen();
  PlayEffect(*sound_, switches_, File(snd::Message));
  const auto& heard = HeardUntilQuiet(*tap, {File(snd::Message)});
  EXPECT_GE(test::WindowsWithTone(heard, 1000, 0.4), 6);
}

TEST_F(Speakers, DifferentEffectsSoundTogether) {
  folder_.WriteTone(snd::Miss, {{0.6, 600, 0.35}});
  folder_.WriteTone(snd::Adjacent, {{0.6, 1500, 0.35}});
  auto tap = Listen();
  PlayEffect(*sound_, switches_, File(snd::Miss));
  PlayEffect(*sound_, switches_, File(snd::Adjacent));
  const auto& heard = HeardUntilQuiet(*tap, {File(snd::Miss), File(snd::Adjacent)});

  EXPECT_GE(test::WindowsWithBothTones(heard, 600, 1500, 0.25), 30)
      << "the two effects did not overlap";
  EXPECT_GE(test::WindowsWithTone(heard, 600, 0.25), 57);
  EXPECT_GE(test::WindowsWithTone(heard, 1500, 0.25), 57);
}

TEST_F(Speakers, TheSameEffectPlayedAgainIsCutOffAndStartsFromItsBeginning) {
  constexpr int kSteps = 10;
  folder_.WriteTone(snd::CombatHit, test::SteppedTone(kSteps, 0.1));
  auto tap = Listen();
  PlayEffect(*sound_, switches_, File(snd::CombatHit));
  ASSERT_TRUE(PumpUntil([&] {
    const auto heard = test::HeardSteps(test::ReadSteps(tap->Update(), kSteps, 0.1));
    return !heard.empty() && heard.back() >= 2;
  })) << "the first play was never heard";
  PlayEffect(*sound_, switches_, File(snd::CombatHit));
  const auto readings = test::ReadSteps(HeardUntilQuiet(*tap, {File(snd::CombatHit)}), kSteps, 0.1);
  const auto heard = test::HeardSteps(readings);
  SCOPED_TRACE("heard: " + test::Describe(readings));

  const auto restarts = test::Restarts(heard);
  ASSERT_EQ(restarts.size(), 1u) << "expected exactly one start from the beginning";
  EXPECT_EQ(heard[restarts[0]], 0) << "the second play did not start at the beginning";
  const std::set<int> second(heard.begin() + static_cast<long>(restarts[0]), heard.end());
  EXPECT_EQ(second.size(), static_cast<std::size_t>(kSteps)) << "the second play was not heard in full";
  EXPECT_LE(test::MixedWindows(readings), 2) << "the first play went on under the second";
}

TEST_F(Speakers, PlayingASoundThatIsOpenLeavesItPlayingWhereItIs) {
  constexpr int kSteps = 10;
  folder_.WriteTone(snd::MainBGM, test::SteppedTone(kSteps, 0.1));
  auto tap = Listen();
  sound_->PlaySnd(File(snd::MainBGM));
  ASSERT_TRUE(PumpUntil([&] {
    const auto heard = test::HeardSteps(test::ReadSteps(tap->Update(), kSteps, 0.1));
    return !heard.empty() && heard.back() >= 2;
  }));
  sound_->PlaySnd(File(snd::MainBGM));
  const auto readings = test::ReadSteps(HeardUntilQuiet(*tap, {File(snd::MainBGM)}), kSteps, 0.1);
  const auto heard = test::HeardSteps(readings);
  SCOPED_TRACE("heard: " + test::Describe(readings));

  EXPECT_TRUE(test::Restarts(heard).empty()) << "the sound started again";
  EXPECT_EQ(std::set<int>(heard.begin(), heard.end()).size(), static_cast<std::size_t>(kSteps));
  EXPECT_EQ(test::MixedWindows(readings), 0);
}

TEST_F(Speakers, MusicThatHasEndedReportsStoppedAndTheTimerStartsItAgain) {
  constexpr int kSteps = 4;
  const std::string music = File(snd::MainBGM);
  folder_.WriteTone(snd::MainBGM, test::SteppedTone(kSteps, 0.1));
  auto tap = Listen();
  ASSERT_TRUE(StartWindowMusic(*sound_, switches_, music));
  const std::set<std::string> kPlayingOrStopped = {"PLAYING", "STOPPED"};

  // The music timer, ticking faster than the game's so the test is quick.
  std::set<std::string> modes;
  const bool looped = PumpUntil([&] {
    const std::string mode = sound_->GetSndMode(music);
    modes.insert(mode);
    MusicLoopTick(*sound_, music);
    const auto heard = test::HeardSteps(test::ReadSteps(tap->Update(), kSteps, 0.1));
    return test::Restarts(heard).size() >= 2;
  });
  ASSERT_TRUE(looped) << "the music did not loop twice";
  sound_->CloseSnd(music);
  EXPECT_EQ(sound_->GetSndMode(music), "");

  // The end may show first to the tick's own question, a moment later: every
  // restart is a close the tick sent on seeing STOPPED.
  EXPECT_TRUE(modes.contains("PLAYING"));
  EXPECT_TRUE(std::includes(kPlayingOrStopped.begin(), kPlayingOrStopped.end(), modes.begin(), modes.end()));
  EXPECT_GE(std::count(log_.Log().begin(), log_.Log().end(), CloseCommand(music)), 3)
      << "the tick did not close and restart the ended music twice";
  const auto readings = test::ReadSteps(tap->Samples(), kSteps, 0.1);
  const auto heard = test::HeardSteps(readings);
  SCOPED_TRACE("heard: " + test::Describe(readings));
  const auto restarts = test::Restarts(heard);
  ASSERT_GE(restarts.size(), 2u);
  for (std::size_t pass = 0; pass < 2; ++pass) {
    const std::size_t from = pass == 0 ? 0 : restarts[pass - 1];
    const std::set<int> steps(heard.begin() + static_cast<long>(from),
                              heard.begin() + static_cast<long>(restarts[pass]));
    EXPECT_EQ(steps.size(), static_cast<std::size_t>(kSteps)) << "pass " << pass << " was not whole";
    EXPECT_EQ(heard[restarts[pass]], 0) << "the music did not start again from its beginning";
  }
}

TEST_F(Speakers, CloseStopsOneSoundAndCloseAllStopsEveryOne) {
  constexpr int kSteps = 20;  // 3 s: far longer than the test waits
  const std::string music = File(snd::MainBGM);
  const std::string other = File(snd::OmakeBGM);
  folder_.WriteTone(snd::MainBGM, test::SteppedTone(kSteps, 0.15));
  folder_.WriteTone(snd::OmakeBGM, {{3.0, 2800, 0.3}});
  auto tap = Listen();
  sound_->PlaySnd(music);
  sound_->PlaySnd(other);
  ASSERT_TRUE(PumpUntil([&] {
    const auto heard = test::HeardSteps(test::ReadSteps(tap->Update(), kSteps, 0.1));
    return !heard.empty() && heard.back() >= 1;
  }));
  sound_->CloseSnd(music);
  EXPECT_EQ(sound_->GetSndMode(music), "");
  EXPECT_EQ(sound_->GetSndMode(other), "PLAYING");

  // The other sound plays on after the first is closed...
  const int before = test::WindowsWithTone(tap->Update(), 2800, 0.2);
  ASSERT_TRUE(PumpUntil([&] { return test::WindowsWithTone(tap->Update(), 2800, 0.2) >= before + 20; }));
  sound_->CloseAllSnd();
  EXPECT_EQ(sound_->GetSndMode(other), "");
  // ...and after close all the server falls silent.
  ASSERT_TRUE(PumpUntil([&] { return QuietAtEnd(tap->Update(), 30); }));

  const auto readings = test::ReadSteps(tap->Samples(), kSteps, 0.1);
  const auto heard = test::HeardSteps(readings);
  SCOPED_TRACE("heard: " + test::Describe(readings));
  ASSERT_FALSE(heard.empty());
  EXPECT_LT(*std::max_element(heard.begin(), heard.end()), 15) << "closing did not stop the music";
  EXPECT_LT(test::WindowsWithTone(tap->Samples(), 2800, 0.2), 250) << "close all did not stop it";
}

TEST_F(Speakers, MissingAndUnreadableFilesStaySilentAndAreNeverRestarted) {
  // No music file at all, garbage for the viewer music, an empty effect file.
  folder_.WriteRaw(snd::OmakeBGM, std::string(4096, '\x5A'));
  folder_.WriteRaw(snd::Message, "");
  const std::vector<std::string> files = {File(snd::MainBGM), File(snd::OmakeBGM), File(snd::Message)};
  auto tap = Listen();
  for (const std::string& f : files) sound_->PlaySnd(f);
  PlayEffect(*sound_, switches_, File(snd::Message));
  log_.ClearLog();

  // A second of music timer ticks: none of them may open anything again.
  const auto start = std::chrono::steady_clock::now();
  PumpUntil([&] {
    for (const std::string& f : files) {
      EXPECT_EQ(sound_->GetSndMode(f), "") << f;
      MusicLoopTick(*sound_, f);
    }
    return std::chrono::steady_clock::now() - start > 1s;
  });
  for (const std::string& command : log_.Log())
    EXPECT_EQ(command.rfind("status ", 0), 0u) << "unexpected command: " << command;
  EXPECT_EQ(test::LoudWindows(tap->Update(), 0.01), 0);
}

TEST_F(Speakers, AFileThatFailedPlaysOnceItIsReadable) {
  const std::string effect = File(snd::Miss);
  folder_.WriteRaw(snd::Miss, "RIFF");
  PlayEffect(*sound_, switches_, effect);
  EXPECT_EQ(sound_->GetSndMode(effect), "");

  folder_.WriteTone(snd::Miss, {{0.3, 800, 0.5}});
  auto tap = Listen();
  PlayEffect(*sound_, switches_, effect);
  const auto& heard = HeardUntilQuiet(*tap, {effect});
  EXPECT_GE(test::WindowsWithTone(heard, 800, 0.4), 27);
}


// The game closes a sound the moment it has ended and opens it again (the
// music timer), or cuts an effect off by playing it anew. Both happen at any
// instant of a sink's life, also the one in which the sound server is still
// answering for the sound just closed; many short sounds, closed as soon as
// they end or long before, must never take the program down.
TEST_F(Speakers, SoundsClosedAtAnyMomentOfTheirLifeNeverCrash) {
  const std::vector<std::string_view> effects = {snd::Miss, snd::Adjacent, snd::CommandHit,
                                                 snd::CombatHit, snd::Message};
  std::vector<std::string> files;
  for (std::size_t i = 0; i < effects.size(); ++i) {
    // 20 to 60 ms: the end of each comes round many times a second.
    folder_.WriteTone(effects[i], {{0.02 + 0.01 * static_cast<double>(i), 700.0 + 200.0 * i, 0.2}});
    files.push_back(File(effects[i]));
  }
  constexpr int kEndsEach = 30;
  std::vector<int> ends(files.size(), 0);
  std::vector<bool> cut(files.size(), false);
  std::vector<std::optional<std::chrono::steady_clock::time_point>> ended(files.size());
  std::vector<std::chrono::steady_clock::time_point> started(files.size(), std::chrono::steady_clock::now());
  for (const std::string& f : files) sound_->PlaySnd(f);
  const bool done = PumpUntil(
      [&] {
        const auto now = std::chrono::steady_clock::now();
        for (std::size_t i = 0; i < files.size(); ++i) {
          if (sound_->GetSndMode(files[i]) == "STOPPED") {
            // Closed and opened again as soon as the end shows, or up to 4 ms
            // later: the server's last word on the sound comes in that time.
            if (!ended[i]) ended[i] = now;
            if (now - *ended[i] < std::chrono::milliseconds(ends[i] % 5)) continue;
            ++ends[i];
            ended[i].reset();
            cut[i] = false;
            MusicLoopTick(*sound_, files[i]);
            started[i] = now;
          } else if (!cut[i] && ends[i] % 2 == 1 &&
                     now - started[i] > std::chrono::milliseconds(3 * ends[i] + static_cast<int>(i))) {
            // Every other play is cut off at a different point of its life.
            cut[i] = true;
            PlayEffect(*sound_, switches_, files[i]);
          }
        }
        return std::all_of(ends.begin(), ends.end(), [](int n) { return n >= kEndsEach; });
      },
      std::chrono::seconds(60), std::chrono::milliseconds(0));
  sound_->CloseAllSnd();
  EXPECT_TRUE(done) << "the sounds did not come to their end again and again";
}

}  // namespace
}  // namespace vantrel

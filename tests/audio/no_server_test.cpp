// The Qt speakers with no sound server anywhere: the game stays silent, every
// call returns, nothing ever reports that it has stopped (so no music timer
// restarts anything), and nothing spins.
#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QByteArray>
#include <QCoreApplication>
#include <QMediaDevices>

#include <chrono>
#include <string>
#include <vector>

#include "audio/qt_sound.h"
#include "audio/recording_backend.h"
#include "audio/snd_module.h"
#include "engine/sound_rules.h"
#include "engine/vocabulary.h"
#include "speakers_test_support.h"

namespace vantrel {
namespace {

using namespace std::chrono_literals;

struct NoSwitches : Switches {
  bool CheckSE() const override { return false; }
  bool CheckBGM() const override { return false; }
  bool LowSpecMode() const override { return false; }
};

TEST(NoSoundServer, EverythingStaysSilentAndNothingEverStops) {
  if (!QMediaDevices::audioOutputs().isEmpty())
    GTEST_SKIP() << "an audio output is reachable although no server should be";
  test::ProgramFolder folder;
  ASSERT_TRUE(folder.IsValid());
  folder.WriteTone(snd::MainBGM, {{0.2, 500, 0.4}});
  folder.WriteTone(snd::Miss, {{0.1, 700, 0.4}});
  folder.WriteTone(snd::Adjacent, {{0.1, 900, 0.4}});

  QtSoundBackend speakers;
  RecordingSoundBackend log(speakers);
  SndModule sound(folder.AppPath(), log);
  NoSwitches switches;
  const std::string music = folder.File(snd::MainBGM);

  ASSERT_TRUE(StartWindowMusic(sound, switches, music));
  PlayEffect(sound, switches, folder.File(snd::Miss));
  PlayEffect(sound, switches, folder.File(snd::Adjacent));
  PlayEffect(sound, switches, folder.File(snd::Miss));
  log.ClearLog();

  // Well past the end of every sound, the music timer ticking all along.
  const auto start = std::chrono::steady_clock::now();
  test::PumpUntil([&] {
    const std::string mode = sound.GetSndMode(music);
    EXPECT_TRUE(mode == "" || mode == "PLAYING") << "mode " << mode;
    MusicLoopTick(sound, music);
    return std::chrono::steady_clock::now() - start > 1s;
  });
  for (const std::string& command : log.Log())
    EXPECT_EQ(command.rfind("status ", 0), 0u) << "unexpected command: " << command;

  sound.CloseEffectSnds();
  sound.CloseSnd(music);
  sound.PlaySnd(music);
  sound.CloseAllSnd();
  EXPECT_EQ(sound.GetSndMode(music), "");
}

}  // namespace
}  // namespace vantrel

int main(int argc, char** argv) {
  // No server at all: no runtime directory to find one in, and an address
  // where none listens (which also keeps the client from starting one).
  qunsetenv("XDG_RUNTIME_DIR");
  qputenv("PULSE_SERVER", "unix:/nonexistent/vantrel-no-sound-server");
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

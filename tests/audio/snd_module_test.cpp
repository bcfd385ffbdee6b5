// The sound operations as command strings: what SndModule sends for each
// operation, how it reads a mode reply, and the order of commands at every
// place where the game starts or stops a sound.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "audio/recording_backend.h"
#include "audio/snd_module.h"
#include "engine/match_state.h"
#include "engine/sound_rules.h"
#include "engine/vocabulary.h"

namespace vantrel {
namespace {

using Log = std::vector<std::string>;

const std::string kAppPath = "/opt/ゲーム/Vantrel";

std::string Full(std::string_view relative) { return ProgramFile(kAppPath, relative); }
std::string Quoted(std::string_view relative) { return "\"" + Full(relative) + "\""; }

struct FakeSwitches : Switches {
  bool se = false;
  bool bgm = false;
  bool CheckSE() const override { return se; }
  bool CheckBGM() const override { return bgm; }
  bool LowSpecMode() const override { return false; }
};

class SndModuleTest : public ::testing::Test {
 protected:
  RecordingSoundBackend speakers;
  SndModule sound{kAppPath, speakers};
};

TEST_F(SndModuleTest, EachOperationSendsItsCommandStrings) {
  const std::string path = Full(snd::Miss);
  struct Case {
    const char* name;
    std::function<void(SndModule&)> run;
    Log expected;
  };
  const std::vector<Case> cases = {
      {"PlaySnd", [&](SndModule& s) { s.PlaySnd(path); },
       {"open \"" + path + "\"", "play \"" + path + "\""}},
      {"CloseSnd", [&](SndModule& s) { s.CloseSnd(path); }, {"close \"" + path + "\""}},
      {"CloseAllSnd", [](SndModule& s) { s.CloseAllSnd(); }, {"close all "}},
      {"GetSndMode", [&](SndModule& s) { s.GetSndMode(path); },
       {"status \"" + path + "\" mode"}},
      {"CloseEffectSnds", [](SndModule& s) { s.CloseEffectSnds(); },
       {"close " + Quoted(snd::Miss), "close " + Quoted(snd::Adjacent),
        "close " + Quoted(snd::CommandHit), "close " + Quoted(snd::CombatHit),
        "close " + Quoted(snd::Message)}},
  };
  for (const Case& c : cases) {
    speakers.ClearLog();
    c.run(sound);
    EXPECT_EQ(speakers.Log(), c.expected) << c.name;
  }
}

TEST_F(SndModuleTest, EffectPathsAreTheProgramFolderFollowedByTheirSndNames) {
  sound.CloseEffectSnds();
  ASSERT_EQ(speakers.Log().size(), 5u);
  EXPECT_EQ(speakers.Log()[0], "close \"/opt/ゲーム/Vantrel/snd/ハズレ.WAV\"");
  EXPECT_EQ(speakers.Log()[4], "close \"/opt/ゲーム/Vantrel/snd/メッセージ.WAV\"");
}

TEST_F(SndModuleTest, ModeReplyIsUpperCasedUpToItsFirstNul) {
  const std::string path = Full(snd::MainBGM);
  struct Case {
    std::string reply;
    std::string mode;
  };
  const std::vector<Case> cases = {
      {"stopped", "STOPPED"},
      {"playing", "PLAYING"},
      {"Stopped", "STOPPED"},
      {"", ""},                                      // a failed query
      {std::string("stopped\0playing", 15), "STOPPED"},  // text after the NUL is not read
      {std::string("\0stopped", 8), ""},
      {"not ready", "NOT READY"},
      {"停止 stopped", "停止 STOPPED"},  // only ASCII letters change case
  };
  for (const Case& c : cases) {
    speakers.SetReply(StatusModeCommand(path), c.reply);
    EXPECT_EQ(sound.GetSndMode(path), c.mode) << "reply \"" << c.reply << "\"";
  }
}

// The places where sound starts or stops, each as the calls the game makes
// (through the shared sound rules) and the commands that reach the speakers.
struct LifecycleCase {
  const char* moment;
  bool se;
  bool bgm;
  std::string mainBgmReply;  // what the speakers answer about the battle music
  std::function<void(SoundOutput&, const Switches&)> run;
  Log expected;
};

TEST_F(SndModuleTest, StartAndStopSitesSendTheirCommandsInOrder) {
  const std::string main = Full(snd::MainBGM);
  const std::string omake = Full(snd::OmakeBGM);
  const std::string miss = Full(snd::Miss);
  const std::vector<LifecycleCase> cases = {
      {"battle screen becomes active, music on", false, false, "",
       [&](SoundOutput& s, const Switches& sw) {
         s.CloseAllSnd();
         EXPECT_TRUE(StartWindowMusic(s, sw, main));
       },
       {"close all ", "open " + Quoted(snd::MainBGM), "play " + Quoted(snd::MainBGM)}},
      {"battle screen becomes active, music off", false, true, "",
       [&](SoundOutput& s, const Switches& sw) {
         s.CloseAllSnd();
         EXPECT_FALSE(StartWindowMusic(s, sw, main));
       },
       {"close all "}},
      {"a shot misses, effects on", false, false, "",
       [&](SoundOutput& s, const Switches& sw) { PlayEffect(s, sw, miss); },
       {"close " + Quoted(snd::Miss), "open " + Quoted(snd::Miss), "play " + Quoted(snd::Miss)}},
      {"a shot misses, effects off", true, false, "",
       [&](SoundOutput& s, const Switches& sw) { PlayEffect(s, sw, miss); },
       {}},
      {"music timer tick after the music ended", false, false, "stopped",
       [&](SoundOutput& s, const Switches&) { MusicLoopTick(s, main); },
       {"status " + Quoted(snd::MainBGM) + " mode", "close " + Quoted(snd::MainBGM),
        "open " + Quoted(snd::MainBGM), "play " + Quoted(snd::MainBGM)}},
      {"music timer tick while the music plays", false, false, "playing",
       [&](SoundOutput& s, const Switches&) { MusicLoopTick(s, main); },
       {"status " + Quoted(snd::MainBGM) + " mode"}},
      {"music timer tick on music that cannot play", false, false, "",
       [&](SoundOutput& s, const Switches&) { MusicLoopTick(s, main); },
       {"status " + Quoted(snd::MainBGM) + " mode"}},
      {"battle screen closed by a screen switch", false, false, "",
       [&](SoundOutput& s, const Switches&) {
         s.CloseEffectSnds();
         s.CloseSnd(main);
       },
       {"close " + Quoted(snd::Miss), "close " + Quoted(snd::Adjacent),
        "close " + Quoted(snd::CommandHit), "close " + Quoted(snd::CombatHit),
        "close " + Quoted(snd::Message), "close " + Quoted(snd::MainBGM)}},
      {"viewer page A becomes active, music on", false, false, "",
       [&](SoundOutput& s, const Switches& sw) { EXPECT_TRUE(StartWindowMusic(s, sw, omake)); },
       {"open " + Quoted(snd::OmakeBGM), "play " + Quoted(snd::OmakeBGM)}},
      {"viewer page A closed by a screen switch", false, false, "",
       [&](SoundOutput& s, const Switches&) { s.CloseSnd(omake); },
       {"close " + Quoted(snd::OmakeBGM)}},
      {"title screen or gallery menu becomes active", false, false, "",
       [&](SoundOutput& s, const Switches&) { s.CloseAllSnd(); },
       {"close all "}},
  };
  for (const LifecycleCase& c : cases) {
    RecordingSoundBackend log;
    log.SetReply(StatusModeCommand(main), c.mainBgmReply);
    SndModule module(kAppPath, log);
    FakeSwitches sw;
    sw.se = c.se;
    sw.bgm = c.bgm;
    c.run(module, sw);
    EXPECT_EQ(log.Log(), c.expected) << c.moment;
  }
}

}  // namespace
}  // namespace vantrel

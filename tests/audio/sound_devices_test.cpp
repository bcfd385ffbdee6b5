// The table of open sounds behind the command strings: one open instance per
// path, "play" on an open file leaves it where it is, close releases, and the
// mode query, checked through SndModule and the shared sound rules with voices
// whose end and failure the test decides.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "audio/recording_backend.h"
#include "audio/snd_module.h"
#include "audio/sound_devices.h"
#include "engine/sound_rules.h"

namespace vantrel {
namespace {

// What became of one voice the factory made.
struct VoiceRecord {
  std::string path;
  int starts = 0;
  bool alive = true;
  SoundVoice::State state = SoundVoice::State::Playing;
};

class FakeVoice : public SoundVoice {
 public:
  explicit FakeVoice(std::shared_ptr<VoiceRecord> record) : record_(std::move(record)) {}
  ~FakeVoice() override { record_->alive = false; }
  void Start() override { ++record_->starts; }
  State CurrentState() const override { return record_->state; }

 private:
  std::shared_ptr<VoiceRecord> record_;
};

class FakeVoiceFactory : public SoundVoiceFactory {
 public:
  std::unique_ptr<SoundVoice> OpenVoice(const std::string& path) override {
    if (unopenable.contains(path)) return nullptr;
    made.push_back(std::make_shared<VoiceRecord>(VoiceRecord{path}));
    return std::make_unique<FakeVoice>(made.back());
  }

  // The newest voice of `path`.
  VoiceRecord& Latest(const std::string& path) {
    for (auto it = made.rbegin(); it != made.rend(); ++it)
      if ((*it)->path == path) return **it;
    throw std::logic_error("no voice for " + path);
  }
  int Alive() const {
    int n = 0;
    for (const auto& v : made) n += v->alive ? 1 : 0;
    return n;
  }

  std::set<std::string> unopenable;
  std::vector<std::shared_ptr<VoiceRecord>> made;
};

struct NoSwitches : Switches {
  bool CheckSE() const override { return false; }
  bool CheckBGM() const override { return false; }
  bool LowSpecMode() const override { return false; }
};

const std::string kMusic = "/game/snd/MainBGM.wav";
const std::string kEffect = "/game/snd/ハズレ.WAV";
const std::string kOther = "/game/snd/隣接.WAV";
const std::string kMissing = "/game/snd/指令車.WAV";

enum class Op { Play, Close, CloseAll, Effect, LoopTick, Ends, Fails };
struct Step {
  Op op;
  std::string path;
};

struct StateCase {
  const char* name;
  std::vector<Step> steps;
  std::map<std::string, std::string> modes;  // GetSndMode afterwards
  int voicesMade;
  int voicesAlive;
};

// A complete sound stack over fake voices, with a log of the commands.
struct Rig {
  Rig() { voices.unopenable.insert(kMissing); }

  void Run(const std::vector<Step>& steps) {
    for (const Step& step : steps) {
      switch (step.op) {
        case Op::Play:
          sound.PlaySnd(step.path);
          break;
        case Op::Close:
          sound.CloseSnd(step.path);
          break;
        case Op::CloseAll:
          sound.CloseAllSnd();
          break;
        case Op::Effect:
          PlayEffect(sound, switches, step.path);
          break;
        case Op::LoopTick:
          MusicLoopTick(sound, step.path);
          break;
        case Op::Ends:
          voices.Latest(step.path).state = SoundVoice::State::Ended;
          break;
        case Op::Fails:
          voices.Latest(step.path).state = SoundVoice::State::Broken;
          break;
      }
    }
  }

  FakeVoiceFactory voices;
  SoundDeviceTable table{voices};
  RecordingSoundBackend log{table};
  SndModule sound{"/game", log};
  NoSwitches switches;
};

TEST(SoundDeviceTable, OperationSequencesLeaveTheseModes) {
  const std::vector<StateCase> cases = {
      {"nothing opened", {}, {{kMusic, ""}}, 0, 0},
      {"played", {{Op::Play, kMusic}}, {{kMusic, "PLAYING"}}, 1, 1},
      {"played to its end", {{Op::Play, kMusic}, {Op::Ends, kMusic}}, {{kMusic, "STOPPED"}}, 1, 1},
      {"closed", {{Op::Play, kMusic}, {Op::Close, kMusic}}, {{kMusic, ""}}, 1, 0},
      {"closed after its end", {{Op::Play, kMusic}, {Op::Ends, kMusic}, {Op::Close, kMusic}},
       {{kMusic, ""}}, 1, 0},
      {"played twice: one instance, not restarted", {{Op::Play, kMusic}, {Op::Play, kMusic}},
       {{kMusic, "PLAYING"}}, 1, 1},
      {"played again after its end: stays at its end",
       {{Op::Play, kMusic}, {Op::Ends, kMusic}, {Op::Play, kMusic}}, {{kMusic, "STOPPED"}}, 1, 1},
      {"two files sound together", {{Op::Play, kMusic}, {Op::Play, kEffect}},
       {{kMusic, "PLAYING"}, {kEffect, "PLAYING"}}, 2, 2},
      {"closing one file leaves the other",
       {{Op::Play, kMusic}, {Op::Play, kEffect}, {Op::Close, kEffect}},
       {{kMusic, "PLAYING"}, {kEffect, ""}}, 2, 1},
      {"close all releases every file",
       {{Op::Play, kMusic}, {Op::Play, kEffect}, {Op::Play, kOther}, {Op::CloseAll, ""}},
       {{kMusic, ""}, {kEffect, ""}, {kOther, ""}}, 3, 0},
      {"close of a file never opened", {{Op::Close, kMusic}}, {{kMusic, ""}}, 0, 0},
      {"close all with nothing open", {{Op::CloseAll, ""}}, {{kMusic, ""}}, 0, 0},
      {"reopened after close all", {{Op::Play, kMusic}, {Op::CloseAll, ""}, {Op::Play, kMusic}},
       {{kMusic, "PLAYING"}}, 2, 1},
      {"missing file", {{Op::Play, kMissing}}, {{kMissing, ""}}, 0, 0},
      {"file that cannot play", {{Op::Play, kMusic}, {Op::Fails, kMusic}}, {{kMusic, ""}}, 1, 1},
      {"effect played twice: the first is cut off, a fresh one starts",
       {{Op::Effect, kEffect}, {Op::Effect, kEffect}}, {{kEffect, "PLAYING"}}, 2, 1},
      {"two different effects overlap", {{Op::Effect, kEffect}, {Op::Effect, kOther}},
       {{kEffect, "PLAYING"}, {kOther, "PLAYING"}}, 2, 2},
      {"loop tick while the music plays", {{Op::Play, kMusic}, {Op::LoopTick, kMusic}},
       {{kMusic, "PLAYING"}}, 1, 1},
      {"loop tick after the music ended restarts it",
       {{Op::Play, kMusic}, {Op::Ends, kMusic}, {Op::LoopTick, kMusic}}, {{kMusic, "PLAYING"}}, 2, 1},
      {"loop tick on music that cannot play",
       {{Op::Play, kMusic}, {Op::Fails, kMusic}, {Op::LoopTick, kMusic}, {Op::LoopTick, kMusic}},
       {{kMusic, ""}}, 1, 1},
      {"loop tick on missing music", {{Op::Play, kMissing}, {Op::LoopTick, kMissing}},
       {{kMissing, ""}}, 0, 0},
  };
  for (const StateCase& c : cases) {
    Rig rig;
    rig.Run(c.steps);
    for (const auto& [path, mode] : c.modes)
      EXPECT_EQ(rig.sound.GetSndMode(path), mode) << c.name << ": " << path;
    EXPECT_EQ(static_cast<int>(rig.voices.made.size()), c.voicesMade) << c.name;
    EXPECT_EQ(rig.voices.Alive(), c.voicesAlive) << c.name;
    for (const auto& voice : rig.voices.made) {
      // Every voice that was opened by a PlaySnd was started, exactly once.
      EXPECT_EQ(voice->starts, 1) << c.name << ": " << voice->path;
    }
  }
}

TEST(SoundDeviceTable, MusicLoopThroughTheTableSendsAndRestartsInOrder) {
  Rig rig;
  rig.sound.PlaySnd(kMusic);
  MusicLoopTick(rig.sound, kMusic);  // still playing: only asked
  rig.voices.Latest(kMusic).state = SoundVoice::State::Ended;
  MusicLoopTick(rig.sound, kMusic);  // ended: closed and started afresh
  const std::string q = "\"" + kMusic + "\"";
  EXPECT_EQ(rig.log.Log(), (std::vector<std::string>{
                               "open " + q, "play " + q,
                               "status " + q + " mode",
                               "status " + q + " mode", "close " + q, "open " + q, "play " + q,
                           }));
  ASSERT_EQ(rig.voices.made.size(), 2u);
  EXPECT_FALSE(rig.voices.made[0]->alive);
  EXPECT_TRUE(rig.voices.made[1]->alive);
  EXPECT_EQ(rig.sound.GetSndMode(kMusic), "PLAYING");
}

TEST(SoundDeviceTable, DestroyingTheTableReleasesEveryVoice) {
  FakeVoiceFactory voices;
  {
    SoundDeviceTable table(voices);
    SndModule sound("/game", table);
    sound.PlaySnd(kMusic);
    sound.PlaySnd(kEffect);
  }
  EXPECT_EQ(voices.made.size(), 2u);
  EXPECT_EQ(voices.Alive(), 0);
}

// Commands as the table reads them: which leave a file open.
TEST(SoundDeviceTable, ReadsPathsBetweenTheFirstAndTheLastQuote) {
  struct Case {
    std::vector<std::string> commands;
    std::string path;  // asked about afterwards
    bool open;
    std::string reply;  // to `status "<path>" mode`
  };
  const std::vector<Case> cases = {
      {{"open \"/a b/c d.wav\"", "play \"/a b/c d.wav\""}, "/a b/c d.wav", true, "playing"},
      {{"open \"/ゲーム/snd/戦闘車.WAV\""}, "/ゲーム/snd/戦闘車.WAV", true, "stopped"},
      {{"open \"/odd\"name.wav\"", "play \"/odd\"name.wav\""}, "/odd\"name.wav", true, "playing"},
      {{"open \"/x.wav\"", "close \"/x.wav\""}, "/x.wav", false, ""},
      {{"open \"/x.wav\"", "close all"}, "/x.wav", false, ""},  // with or without the blank
      {{"open \"/x.wav\"", "close all "}, "/x.wav", false, ""},
      {{"open /x.wav"}, "/x.wav", false, ""},          // unquoted: not understood
      {{"open \"/x.wav"}, "/x.wav", false, ""},        // unterminated
      {{"open \"/x.wav\" extra"}, "/x.wav", false, ""},
      {{"open"}, "", false, ""},
      {{""}, "", false, ""},
      {{"open \"/x.wav\"", "seek \"/x.wav\" to start"}, "/x.wav", true, "stopped"},
      {{"open \"/x.wav\"", "close \"/y.wav\""}, "/x.wav", true, "stopped"},
  };
  for (const Case& c : cases) {
    FakeVoiceFactory voices;
    SoundDeviceTable table(voices);
    for (const std::string& command : c.commands) table.SendCommand(command);
    EXPECT_EQ(table.IsOpen(c.path), c.open) << c.commands.back();
    EXPECT_EQ(table.OpenCount(), c.open ? 1u : 0u) << c.commands.back();
    EXPECT_EQ(table.SendCommand("status \"" + c.path + "\" mode"), c.reply) << c.commands.back();
  }
}

TEST(SoundDeviceTable, OnlyStatusQueriesHaveReplies) {
  FakeVoiceFactory voices;
  SoundDeviceTable table(voices);
  EXPECT_EQ(table.SendCommand("open \"/x.wav\""), "");
  EXPECT_EQ(table.SendCommand("play \"/x.wav\""), "");
  EXPECT_EQ(table.SendCommand("status \"/x.wav\" mode"), "playing");
  EXPECT_EQ(table.SendCommand("status \"/x.wav\" position"), "");
  EXPECT_EQ(table.SendCommand("status \"/x.wav\""), "");
  EXPECT_EQ(table.SendCommand("close \"/x.wav\""), "");
}

}  // namespace
}  // namespace vantrel

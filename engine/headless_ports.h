// Small implementations of the ports for playing without windows or sound:
// used by the tests and the self-play tool.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "engine/ports.h"

namespace vantrel {

struct FixedSwitches final : Switches {
  bool se = false, bgm = false, lowSpec = false;
  bool CheckSE() const override { return se; }
  bool CheckBGM() const override { return bgm; }
  bool LowSpecMode() const override { return lowSpec; }
};

class SilentSound final : public SoundOutput {
 public:
  void PlaySnd(const std::string&) override {}
  void CloseSnd(const std::string&) override {}
  void CloseAllSnd() override {}
  std::string GetSndMode(const std::string&) override { return {}; }
  void CloseEffectSnds() override {}
};

// Logs every call in the order it was made, e.g. "PlaySnd /app/snd/ハズレ.WAV".
class RecordingSound final : public SoundOutput {
 public:
  std::vector<std::string> calls;
  std::string modeAnswer;  // what GetSndMode answers
  void PlaySnd(const std::string& p) override { calls.push_back("PlaySnd " + p); }
  void CloseSnd(const std::string& p) override { calls.push_back("CloseSnd " + p); }
  void CloseAllSnd() override { calls.push_back("CloseAllSnd"); }
  std::string GetSndMode(const std::string& p) override {
    calls.push_back("GetSndMode " + p);
    return modeAnswer;
  }
  void CloseEffectSnds() override { calls.push_back("CloseEffectSnds"); }
};

class RecordingScreens final : public Screens {
 public:
  std::vector<std::pair<ScreenId, ScreenId>> switches;  // (shown, closed)
  void SwitchScreen(ScreenId show, ScreenId close) override { switches.emplace_back(show, close); }
};

}  // namespace vantrel

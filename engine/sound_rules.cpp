#include "engine/sound_rules.h"

namespace vantrel {

void PlayEffect(SoundOutput& sound, const Switches& switches, const std::string& path) {
  if (switches.CheckSE()) return;
  sound.CloseSnd(path);
  sound.PlaySnd(path);
}

bool StartWindowMusic(SoundOutput& sound, const Switches& switches, const std::string& path) {
  if (switches.CheckBGM()) return false;
  sound.PlaySnd(path);
  return true;
}

void MusicLoopTick(SoundOutput& sound, const std::string& path) {
  if (sound.GetSndMode(path) == "STOPPED") {
    sound.CloseSnd(path);
    sound.PlaySnd(path);
  }
}

}  // namespace vantrel

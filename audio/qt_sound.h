// The game's speakers through Qt Multimedia: every open sound file is read
// into memory and played through an audio sink of its own, so different files
// sound together and a file opened afresh always starts from a clean object.
//
// Needs a running Qt event loop (the game's, or a test's processEvents) to
// keep the sinks fed. Without an audio device, or for a missing or unreadable
// file, everything stays silent and no sound ever reports that it has stopped.
//
// The program makes one of each at start-up and hands the module on:
//   QtSoundBackend speakers;
//   SndModule sound(gv.AppPath, speakers);
#pragma once

#include <memory>
#include <string>

#include "audio/sound_devices.h"

namespace vantrel {

class QtSoundVoiceFactory : public SoundVoiceFactory {
 public:
  // Paths are UTF-8.
  std::unique_ptr<SoundVoice> OpenVoice(const std::string& path) override;
};

// The back end the game plays through.
class QtSoundBackend : public SoundBackend {
 public:
  QtSoundBackend() = default;
  std::string SendCommand(const std::string& command) override { return table_.SendCommand(command); }

 private:
  QtSoundVoiceFactory factory_;
  SoundDeviceTable table_{factory_};
};

}  // namespace vantrel

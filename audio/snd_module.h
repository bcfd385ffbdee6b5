// SndModule: the game's five sound operations, spoken as command strings to a
// sound back end. The module keeps no state of its own; the back end holds the
// open sounds, each one named by its full path.
#pragma once

#include <string>

#include "audio/sound_backend.h"
#include "engine/ports.h"

namespace vantrel {

// The exact command strings the module sends.
std::string OpenCommand(const std::string& path);
std::string PlayCommand(const std::string& path);
std::string CloseCommand(const std::string& path);
std::string CloseAllCommand();
std::string StatusModeCommand(const std::string& path);

class SndModule : public SoundOutput {
 public:
  // `appPath` is the program directory without a trailing separator; the
  // effect files are found in its snd folder. The back end must outlive the
  // module.
  SndModule(std::string appPath, SoundBackend& backend);

  // Opens the file (if it is not open yet) and starts it; returns at once.
  void PlaySnd(const std::string& path) override;
  // Stops the file and releases it.
  void CloseSnd(const std::string& path) override;
  // Stops and releases every open file.
  void CloseAllSnd() override;
  // The file's mode in upper case ("PLAYING", "STOPPED"); "" when the file is
  // not open or cannot be asked.
  std::string GetSndMode(const std::string& path) override;
  // Closes the five effect files.
  void CloseEffectSnds() override;

 private:
  std::string appPath_;
  SoundBackend& backend_;
};

}  // namespace vantrel

// A sound back end built from voices, one per open file. It reads the command
// strings of sound_backend.h and keeps the table of open sounds; what a voice
// is (a Qt sound effect, a test double) is up to the factory that makes it.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <string>

#include "audio/sound_backend.h"

namespace vantrel {

// One open sound file.
class SoundVoice {
 public:
  enum class State {
    Playing,  // started and still sounding (or about to)
    Ended,    // played to its end
    Broken,   // cannot be played: undecodable file, failed device
  };

  virtual ~SoundVoice() = default;
  // Starts playback from the beginning. Called at most once per voice: a file
  // that is opened afresh gets a fresh voice.
  virtual void Start() = 0;
  // Meaningful after Start().
  virtual State CurrentState() const = 0;
};

class SoundVoiceFactory {
 public:
  virtual ~SoundVoiceFactory() = default;
  // A fresh voice for the file, or nullptr when the file cannot be opened.
  virtual std::unique_ptr<SoundVoice> OpenVoice(const std::string& path) = 0;
};

class SoundDeviceTable : public SoundBackend {
 public:
  explicit SoundDeviceTable(SoundVoiceFactory& factory);
  ~SoundDeviceTable() override;
  SoundDeviceTable(const SoundDeviceTable&) = delete;
  SoundDeviceTable& operator=(const SoundDeviceTable&) = delete;

  std::string SendCommand(const std::string& command) override;

  bool IsOpen(const std::string& path) const;
  std::size_t OpenCount() const;

 private:
  struct OpenSound {
    std::unique_ptr<SoundVoice> voice;
    bool started = false;
  };

  void Open(const std::string& path);
  void Play(const std::string& path);
  void Close(const std::string& path);
  void CloseAll();
  std::string Mode(const std::string& path) const;

  SoundVoiceFactory& factory_;
  std::map<std::string, OpenSound> open_;
};

}  // namespace vantrel

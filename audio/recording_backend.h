// A sound back end that writes down every command it is given, for tests of
// the order in which the game opens, plays, asks and closes its sounds.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "audio/sound_backend.h"

namespace vantrel {

class RecordingSoundBackend : public SoundBackend {
 public:
  // Alone, it answers every command from its table of replies ("" unless set).
  RecordingSoundBackend() = default;
  // In front of another back end, it passes every command on and returns that
  // back end's reply.
  explicit RecordingSoundBackend(SoundBackend& inner) : inner_(&inner) {}

  std::string SendCommand(const std::string& command) override;

  // The reply to every later `command` (used only without an inner back end).
  void SetReply(const std::string& command, std::string reply);

  const std::vector<std::string>& Log() const { return log_; }
  void ClearLog() { log_.clear(); }

 private:
  SoundBackend* inner_ = nullptr;
  std::vector<std::string> log_;
  std::map<std::string, std::string> replies_;
};

}  // namespace vantrel

#include "audio/sound_devices.h"

#include <optional>
#include <string_view>
#include <utility>

namespace vantrel {

namespace {

struct ParsedCommand {
  std::string_view verb;
  std::optional<std::string> path;  // present when the command names a file
  std::string_view tail;            // what follows the path (or the verb)
};

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// The path runs from the first quote to the last one, so a path that itself
// contains a quote character still names the right file.
ParsedCommand Parse(std::string_view command) {
  ParsedCommand parsed;
  const auto space = command.find(' ');
  parsed.verb = command.substr(0, space);
  if (space == std::string_view::npos) return parsed;
  std::string_view rest = command.substr(space + 1);
  if (!rest.empty() && rest.front() == '"') {
    const auto closing = rest.rfind('"');
    if (closing == 0) return {};  // an unterminated path: no command at all
    parsed.path = std::string(rest.substr(1, closing - 1));
    parsed.tail = rest.substr(closing + 1);
  } else {
    parsed.tail = rest;
  }
  return parsed;
}

}  // namespace

SoundDeviceTable::SoundDeviceTable(SoundVoiceFactory& factory) : factory_(factory) {}

SoundDeviceTable::~SoundDeviceTable() { CloseAll(); }

std::string SoundDeviceTable::SendCommand(const std::string& command) {
  const ParsedCommand parsed = Parse(command);
  const std::string_view tail = Trimmed(parsed.tail);
  if (parsed.path) {
    const std::string& path = *parsed.path;
    if (parsed.verb == "open" && tail.empty()) {
      Open(path);
    } else if (parsed.verb == "play" && tail.empty()) {
      Play(path);
    } else if (parsed.verb == "close" && tail.empty()) {
      Close(path);
    } else if (parsed.verb == "status" && tail == "mode") {
      return Mode(path);
    }
  } else if (parsed.verb == "close" && tail == "all") {
    CloseAll();
  }
  // Every other command fails, and a failure replies nothing.
  return {};
}

bool SoundDeviceTable::IsOpen(const std::string& path) const { return open_.contains(path); }

std::size_t SoundDeviceTable::OpenCount() const { return open_.size(); }

void SoundDeviceTable::Open(const std::string& path) {
  if (open_.contains(path)) return;  // already open: the open fails quietly
  std::unique_ptr<SoundVoice> voice = factory_.OpenVoice(path);
  if (!voice) return;  // missing or unreadable: the file stays closed and silent
  open_.emplace(path, OpenSound{std::move(voice), false});
}

void SoundDeviceTable::Play(const std::string& path) {
  auto found = open_.find(path);
  if (found == open_.end()) return;
  OpenSound& sound = found->second;
  // A sound that has been started plays on where it is (or stays at its end).
  if (sound.started) return;
  sound.started = true;
  sound.voice->Start();
}

void SoundDeviceTable::Close(const std::string& path) {
  auto found = open_.find(path);
  if (found == open_.end()) return;
  // Take the voice out of the table before it is destroyed, so the table is
  // consistent whatever the voice's destructor does.
  std::unique_ptr<SoundVoice> voice = std::move(found->second.voice);
  open_.erase(found);
}

void SoundDeviceTable::CloseAll() {
  std::map<std::string, OpenSound> closing;
  closing.swap(open_);
}

std::string SoundDeviceTable::Mode(const std::string& path) const {
  auto found = open_.find(path);
  if (found == open_.end()) return {};
  const OpenSound& sound = found->second;
  if (!sound.started) return "stopped";
  switch (sound.voice->CurrentState()) {
    case SoundVoice::State::Playing:
      return "playing";
    case SoundVoice::State::Ended:
      return "stopped";
    case SoundVoice::State::Broken:
      break;
  }
  // A sound that cannot play never reports the stopped state, so a music
  // poll never restarts it over and over.
  return {};
}

}  // namespace vantrel

#include "audio/snd_module.h"

#include <array>
#include <string_view>
#include <utility>

#include "engine/match_state.h"
#include "engine/vocabulary.h"

namespace vantrel {

namespace {

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

// Only ASCII letters change: the replies are ASCII words, and the bytes of a
// UTF-8 text must stay as they are.
std::string AsciiUpper(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

// The effect files in the order in which a closing battle screen releases them.
constexpr std::array<std::string_view, 5> kEffectFiles = {
    snd::Miss, snd::Adjacent, snd::CommandHit, snd::CombatHit, snd::Message,
};

}  // namespace

std::string OpenCommand(const std::string& path) { return "open " + Quoted(path); }
std::string PlayCommand(const std::string& path) { return "play " + Quoted(path); }
std::string CloseCommand(const std::string& path) { return "close " + Quoted(path); }
std::string CloseAllCommand() { return "close all "; }
std::string StatusModeCommand(const std::string& path) {
  return "status " + Quoted(path) + " mode";
}

SndModule::SndModule(std::string appPath, SoundBackend& backend)
    : appPath_(std::move(appPath)), backend_(backend) {}

void SndModule::PlaySnd(const std::string& path) {
  // When the file is already open the "open" fails without effect and the
  // "play" leaves it sounding where it is.
  backend_.SendCommand(OpenCommand(path));
  backend_.SendCommand(PlayCommand(path));
}

void SndModule::CloseSnd(const std::string& path) { backend_.SendCommand(CloseCommand(path)); }

void SndModule::CloseAllSnd() { backend_.SendCommand(CloseAllCommand()); }

std::string SndModule::GetSndMode(const std::string& path) {
  std::string reply = backend_.SendCommand(StatusModeCommand(path));
  // The reply is read like a C string: up to its first NUL.
  if (auto nul = reply.find('\0'); nul != std::string::npos) reply.resize(nul);
  return AsciiUpper(std::move(reply));
}

void SndModule::CloseEffectSnds() {
  for (std::string_view file : kEffectFiles) CloseSnd(ProgramFile(appPath_, file));
}

}  // namespace vantrel

#include "engine/match_state.h"

#include <limits>
#include <utility>

#include "engine/vocabulary.h"

namespace vantrel {

void FillStartUpState(Gamevariable& gv, std::string appPath) {
  gv.AppPath = std::move(appPath);

  struct Entry {
    std::string_view portrait, angry, smile;
  };
  static constexpr std::array<Entry, 3> characters{{
      {img::Chara0, "えーっ、ひどいですわぁ", "良い感じですわ"},
      {img::Chara1, "ひどいことしないで・・・", "今日は調子が悪いみたいね"},
      {img::Chara2, "えーっ、ちょっとは手加減してよね", "あれ、、、怒っちゃったかな？"},
  }};
  for (std::size_t i = 0; i < characters.size(); ++i) {
    CharacterProfile& profile = gv.CharacterTable[i];
    profile = CharacterProfile{};
    profile.PortraitFile = std::string(characters[i].portrait);
    profile.ReactionLines[1] = std::string(characters[i].angry);
    profile.ReactionLines[2] = std::string(characters[i].smile);
    profile.ReactionHoldTicks = 14;
  }

  gv.MsgTopStart = 4050;
  gv.MsgTopShow = 4360;
  gv.MsgTopEnd = 4700;
  gv.MsgComeInterval = 33;
  gv.MsgHoldInterval = 2000;
  gv.MsgGoInterval = 33;

  gv.MissColor = RGB(255, 255, 255);
  gv.AdjacentColor = RGB(255, 200, 200);
  gv.CommandColor = RGB(255, 255, 0);
  gv.CombatColor = RGB(0, 255, 0);

  gv.CharacterIndex = 0;
  gv.StageIndex = 0;
  gv.ScreenSwitching = false;
}

void ResetMatchState(Gamevariable& gv) {
  gv.PlayerCombatCount = 0;
  gv.PlayerCommandCount = 0;
  gv.CpCombatCount = CombatUnitLimit;
  gv.CpCommandCount = CommandUnitLimit;
  gv.PlayerShotsThisTurn = 0;
  gv.CpShotsThisTurn = 0;
  gv.CpShotsTotal = 0;
  gv.PlayerShotsTotal = 0;
  gv.CpBoard.Fill(std::string(cell::Empty));
  gv.PlayerBoard.Fill(std::string(cell::Empty));
}

void AddChecked(std::int16_t& counter, int delta) {
  const int next = counter + delta;
  if (next < std::numeric_limits<std::int16_t>::min() || next > std::numeric_limits<std::int16_t>::max())
    throw std::overflow_error("16-bit counter overflow: " + std::to_string(counter) + " + " +
                              std::to_string(delta));
  counter = static_cast<std::int16_t>(next);
}

std::string ProgramFile(const std::string& appPath, std::string_view relative) {
  std::string path = appPath;
  for (char c : relative) {
#ifdef _WIN32
    path += c;
#else
    path += (c == '\\') ? '/' : c;
#endif
  }
  return path;
}

std::string ProgramFile(const Gamevariable& gv, std::string_view relative) {
  return ProgramFile(gv.AppPath, relative);
}

}  // namespace vantrel

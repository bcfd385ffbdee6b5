// The shared state of the game: one Gamevariable object, created by the
// program at start-up and handed to every part that reads or writes it.
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "cpu/cp_head.h"
#include "engine/board.h"
#include "engine/ports.h"

namespace vantrel {

struct UnitSlot {
  std::int16_t col = 0;
  std::int16_t row = 0;
  bool alive = false;
};

struct CharacterProfile {
  std::string PortraitFile;
  std::array<std::string, 21> ReactionLines;  // by expression number: 0 普通, 1 怒り, 2 笑顔
  std::int16_t ReactionHoldTicks = 0;
  std::int16_t ReactionTicksLeft = 0;
};

inline constexpr int CommandUnitLimit = 3;
inline constexpr int CombatUnitLimit = 4;

struct Gamevariable {
  // Program-wide.
  std::string AppPath;  // the program directory, without a trailing separator
  std::array<CharacterProfile, 3> CharacterTable;
  std::int16_t CharacterIndex = 0;
  std::int16_t StageIndex = 0;
  bool ScreenSwitching = false;
  bool GalleryMode = false;

  Colour MissColor = 0;
  Colour AdjacentColor = 0;
  Colour CommandColor = 0;
  Colour CombatColor = 0;

  std::string MessageState;
  std::int16_t MsgTopStart = 0;
  std::int16_t MsgTopShow = 0;
  std::int16_t MsgTopEnd = 0;
  std::int16_t MsgComeInterval = 0;
  std::int16_t MsgHoldInterval = 0;
  std::int16_t MsgGoInterval = 0;

  // One match: rebuilt by every load of the battle screen.
  CellBoard PlayerBoard;
  CellBoard CpBoard;
  std::array<UnitSlot, CommandUnitLimit> PlayerCommandUnits{};
  std::array<UnitSlot, CombatUnitLimit> PlayerCombatUnits{};
  std::array<UnitSlot, CommandUnitLimit> CpCommandUnits{};
  std::array<UnitSlot, CombatUnitLimit> CpCombatUnits{};

  std::int16_t PlayerCombatCount = 0;
  std::int16_t PlayerCommandCount = 0;
  std::int16_t CpCombatCount = 0;
  std::int16_t CpCommandCount = 0;
  std::int16_t PlayerShotsThisTurn = 0;
  std::int16_t CpShotsThisTurn = 0;
  std::int16_t CpShotsTotal = 0;
  std::int16_t PlayerShotsTotal = 0;

  std::string GamePhase;
  std::string PendingEvent;

  // What the computer player has learned about the player's map.
  CP_Head Cp;
};

// Fills the program-wide part of the state, as the program does once at
// start-up before it shows the title screen.
void FillStartUpState(Gamevariable& gv, std::string appPath);

// Gives a new match its initial counters and empty boards.
void ResetMatchState(Gamevariable& gv);

// A 16-bit counter step that fails loudly instead of wrapping around.
void AddChecked(std::int16_t& counter, int delta);

// The full path of a file given relative to the program directory with
// backslashes ("\snd\ハズレ.WAV"), in the platform's own separators.
std::string ProgramFile(const Gamevariable& gv, std::string_view relative);
std::string ProgramFile(const std::string& appPath, std::string_view relative);

}  // namespace vantrel

// How a shot is resolved; the rules are the same for both sides.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/game_context.h"

namespace vantrel {

// "戦闘車ヒット" / "指令車ヒット" on a unit; "隣接" when any cell of the 3 × 3
// block around it (clipped at the edges) holds a unit, intact or destroyed;
// otherwise "ハズレ".
std::string ClassifyShot(std::int16_t col, std::int16_t row, const CellBoard& board);

// Replaces the cell's code by the mark of the shot result.
void WriteShotMark(std::int16_t col, std::int16_t row, CellBoard& board, std::string_view result);

// "勝ち" when the other side has no combat or no command units left, "未決"
// otherwise; "" for a side other than "PLAYER" or "CP".
std::string CheckVictory(const Gamevariable& gv, std::string_view side);

// What a shot result means on screen and in the speakers, shared by the
// player's and the computer's shots.
struct ShotFeedback {
  std::string_view mark;
  std::string_view effect;
  Colour Gamevariable::*colour;
};
const ShotFeedback& FeedbackFor(std::string_view result);

bool IsFiredAt(std::string_view code);

// The icon rows: one icon per unit or shot left.
void UpdateCpUnitIcons(GameContext& ctx);
void UpdatePlayerUnitIcons(GameContext& ctx);
void UpdatePlayerShotIcons(GameContext& ctx);
void UpdateCpShotIcons(GameContext& ctx);

// The player's shot at the current cell of the computer's map. Returns
// "攻撃入力ＮＧ", "PLAYER_TURN", "PLAYER_TURN終了" or "プレイヤー勝利".
std::string ExecutePlayerShot(GameContext& ctx, GridName grid);

// "PLShot"/"CPShot" followed by a line feed, a carriage return and the count.
std::string ShotCaption(std::string_view label, int total);

}  // namespace vantrel

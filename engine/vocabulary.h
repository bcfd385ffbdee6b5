// The words the parts of the game speak to each other: phases, events,
// operation results, cell codes, the texts the player reads and the files the
// game loads. Every comparison in the game is an exact, case-sensitive string
// comparison against one of these.
#pragma once

#include <string_view>

namespace vantrel {

// What a board cell holds.
namespace cell {
inline constexpr std::string_view Empty = "";
inline constexpr std::string_view Command = "指";            // hidden command unit
inline constexpr std::string_view Combat = "戦";             // hidden combat unit
inline constexpr std::string_view Miss = "×空";              // fired at: miss
inline constexpr std::string_view Adjacent = "▲隣";          // fired at: a unit is next to it
inline constexpr std::string_view CombatDestroyed = "★戦";   // fired at: combat unit destroyed
inline constexpr std::string_view CommandDestroyed = "●指";  // fired at: command unit destroyed
}  // namespace cell

// GamePhase. Note "CP_Turn" (a phase) is not "CP_TURN" (a shot result).
namespace phase {
inline constexpr std::string_view InitDeploy = "InitDeploy";
inline constexpr std::string_view CommandDeploy = "指令車配置モード";
inline constexpr std::string_view CombatDeploy = "戦闘車配置モード";
inline constexpr std::string_view PlayerTurn = "PLAYER_TURN";
inline constexpr std::string_view CpTurn = "CP_Turn";
inline constexpr std::string_view Decided = "";
}  // namespace phase

// PendingEvent.
namespace event {
inline constexpr std::string_view FG_E_Click = "FG_E_Click";
inline constexpr std::string_view FG_M_Click = "FG_M_Click";
inline constexpr std::string_view WinCP_Timer = "WinCP_Timer";
inline constexpr std::string_view PLAYER_Win = "PLAYER_Win";
inline constexpr std::string_view CP_Win = "CP_Win";
}  // namespace event

// ShotResult: what a shot at a cell reports.
namespace shot {
inline constexpr std::string_view Miss = "ハズレ";
inline constexpr std::string_view Adjacent = "隣接";
inline constexpr std::string_view CombatHit = "戦闘車ヒット";
inline constexpr std::string_view CommandHit = "指令車ヒット";
}  // namespace shot

// Results that operations hand back to the dispatcher.
namespace result {
inline constexpr std::string_view PlayerTurn = "PLAYER_TURN";
inline constexpr std::string_view PlayerTurnOver = "PLAYER_TURN終了";
inline constexpr std::string_view PlayerWon = "プレイヤー勝利";
inline constexpr std::string_view ShotRefused = "攻撃入力ＮＧ";
inline constexpr std::string_view CpTurn = "CP_TURN";
inline constexpr std::string_view CpTurnOver = "CP_TURN終了";
inline constexpr std::string_view CpWon = "ＣＰ勝利";
inline constexpr std::string_view CommandDeployDone = "指令車配置終了";
inline constexpr std::string_view CombatDeployDone = "戦闘車配置終了";
inline constexpr std::string_view AlreadyPlaced = "配置済み";
inline constexpr std::string_view Won = "勝ち";
inline constexpr std::string_view Undecided = "未決";
}  // namespace result

// The side argument of CheckVictory.
namespace side {
inline constexpr std::string_view Player = "PLAYER";
inline constexpr std::string_view Cp = "CP";
}  // namespace side

// CpStrategy: the computer's targeting modes.
namespace strategy {
inline constexpr std::string_view General = "▲全般攻撃";
inline constexpr std::string_view Focus = "最後に見つけた▲に集中";
inline constexpr std::string_view Scatter = "散発";
inline constexpr std::string_view ForcedScatter = "強制散発";
}  // namespace strategy

// Portrait expressions.
namespace expression {
inline constexpr std::string_view Normal = "普通";
inline constexpr std::string_view Angry = "怒り";
inline constexpr std::string_view Smile = "笑顔";
}  // namespace expression

// MessageState of the banner.
namespace banner {
inline constexpr std::string_view First = "First";
inline constexpr std::string_view Come = "Come";
inline constexpr std::string_view Stop = "Stop";
inline constexpr std::string_view Go = "Go";
inline constexpr std::string_view Idle = "";
}  // namespace banner

// Texts the player reads.
namespace text {
inline constexpr std::string_view WindowCaption = "Vantrel";
inline constexpr std::string_view GameStart = "ゲームスタート";
inline constexpr std::string_view CommandPromptPrefix = "指令ユニットを配置してください  残り ";
inline constexpr std::string_view CombatPromptPrefix = "攻撃ユニットを配置してください  残り ";
inline constexpr std::string_view PromptUnit = "機";
inline constexpr std::string_view YouWin = "You Win";
inline constexpr std::string_view YouLose = "You Lose";
inline constexpr std::string_view ResultTitle = "戦闘結果";
inline constexpr std::string_view QuitQuestion = "終了してよろしいですか？";
inline constexpr std::string_view QuitTitle = "確認";
inline constexpr std::string_view Yes = "はい";
inline constexpr std::string_view No = "いいえ";
inline constexpr std::string_view MenuEndGame = "ゲーム終了";
inline constexpr std::string_view MenuRetTitle = "タイトルに戻る";
inline constexpr std::string_view MenuSurrender = "降伏する";
}  // namespace text

// Sound files, relative to the program directory.
namespace snd {
inline constexpr std::string_view MainBGM = "\\snd\\MainBGM.wav";
inline constexpr std::string_view OmakeBGM = "\\snd\\OmakeBGM.wav";
inline constexpr std::string_view Miss = "\\snd\\ハズレ.WAV";
inline constexpr std::string_view Adjacent = "\\snd\\隣接.WAV";
inline constexpr std::string_view CombatHit = "\\snd\\戦闘車.WAV";
inline constexpr std::string_view CommandHit = "\\snd\\指令車.WAV";
inline constexpr std::string_view Message = "\\snd\\メッセージ.WAV";
}  // namespace snd

// Picture files the game logic names, relative to the program directory.
namespace img {
inline constexpr std::string_view PlayerMap = "\\img\\Stage1-FG_M.bmp";
inline constexpr std::string_view CpMap = "\\img\\Stage1-FG_E.bmp";
inline constexpr std::string_view Sprites = "\\img\\×▲爆発[指]爆発[戦].bmp";
inline constexpr std::string_view Chara0 = "\\img\\Chara-0.bmp";
inline constexpr std::string_view Chara1 = "\\img\\Chara-1.bmp";
inline constexpr std::string_view Chara2 = "\\img\\Chara-2.bmp";
}  // namespace img

// Settings file.
namespace ini {
inline constexpr std::string_view FileName = "\\Tarvo.ini";
inline constexpr std::string_view Unset = "ERROR";
inline constexpr std::string_view Set = "1";
}  // namespace ini

}  // namespace vantrel

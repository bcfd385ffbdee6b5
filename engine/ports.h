// The narrow interfaces through which the game logic reaches the screen and
// the speakers. The Qt windows implement them; tests implement them with
// recording fakes; the headless view plays whole matches without a window.
#pragma once

#include <cstdint>
#include <string>

namespace vantrel {

// A colour in the 0x00BBGGRR layout.
using Colour = std::uint32_t;
constexpr Colour RGB(int r, int g, int b) {
  return static_cast<Colour>(r & 0xFF) | (static_cast<Colour>(g & 0xFF) << 8) |
         (static_cast<Colour>(b & 0xFF) << 16);
}

struct Cell {
  std::int16_t col = 0;
  std::int16_t row = 0;
  friend bool operator==(const Cell&, const Cell&) = default;
};

enum class GridName { FG_E, FG_M };  // the computer's map, the player's map

enum class LabelName { Label_Command, Label_Msg, StageNo, CharaNo, PLShot, CPShot };

enum class IconRow {
  ImageRemShot_P,  // shots the player has left this turn (4)
  ImageRemShot_E,  // shots the computer has left this turn (4)
  ImageRemSen_E,   // the computer's combat units (4)
  ImageRemSiki_E,  // the computer's command units (3)
  ImageRemSen_M,   // the player's combat units (4)
  ImageRemSiki_M,  // the player's command units (3)
};

constexpr int IconRowSize(IconRow row) {
  return row == IconRow::ImageRemSiki_E || row == IconRow::ImageRemSiki_M ? 3 : 4;
}

// The battle screen as the match engine sees it.
class BattleScreen {
 public:
  virtual ~BattleScreen() = default;

  // Preparation steps of the screen's load, called by LoadMatch in order.
  virtual void SetUpGrids() = 0;
  virtual void LoadCharacterPortrait() = 0;
  virtual void LoadUnitSprites() = 0;

  // Map grids: the current cell (a click sets it before the click event),
  // its background colour, and drawing one cell from its cell code.
  virtual Cell CurrentCell(GridName grid) const = 0;
  virtual void SetCurrentCell(GridName grid, Cell cell) = 0;
  virtual void SetCurrentCellColor(GridName grid, Colour colour) = 0;
  virtual void DrawCell(GridName grid, std::int16_t col, std::int16_t row,
                        const std::string& code) = 0;

  virtual void SetCaption(LabelName label, const std::string& caption) = 0;
  virtual void SetLabelVisible(LabelName label, bool visible) = 0;
  virtual void SetIconVisible(IconRow row, int index, bool visible) = 0;

  // Portrait reaction ("怒り", "笑顔", ...) and the message banner.
  virtual void ShowReaction(const std::string& expression) = 0;
  virtual void ShowMessage(const std::string& text) = 0;

  // The modal "戦闘結果" box with one OK button; returns when it is closed.
  virtual void ShowResultBox(const std::string& text) = 0;

  // The screen's public SetEvent: relays a match-ending event back into the
  // dispatcher, synchronously, through the screen's event relay.
  virtual void SetEvent(const std::string& name) = 0;
};

// Sound playback. Each sound is named by its full path; one open instance
// per path, different paths sound together.
class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
  virtual void PlaySnd(const std::string& path) = 0;
  virtual void CloseSnd(const std::string& path) = 0;
  virtual void CloseAllSnd() = 0;
  virtual std::string GetSndMode(const std::string& path) = 0;
  virtual void CloseEffectSnds() = 0;
};

// The three switches of the run: the title screen's check boxes.
class Switches {
 public:
  virtual ~Switches() = default;
  virtual bool CheckSE() const = 0;      // checked: effects off
  virtual bool CheckBGM() const = 0;     // checked: music off
  virtual bool LowSpecMode() const = 0;  // checked: smooth (2-pixel) scrolling
};

// Every window of the game.
enum class ScreenId {
  Kor_Sub, Kor_Main, Kor_Continue, Kor_OmakeMode,
  Kor_OmakeCG0A, Kor_OmakeCG0B, Kor_OmakeCG0C, Kor_OmakeCG0D,
  Kor_OmakeCG1A, Kor_OmakeCG1B, Kor_OmakeCG1C, Kor_OmakeCG1D,
  Kor_OmakeCG2A, Kor_OmakeCG2B, Kor_OmakeCG2C, Kor_OmakeCG2D,
};

// The viewer of character c (0..2), page p (0..3 for A..D).
constexpr ScreenId ViewerScreen(int character, int page) {
  return static_cast<ScreenId>(static_cast<int>(ScreenId::Kor_OmakeCG0A) + 4 * character + page);
}

// Moving between windows.
class Screens {
 public:
  virtual ~Screens() = default;
  // Shows `show` in the place of `close`, then closes `close` quietly.
  virtual void SwitchScreen(ScreenId show, ScreenId close) = 0;
};

}  // namespace vantrel

// The battle screen: the window in which one match is played. It shows the
// computer's map (FG_E, above) and the player's map (FG_M, below), the
// opponent's portrait, the stage, the instruction line, the message banner
// and the icon rows, and offers three menu commands. Everything it does with
// the match goes through its BattleEvents; the window only turns clicks and
// ticks into calls and shows what the match asks it to show.
//
// A fresh window is made for every match: its constructor is the load, and
// it is closed (and deleted later) when the match is left.
#pragma once

#include <QMainWindow>

#include <array>
#include <string>
#include <vector>

#include "cpu/cells.h"
#include "engine/battle_events.h"
#include "engine/ports.h"
#include "gfx/paint_effects.h"
#include "ui/battle/battle_timers.h"
#include "ui/battle/game_timer.h"
#include "ui/battle/picture_strip.h"
#include "ui/shell/app_services.h"
#include "ui/shell/screen_manager.h"

class QLabel;

namespace vantrel {

class ImageBox;
class MapGrid;

class Kor_Main final : public QMainWindow, public ActivatableWindow, public BattleScreen {
 public:
  // The key colour of the marker sprites: RGB(0, 0, 255) shows the tile.
  static constexpr Colour SpriteKeyColour = 0x00FF0000;
  static constexpr int CpTurnInterval = 430;
  static constexpr int TimerSndInterval = 500;

  // Loads the window and a complete match; a missing picture raises
  // AssetError.
  explicit Kor_Main(AppServices& app);
  ~Kor_Main() override;

  BattleEvents& Events() { return events_; }
  MapGrid& Grid(GridName grid) { return *grids_[static_cast<std::size_t>(grid)]; }
  const MessageBanner& Banner() const { return banner_; }
  const PortraitReaction& Portrait() const { return portrait_; }
  // The pacing clock's interval: the game keeps 430 ms; tests and tools that
  // play whole matches may go faster.
  void SetCpTurnInterval(int ms) { CpTurn_.SetInterval(ms); }

  // The battle screen becomes the active window of the game.
  void Form_Activate() override;

  // The three menu commands.
  void EndGame_Click();
  void RetTitle_Click();
  void Surrender_Click();

  // BattleScreen
  void SetUpGrids() override;
  void LoadCharacterPortrait() override;
  void LoadUnitSprites() override;
  Cell CurrentCell(GridName grid) const override;
  void SetCurrentCell(GridName grid, Cell cell) override;
  void SetCurrentCellColor(GridName grid, Colour colour) override;
  void DrawCell(GridName grid, std::int16_t col, std::int16_t row, const std::string& code) override;
  void SetCaption(LabelName label, const std::string& caption) override;
  void SetLabelVisible(LabelName label, bool visible) override;
  void SetIconVisible(IconRow row, int index, bool visible) override;
  void ShowReaction(const std::string& expression) override;
  void ShowMessage(const std::string& text) override;
  void ShowResultBox(const std::string& text) override;
  void SetEvent(const std::string& name) override;

  // The marker sprite a cell code is drawn with.
  static int SpriteCellFor(std::string_view code);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // While a message box is open the game's timers stand still: no computer
  // shot, no start of deployment, no banner or portrait step.
  class BoxOpen {
   public:
    explicit BoxOpen(Kor_Main& window);
    ~BoxOpen();
    BoxOpen(const BoxOpen&) = delete;
    BoxOpen& operator=(const BoxOpen&) = delete;

   private:
    Kor_Main& window_;
  };

  void BuildControls();
  void LoadWindowPictures();
  void LoadMapTiles(MapGrid& grid, PictureStrip& strip, std::string_view fileName);
  void SetUpGrid(MapGrid& grid);
  QLabel* AddLabel(const char* name, const QRect& pixels, int points, bool yellow);
  ImageBox* AddImage(const char* name, int leftTwips, int topTwips, int sizeTwips);
  QLabel& Label(LabelName label) const { return *labels_[static_cast<std::size_t>(label)]; }
  const MapGrid& Grid(GridName grid) const { return *grids_[static_cast<std::size_t>(grid)]; }

  bool AskQuit();
  void QuitProgram();
  void StopAllTimers();

  void CpTurn_Timer();
  void TimerMsg_Timer();
  void CharaPicTimer_Timer();
  void TimerSnd_Timer();
  void MoveBanner();

  AppServices& app_;
  // Qt lays the window out in device-independent pixels, which are always
  // at the design resolution of 15 twips per pixel.
  TwipsPerPixel scale_{};

  MessageBanner banner_;
  PortraitReaction portrait_;

  GameTimer CpTurn_;
  GameTimer TimerMsg_;
  GameTimer CharaPicTimer_;
  GameTimer TimerSnd_;

  // Controls, all owned by the window.
  ImageBox* surface_ = nullptr;  // the client area with the background picture
  std::array<MapGrid*, 2> grids_{};
  std::array<QLabel*, 6> labels_{};
  std::array<std::vector<ImageBox*>, 6> icons_{};
  ImageBox* Picture1_ = nullptr;
  ImageBox* CharaImg_ = nullptr;

  // Working surfaces, never shown.
  PictureStrip PicClipUnit_;
  PictureStrip PicClipChara_;
  std::array<PictureStrip, 2> PicClipWork_;  // 0: the player's map, 1: the computer's
  Picture PicTransFront_;
  QImage PicTransBack_;

  BattleEvents events_;
};

}  // namespace vantrel

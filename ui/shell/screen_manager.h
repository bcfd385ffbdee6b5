// Every change of window goes through here: a window is created (loaded)
// when it is shown, takes the place of the window it replaces, and the old
// one is closed quietly. Each window exists at most once.
#pragma once

#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>

#include "engine/match_state.h"
#include "engine/ports.h"

namespace vantrel {

// Implemented by every window of the game: runs when the window becomes the
// active one among the game's windows (its first showing, or a switch back
// to it), never when the desktop merely gives the program the focus back.
class ActivatableWindow {
 public:
  virtual ~ActivatableWindow() = default;
  virtual void Form_Activate() = 0;
};

class ScreenManager final : public Screens {
 public:
  // Creates the window for a screen; its constructor is the window's load.
  using Factory = std::function<QWidget*(ScreenId)>;

  ScreenManager(Gamevariable& gv, Factory factory);
  ~ScreenManager() override;

  // Shows `show` where `close` was, gives it the focus, then closes `close`
  // with ScreenSwitching set so that it goes quietly.
  void SwitchScreen(ScreenId show, ScreenId close) override;

  // The title's way of opening a screen: at the title's place, shown and
  // focused, and the title hides itself (it is never closed).
  void OpenFromTitle(ScreenId show);

  // Start-up: the first window, shown and focused.
  void ShowFirst(ScreenId first);

  // The loaded window of a screen, or nullptr.
  QWidget* Window(ScreenId id) const;
  bool IsShown(ScreenId id) const;

 private:
  QWidget* Load(ScreenId id);
  void ShowAndActivate(QWidget* window);

  Gamevariable& gv_;
  Factory factory_;
  std::array<QPointer<QWidget>, 16> windows_;
};

}  // namespace vantrel

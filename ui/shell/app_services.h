// What every window of the game is handed when it is created: the shared
// state, the ports to sound and switches, the generator, the message boxes
// and the window switcher. Created once by the program; tests make their own.
#pragma once

#include <QString>

#include "cpu/random.h"
#include "engine/match_state.h"
#include "engine/ports.h"

class QWidget;

namespace vantrel {

class ScreenManager;

// The game's two kinds of message box, behind one seam so tests can answer.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // "終了してよろしいですか？" (title "確認", はい / いいえ). True for はい.
  virtual bool AskQuit(QWidget* parent) = 0;
  // "You Win" / "You Lose" (title "戦闘結果", one OK button, no icon, in front).
  virtual void ShowResult(QWidget* parent, const QString& text) = 0;
};

// Ending the program at once.
class ProgramExit {
 public:
  virtual ~ProgramExit() = default;
  virtual void EndProgram() = 0;
};

struct AppServices {
  Gamevariable& gv;
  SoundOutput& sound;
  const Switches& switches;
  RandomSource& random;
  Dialogs& dialogs;
  ProgramExit& exit;
  ScreenManager& screens;
  QString settingsPath;  // the full path of Tarvo.ini
};

}  // namespace vantrel

// The game's windows without a desktop: the real title, continue, gallery
// and viewer windows over a program folder of plain stand-in pictures of the
// right sizes, a stand-in battle window that wins or loses on request (or
// the real one, over the battle screen's own stand-in pictures),
// scripted answers to the quit question and a recording of every sound call.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QTemporaryDir>
#include <QWidget>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "app/window_factory.h"
#include "cpu/random.h"
#include "engine/headless_ports.h"
#include "engine/headless_screen.h"
#include "engine/match_state.h"
#include "ui/front/kor_sub.h"
#include "ui/front/title_switches.h"
#include "ui/shell/app_services.h"
#include "ui/shell/screen_manager.h"

namespace vantrel::testing {

// A program folder holding every picture the front end and the gallery load,
// each a plain colour at the size the game expects. `without` leaves one out.
class StandInProgramDir {
 public:
  explicit StandInProgramDir(const std::string& without = {});
  QString Path() const { return dir_.path(); }
  // Every picture file, relative to the program folder ("img/CG0A.bmp"), with its size.
  struct Picture {
    std::string file;
    int width, height;
  };
  static const std::vector<Picture>& Pictures();

 private:
  QTemporaryDir dir_;
};

class ScriptedDialogs final : public Dialogs {
 public:
  std::deque<bool> answers;  // one per quit question still to come
  int quitQuestions = 0;
  bool AskQuit(QWidget*) override {
    ++quitQuestions;
    if (answers.empty()) {
      ADD_FAILURE() << "the quit question was asked without an answer prepared";
      return false;
    }
    const bool yes = answers.front();
    answers.pop_front();
    return yes;
  }
  std::vector<QString> results;  // "You Win" / "You Lose", in order
  void ShowResult(QWidget*, const QString& text) override { results.push_back(text); }
};

class RecordingExit final : public ProgramExit {
 public:
  int ends = 0;
  void EndProgram() override { ++ends; }
};

// What the battle screen does with sound and windows, without its match:
// music on activation, quiet release when switched away, the quit question
// when closed by the player. Win() and Lose() end its match.
class StandInBattle final : public QWidget, public ActivatableWindow {
 public:
  explicit StandInBattle(AppServices& services);
  void Form_Activate() override;
  void Win();
  void Lose();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  AppServices& services_;
  HeadlessBattleScreen screen_;
};

class WindowFixture : public ::testing::Test {
 protected:
  WindowFixture();
  ~WindowFixture() override;

  // Start-up: the title, shown first.
  void Start();

  // Finishes deleting the windows that were closed.
  static void Settle();

  QWidget* Window(ScreenId id) const { return screens.Window(id); }
  Kor_Sub& Title() const;
  StandInBattle& Battle() const;
  // The single window on screen; fails the test if there are more or none.
  ScreenId Shown() const;

  // A button or check box of a window by its control name.
  QAbstractButton* Button(ScreenId id, const char* name) const;
  void Click(ScreenId id, const char* name);
  // A left click on a picture or window, through the mouse.
  void MouseClick(QWidget* target);
  void MouseClickAt(QWidget* target, QPoint where);
  void MouseClick(ScreenId id, const char* pictureName);

  std::string SettingsFileText() const;
  void WriteSettingsFile(const std::string& text);
  std::string Music(std::string_view relative) const { return ProgramFile(gv, relative); }
  // The sound calls since the last call, and forgets them.
  std::vector<std::string> TakeSoundCalls();

  static StandInProgramDir& SharedProgramDir();

  // The real battle screen instead of the stand-in, for matches played out.
  bool realBattle = false;

  QTemporaryDir settingsDir;
  Gamevariable gv;
  RecordingSound sound;
  TitleSwitches switches;
  SeededRandom random{7};
  ScriptedDialogs dialogs;
  RecordingExit exit;
  std::vector<QString> reportedFiles;
  std::vector<std::pair<int, int>> battleLoads;  // (character, stage) of each match loaded
  GameWindowFactory factory;
  AppServices services;  // refers to `screens`, which goes first: it deletes the windows
  ScreenManager screens;
};

}  // namespace vantrel::testing

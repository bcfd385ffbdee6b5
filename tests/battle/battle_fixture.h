// A battle screen in a real (offscreen) window: the program's services with
// scripted message boxes, recording sound, fixed switches, a seeded
// generator and a screen manager whose other screens are plain stand-ins.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <vector>

#include "cpu/random.h"
#include "engine/headless_ports.h"
#include "engine/vocabulary.h"
#include "stand_in_pictures.h"
#include "ui/battle/kor_main.h"
#include "ui/battle/map_grid.h"
#include "ui/shell/screen_manager.h"

namespace vantrel::testing {

// Message boxes that answer at once. The hooks run while a box would be
// open; a hook that waits (QTest::qWait) keeps the box open as long as a
// player would, with the event loop running.
class ScriptedDialogs final : public Dialogs {
 public:
  bool answer = false;  // the answer to the quit question: true for はい
  int questions = 0;
  std::vector<QString> results;
  std::function<void()> whileQuestionOpen;
  std::function<void(const QString&)> whileResultOpen;

  bool AskQuit(QWidget*) override {
    ++questions;
    if (whileQuestionOpen) whileQuestionOpen();
    return answer;
  }
  void ShowResult(QWidget*, const QString& text) override {
    results.push_back(text);
    if (whileResultOpen) whileResultOpen(text);
  }
};

class RecordingExit final : public ProgramExit {
 public:
  int calls = 0;
  void EndProgram() override { ++calls; }
};

class BattleWindowFixture : public ::testing::Test {
 protected:
  BattleWindowFixture()
      : screens(gv, [this](ScreenId id) { return MakeScreen(id); }),
        app{gv, sound, switches, random, dialogs, exit, screens, QString()} {
    if (!dir.isValid()) throw std::runtime_error("no temporary directory");
    WriteStandInPictures(dir.path());
    FillStartUpState(gv, dir.path().toStdString());
  }

  ~BattleWindowFixture() override { FlushDeletes(); }

  // Opens the battle screen as the game's first window: loaded, shown and
  // activated.
  Kor_Main& Open() {
    screens.ShowFirst(ScreenId::Kor_Main);
    window = static_cast<Kor_Main*>(screens.Window(ScreenId::Kor_Main));
    return *window;
  }

  // Windows closed by a switch are deleted once control is back in the event
  // loop; tests get there here.
  static void FlushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

  MapGrid& Grid(GridName grid) { return window->Grid(grid); }
  QLabel& Label(const char* name) { return *window->findChild<QLabel*>(name); }
  QTimer& Timer(const char* name) { return *window->findChild<QTimer*>(name); }

  static QPoint CentreOf(const MapGrid& grid, Cell cell) { return grid.CellRect(cell).center(); }

  void Click(GridName grid, Cell cell) {
    MapGrid& g = Grid(grid);
    QTest::mouseClick(&g, Qt::LeftButton, Qt::NoModifier, CentreOf(g, cell));
  }

  // Waits for the first tick of the pacing clock, which starts deployment.
  void WaitForDeployment() {
    ASSERT_TRUE(QTest::qWaitFor([&] { return gv.GamePhase == phase::CommandDeploy; }, 3000));
  }

  // Places three command units, then four combat units, by clicks.
  void Deploy(const std::array<Cell, 7>& cells) {
    WaitForDeployment();
    for (Cell c : cells) Click(GridName::FG_M, c);
    ASSERT_EQ(gv.GamePhase, phase::PlayerTurn);
  }

  // Cells of the computer's map: those with a hidden unit, or those without.
  std::vector<Cell> CpCells(bool units) const {
    std::vector<Cell> cells;
    for (std::int16_t r = 0; r < MapRows; ++r)
      for (std::int16_t c = 0; c < MapColumns; ++c) {
        const std::string& code = gv.CpBoard(c, r);
        if ((code == cell::Combat || code == cell::Command) == units) cells.push_back(Cell{c, r});
      }
    return cells;
  }

  QWidget* MakeScreen(ScreenId id) {
    if (id == ScreenId::Kor_Main) return new Kor_Main(app);
    auto* standIn = new QWidget;
    standIn->setObjectName(QString("screen %1").arg(static_cast<int>(id)));
    standIn->resize(200, 100);
    return standIn;
  }

  QTemporaryDir dir;
  Gamevariable gv;
  RecordingSound sound;
  FixedSwitches switches;
  SeededRandom random{20240611};
  ScriptedDialogs dialogs;
  RecordingExit exit;
  ScreenManager screens;
  AppServices app;
  QPointer<Kor_Main> window;
};

// The standard deployment of the tests: command units first.
inline constexpr std::array<Cell, 7> PlayerUnits{Cell{0, 8}, Cell{9, 4}, Cell{18, 0}, Cell{3, 2},
                                                 Cell{4, 2}, Cell{12, 6}, Cell{18, 8}};

}  // namespace vantrel::testing

// Opens the battle screen on the display for a look at it: with the pictures
// of a program directory (or stand-ins), optionally part-way through a match.
//
//   battle_preview [--dir DIR] [--play] [--ms N] [--grab FILE]
//
// --play deploys the player's units and fires a few shots, hits among them;
// --grab saves what the window shows before it closes after N ms.
#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

#include "cpu/random.h"
#include "engine/headless_ports.h"
#include "engine/vocabulary.h"
#include "stand_in_pictures.h"
#include "ui/battle/kor_main.h"
#include "ui/battle/map_grid.h"
#include "ui/shell/qt_dialogs.h"

using namespace vantrel;

namespace {

class NoBoxes final : public Dialogs {
 public:
  bool AskQuit(QWidget*) override { return true; }
  void ShowResult(QWidget*, const QString& text) override { std::printf("result: %s\n", qPrintable(text)); }
};

void Play(Kor_Main& w, Gamevariable& gv) {
  w.Events().CpTurn_Timer();
  const Cell units[] = {{1, 7}, {9, 4}, {16, 1}, {3, 2}, {4, 2}, {12, 6}, {17, 8}};
  for (Cell c : units) {
    w.SetCurrentCell(GridName::FG_M, c);
    w.Events().FG_M_Click();
  }
  int hits = 0, misses = 0;
  for (std::int16_t r = 0; r < MapRows && gv.GamePhase == phase::PlayerTurn; ++r)
    for (std::int16_t c = 0; c < MapColumns && gv.GamePhase == phase::PlayerTurn; ++c) {
      const bool unit = gv.CpBoard(c, r) == cell::Combat || gv.CpBoard(c, r) == cell::Command;
      if ((unit && hits < 1) || (!unit && misses < 3 && (c + r) % 5 == 0)) {
        (unit ? hits : misses)++;
        w.SetCurrentCell(GridName::FG_E, Cell{c, r});
        w.Events().FG_E_Click();
      }
    }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);
  QString dir, grabFile;
  bool play = false;
  int ms = 3000;
  const QStringList args = qapp.arguments();
  for (int i = 1; i < args.size(); ++i) {
    if (args[i] == "--dir" && i + 1 < args.size()) dir = args[++i];
    else if (args[i] == "--play") play = true;
    else if (args[i] == "--ms" && i + 1 < args.size()) ms = args[++i].toInt();
    else if (args[i] == "--grab" && i + 1 < args.size()) grabFile = args[++i];
  }
  QTemporaryDir standIns;
  if (dir.isEmpty()) {
    dir = standIns.path();
    testing::WriteStandInPictures(dir);
  }

  Gamevariable gv;
  FillStartUpState(gv, dir.toStdString());
  SilentSound sound;
  FixedSwitches switches;
  SeededRandom random(7);
  NoBoxes dialogs;
  QtProgramExit exit;
  // The battle screen is opened by hand here; any other screen is a blank.
  ScreenManager screens(gv, [](ScreenId) -> QWidget* { return new QWidget; });
  AppServices app{gv, sound, switches, random, dialogs, exit, screens, QString()};
  Kor_Main window(app);
  window.move(0, 0);
  window.show();
  window.Form_Activate();
  if (play) Play(window, gv);
  QTimer::singleShot(ms, [&] {
    if (!grabFile.isEmpty()) window.grab().save(grabFile);
    QCoreApplication::quit();
  });
  return qapp.exec();
}

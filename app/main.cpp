// Vantrel: the program. It takes no command line: it finds its pictures, its
// sounds and its settings file beside the executable, shows the title screen
// and runs until a window ends it.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>

#include <cstdio>
#include <filesystem>

#include "app/window_factory.h"
#include "audio/qt_sound.h"
#include "audio/snd_module.h"
#include "cpu/random.h"
#include "engine/match_state.h"
#include "ui/battle/kor_main.h"
#include "ui/front/settings_location.h"
#include "ui/front/title_switches.h"
#include "ui/shell/app_services.h"
#include "ui/shell/first_paint_probe.h"
#include "ui/shell/qt_dialogs.h"
#include "ui/shell/screen_manager.h"

namespace vantrel {
namespace {

void ReportUnreadablePicture(const QString& file) {
  std::fprintf(stderr, "vantrel: cannot read picture file %s\n",
               QFile::encodeName(QDir::toNativeSeparators(file)).constData());
  QMessageBox box(QMessageBox::Critical, QStringLiteral("Vantrel"),
                  QStringLiteral("画像ファイルを読み込めません。ゲームを終了します。\n\n") +
                      QDir::toNativeSeparators(file),
                  QMessageBox::Ok);
  box.exec();
}

QString SettingsFileFor(const QString& programDir) {
  const std::filesystem::path dir(programDir.toStdU16String());
  return QString::fromStdU16String(SettingsFilePath(dir).u16string());
}

// Everything the windows share, in the order it must be built; the window
// manager comes last so that it is the first to go, taking the windows with it.
struct Game {
  explicit Game(const QString& programDir)
      : sound(programDir.toStdString(), speakers),
        factory(
            switches, [](AppServices& services) -> QWidget* { return new Kor_Main(services); },
            ReportUnreadablePicture),
        services{gv, sound, switches, random, dialogs, exit, screens, SettingsFileFor(programDir)},
        screens(gv, [this](ScreenId id) { return factory.Create(id); }) {
    FillStartUpState(gv, programDir.toStdString());
    factory.Attach(services);
  }

  Gamevariable gv;
  QtSoundBackend speakers;
  SndModule sound;
  TimeMixedRandom random;
  QtDialogs dialogs;
  QtProgramExit exit;
  TitleSwitches switches;
  GameWindowFactory factory;
  AppServices services;
  ScreenManager screens;
};

}  // namespace
}  // namespace vantrel

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  vantrel::InstallFirstPaintProbe();  // the start-up benchmark's stopwatch; idle otherwise
  // The game ends only through its own windows: the title's quit, or a
  // confirmed quit question. A window switch never leaves it windowless.
  QApplication::setQuitOnLastWindowClosed(false);

  vantrel::Game game(QCoreApplication::applicationDirPath());
  game.screens.ShowFirst(vantrel::ScreenId::Kor_Sub);
  if (game.factory.Failed()) return 1;
  const int status = QApplication::exec();
  return game.factory.Failed() ? 1 : status;
}

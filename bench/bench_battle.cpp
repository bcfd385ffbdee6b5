// The battle screen's costs: its load up to the first painted frame, one map
// cell drawn, and the processor time a battle screen uses while it waits for
// the player. Runs on the offscreen platform unless a display is chosen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <array>
#include <chrono>
#include <ctime>
#include <string>

#include "bench_support.h"
#include "cpu/random.h"
#include "engine/headless_ports.h"
#include "engine/vocabulary.h"
#include "stand_in_pictures.h"
#include "ui/battle/kor_main.h"

namespace {

using namespace vantrel;

using bench::NoBoxes;
using bench::NoExit;
using bench::RunEventLoopFor;

// What the program hands a window, with pictures of the game's own sizes.
struct Services {
  Services() {
    testing::WriteStandInPictures(dir.path());
    FillStartUpState(gv, dir.path().toStdString());
  }
  QTemporaryDir dir;
  Gamevariable gv;
  SilentSound sound;
  FixedSwitches switches;
  SeededRandom random{1};
  NoBoxes dialogs;
  NoExit exit;
  ScreenManager screens{gv, [](ScreenId) -> QWidget* { return new QWidget; }};
  AppServices app{gv, sound, switches, random, dialogs, exit, screens, QString()};
};

class FirstPaint final : public QObject {
 public:
  bool painted = false;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted = true;
    return false;
  }
};

// From the window's construction (its load: pictures, grids, tiles, the
// computer's deployment, portrait, sprites) to its first painted frame.
void BM_BattleScreenLoadToFirstPaint(benchmark::State& state) {
  Services s;
  for (auto _ : state) {
    auto* window = new Kor_Main(s.app);
    FirstPaint probe;
    window->centralWidget()->installEventFilter(&probe);
    window->show();
    while (!probe.painted) QCoreApplication::processEvents();
    state.PauseTiming();
    delete window;
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_BattleScreenLoadToFirstPaint)->Unit(benchmark::kMillisecond);

// One DrawCell: a sprite over its tile, handed to the grid, which schedules
// the repaint of that cell.
void BM_DrawCell(benchmark::State& state) {
  Services s;
  Kor_Main window(s.app);
  window.show();
  QCoreApplication::processEvents();
  const std::array<std::string, 6> codes{std::string(cell::Miss),    std::string(cell::Adjacent),
                                         std::string(cell::CombatDestroyed), std::string(cell::CommandDestroyed),
                                         std::string(cell::Combat),  std::string(cell::Command)};
  int i = 0;
  for (auto _ : state) {
    const GridName grid = (i & 1) ? GridName::FG_E : GridName::FG_M;
    const auto cellIndex = static_cast<std::int16_t>(i % MapCells);
    window.DrawCell(grid, static_cast<std::int16_t>(cellIndex % MapColumns),
                    static_cast<std::int16_t>(cellIndex / MapColumns), codes[static_cast<std::size_t>(i % 6)]);
    ++i;
  }
}
BENCHMARK(BM_DrawCell);

// A battle screen waiting for the player's first placement, its music on:
// the pacing clock and the music loop keep ticking. Reported as the share of
// one core the whole process used over the wait.
void BM_WaitingBattleScreenCpu(benchmark::State& state) {
  Services s;
  Kor_Main window(s.app);
  window.show();
  window.Form_Activate();
  RunEventLoopFor(1000);  // painted, and deployment has started
  double cpuSeconds = 0, wallSeconds = 0;
  for (auto _ : state) {
    const std::clock_t cpu0 = std::clock();
    const auto wall0 = std::chrono::steady_clock::now();
    RunEventLoopFor(static_cast<int>(state.range(0)));
    cpuSeconds += static_cast<double>(std::clock() - cpu0) / CLOCKS_PER_SEC;
    wallSeconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - wall0).count();
  }
  if (s.gv.GamePhase != phase::CommandDeploy) state.SkipWithError("the screen was not waiting for a placement");
  state.counters["cpu_percent_of_a_core"] = 100.0 * cpuSeconds / wallSeconds;
}
BENCHMARK(BM_WaitingBattleScreenCpu)->Arg(5000)->Iterations(1)->Unit(benchmark::kMillisecond);

// The offscreen platform says so each time a window is sized by its hints.
QtMessageHandler defaultHandler = nullptr;
void QuietAboutThePlatform(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (!message.startsWith("This plugin does not support")) defaultHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  defaultHandler = qInstallMessageHandler(QuietAboutThePlatform);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

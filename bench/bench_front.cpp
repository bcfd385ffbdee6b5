// The title screen and the bonus viewers: the processor time a title screen
// uses while the player decides, and how evenly a page C picture scrolls
// (the error of each 30 ms scroll tick's interval). Uses the rendered
// pictures beside the executable; offscreen unless a display is chosen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>
#include <vector>

#include "bench_support.h"
#include "cpu/random.h"
#include "engine/headless_ports.h"
#include "ui/front/kor_sub.h"
#include "ui/gallery/bonus_pages.h"
#include "ui/gallery/kor_omake_cg.h"

namespace {

using namespace vantrel;

using bench::NoBoxes;
using bench::NoExit;
using bench::RunEventLoopFor;

struct Services {
  Services() {
    FillStartUpState(gv, QCoreApplication::applicationDirPath().toStdString());
    settings = QDir::temp().filePath("vantrel-bench-Tarvo.ini");
  }
  Gamevariable gv;
  SilentSound sound;
  FixedSwitches switches;
  SeededRandom random{1};
  NoBoxes dialogs;
  NoExit exit;
  ScreenManager screens{gv, [](ScreenId) -> QWidget* { return new QWidget; }};
  QString settings;
  AppServices app{gv, sound, switches, random, dialogs, exit, screens, settings};
};

bool PicturesPresent() {
  return QFile::exists(QCoreApplication::applicationDirPath() + "/img/Title-Back.bmp");
}

// The title screen waiting for a choice: reported as the share of one core
// the whole process used.
void BM_IdleTitleScreenCpu(benchmark::State& state) {
  if (!PicturesPresent()) return state.SkipWithError("no rendered pictures beside the benchmark");
  Services s;
  Kor_Sub title(s.app);
  title.show();
  title.Form_Activate();
  RunEventLoopFor(500);
  double cpu = 0, wall = 0;
  for (auto _ : state) {
    const std::clock_t c0 = std::clock();
    const auto w0 = std::chrono::steady_clock::now();
    RunEventLoopFor(static_cast<int>(state.range(0)));
    cpu += static_cast<double>(std::clock() - c0) / CLOCKS_PER_SEC;
    wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - w0).count();
  }
  state.counters["cpu_percent_of_a_core"] = 100.0 * cpu / wall;
}
BENCHMARK(BM_IdleTitleScreenCpu)->Arg(5000)->Iterations(1)->Unit(benchmark::kMillisecond);

// Page C of character 0 scrolling at 4 pixels a tick: the intervals between
// its scroll ticks against the 30 ms they should be. Reports the 50th, 99th
// percentile and the largest error, in milliseconds.
void BM_PageCScrollTickAccuracy(benchmark::State& state) {
  if (!PicturesPresent()) return state.SkipWithError("no rendered pictures beside the benchmark");
  Services s;
  std::vector<double> errors;
  for (auto _ : state) {
    Kor_OmakeCG page(s.app, *FindBonusPage(ScreenId::Kor_OmakeCG0C));
    page.show();
    page.Form_Activate();
    std::vector<std::chrono::steady_clock::time_point> ticks;
    QObject::connect(&page.Timer1(), &QTimer::timeout,
                     [&] { ticks.push_back(std::chrono::steady_clock::now()); });
    QEventLoop loop;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
      if (!page.Timer1().isActive()) loop.quit();
    });
    watch.start(100);
    loop.exec();  // until the picture reaches its bottom edge
    for (std::size_t i = 1; i < ticks.size(); ++i)
      errors.push_back(std::abs(std::chrono::duration<double, std::milli>(ticks[i] - ticks[i - 1]).count() - 30.0));
  }
  std::sort(errors.begin(), errors.end());
  auto at = [&](double p) { return errors.empty() ? 0.0 : errors[static_cast<std::size_t>(p * (errors.size() - 1))]; };
  state.counters["ticks"] = static_cast<double>(errors.size());
  state.counters["p50_error_ms"] = at(0.5);
  state.counters["p99_error_ms"] = at(0.99);
  state.counters["max_error_ms"] = errors.empty() ? 0.0 : errors.back();
}
BENCHMARK(BM_PageCScrollTickAccuracy)->Iterations(2)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

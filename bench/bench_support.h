// What the window benchmarks share: message boxes that never open, an exit
// that never ends the program, and running the event loop for a while.
#pragma once

#include <QEventLoop>
#include <QTimer>

#include "ui/shell/app_services.h"

namespace vantrel::bench {

class NoBoxes final : public Dialogs {
 public:
  bool AskQuit(QWidget*) override { return false; }
  void ShowResult(QWidget*, const QString&) override {}
};

class NoExit final : public ProgramExit {
 public:
  void EndProgram() override {}
};

inline void RunEventLoopFor(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

}  // namespace vantrel::bench

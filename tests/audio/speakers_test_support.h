// Shared by the tests of the Qt speakers: a program folder with its snd
// files, and an event loop pumped until something has happened.
#pragma once

#include <QCoreApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/match_state.h"
#include "test_wav.h"

namespace vantrel::test {

// Runs the Qt event loop (which keeps the audio sinks fed) until `done` is
// true or the deadline has passed; returns `done()`. Waits `step` for events
// between two looks at `done` rather than spinning; a step of 0 looks again as
// soon as the pending events have been handled.
inline bool PumpUntil(const std::function<bool()>& done,
                      std::chrono::milliseconds deadline = std::chrono::seconds(20),
                      std::chrono::milliseconds step = std::chrono::milliseconds(10)) {
  const auto until = std::chrono::steady_clock::now() + deadline;
  while (!done()) {
    if (std::chrono::steady_clock::now() > until) return false;
    if (step.count() == 0) {
      QCoreApplication::processEvents(QEventLoop::AllEvents);
      continue;
    }
    QEventLoop loop;
    QTimer::singleShot(step, &loop, &QEventLoop::quit);
    loop.exec();
  }
  return true;
}

inline void PumpFor(std::chrono::milliseconds time) {
  PumpUntil([] { return false; }, time);
}

// A program folder of its own for each test, removed afterwards.
class ProgramFolder {
 public:
  bool IsValid() const { return dir_.isValid(); }
  std::string AppPath() const { return dir_.path().toStdString(); }
  std::string File(std::string_view relative) const { return ProgramFile(AppPath(), relative); }
  void WriteTone(std::string_view relative, const std::vector<ToneStep>& tone,
                 const WavLayout& layout = {}) const {
    WriteBytes(File(relative), ToneWav(tone, layout));
  }
  void WriteRaw(std::string_view relative, std::string_view bytes) const {
    WriteBytes(File(relative), bytes);
  }

 private:
  QTemporaryDir dir_;
};

}  // namespace vantrel::test

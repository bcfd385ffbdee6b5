// A window timer with the two properties the game sets (interval, enabled)
// and a pause: while a message box is open the game's timers stand still,
// and afterwards each one carries on with the time it had left.
#pragma once

#include <QTimer>

#include <functional>

#include "ui/battle/battle_timers.h"

namespace vantrel {

class GameTimer {
 public:
  // The QTimer is a child of `owner` named `name`, so it can be found there.
  GameTimer(QObject* owner, const char* name, Qt::TimerType type, std::function<void()> onTick);
  GameTimer(const GameTimer&) = delete;
  GameTimer& operator=(const GameTimer&) = delete;

  // Setting the interval restarts the count of a running timer; enabling a
  // running timer changes nothing. An interval of 0 never ticks.
  void SetInterval(int ms);
  void SetEnabled(bool enabled);
  void Apply(const TimerSetting& setting);

  int Interval() const { return interval_; }
  bool Enabled() const { return enabled_; }
  bool Paused() const { return pauses_ > 0; }

  // Pauses nest; the last Resume lets the timer go on.
  void Pause();
  void Resume();

 private:
  void Run(int firstTickMs);
  void OnTimeout();

  QTimer timer_;
  std::function<void()> onTick_;
  int interval_ = 0;
  bool enabled_ = false;
  int pauses_ = 0;
  int remainingAtPause_ = -1;  // -1: start with a full interval
  bool shortFirstTick_ = false;
};

}  // namespace vantrel

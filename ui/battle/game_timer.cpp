#include "ui/battle/game_timer.h"

#include <algorithm>

namespace vantrel {

GameTimer::GameTimer(QObject* owner, const char* name, Qt::TimerType type,
                     std::function<void()> onTick)
    : timer_(owner), onTick_(std::move(onTick)) {
  timer_.setObjectName(QString::fromLatin1(name));
  timer_.setTimerType(type);
  QObject::connect(&timer_, &QTimer::timeout, [this] { OnTimeout(); });
}

void GameTimer::SetInterval(int ms) {
  interval_ = ms;
  remainingAtPause_ = -1;
  if (enabled_ && !Paused())
    Run(interval_);
  else
    timer_.setInterval(std::max(ms, 0));
}

void GameTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  remainingAtPause_ = -1;
  if (!enabled_) {
    timer_.stop();
  } else if (!Paused()) {
    Run(interval_);
  }
}

void GameTimer::Apply(const TimerSetting& setting) {
  if (setting.intervalMs != interval_) {
    if (!setting.enabled) SetEnabled(false);
    SetInterval(setting.intervalMs);
  }
  SetEnabled(setting.enabled);
}

void GameTimer::Pause() {
  if (pauses_++ > 0) return;
  if (timer_.isActive()) {
    remainingAtPause_ = timer_.remainingTime();
    timer_.stop();
  }
}

void GameTimer::Resume() {
  if (pauses_ == 0 || --pauses_ > 0) return;
  if (enabled_) Run(remainingAtPause_ >= 0 ? remainingAtPause_ : interval_);
  remainingAtPause_ = -1;
}

void GameTimer::Run(int firstTickMs) {
  if (interval_ <= 0) {
    timer_.stop();
    return;
  }
  shortFirstTick_ = firstTickMs != interval_;
  timer_.start(firstTickMs);
}

void GameTimer::OnTimeout() {
  // After a pause the first tick came early by design; from here on the
  // timer keeps its own interval again.
  if (shortFirstTick_) {
    shortFirstTick_ = false;
    timer_.setInterval(interval_);
  }
  onTick_();
}

}  // namespace vantrel

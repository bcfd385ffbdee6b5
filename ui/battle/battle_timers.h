// The message banner between the two maps and the portrait's moment of
// expression, as plain state machines without any Qt: the battle screen's
// timers drive them, and tests tick them one step at a time.
#pragma once

#include <string>
#include <string_view>

#include "engine/match_state.h"

namespace vantrel {

// What a timer should be doing after a step; the window applies it to its
// real timer (setting the interval restarts the count, as it always does).
struct TimerSetting {
  bool enabled = false;
  int intervalMs = 0;
  friend bool operator==(const TimerSetting&, const TimerSetting&) = default;
};

// TimerMsg and the banner label's vertical position. The state lives in
// Gamevariable::MessageState, the positions and intervals in its banner
// constants.
class MessageBanner {
 public:
  explicit MessageBanner(Gamevariable& gv);

  // ShowMessage: the sequence starts over on the next tick, 1 ms later.
  void Start();
  // One tick of TimerMsg.
  void Tick();

  int TopTwips() const { return top_; }
  const TimerSetting& Timer() const { return timer_; }

 private:
  Gamevariable& gv_;
  int top_;
  TimerSetting timer_;
};

// CharaPicTimer and the face the portrait shows: 0 normal, 1 angry, 2 smiling.
// The hold count lives in the current character's ReactionTicksLeft.
class PortraitReaction {
 public:
  static constexpr int CharaPicInterval = 150;

  explicit PortraitReaction(Gamevariable& gv);

  // "普通" 0, "怒り" 1, "笑顔" 2; any other name counts as 0.
  static int ExpressionNumber(std::string_view expression);

  // ShowReaction's own part: the face changes, the hold count starts over
  // and the timer runs. Returns the line the banner shows with it.
  const std::string& Start(std::string_view expression);
  // One tick of CharaPicTimer.
  void Tick();
  // Back to the normal face, timer off (the portrait's load).
  void Reset();

  int Face() const { return face_; }
  const TimerSetting& Timer() const { return timer_; }

 private:
  CharacterProfile& Current();

  Gamevariable& gv_;
  int face_ = 0;
  TimerSetting timer_{false, CharaPicInterval};
};

}  // namespace vantrel

// The upward scroll of a tall page C picture: each tick moves it up by the
// step until its bottom edge lies on the window's bottom edge, where it
// stops exactly, whatever the step.
#pragma once

namespace vantrel {

class PageScroll {
 public:
  // `distance`: how far the picture's top travels (its height less the
  // window's). `step`: pixels per tick.
  PageScroll(int distance, int step) : distance_(distance), step_(step) {}

  void SetStep(int step) { step_ = step; }
  int Step() const { return step_; }
  int Top() const { return top_; }
  bool Running() const { return running_; }

  // One tick of the scroll timer; false once the picture has stopped.
  bool Tick();
  // The player stopped it where it is.
  void Stop() { running_ = false; }

 private:
  int distance_;
  int step_;
  int top_ = 0;
  bool running_ = true;
};

// 2 pixels a tick with smooth scrolling switched on, 4 otherwise.
constexpr int ScrollStepFor(bool smoothScrolling) { return smoothScrolling ? 2 : 4; }

}  // namespace vantrel

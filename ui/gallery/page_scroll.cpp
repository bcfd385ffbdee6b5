#include "ui/gallery/page_scroll.h"

namespace vantrel {

bool PageScroll::Tick() {
  if (!running_) return false;
  if (top_ > step_ - distance_) {
    top_ -= step_;
  } else {
    top_ = -distance_;
    running_ = false;
  }
  return running_;
}

}  // namespace vantrel

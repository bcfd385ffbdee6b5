// The switches of the run as the other windows see them: whatever the
// title's check boxes say at the moment a sound starts or a picture begins to
// scroll. Before the title exists (and after it is gone) all three are off.
#pragma once

#include <QPointer>

#include "engine/ports.h"
#include "ui/front/kor_sub.h"

namespace vantrel {

class TitleSwitches final : public Switches {
 public:
  void Attach(Kor_Sub* title) { title_ = title; }
  bool CheckSE() const override { return title_ && title_->CheckSE(); }
  bool CheckBGM() const override { return title_ && title_->CheckBGM(); }
  bool LowSpecMode() const override { return title_ && title_->LowSpecMode(); }

 private:
  QPointer<Kor_Sub> title_;
};

}  // namespace vantrel

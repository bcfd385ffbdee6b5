#include "ui/battle/battle_timers.h"

#include "engine/vocabulary.h"

namespace vantrel {

// The banner slides down in steps of this many twips.
constexpr int BannerStep = 40;

MessageBanner::MessageBanner(Gamevariable& gv) : gv_(gv), top_(gv.MsgTopShow) {}

void MessageBanner::Start() {
  gv_.MessageState = std::string(banner::First);
  timer_ = TimerSetting{true, 1};
}

void MessageBanner::Tick() {
  std::string& state = gv_.MessageState;
  if (state == banner::First) {
    state = std::string(banner::Come);
    timer_.intervalMs = gv_.MsgComeInterval;
    top_ = gv_.MsgTopStart;
  }
  // Read again: the first tick goes on through "Come" at once, so the banner
  // appears at its resting place without ever being seen higher up.
  if (state == banner::Come) {
    top_ = gv_.MsgTopShow;
    state = std::string(banner::Stop);
    timer_.intervalMs = gv_.MsgHoldInterval;
  } else if (state == banner::Stop) {
    state = std::string(banner::Go);
    timer_.intervalMs = gv_.MsgGoInterval;
  } else if (state == banner::Go) {
    if (top_ >= gv_.MsgTopEnd) {
      timer_.enabled = false;
      state = std::string(banner::Idle);
    } else {
      top_ += BannerStep;
    }
  }
}

PortraitReaction::PortraitReaction(Gamevariable& gv) : gv_(gv) {}

int PortraitReaction::ExpressionNumber(std::string_view expression) {
  if (expression == expression::Angry) return 1;
  if (expression == expression::Smile) return 2;
  return 0;
}

CharacterProfile& PortraitReaction::Current() {
  return gv_.CharacterTable.at(static_cast<std::size_t>(gv_.CharacterIndex));
}

const std::string& PortraitReaction::Start(std::string_view expression) {
  CharacterProfile& character = Current();
  face_ = ExpressionNumber(expression);
  character.ReactionTicksLeft = character.ReactionHoldTicks;
  timer_.enabled = true;
  return character.ReactionLines.at(static_cast<std::size_t>(face_));
}

void PortraitReaction::Tick() {
  CharacterProfile& character = Current();
  AddChecked(character.ReactionTicksLeft, -1);
  if (character.ReactionTicksLeft < 1) {
    face_ = 0;
    timer_.enabled = false;
  }
}

void PortraitReaction::Reset() {
  face_ = 0;
  timer_.enabled = false;
}

}  // namespace vantrel

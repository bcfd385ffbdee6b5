#include "audio/recording_backend.h"

#include <utility>

namespace vantrel {

std::string RecordingSoundBackend::SendCommand(const std::string& command) {
  log_.push_back(command);
  if (inner_) return inner_->SendCommand(command);
  auto found = replies_.find(command);
  return found == replies_.end() ? std::string() : found->second;
}

void RecordingSoundBackend::SetReply(const std::string& command, std::string reply) {
  replies_[command] = std::move(reply);
}

}  // namespace vantrel

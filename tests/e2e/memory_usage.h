// How much memory the running test process holds, for the soak tests.
#pragma once

#include <cstdint>
#include <optional>

namespace vantrel::testing {

// The resident set of this process in KiB, where the system tells it.
std::optional<std::int64_t> ResidentKiB();

}  // namespace vantrel::testing

// Linux keeps the resident set in /proc/self/status ("VmRSS:  12345 kB");
// elsewhere the soak tests go without the figure.
#include "memory_usage.h"

#include <fstream>
#include <sstream>
#include <string>

namespace vantrel::testing {

std::optional<std::int64_t> ResidentKiB() {
#ifdef __linux__
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) != 0) continue;
    std::istringstream fields(line.substr(6));
    std::int64_t kib = 0;
    if (fields >> kib) return kib;
  }
#endif
  return std::nullopt;
}

}  // namespace vantrel::testing

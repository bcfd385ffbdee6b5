#include "ui/front/ini_file.platform.h"

#ifdef _WIN32
#include <io.h>

#include <string>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace vantrel {

#ifdef _WIN32

std::FILE* OpenIniFile(const std::filesystem::path& path, const char* mode) {
  const std::string narrow(mode);
  return _wfopen(path.c_str(), std::wstring(narrow.begin(), narrow.end()).c_str());
}

bool SyncFileToDisk(std::FILE* file) { return _commit(_fileno(file)) == 0; }

void SyncFolderToDisk(const std::filesystem::path&) {}

#else

std::FILE* OpenIniFile(const std::filesystem::path& path, const char* mode) {
  return std::fopen(path.c_str(), mode);
}

bool SyncFileToDisk(std::FILE* file) { return ::fsync(::fileno(file)) == 0; }

void SyncFolderToDisk(const std::filesystem::path& folder) {
  const std::filesystem::path dir = folder.empty() ? std::filesystem::path(".") : folder;
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

#endif

}  // namespace vantrel

// The few file operations the settings file needs that the standard library
// does not offer portably: opening by a path in any script, and making sure
// written bytes have reached the disk before the old file is replaced.
#pragma once

#include <cstdio>
#include <filesystem>

namespace vantrel {

// std::fopen on a filesystem path (wide on Windows). Modes as for fopen,
// including "x" (fail if the file exists).
std::FILE* OpenIniFile(const std::filesystem::path& path, const char* mode);

// Flushes a written file to the disk. False when the system reports an error.
bool SyncFileToDisk(std::FILE* file);

// Makes a rename inside `folder` durable (best effort; nothing to do on
// systems that need no such step).
void SyncFolderToDisk(const std::filesystem::path& folder);

}  // namespace vantrel

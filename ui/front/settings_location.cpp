#include "ui/front/settings_location.h"

#include <QStandardPaths>
#include <QString>

#include <cstdio>
#include <random>
#include <string>
#include <system_error>

#include "ui/front/ini_file.h"
#include "ui/front/ini_file.platform.h"

namespace vantrel {

namespace fs = std::filesystem;

std::filesystem::path ChooseSettingsFilePath(const fs::path& programDir, bool programDirWritable,
                                             const fs::path& userConfigDir) {
  if (programDirWritable || userConfigDir.empty()) return programDir / kSettingsFileName;
  return userConfigDir / "Vantrel" / kSettingsFileName;
}

bool IsFolderWritable(const fs::path& dir) {
  std::error_code ec;
  if (!fs::is_directory(dir, ec)) return false;
  std::random_device random;
  const fs::path probe = dir / (".vantrel-write-test" + std::to_string(random() % 1000000000u));
  std::FILE* f = OpenIniFile(probe, "wbx");
  if (f == nullptr) return false;
  std::fclose(f);
  fs::remove(probe, ec);
  return true;
}

std::filesystem::path SettingsFilePath(const fs::path& programDir) {
  const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  const fs::path configDir = config.isEmpty() ? fs::path() : fs::path(config.toStdU16String());
  const fs::path chosen = ChooseSettingsFilePath(programDir, IsFolderWritable(programDir), configDir);
  std::error_code ec;
  fs::create_directories(chosen.parent_path(), ec);
  return chosen;
}

}  // namespace vantrel

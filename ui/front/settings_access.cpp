#include "ui/front/settings_access.h"

#include <filesystem>

#include "ui/front/ini_file.h"

namespace vantrel {
namespace {

std::filesystem::path SettingsFile(const AppServices& services) {
  return std::filesystem::path(services.settingsPath.toStdU16String());
}

}  // namespace

bool SettingIsSet(const AppServices& services, std::string_view key, std::string_view section) {
  return IsIniSet(ReadIniString(key, section, SettingsFile(services)));
}

void StoreSetting(const AppServices& services, std::string_view value, std::string_view key,
                  std::string_view section) {
  WriteIniString(value, key, section, SettingsFile(services));
}

}  // namespace vantrel

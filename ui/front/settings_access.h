// The windows' way to the settings file named in AppServices.
#pragma once

#include <string>
#include <string_view>

#include "ui/shell/app_services.h"

namespace vantrel {

// Whether `key` in `section` holds exactly "1".
bool SettingIsSet(const AppServices& services, std::string_view key, std::string_view section);

// Stores `value`; a failed write is not the player's concern and is ignored,
// the window keeps the state the player gave it.
void StoreSetting(const AppServices& services, std::string_view value, std::string_view key,
                  std::string_view section);

}  // namespace vantrel

namespace vantrel::setting {

// Sections and keys of the settings file.
inline constexpr std::string_view Sound = "Sound";
inline constexpr std::string_view BGM = "BGM";
inline constexpr std::string_view SE = "SE";
inline constexpr std::string_view SPEC = "SPEC";
inline constexpr std::string_view LOW = "LOW";
inline constexpr std::string_view CLR = "CLR";
inline constexpr std::string_view CH0 = "CH0";
inline constexpr std::string_view CH1 = "CH1";
inline constexpr std::string_view CH2 = "CH2";

inline constexpr std::string_view On = "1";
inline constexpr std::string_view Off = "0";

// The clear flag of character 0..2.
constexpr std::string_view ClearFlag(int character) {
  return character == 0 ? CH0 : character == 1 ? CH1 : CH2;
}

}  // namespace vantrel::setting

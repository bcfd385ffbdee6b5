// Where the settings file lives. Beside the program, as players expect; but
// when the game is installed where the player may not write (system-wide),
// in the player's own configuration folder, so that switches and clear flags
// are kept between runs.
#pragma once

#include <filesystem>

namespace vantrel {

// The full path of "Tarvo.ini" for a program in `programDir`. Creates the
// configuration folder when it chooses it.
std::filesystem::path SettingsFilePath(const std::filesystem::path& programDir);

// The decision itself: the program folder when it is writable (or when there
// is no configuration folder to go to), else `userConfigDir`/Vantrel.
std::filesystem::path ChooseSettingsFilePath(const std::filesystem::path& programDir,
                                             bool programDirWritable,
                                             const std::filesystem::path& userConfigDir);

// Whether a file can be created in `dir`: tried, not guessed from permission
// bits, so access control lists and read-only mounts count too.
bool IsFolderWritable(const std::filesystem::path& dir);

}  // namespace vantrel

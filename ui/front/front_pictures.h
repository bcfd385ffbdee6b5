// Picture files of the title, continue and gallery menu windows, relative to
// the program directory. The bonus pictures are listed with their pages.
#pragma once

#include <string_view>

namespace vantrel::pic {

inline constexpr std::string_view TitleBack = "\\img\\Title-Back.bmp";
inline constexpr std::string_view TitleChara0 = "\\img\\Title-Chara0.bmp";
inline constexpr std::string_view TitleChara1 = "\\img\\Title-Chara1.bmp";
inline constexpr std::string_view TitleChara2 = "\\img\\Title-Chara2.bmp";
inline constexpr std::string_view TitleCGMode = "\\img\\Title-CGMode.bmp";
inline constexpr std::string_view TitleQuit = "\\img\\Title-Quit.bmp";

inline constexpr std::string_view ContinueText = "\\img\\Continue-Text.bmp";
inline constexpr std::string_view ContinueYes = "\\img\\Continue-Yes.bmp";
inline constexpr std::string_view ContinueNo = "\\img\\Continue-No.bmp";

inline constexpr std::string_view OmakeBack = "\\img\\Omake-Back.bmp";
inline constexpr std::string_view OmakeExit = "\\img\\Omake-Exit.bmp";

}  // namespace vantrel::pic

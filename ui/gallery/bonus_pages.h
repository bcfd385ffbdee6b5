// The twelve bonus pages and the gallery menu's twelve buttons, as data: one
// viewer class and one menu read everything they need from here.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "engine/ports.h"
#include "engine/progression.h"

namespace vantrel {

struct PixelRect {
  int left = 0, top = 0, width = 0, height = 0;
};

struct BonusPageInfo {
  ScreenId window;
  int character;
  BonusPage page;
  std::string_view picture;      // Image1, shown from the top-left corner
  int width, height;             // Image1's size
  std::string_view secondPicture;  // page C only: Image2, shown after the scroll
  PixelRect second;
  int scrollDistance;            // page C only: Image1's height less the window's 600
};

inline constexpr std::array<BonusPageInfo, 12> kBonusPages{{
    {ScreenId::Kor_OmakeCG0A, 0, BonusPage::A, "\\img\\CG0A.bmp", 800, 600, {}, {}, 0},
    {ScreenId::Kor_OmakeCG0B, 0, BonusPage::B, "\\img\\CG0B.bmp", 800, 600, {}, {}, 0},
    {ScreenId::Kor_OmakeCG0C, 0, BonusPage::C, "\\img\\CG0C.bmp", 800, 1400, "\\img\\CG0C-2.bmp",
     {215, 2, 343, 600}, 800},
    {ScreenId::Kor_OmakeCG0D, 0, BonusPage::D, "\\img\\CG0D.bmp", 800, 600, {}, {}, 0},
    {ScreenId::Kor_OmakeCG1A, 1, BonusPage::A, "\\img\\CG1A.bmp", 800, 600, {}, {}, 0},
    {ScreenId::Kor_OmakeCG1B, 1, BonusPage::B, "\\img\\CG1B.bmp", 800, 600, {}, {}, 0},
    {ScreenId::Kor_OmakeCG1C, 1, BonusPage::C, "\\img\\CG1C.bmp", 800, 1146, "\\img\\CG1C-2.bmp",
     {191, 1, 419, 600}, 546},
    {ScreenId::Kor_OmakeCG1D, 1, BonusPage::D, "\\img\\CG1D.bmp", 800, 600, {}, {}, 0},
    {ScreenId::Kor_OmakeCG2A, 2, BonusPage::A, "\\img\\CG2A.bmp", 800, 600, {}, {}, 0},
    {ScreenId::Kor_OmakeCG2B, 2, BonusPage::B, "\\img\\CG2B.bmp", 800, 600, {}, {}, 0},
    {ScreenId::Kor_OmakeCG2C, 2, BonusPage::C, "\\img\\CG2C.bmp", 800, 1220, "\\img\\CG2C-2.bmp",
     {191, 1, 383, 600}, 620},
    {ScreenId::Kor_OmakeCG2D, 2, BonusPage::D, "\\img\\CG2D.bmp", 800, 600, {}, {}, 0},
}};

// The page shown by a viewer window, or nothing for any other window.
const BonusPageInfo* FindBonusPage(ScreenId window);

// The gallery menu's button `Command_Omake`(index): index 4 x character +
// page. Rows from top to bottom show the characters 0, 2 and 1.
struct GalleryButtonInfo {
  int index;
  std::string_view thumbnail;
  PixelRect place;
};

inline constexpr std::array<GalleryButtonInfo, 12> kGalleryButtons{{
    {0, "\\img\\Thumb-0A.bmp", {41, 92, 130, 98}},
    {1, "\\img\\Thumb-0B.bmp", {178, 92, 130, 98}},
    {2, "\\img\\Thumb-0C.bmp", {322, 92, 57, 98}},
    {3, "\\img\\Thumb-0D.bmp", {396, 92, 130, 98}},
    {4, "\\img\\Thumb-1A.bmp", {41, 426, 130, 98}},
    {5, "\\img\\Thumb-1B.bmp", {178, 426, 130, 98}},
    {6, "\\img\\Thumb-1C.bmp", {316, 426, 69, 98}},
    {7, "\\img\\Thumb-1D.bmp", {396, 426, 130, 98}},
    {8, "\\img\\Thumb-2A.bmp", {41, 259, 130, 98}},
    {9, "\\img\\Thumb-2B.bmp", {178, 259, 130, 98}},
    {10, "\\img\\Thumb-2C.bmp", {318, 259, 65, 98}},
    {11, "\\img\\Thumb-2D.bmp", {396, 259, 130, 98}},
}};

inline constexpr PixelRect kGalleryExitPlace{640, 528, 132, 44};

}  // namespace vantrel

// Where every control of the battle screen sits: positions and sizes in twips
// from the top-left corner of the client area, and the one conversion from
// twips to the pixels the window is laid out in.
#pragma once

#include <QRect>

#include <array>

#include "cpu/cells.h"

namespace vantrel::battle_layout {

struct TwipsRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// The window's client area below the menu bar, and its background picture.
inline constexpr int ClientWidth = 12135;
inline constexpr int ClientHeight = 9030;

// The two maps; their sizes come from SetUpGrids.
inline constexpr int FG_E_Left = 180, FG_E_Top = 170;
inline constexpr int FG_M_Left = 180, FG_M_Top = 4775;

inline constexpr TwipsRect Label_Msg{480, 4360, 7920, 270};
inline constexpr TwipsRect Label_Command{480, 4360, 7920, 270};
inline constexpr TwipsRect Picture1{495, 4680, 7935, 195};
inline constexpr TwipsRect CharaImg{8910, 90, 3225, 6645};
inline constexpr TwipsRect StageNo{9060, 225, 1560, 285};
inline constexpr TwipsRect Label7{9900, 6915, 1170, 150};   // "< PLAYER >"
inline constexpr TwipsRect Label6{9165, 7170, 645, 270};    // "指令機"
inline constexpr TwipsRect Label5{9165, 7560, 630, 255};    // "戦闘車"
inline constexpr TwipsRect Label4{9915, 7860, 1170, 150};   // "< CP >"
inline constexpr TwipsRect LabelRemSiki{9180, 8115, 645, 270};  // "指令機"
inline constexpr TwipsRect LabelRemSen{9180, 8505, 630, 255};   // "攻撃機"

// Line1: a white separator from (9150, 7830) to (11805, 7830).
inline constexpr int Line1_X1 = 9150, Line1_X2 = 11805, Line1_Y = 7830;

// Icon rows: the left edge of each icon, index 0 first, and the row's top.
inline constexpr int ShotIconSize = 255;
inline constexpr int UnitIconSize = 345;
inline constexpr std::array<int, 4> ImageRemShot_E_Left{480, 795, 1080, 1365};
inline constexpr std::array<int, 4> ImageRemShot_P_Left{8145, 7860, 7575, 7290};
inline constexpr int ImageRemShot_Top = 4380;
inline constexpr std::array<int, 3> ImageRemSiki_M_Left{11415, 11040, 10665};
inline constexpr int ImageRemSiki_M_Top = 7080;
inline constexpr std::array<int, 4> ImageRemSen_M_Left{11415, 11040, 10665, 10290};
inline constexpr int ImageRemSen_M_Top = 7455;
inline constexpr std::array<int, 3> ImageRemSiki_E_Left{11430, 11055, 10680};
inline constexpr int ImageRemSiki_E_Top = 8025;
inline constexpr std::array<int, 4> ImageRemSen_E_Left{11430, 11055, 10680, 10305};
inline constexpr int ImageRemSen_E_Top = 8400;

// Working labels that the player never sees: they sit right of the client area.
inline constexpr TwipsRect CharaNo{12300, 120, 1200, 500};
inline constexpr TwipsRect PLShot{12300, 720, 1200, 500};
inline constexpr TwipsRect CPShot{12300, 1320, 1200, 500};

// Font sizes in points; a point is 20 twips.
inline constexpr int BannerPoints = 12;
inline constexpr int CaptionPoints = 9;
inline constexpr int TwipsPerPoint = 20;

int TwipsToPixelsX(int twips, TwipsPerPixel scale);
int TwipsToPixelsY(int twips, TwipsPerPixel scale);
QRect ToPixels(const TwipsRect& rect, TwipsPerPixel scale);
// The pixel height of a font of the given point size.
int PointsToPixels(int points, TwipsPerPixel scale);

}  // namespace vantrel::battle_layout

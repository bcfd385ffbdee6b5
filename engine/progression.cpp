#include "engine/progression.h"

#include <stdexcept>
#include <string>

namespace vantrel {

std::optional<ViewerOf> ViewerIdentity(ScreenId id) {
  const int offset = static_cast<int>(id) - static_cast<int>(ScreenId::Kor_OmakeCG0A);
  if (offset < 0 || offset >= 12) return std::nullopt;
  return ViewerOf{offset / 4, static_cast<BonusPage>(offset % 4)};
}

void ChooseCharacter(Gamevariable& gv, int character) {
  if (character < 0 || character > 2)
    throw std::out_of_range("no such character: " + std::to_string(character));
  gv.CharacterIndex = static_cast<std::int16_t>(character);
  gv.StageIndex = 0;
}

void NextFromPageAB(Gamevariable& gv, Screens& screens, ScreenId viewer) {
  if (gv.GalleryMode) {
    screens.SwitchScreen(ScreenId::Kor_OmakeMode, viewer);
    return;
  }
  AddChecked(gv.StageIndex, 1);
  screens.SwitchScreen(ScreenId::Kor_Main, viewer);
}

void NextFromPageC(Gamevariable& gv, Screens& screens, ScreenId viewer) {
  if (gv.GalleryMode) {
    screens.SwitchScreen(ScreenId::Kor_OmakeMode, viewer);
    return;
  }
  gv.StageIndex = 0;
  screens.SwitchScreen(ViewerScreen(gv.CharacterIndex, static_cast<int>(BonusPage::D)), viewer);
}

void NextFromPageD(Gamevariable& gv, Screens& screens, ScreenId viewer) {
  if (gv.GalleryMode) {
    screens.SwitchScreen(ScreenId::Kor_OmakeMode, viewer);
    return;
  }
  gv.StageIndex = 0;
  screens.SwitchScreen(ScreenId::Kor_Sub, viewer);
}

void ContinueYes(Screens& screens) {
  screens.SwitchScreen(ScreenId::Kor_Main, ScreenId::Kor_Continue);
}

void ContinueNo(Gamevariable& gv, Screens& screens) {
  gv.StageIndex = 0;
  screens.SwitchScreen(ScreenId::Kor_Sub, ScreenId::Kor_Continue);
}

ScreenId GalleryButtonTarget(int index) {
  if (index < 0 || index > 11)
    throw std::out_of_range("no such gallery button: " + std::to_string(index));
  return ViewerScreen(index / 4, index % 4);
}

void OpenGalleryPage(Screens& screens, int index) {
  screens.SwitchScreen(GalleryButtonTarget(index), ScreenId::Kor_OmakeMode);
}

void LeaveGallery(Screens& screens) { screens.SwitchScreen(ScreenId::Kor_Sub, ScreenId::Kor_OmakeMode); }

}  // namespace vantrel

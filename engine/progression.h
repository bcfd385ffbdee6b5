// Where each screen leads: the steps of a character's run from the title
// through three stages and four bonus pages back to the title, the continue
// choice after a loss, and the gallery, where every page leads back to the
// menu. Each step changes the stage as the run requires and then makes one
// screen switch.
#pragma once

#include <optional>

#include "engine/match_state.h"
#include "engine/ports.h"

namespace vantrel {

// The pages of one character's bonus pictures.
enum class BonusPage { A = 0, B = 1, C = 2, D = 3 };

// The character (0..2) and page of a viewer window, or nothing for any
// other window.
struct ViewerOf {
  int character = 0;
  BonusPage page = BonusPage::A;
};
std::optional<ViewerOf> ViewerIdentity(ScreenId id);

// The title's character buttons: a match always starts at the first stage.
void ChooseCharacter(Gamevariable& gv, int character);

// Leaving page A or B: the next stage, or back to the gallery menu.
void NextFromPageAB(Gamevariable& gv, Screens& screens, ScreenId viewer);
// Leaving page C: page D of the same character, or back to the gallery menu.
void NextFromPageC(Gamevariable& gv, Screens& screens, ScreenId viewer);
// Leaving page D: the title screen, or back to the gallery menu.
void NextFromPageD(Gamevariable& gv, Screens& screens, ScreenId viewer);

// The continue screen: replay the same stage, or give up for the title.
void ContinueYes(Screens& screens);
void ContinueNo(Gamevariable& gv, Screens& screens);

// The gallery menu's thumbnail buttons, index 4 x character + page (0..11).
ScreenId GalleryButtonTarget(int index);
void OpenGalleryPage(Screens& screens, int index);
// The gallery menu's back button.
void LeaveGallery(Screens& screens);

}  // namespace vantrel

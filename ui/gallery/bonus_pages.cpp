#include "ui/gallery/bonus_pages.h"

namespace vantrel {

const BonusPageInfo* FindBonusPage(ScreenId window) {
  for (const BonusPageInfo& page : kBonusPages)
    if (page.window == window) return &page;
  return nullptr;
}

}  // namespace vantrel

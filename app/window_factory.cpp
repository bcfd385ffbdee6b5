#include "app/window_factory.h"

#include <QCoreApplication>

#include <stdexcept>

#include "ui/front/kor_continue.h"
#include "ui/front/kor_sub.h"
#include "ui/gallery/bonus_pages.h"
#include "ui/gallery/kor_omake_cg.h"
#include "ui/gallery/kor_omake_mode.h"
#include "ui/shell/pictures.h"

namespace vantrel {

GameWindowFactory::GameWindowFactory(TitleSwitches& switches, BattleMaker battle,
                                     FailureReport report)
    : switches_(switches), battle_(std::move(battle)), report_(std::move(report)) {}

QWidget* GameWindowFactory::CreateOrThrow(ScreenId id) {
  if (!services_) throw std::logic_error("window factory used before it was given its services");
  AppServices& services = *services_;
  switch (id) {
    case ScreenId::Kor_Sub: {
      auto* title = new Kor_Sub(services);
      switches_.Attach(title);
      return title;
    }
    case ScreenId::Kor_Main:
      return battle_(services);
    case ScreenId::Kor_Continue:
      return new Kor_Continue(services);
    case ScreenId::Kor_OmakeMode:
      return new Kor_OmakeMode(services);
    default:
      break;
  }
  const BonusPageInfo* page = FindBonusPage(id);
  if (!page) throw std::logic_error("no window for this screen");
  return new Kor_OmakeCG(services, *page);
}

QWidget* GameWindowFactory::Create(ScreenId id) {
  if (!failed_) {
    try {
      return CreateOrThrow(id);
    } catch (const AssetError& error) {
      failed_ = true;
      failedFile_ = error.Path();
      if (report_) report_(failedFile_);
      // Ends the event loop once the handler that wanted the window returns;
      // before the loop runs, the start-up sees Failed() instead.
      QCoreApplication::exit(1);
    }
  }
  auto* standIn = new QWidget;
  standIn->setAttribute(Qt::WA_DontShowOnScreen);
  return standIn;
}

}  // namespace vantrel

// Creates each of the game's windows by its screen, for the ScreenManager.
// A window that cannot read one of its pictures is not created: the player
// is told which file is missing and the program ends with a failure status.
// No exception leaves the factory, so none crosses Qt's event loop.
#pragma once

#include <QString>
#include <QWidget>

#include <functional>

#include "engine/ports.h"
#include "ui/front/title_switches.h"
#include "ui/shell/app_services.h"

namespace vantrel {

class GameWindowFactory {
 public:
  using BattleMaker = std::function<QWidget*(AppServices&)>;
  // Tells the player which picture file could not be read.
  using FailureReport = std::function<void(const QString& file)>;

  GameWindowFactory(TitleSwitches& switches, BattleMaker battle, FailureReport report);

  // The services the windows are handed; set before the first window.
  void Attach(AppServices& services) { services_ = &services; }

  // The new window; after a failure, an empty stand-in that never shows,
  // while the program is on its way out.
  QWidget* Create(ScreenId id);

  bool Failed() const { return failed_; }
  const QString& FailedFile() const { return failedFile_; }

 private:
  QWidget* CreateOrThrow(ScreenId id);

  TitleSwitches& switches_;
  BattleMaker battle_;
  FailureReport report_;
  AppServices* services_ = nullptr;
  bool failed_ = false;
  QString failedFile_;
};

}  // namespace vantrel

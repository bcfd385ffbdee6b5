#include "ui/front/closing.h"

#include <QCloseEvent>

namespace vantrel {

void HandleWindowClose(AppServices& services, QWidget* window, QCloseEvent* event,
                       const std::function<void()>& releaseQuietly,
                       const std::function<void()>& stopTimers) {
  if (services.gv.ScreenSwitching) {
    services.gv.ScreenSwitching = false;
    if (releaseQuietly) releaseQuietly();
    event->accept();
    return;
  }
  if (!services.dialogs.AskQuit(window)) {
    event->ignore();
    return;
  }
  services.sound.CloseAllSnd();
  if (stopTimers) stopTimers();
  event->accept();
  services.exit.EndProgram();
}

}  // namespace vantrel

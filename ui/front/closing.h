// What every window but the title does when it is asked to close. Closed by
// a screen switch it goes quietly, releasing what it holds. Closed by the
// player it asks "終了してよろしいですか？" first: いいえ keeps the window as it
// was, はい silences everything and ends the program.
#pragma once

#include <functional>

#include "ui/shell/app_services.h"

class QCloseEvent;
class QWidget;

namespace vantrel {

// Accepts or ignores `event`. `releaseQuietly` runs for a switch-close,
// `stopTimers` before the program ends; either may be empty.
void HandleWindowClose(AppServices& services, QWidget* window, QCloseEvent* event,
                       const std::function<void()>& releaseQuietly = {},
                       const std::function<void()>& stopTimers = {});

}  // namespace vantrel

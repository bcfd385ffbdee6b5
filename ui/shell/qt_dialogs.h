// The real message boxes and the real way out of the program, for every
// window of the game.
#pragma once

#include "ui/shell/app_services.h"

namespace vantrel {

// Both boxes are modal, without an icon, and run their own event loop until
// they are answered.
class QtDialogs final : public Dialogs {
 public:
  bool AskQuit(QWidget* parent) override;
  void ShowResult(QWidget* parent, const QString& text) override;
};

// Leaves every running event loop at once; no window is asked anything.
class QtProgramExit final : public ProgramExit {
 public:
  void EndProgram() override;
};

}  // namespace vantrel

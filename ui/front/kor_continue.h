// The continue screen after a lost match: Yes replays the same stage
// against the same character, No gives up and returns to the title.
#pragma once

#include <QWidget>

#include "ui/shell/app_services.h"
#include "ui/shell/screen_manager.h"

namespace vantrel {

class ClickablePicture;

class Kor_Continue final : public QWidget, public ActivatableWindow {
 public:
  explicit Kor_Continue(AppServices& services);

  // Nothing plays here: the battle screen released its sounds as it closed.
  void Form_Activate() override {}

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  AppServices& services_;
  ClickablePicture* image1_;
  ClickablePicture* image2_;
  ClickablePicture* image3_;
};

}  // namespace vantrel

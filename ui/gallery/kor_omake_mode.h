// The gallery menu: twelve thumbnails that open any bonus page directly, and
// a back button to the title. While the player is here and in the pages it
// opens, every page leads back to this menu.
#pragma once

#include <QPixmap>
#include <QWidget>

#include "ui/shell/app_services.h"
#include "ui/shell/screen_manager.h"

namespace vantrel {

class Kor_OmakeMode final : public QWidget, public ActivatableWindow {
 public:
  explicit Kor_OmakeMode(AppServices& services);

  // Silences the page that led back here and marks the gallery as open.
  void Form_Activate() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  AppServices& services_;
  QPixmap background_;
};

}  // namespace vantrel

// The title screen: the three opponents, the gallery button once all three
// are cleared, the quit button and the three switches of the run. Created
// once; it hides while the game is elsewhere and is never closed before the
// program ends. Its check boxes are the switches the other windows read.
#pragma once

#include <QPixmap>
#include <QWidget>

#include "engine/ports.h"
#include "ui/shell/app_services.h"
#include "ui/shell/screen_manager.h"

class QCheckBox;

namespace vantrel {

class PictureButton;

class Kor_Sub final : public QWidget, public ActivatableWindow, public Switches {
 public:
  explicit Kor_Sub(AppServices& services);

  // Re-reads the switches and the clear flags; the title has no music.
  void Form_Activate() override;

  // Switches: the check boxes' state at this moment.
  bool CheckSE() const override;
  bool CheckBGM() const override;
  bool LowSpecMode() const override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void StartMatchAgainst(int character);
  void OpenBattleScreen();
  void Quit();

  AppServices& services_;
  QPixmap background_;
  PictureButton* command4_;
  PictureButton* command6_;
  PictureButton* command5_;
  PictureButton* commandOmake_;
  PictureButton* command2_;
  QCheckBox* checkSE_;
  QCheckBox* checkBGM_;
  QCheckBox* lowSpecMode_;
};

}  // namespace vantrel

// A bonus picture viewer: one class for the twelve windows Kor_OmakeCG0A ..
// Kor_OmakeCG2D, each configured by its entry of the bonus page table.
//  - Pages A, B and D show one picture; a click leads on.
//  - Page C scrolls a tall picture up; the first click stops it and shows
//    the second picture, the next click leads on.
//  - Page D in the reward sequence records the character as cleared and
//    lets page C's music play on; from the gallery it plays its own music.
#pragma once

#include <QTimer>
#include <QWidget>

#include "ui/gallery/bonus_pages.h"
#include "ui/gallery/page_scroll.h"
#include "ui/shell/app_services.h"
#include "ui/shell/screen_manager.h"

namespace vantrel {

class ClickablePicture;

class Kor_OmakeCG final : public QWidget, public ActivatableWindow {
 public:
  Kor_OmakeCG(AppServices& services, const BonusPageInfo& page);

  void Form_Activate() override;

  // Timer handlers, public so the scroll and the music loop can be ticked.
  void Timer1_Timer();    // page C: one scroll step
  void TimerSnd_Timer();  // the music loop

  const BonusPageInfo& Page() const { return page_; }
  const PageScroll& Scroll() const { return scroll_; }
  QTimer& Timer1() { return timer1_; }
  QTimer& TimerSnd() { return timerSnd_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;  // Form_Click

 private:
  void Image1_Click();
  void Image2_Click();
  void Form_Click();
  void LeavePage();
  std::string MusicFile() const;

  AppServices& services_;
  const BonusPageInfo& page_;
  ClickablePicture* image1_ = nullptr;
  ClickablePicture* image2_ = nullptr;
  QTimer timer1_;
  QTimer timerSnd_;
  PageScroll scroll_;
  bool formPressed_ = false;
};

}  // namespace vantrel

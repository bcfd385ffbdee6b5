#include "ui/gallery/kor_omake_cg.h"

#include <QMouseEvent>
#include <QPalette>

#include "engine/progression.h"
#include "engine/sound_rules.h"
#include "engine/vocabulary.h"
#include "ui/front/closing.h"
#include "ui/front/picture_controls.h"
#include "ui/front/settings_access.h"
#include "ui/shell/pictures.h"

namespace vantrel {
namespace {

constexpr int kScrollInterval = 30;  // ms
constexpr int kMusicPollInterval = 500;  // ms

}  // namespace

Kor_OmakeCG::Kor_OmakeCG(AppServices& services, const BonusPageInfo& page)
    : services_(services),
      page_(page),
      scroll_(page.scrollDistance, ScrollStepFor(false)) {
  const QString dir = QString::fromStdString(services.gv.AppPath);
  const QImage picture = LoadPicture(dir, page.picture);
  const bool pageC = page.page == BonusPage::C;
  const QImage second = pageC ? LoadPicture(dir, page.secondPicture) : QImage();

  setObjectName(QString("Kor_OmakeCG%1%2").arg(page.character).arg(QChar('A' + static_cast<int>(page.page))));
  setWindowTitle(QString::fromUtf8(text::WindowCaption.data(), text::WindowCaption.size()));
  setFixedSize(800, 600);

  image1_ = new ClickablePicture(this);
  image1_->setObjectName("Image1");
  image1_->setPixmap(QPixmap::fromImage(picture));
  image1_->setGeometry(0, 0, page.width, page.height);
  image1_->onClick = [this] { Image1_Click(); };

  timerSnd_.setObjectName("TimerSnd");
  timerSnd_.setInterval(kMusicPollInterval);
  connect(&timerSnd_, &QTimer::timeout, this, [this] { TimerSnd_Timer(); });

  if (pageC) {
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);

    image2_ = new ClickablePicture(this);
    image2_->setObjectName("Image2");
    image2_->setPixmap(QPixmap::fromImage(second));
    image2_->setGeometry(page.second.left, page.second.top, page.second.width, page.second.height);
    image2_->hide();
    image2_->onClick = [this] { Image2_Click(); };

    timer1_.setObjectName("Timer1");
    timer1_.setInterval(kScrollInterval);
    timer1_.setTimerType(Qt::PreciseTimer);
    connect(&timer1_, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    timer1_.start();
  }
}

std::string Kor_OmakeCG::MusicFile() const { return ProgramFile(services_.gv, snd::OmakeBGM); }

void Kor_OmakeCG::Form_Activate() {
  const bool startsMusic = page_.page != BonusPage::D || services_.gv.GalleryMode;
  if (page_.page == BonusPage::D && !services_.gv.GalleryMode) {
    // The end of the character's run. The music page C started plays on to
    // its end and is not repeated here.
    StoreSetting(services_, setting::On, setting::ClearFlag(page_.character), setting::CLR);
  }
  if (startsMusic && StartWindowMusic(services_.sound, services_.switches, MusicFile()))
    timerSnd_.start();
  if (page_.page == BonusPage::C) scroll_.SetStep(ScrollStepFor(services_.switches.LowSpecMode()));
}

void Kor_OmakeCG::Timer1_Timer() {
  if (!scroll_.Tick()) timer1_.stop();
  image1_->move(0, scroll_.Top());
}

void Kor_OmakeCG::TimerSnd_Timer() { MusicLoopTick(services_.sound, MusicFile()); }

void Kor_OmakeCG::Image1_Click() {
  if (page_.page != BonusPage::C) {
    LeavePage();
    return;
  }
  // The scroll stops wherever it is and the second picture takes over.
  timer1_.stop();
  scroll_.Stop();
  image2_->show();
  image1_->hide();
}

void Kor_OmakeCG::Image2_Click() { LeavePage(); }

void Kor_OmakeCG::Form_Click() { LeavePage(); }

void Kor_OmakeCG::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) formPressed_ = true;
}

void Kor_OmakeCG::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = formPressed_ && event->button() == Qt::LeftButton &&
                     rect().contains(event->position().toPoint());
  formPressed_ = false;
  if (click) Form_Click();
}

void Kor_OmakeCG::LeavePage() {
  switch (page_.page) {
    case BonusPage::A:
    case BonusPage::B:
      NextFromPageAB(services_.gv, services_.screens, page_.window);
      break;
    case BonusPage::C:
      NextFromPageC(services_.gv, services_.screens, page_.window);
      break;
    case BonusPage::D:
      NextFromPageD(services_.gv, services_.screens, page_.window);
      break;
  }
}

void Kor_OmakeCG::closeEvent(QCloseEvent* event) {
  HandleWindowClose(
      services_, this, event,
      [this] {
        // Page C's music runs on into page D.
        if (page_.page != BonusPage::C) services_.sound.CloseSnd(MusicFile());
        timerSnd_.stop();
        timer1_.stop();
      },
      [this] {
        timerSnd_.stop();
        timer1_.stop();
      });
}

}  // namespace vantrel

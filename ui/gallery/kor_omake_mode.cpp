#include "ui/gallery/kor_omake_mode.h"

#include <QPainter>

#include <vector>

#include "engine/progression.h"
#include "engine/vocabulary.h"
#include "ui/front/closing.h"
#include "ui/front/front_pictures.h"
#include "ui/front/picture_controls.h"
#include "ui/gallery/bonus_pages.h"
#include "ui/shell/pictures.h"

namespace vantrel {
namespace {

QRect ToRect(PixelRect r) { return {r.left, r.top, r.width, r.height}; }

}  // namespace

Kor_OmakeMode::Kor_OmakeMode(AppServices& services) : services_(services) {
  const QString dir = QString::fromStdString(services.gv.AppPath);
  background_ = QPixmap::fromImage(LoadPicture(dir, pic::OmakeBack));
  std::vector<QPixmap> thumbnails;
  for (const GalleryButtonInfo& button : kGalleryButtons)
    thumbnails.push_back(QPixmap::fromImage(LoadPicture(dir, button.thumbnail)));
  const QPixmap exitFace = QPixmap::fromImage(LoadPicture(dir, pic::OmakeExit));

  setObjectName("Kor_OmakeMode");
  setWindowTitle(QString::fromUtf8(text::WindowCaption.data(), text::WindowCaption.size()));
  setFixedSize(800, 600);

  for (const GalleryButtonInfo& info : kGalleryButtons) {
    auto* button = new PictureButton(thumbnails[static_cast<std::size_t>(info.index)], this);
    button->setObjectName(QString("Command_Omake(%1)").arg(info.index));
    button->setGeometry(ToRect(info.place));
    const int index = info.index;
    connect(button, &QAbstractButton::clicked, this,
            [this, index] { OpenGalleryPage(services_.screens, index); });
  }
  auto* exitButton = new PictureButton(exitFace, this);
  exitButton->setObjectName("Command_Exit");
  exitButton->setGeometry(ToRect(kGalleryExitPlace));
  connect(exitButton, &QAbstractButton::clicked, this, [this] { LeaveGallery(services_.screens); });
}

void Kor_OmakeMode::Form_Activate() {
  services_.sound.CloseAllSnd();
  services_.gv.GalleryMode = true;
}

void Kor_OmakeMode::closeEvent(QCloseEvent* event) { HandleWindowClose(services_, this, event); }

void Kor_OmakeMode::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, background_);
}

}  // namespace vantrel

#include "ui/front/kor_continue.h"

#include <QPalette>

#include "engine/progression.h"
#include "engine/vocabulary.h"
#include "ui/front/closing.h"
#include "ui/front/front_pictures.h"
#include "ui/front/picture_controls.h"
#include "ui/shell/pictures.h"

namespace vantrel {
namespace {

ClickablePicture* MakePicture(QWidget* parent, const char* name, const QImage& picture, QRect place) {
  auto* label = new ClickablePicture(parent);
  label->setObjectName(name);
  label->setPixmap(QPixmap::fromImage(picture));
  label->setGeometry(place);
  return label;
}

}  // namespace

Kor_Continue::Kor_Continue(AppServices& services) : services_(services) {
  const QString dir = QString::fromStdString(services.gv.AppPath);
  const QImage text = LoadPicture(dir, pic::ContinueText);
  const QImage yes = LoadPicture(dir, pic::ContinueYes);
  const QImage no = LoadPicture(dir, pic::ContinueNo);

  setObjectName("Kor_Continue");
  setWindowTitle(QString::fromUtf8(text::WindowCaption.data(), text::WindowCaption.size()));
  setFixedSize(800, 600);
  QPalette black = palette();
  black.setColor(QPalette::Window, Qt::black);
  setPalette(black);
  setAutoFillBackground(true);

  image1_ = MakePicture(this, "Image1", text, {61, 85, 661, 227});
  image2_ = MakePicture(this, "Image2", yes, {184, 371, 179, 62});
  image3_ = MakePicture(this, "Image3", no, {421, 371, 179, 62});
  image2_->setCursor(Qt::PointingHandCursor);
  image3_->setCursor(Qt::PointingHandCursor);

  image2_->onClick = [this] { ContinueYes(services_.screens); };
  image3_->onClick = [this] { ContinueNo(services_.gv, services_.screens); };
}

void Kor_Continue::closeEvent(QCloseEvent* event) { HandleWindowClose(services_, this, event); }

}  // namespace vantrel

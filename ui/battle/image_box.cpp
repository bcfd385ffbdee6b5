#include "ui/battle/image_box.h"

#include <QPaintEvent>
#include <QPainter>

namespace vantrel {

ImageBox::ImageBox(QWidget* parent, const QString& name, std::optional<QColor> fill)
    : QWidget(parent), fill_(fill) {
  setObjectName(name);
  if (fill_) setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageBox::SetPicture(const QImage& picture) {
  picture_ = picture;
  update();
}

void ImageBox::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  if (fill_) painter.fillRect(event->rect(), *fill_);
  if (!picture_.isNull()) painter.drawImage(QPoint(0, 0), picture_);
}

}  // namespace vantrel

#include "ui/front/picture_controls.h"

#include <QMouseEvent>
#include <QPainter>

namespace vantrel {

PictureButton::PictureButton(const QPixmap& face, QWidget* parent)
    : QAbstractButton(parent), face_(face) {
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::PointingHandCursor);
}

void PictureButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(rect(), face_);
  if (isDown()) painter.fillRect(rect(), QColor(0, 0, 0, 70));
  if (hasFocus()) {
    painter.setPen(QPen(QColor(255, 255, 255, 160), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
  }
}

ClickablePicture::ClickablePicture(QWidget* parent) : QLabel(parent) { setScaledContents(true); }

void ClickablePicture::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) pressed_ = true;
  event->accept();
}

void ClickablePicture::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  event->accept();
  if (click && onClick) onClick();
}

}  // namespace vantrel

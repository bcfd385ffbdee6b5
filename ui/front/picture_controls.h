// The two picture controls of the front end and the gallery: a button that
// shows only its picture, and a picture that reports a click.
#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QPixmap>

#include <functional>

namespace vantrel {

// A button drawn entirely by its picture, without caption or frame; it
// darkens a little while held down and while it has the keyboard focus
// shows a thin frame, so it can be worked from the keyboard too.
class PictureButton final : public QAbstractButton {
 public:
  PictureButton(const QPixmap& face, QWidget* parent);
  QSize sizeHint() const override { return face_.size(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap face_;
};

// A picture shown stretched over its rectangle. A left click on it (pressed
// and released over it) runs `onClick`.
class ClickablePicture final : public QLabel {
 public:
  explicit ClickablePicture(QWidget* parent);
  std::function<void()> onClick;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool pressed_ = false;
};

}  // namespace vantrel

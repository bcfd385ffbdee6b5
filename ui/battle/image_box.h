// An image control: shows its picture at its top-left corner, cut off at its
// own edge, and lets the window's background show wherever the picture does
// not reach. With a fill colour it is an opaque picture box instead.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

#include <optional>

namespace vantrel {

class ImageBox final : public QWidget {
 public:
  ImageBox(QWidget* parent, const QString& name, std::optional<QColor> fill = std::nullopt);

  void SetPicture(const QImage& picture);
  const QImage& Picture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
  std::optional<QColor> fill_;
};

}  // namespace vantrel

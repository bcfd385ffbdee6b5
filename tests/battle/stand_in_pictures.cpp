#include "stand_in_pictures.h"

#include <QDir>
#include <QPainter>

#include <stdexcept>

namespace vantrel::testing {
namespace {

constexpr int Tile = 30;

void Save(const QImage& image, const QString& dir, const QString& name) {
  const QString path = dir + "/img/" + name;
  if (!image.save(path, "BMP")) throw std::runtime_error("cannot write " + path.toStdString());
}

QImage Filled(int w, int h, QRgb colour) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

QImage MapPicture(GridName map) {
  QImage image(19 * Tile, 9 * Tile, QImage::Format_RGB32);
  QPainter painter(&image);
  for (std::int16_t r = 0; r < 9; ++r)
    for (std::int16_t c = 0; c < 19; ++c)
      painter.fillRect(c * Tile, r * Tile, Tile, Tile, QColor::fromRgb(TileColour(map, Cell{c, r})));
  return image;
}

}  // namespace

QRgb TileColour(GridName map, Cell cell) {
  if (map == GridName::FG_M) return qRgb(20 + 10 * cell.col, 40 + 20 * cell.row, 90);
  return qRgb(200, 20 + 10 * cell.col, 45 + 20 * cell.row);
}

QRgb SpriteColour(int sprite) { return qRgb(250, 20 + 23 * sprite, 10); }

QRgb FaceColour(int character, int face) { return qRgb(60 + 60 * face, 100 + 40 * character, 150); }

void WriteStandInPictures(const QString& programDir) {
  QDir(programDir).mkpath("img");
  QImage back = Filled(809, 603, qRgb(16, 24, 40));
  {
    QPainter painter(&back);
    painter.fillRect(590, 0, 219, 603, QColor(24, 34, 56));
  }
  Save(back, programDir, "Main-Back.bmp");
  Save(Filled(529, 13, qRgb(180, 140, 60)), programDir, "Main-Strip.bmp");
  Save(Filled(17, 17, qRgb(80, 200, 255)), programDir, "Icon-Shot_P.bmp");
  Save(Filled(17, 17, qRgb(255, 90, 80)), programDir, "Icon-Shot_E.bmp");
  Save(Filled(23, 23, qRgb(255, 230, 0)), programDir, "Icon-Siki.bmp");
  Save(Filled(23, 23, qRgb(0, 220, 90)), programDir, "Icon-Sen.bmp");
  Save(MapPicture(GridName::FG_M), programDir, "Stage1-FG_M.bmp");
  Save(MapPicture(GridName::FG_E), programDir, "Stage1-FG_E.bmp");

  QImage sprites = Filled(10 * Tile, Tile, qRgb(0, 0, 255));
  {
    QPainter painter(&sprites);
    for (int k = 0; k < 10; ++k)
      painter.fillRect(SpriteMark.translated(k * Tile, 0), QColor::fromRgb(SpriteColour(k)));
  }
  Save(sprites, programDir, QString::fromUtf8("×▲爆発[指]爆発[戦].bmp"));

  for (int c = 0; c < 3; ++c) {
    QImage strip(645, 443, QImage::Format_RGB32);
    QPainter painter(&strip);
    for (int f = 0; f < 3; ++f) painter.fillRect(f * 215, 0, 215, 443, QColor::fromRgb(FaceColour(c, f)));
    painter.end();
    Save(strip, programDir, QString("Chara-%1.bmp").arg(c));
  }
}

}  // namespace vantrel::testing

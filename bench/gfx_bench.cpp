// Cost of drawing one map cell: a marker sprite painted over its tile.
#include <benchmark/benchmark.h>

#include "gfx/paint_effects.h"

namespace {

// A 60 x 60 sprite: a filled diamond on the key colour, as the markers are.
QImage MakeSprite() {
  QImage sprite(60, 60, QImage::Format_RGB32);
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 60; ++x) {
      const bool inside = std::abs(x - 30) + std::abs(y - 30) < 24;
      sprite.setPixel(x, y, inside ? qRgb(40 + x, 200, 60 + y) : qRgb(0, 0, 255));
    }
  return sprite;
}

QImage MakeTile() {
  QImage tile(60, 60, QImage::Format_RGB32);
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 60; ++x) tile.setPixel(x, y, qRgb(60 + x, 120 + y, 40));
  return tile;
}

void BM_OverlayPicture60x60(benchmark::State& state) {
  const vantrel::Picture sprite = vantrel::Picture::Bitmap(MakeSprite());
  const QImage tile = MakeTile();
  QImage back = tile;
  for (auto _ : state) {
    OverlayPicture(sprite, back, 0x00FF0000);
    benchmark::DoNotOptimize(back.constBits());
  }
}
BENCHMARK(BM_OverlayPicture60x60);

}  // namespace

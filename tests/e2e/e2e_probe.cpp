// Measuring aid for the end-to-end run: compares screenshots cell by cell and
// measures the loudness of a stretch of captured sound.
//
//   e2e_probe cells <before.png> <after.png> <left> <top>
//       prints "c,r" for every cell of a 19 × 9 map whose picture changed; the
//       map's first cell starts one pixel right of and below (left, top), and
//       cells are 30 pixels apart
//   e2e_probe rms <capture.raw> <from-byte> <to-byte>
//       prints the RMS level (0..1) of 16-bit stereo samples in that range
//   e2e_probe mean <shot.png> <x> <y> <w> <h>
//       prints the mean grey level (0..255) of a rectangle
#include <QCoreApplication>
#include <QFile>
#include <QImage>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

int Cells(const char* beforePath, const char* afterPath, int left, int top) {
  const QImage before(QString::fromLocal8Bit(beforePath));
  const QImage after(QString::fromLocal8Bit(afterPath));
  if (before.isNull() || after.isNull() || before.size() != after.size()) {
    std::fprintf(stderr, "cannot compare %s and %s\n", beforePath, afterPath);
    return 2;
  }
  for (int r = 0; r < 9; ++r)
    for (int c = 0; c < 19; ++c) {
      int differing = 0;
      // The inside of the cell, clear of its grid lines.
      for (int y = 3; y < 27; ++y)
        for (int x = 3; x < 27; ++x) {
          const int px = left + 1 + c * 30 + x, py = top + 1 + r * 30 + y;
          if (before.pixel(px, py) != after.pixel(px, py)) ++differing;
        }
      if (differing > 20) std::printf("%d,%d\n", c, r);
    }
  return 0;
}

int Rms(const char* path, long from, long to) {
  QFile file(QString::fromLocal8Bit(path));
  if (!file.open(QIODevice::ReadOnly) || to <= from) return 2;
  file.seek(from & ~3L);
  const QByteArray bytes = file.read(to - from);
  const auto* samples = reinterpret_cast<const qint16*>(bytes.constData());
  const qsizetype n = bytes.size() / 2;
  double sum = 0;
  for (qsizetype i = 0; i < n; ++i) sum += double(samples[i]) * samples[i];
  std::printf("%.5f\n", n ? std::sqrt(sum / double(n)) / 32768.0 : 0.0);
  return 0;
}

int Mean(const char* path, int x0, int y0, int w, int h) {
  const QImage shot(QString::fromLocal8Bit(path));
  if (shot.isNull()) return 2;
  double sum = 0;
  for (int y = y0; y < y0 + h; ++y)
    for (int x = x0; x < x0 + w; ++x) sum += qGray(shot.pixel(x, y));
  std::printf("%.1f\n", sum / (w * h));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QString what = argc > 1 ? QString(argv[1]) : QString();
  if (what == "cells" && argc == 6) return Cells(argv[2], argv[3], std::atoi(argv[4]), std::atoi(argv[5]));
  if (what == "rms" && argc == 5) return Rms(argv[2], std::atol(argv[3]), std::atol(argv[4]));
  if (what == "mean" && argc == 7)
    return Mean(argv[2], std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6]));
  std::fprintf(stderr, "usage: e2e_probe cells|rms|mean ...\n");
  return 2;
}

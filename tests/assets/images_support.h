// Small helpers for the picture tests: reading the headers of the files as
// the game receives them, and running the generator.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <string>

#include "pixels.h"

namespace imagetest {

struct FileFormat {
  enum Kind { Unknown, Bmp, Png } kind = Unknown;
  int width = 0;
  int height = 0;
  int bitsPerPixel = 0;  // BMP: bits per pixel; PNG: 8 × channels
  bool hasAlpha = false;
  std::string problem;   // why the header was not understood
};

// Reads the header of a BMP or PNG file.
FileFormat readFormat(const std::filesystem::path& file);

QImage loadImage(const std::filesystem::path& file);
QString toQString(const std::filesystem::path& p);

assetgen::Rgb pixelAt(const QImage& image, int x, int y);

// Runs the generator with the given arguments; returns its exit status.
int runGenerator(const QStringList& args, QString* errorOutput = nullptr);

void writeText(const std::filesystem::path& file, const std::string& text);

}  // namespace imagetest

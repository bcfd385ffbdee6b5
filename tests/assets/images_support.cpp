#include "images_support.h"

#include <QProcess>

#include <array>
#include <cstdint>
#include <fstream>

namespace imagetest {
namespace {

std::uint32_t le32(const unsigned char* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::uint16_t le16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t be32(const unsigned char* p) {
  return (static_cast<std::uint32_t>(p[0]) << 24) | (p[1] << 16) | (p[2] << 8) | p[3];
}

}  // namespace

FileFormat readFormat(const std::filesystem::path& file) {
  FileFormat f;
  std::ifstream in(file, std::ios::binary);
  std::array<unsigned char, 54> h{};
  in.read(reinterpret_cast<char*>(h.data()), h.size());
  if (in.gcount() < 33) {
    f.problem = "file too short or missing";
    return f;
  }
  static constexpr unsigned char kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (std::equal(std::begin(kPngSignature), std::end(kPngSignature), h.begin())) {
    f.kind = FileFormat::Png;
    f.width = static_cast<int>(be32(&h[16]));
    f.height = static_cast<int>(be32(&h[20]));
    const int depth = h[24];
    const int colourType = h[25];
    const int channels = colourType == 6 ? 4 : colourType == 2 ? 3 : colourType == 4 ? 2 : 1;
    f.bitsPerPixel = depth * channels;
    f.hasAlpha = colourType == 6 || colourType == 4;
    return f;
  }
  if (h[0] == 'B' && h[1] == 'M' && in.gcount() == 54) {
    if (le32(&h[14]) < 40) {
      f.problem = "old BMP header";
      return f;
    }
    if (le32(&h[30]) != 0) {
      f.problem = "compressed BMP";
      return f;
    }
    f.kind = FileFormat::Bmp;
    f.width = static_cast<int>(le32(&h[18]));
    const auto height = static_cast<std::int32_t>(le32(&h[22]));
    f.height = height < 0 ? -height : height;
    f.bitsPerPixel = le16(&h[28]);
    return f;
  }
  f.problem = "neither BMP nor PNG";
  return f;
}

QString toQString(const std::filesystem::path& p) {
  const std::u8string s = p.u8string();
  return QString::fromUtf8(reinterpret_cast<const char*>(s.data()), static_cast<qsizetype>(s.size()));
}

QImage loadImage(const std::filesystem::path& file) { return QImage(toQString(file)); }

assetgen::Rgb pixelAt(const QImage& image, int x, int y) {
  const QRgb p = image.pixel(x, y);
  return assetgen::Rgb{static_cast<std::uint8_t>(qRed(p)), static_cast<std::uint8_t>(qGreen(p)),
                       static_cast<std::uint8_t>(qBlue(p))};
}

int runGenerator(const QStringList& args, QString* errorOutput) {
  QProcess process;
  process.start(QStringLiteral(VANTREL_ASSETGEN), args);
  if (!process.waitForFinished(120000)) return -1;
  if (errorOutput != nullptr) *errorOutput = QString::fromUtf8(process.readAllStandardError());
  return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

void writeText(const std::filesystem::path& file, const std::string& text) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << text;
}

}  // namespace imagetest

#include "ui/shell/pictures.h"

#include <QFile>

#include "engine/match_state.h"

namespace vantrel {
namespace {

quint32 Le32(const QByteArray& b, int at) {
  return quint32(quint8(b[at])) | quint32(quint8(b[at + 1])) << 8 | quint32(quint8(b[at + 2])) << 16 |
         quint32(quint8(b[at + 3])) << 24;
}

// Qt's BMP reader accepts a file cut short and leaves the missing rows
// unfilled, so a truncated picture would be shown with garbage rows instead
// of being reported. An uncompressed BMP must hold every row its header
// promises.
bool IsTruncatedBitmap(const QByteArray& bytes) {
  if (bytes.size() < 54 || !bytes.startsWith("BM")) return false;
  const quint32 pixelsAt = Le32(bytes, 10);
  const auto width = static_cast<qint32>(Le32(bytes, 18));
  const auto height = static_cast<qint32>(Le32(bytes, 22));
  const int bitsPerPixel = quint8(bytes[28]) | quint8(bytes[29]) << 8;
  const quint32 compression = Le32(bytes, 30);
  if (compression != 0 || width <= 0 || bitsPerPixel <= 0) return false;  // left to the reader
  const qint64 rowBytes = (qint64(width) * bitsPerPixel + 31) / 32 * 4;
  const qint64 rows = height < 0 ? -qint64(height) : qint64(height);
  return bytes.size() < qint64(pixelsAt) + rowBytes * rows;
}

}  // namespace

QImage LoadPicture(const QString& programDir, std::string_view relative) {
  const QString path = QString::fromStdString(ProgramFile(programDir.toStdString(), relative));
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) throw AssetError(path);
  const QByteArray bytes = file.readAll();
  if (IsTruncatedBitmap(bytes)) throw AssetError(path);
  QImage image = QImage::fromData(bytes);
  if (image.isNull()) throw AssetError(path);
  return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace vantrel

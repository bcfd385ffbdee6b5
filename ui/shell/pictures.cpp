#include "ui/shell/pictures.h"

#include "engine/match_state.h"

namespace vantrel {

QImage LoadPicture(const QString& programDir, std::string_view relative) {
  const QString path = QString::fromStdString(ProgramFile(programDir.toStdString(), relative));
  QImage image(path);
  if (image.isNull()) throw AssetError(path);
  return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace vantrel

// Loading the game's picture files. A missing or unreadable picture is not
// something the game can play on without: it raises AssetError naming the
// file, which the program reports to the player before it ends cleanly.
#pragma once

#include <QImage>
#include <QString>

#include <stdexcept>
#include <string_view>

namespace vantrel {

class AssetError : public std::runtime_error {
 public:
  explicit AssetError(const QString& path)
      : std::runtime_error(("cannot read picture file " + path).toStdString()), path_(path) {}
  const QString& Path() const { return path_; }

 private:
  QString path_;
};

// The picture at the program directory followed by `relative` ("\img\…").
QImage LoadPicture(const QString& programDir, std::string_view relative);

}  // namespace vantrel

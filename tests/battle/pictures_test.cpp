#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "ui/shell/pictures.h"

namespace vantrel {
namespace {

// A picture file is either whole or reported by name: cut short, empty,
// garbage or missing, it raises AssetError naming the file.
TEST(LoadPicture, ReportsEveryBrokenFileAndLoadsAWholeOne) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QImage picture(30, 20, QImage::Format_RGB32);
  picture.fill(qRgb(10, 200, 30));
  ASSERT_TRUE(picture.save(dir.filePath("whole.bmp")));
  QFile whole(dir.filePath("whole.bmp"));
  ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
  const QByteArray bytes = whole.readAll();

  const QImage loaded = LoadPicture(dir.path(), "\\whole.bmp");
  EXPECT_EQ(loaded.size(), QSize(30, 20));
  EXPECT_EQ(loaded.pixel(29, 19), qRgb(10, 200, 30));

  struct Case {
    const char* name;
    QByteArray content;
  };
  const Case cases[] = {
      {"half.bmp", bytes.left(bytes.size() / 2)},
      {"one-row-short.bmp", bytes.left(bytes.size() - 30 * 3)},
      {"header-only.bmp", bytes.left(54)},
      {"empty.bmp", QByteArray()},
      {"garbage.bmp", QByteArray(bytes.size(), '\x5a')},
  };
  for (const Case& c : cases) {
    QFile out(dir.filePath(c.name));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(c.content);
    out.close();
    try {
      LoadPicture(dir.path(), std::string("\\") + c.name);
      ADD_FAILURE() << c.name << " loaded";
    } catch (const AssetError& e) {
      EXPECT_TRUE(e.Path().endsWith(c.name)) << e.Path().toStdString();
    }
  }
  EXPECT_THROW(LoadPicture(dir.path(), "\\missing.bmp"), AssetError);
}

}  // namespace
}  // namespace vantrel

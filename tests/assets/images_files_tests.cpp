// The rendered pictures, as the game finds them in img/ and icons/ beside its
// executable: every file present, with the right name, size and format, and
// the marker strip keyed so that exactly its transparent area is pure blue.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "images_support.h"
#include "manifest.h"
#include "pixels.h"

namespace fs = std::filesystem;
using imagetest::FileFormat;

namespace {

const fs::path kBinDir = VANTREL_RUNTIME_DIR;
const fs::path kSourceDir = VANTREL_IMG_SOURCE_DIR;
const char* const kMarkerStrip = "×▲爆発[指]爆発[戦].bmp";

std::vector<fs::path> manifestFiles() {
  std::vector<fs::path> found;
  for (const auto& dir : fs::directory_iterator(kSourceDir)) {
    if (dir.is_directory() && fs::exists(dir.path() / "manifest.txt")) found.push_back(dir.path() / "manifest.txt");
  }
  std::sort(found.begin(), found.end());
  return found;
}

// Checks one rendered file against the size its manifest line promises.
void expectRendered(const std::string& output, int width, int height) {
  SCOPED_TRACE(output);
  const fs::path file = assetgen::outputPath(kBinDir, output);
  ASSERT_TRUE(fs::exists(file)) << imagetest::toQString(file).toStdString() << " is missing";
  const FileFormat f = imagetest::readFormat(file);
  if (assetgen::isPngOutput(output)) {
    ASSERT_EQ(f.kind, FileFormat::Png) << f.problem;
    EXPECT_TRUE(f.hasAlpha) << "a PNG output keeps its transparency";
  } else {
    ASSERT_EQ(f.kind, FileFormat::Bmp) << f.problem;
    EXPECT_EQ(f.bitsPerPixel, 24);
  }
  EXPECT_EQ(f.width, width);
  EXPECT_EQ(f.height, height);
  // The game loads through Qt; the file must open there under its UTF-8 name.
  const QImage image = imagetest::loadImage(file);
  ASSERT_FALSE(image.isNull()) << "Qt cannot load it";
  EXPECT_EQ(image.width(), width);
  EXPECT_EQ(image.height(), height);
}

TEST(RenderedPictures, EveryManifestLineIsRenderedAtItsSize) {
  const auto manifests = manifestFiles();
  ASSERT_FALSE(manifests.empty()) << "no assets/img/<group>/manifest.txt found";
  for (const fs::path& m : manifests) {
    const assetgen::Manifest manifest = assetgen::readManifest(m);
    EXPECT_FALSE(manifest.entries.empty()) << m;
    for (const auto& e : manifest.entries) expectRendered(e.output, e.width, e.height);
  }
}

// Every picture the program loads, by group. A group whose folder does not
// exist yet is skipped; once it exists, a missing line is an error. The bonus
// pictures are drawn one character at a time: a character counts as started
// once any of its pages is listed, and from then on all of them must be.
struct Known {
  const char* group;
  std::string name;
  int width;
  int height;
  bool keyed;
  int bonusCharacter = -1;
};

std::vector<Known> knownPictures() {
  std::vector<Known> k = {
      {"ui", "Stage1-FG_M.bmp", 570, 270, false},
      {"ui", "Stage1-FG_E.bmp", 570, 270, false},
      {"ui", kMarkerStrip, 300, 30, true},
      {"ui", "Main-Back.bmp", 809, 603, false},
      {"ui", "Main-Strip.bmp", 529, 13, false},
      {"ui", "Icon-Shot_P.bmp", 17, 17, false},
      {"ui", "Icon-Shot_E.bmp", 17, 17, false},
      {"ui", "Icon-Siki.bmp", 23, 23, false},
      {"ui", "Icon-Sen.bmp", 23, 23, false},
      {"ui", "Title-Back.bmp", 800, 600, false},
      {"ui", "Title-CGMode.bmp", 265, 44, false},
      {"ui", "Title-Quit.bmp", 265, 44, false},
      {"ui", "Continue-Text.bmp", 231, 56, false},
      {"ui", "Continue-Yes.bmp", 118, 43, false},
      {"ui", "Continue-No.bmp", 118, 43, false},
      {"ui", "Omake-Exit.bmp", 132, 44, false},
      {"chara", "Omake-Back.bmp", 800, 600, false},
  };
  for (int n : {16, 32, 48, 64, 128, 256}) {
    k.push_back({"ui", "icons/vantrel-" + std::to_string(n) + ".png", n, n, false});
  }
  for (int c = 0; c < 3; ++c) {
    const std::string d = std::to_string(c);
    k.push_back({"chara", "Chara-" + d + ".bmp", 645, 443, false});
    k.push_back({"chara", "Title-Chara" + d + ".bmp", 264, 58, false});
    for (const char* page : {"A", "B", "D"}) {
      k.push_back({"bonus", "CG" + d + page + ".bmp", 800, 600, false, c});
      k.push_back({"bonus", "Thumb-" + d + page + ".bmp", 130, 98, false, c});
    }
  }
  const int tallHeight[] = {1400, 1146, 1220};
  const int secondWidth[] = {343, 419, 383};
  const int thumbWidth[] = {57, 69, 65};
  for (int c = 0; c < 3; ++c) {
    const std::string d = std::to_string(c);
    k.push_back({"bonus", "CG" + d + "C.bmp", 800, tallHeight[c], false, c});
    k.push_back({"bonus", "CG" + d + "C-2.bmp", secondWidth[c], 600, false, c});
    k.push_back({"bonus", "Thumb-" + d + "C.bmp", thumbWidth[c], 98, false, c});
  }
  return k;
}

void PrintTo(const Known& k, std::ostream* os) { *os << k.group << "/" << k.name; }

class KnownPicture : public ::testing::TestWithParam<Known> {};

TEST_P(KnownPicture, IsListedAndRendered) {
  const Known& k = GetParam();
  const fs::path manifestFile = kSourceDir / k.group / "manifest.txt";
  if (!fs::exists(manifestFile)) GTEST_SKIP() << "group '" << k.group << "' has no pictures yet";
  const assetgen::Manifest manifest = assetgen::readManifest(manifestFile);
  if (k.bonusCharacter >= 0) {
    const std::string pages = "CG" + std::to_string(k.bonusCharacter);
    const bool started = std::any_of(manifest.entries.begin(), manifest.entries.end(),
                                     [&](const assetgen::ManifestEntry& e) { return e.output.rfind(pages, 0) == 0; });
    if (!started) GTEST_SKIP() << "character " << k.bonusCharacter << " has no bonus pictures yet";
  }
  const auto line = std::find_if(manifest.entries.begin(), manifest.entries.end(),
                                 [&](const assetgen::ManifestEntry& e) { return e.output == k.name; });
  ASSERT_NE(line, manifest.entries.end()) << k.name << " is not listed in " << manifestFile;
  EXPECT_EQ(line->width, k.width);
  EXPECT_EQ(line->height, k.height);
  EXPECT_EQ(line->keyed, k.keyed);
  expectRendered(k.name, k.width, k.height);
}

std::string asciiName(const ::testing::TestParamInfo<Known>& info) {
  std::string out = std::to_string(info.index) + "_";
  for (char c : info.param.name) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) out += c;
  }
  return out;
}

INSTANTIATE_TEST_SUITE_P(AllGroups, KnownPicture, ::testing::ValuesIn(knownPictures()), asciiName);

class MarkerStrip : public ::testing::Test {
 protected:
  void SetUp() override {
    image = imagetest::loadImage(assetgen::outputPath(kBinDir, kMarkerStrip));
    ASSERT_EQ(image.size(), QSize(300, 30));
  }
  QImage image;
};

TEST_F(MarkerStrip, OnlyTheTransparentAreaIsPureBlue) {
  for (int cell = 0; cell < 10; ++cell) {
    int nearKey = 0;
    for (int y = 0; y < 30; ++y) {
      for (int x = cell * 30; x < cell * 30 + 30; ++x) {
        const assetgen::Rgb c = imagetest::pixelAt(image, x, y);
        if (c != assetgen::kKeyColour && assetgen::isNearKey(c)) ++nearKey;
      }
    }
    EXPECT_EQ(nearKey, 0) << "cell " << cell << " has opaque pixels that could pass for the key colour";
  }
}

TEST_F(MarkerStrip, EveryUsedMarkerLetsTheTileShowAroundIt) {
  for (int cell = 0; cell <= 5; ++cell) {
    int key = 0;
    for (int y = 0; y < 30; ++y) {
      for (int x = cell * 30; x < cell * 30 + 30; ++x) key += imagetest::pixelAt(image, x, y) == assetgen::kKeyColour;
    }
    EXPECT_GT(key, 90) << "cell " << cell << " hides nearly all of its tile";
    EXPECT_LT(key, 900 - 90) << "cell " << cell << " shows almost no marker";
    // The corners are outside every marker's silhouette.
    EXPECT_EQ(imagetest::pixelAt(image, cell * 30, 0), assetgen::kKeyColour) << "cell " << cell;
    EXPECT_EQ(imagetest::pixelAt(image, cell * 30 + 29, 29), assetgen::kKeyColour) << "cell " << cell;
  }
}

// The white miss marker must stand out on every tile of both maps.
TEST(MapPictures, HaveNoNearWhiteArea) {
  for (const char* name : {"Stage1-FG_M.bmp", "Stage1-FG_E.bmp"}) {
    const QImage map = imagetest::loadImage(assetgen::outputPath(kBinDir, name));
    ASSERT_EQ(map.size(), QSize(570, 270)) << name;
    int nearWhite = 0;
    for (int y = 0; y < map.height(); ++y) {
      for (int x = 0; x < map.width(); ++x) {
        const assetgen::Rgb c = imagetest::pixelAt(map, x, y);
        nearWhite += std::min({c.r, c.g, c.b}) > 215;
      }
    }
    EXPECT_EQ(nearWhite, 0) << name;
  }
}

}  // namespace

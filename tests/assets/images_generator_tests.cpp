// The picture generator: its manifest reader, its keying rule, and whole runs
// of the program on tiny SVGs.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <stdexcept>
#include <string>
#include <utility>

#include "images_support.h"
#include "manifest.h"
#include "pixels.h"

namespace fs = std::filesystem;
using assetgen::Rgb;

namespace {

std::uint32_t argb(unsigned a, unsigned r, unsigned g, unsigned b) { return (a << 24) | (r << 16) | (g << 8) | b; }

// ---- keying of single pixels (input premultiplied, as cairo renders) ----

struct PixelCase {
  const char* what;
  std::uint32_t premultiplied;
  Rgb keyed;
  Rgb overBlack;
};

void PrintTo(const PixelCase& c, std::ostream* os) { *os << c.what; }

class PixelRule : public ::testing::TestWithParam<PixelCase> {};

TEST_P(PixelRule, KeyedAndOverBlack) {
  const PixelCase& c = GetParam();
  EXPECT_EQ(assetgen::keyedPixel(c.premultiplied), c.keyed) << c.what;
  EXPECT_EQ(assetgen::overBlackPixel(c.premultiplied), c.overBlack) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PixelRule,
    ::testing::Values(
        PixelCase{"fully transparent", argb(0, 0, 0, 0), {0, 0, 255}, {0, 0, 0}},
        PixelCase{"just under half covered", argb(127, 127, 0, 0), {0, 0, 255}, {127, 0, 0}},
        PixelCase{"half covered red edge keeps pure red", argb(128, 128, 0, 0), {255, 0, 0}, {128, 0, 0}},
        PixelCase{"white edge stays white, not bluish", argb(160, 160, 160, 160), {255, 255, 255}, {160, 160, 160}},
        PixelCase{"opaque colour unchanged", argb(255, 12, 200, 99), {12, 200, 99}, {12, 200, 99}},
        PixelCase{"opaque pure blue is moved off the key", argb(255, 0, 0, 255), {0, 0, 239}, {0, 0, 255}},
        PixelCase{"edge of a pure blue shape too", argb(200, 0, 0, 200), {0, 0, 239}, {0, 0, 200}},
        PixelCase{"near blue is moved", argb(255, 15, 15, 240), {15, 15, 239}, {15, 15, 240}},
        PixelCase{"blue with some red is left alone", argb(255, 16, 0, 255), {16, 0, 255}, {16, 0, 255}},
        PixelCase{"darker blue is left alone", argb(255, 0, 0, 239), {0, 0, 239}, {0, 0, 239}}));

TEST(PixelRule, NoOpaqueResultIsNearTheKey) {
  // Whatever a render produces, keyed output is the key exactly where the
  // render was transparent and never near it anywhere else.
  for (unsigned a = 0; a < 256; a += 5) {
    for (unsigned b = 0; b <= a; b += 5) {
      for (unsigned rg = 0; rg <= std::min(a, 40u); rg += 4) {
        const Rgb out = assetgen::keyedPixel(argb(a, rg, rg, b));
        if (a < 128) {
          ASSERT_EQ(out, assetgen::kKeyColour);
        } else {
          ASSERT_FALSE(assetgen::isNearKey(out)) << a << " " << rg << " " << b;
        }
      }
    }
  }
}

// ---- the manifest ----

TEST(Manifest, ReadsNamesSizesAndKeyFlag) {
  const auto m = assetgen::parseManifest(
      "\xEF\xBB\xBF# pictures\n"
      "\n"
      "×▲爆発[指]爆発[戦].bmp   markers.svg  300 30  keyed   # sprites\n"
      "  Main-Back.bmp\tback/main.svg 809 603\r\n"
      "icons/vantrel-16.png icon.svg 16 16\n",
      "/src/ui/manifest.txt");
  ASSERT_EQ(m.entries.size(), 3u);
  EXPECT_EQ(m.entries[0].output, "×▲爆発[指]爆発[戦].bmp");
  EXPECT_EQ(m.entries[0].source, fs::path("/src/ui/markers.svg"));
  EXPECT_EQ(m.entries[0].width, 300);
  EXPECT_EQ(m.entries[0].height, 30);
  EXPECT_TRUE(m.entries[0].keyed);
  EXPECT_EQ(m.entries[0].line, 3);
  EXPECT_EQ(m.entries[1].source, fs::path("/src/ui/back/main.svg"));
  EXPECT_FALSE(m.entries[1].keyed);
  EXPECT_EQ(m.entries[1].height, 603);
  EXPECT_EQ(m.entries[2].output, "icons/vantrel-16.png");
}

TEST(Manifest, OutputsGoToImgOrIcons) {
  EXPECT_EQ(assetgen::outputPath("/b", "Main-Back.bmp"), fs::path("/b/img/Main-Back.bmp"));
  EXPECT_EQ(assetgen::outputPath("/b", "icons/vantrel-32.png"), fs::path("/b/icons/vantrel-32.png"));
  EXPECT_TRUE(assetgen::isPngOutput("icons/vantrel-32.PNG"));
  EXPECT_FALSE(assetgen::isPngOutput("CG0A.bmp"));
}

struct BadLine {
  const char* line;
  const char* complaint;
};

void PrintTo(const BadLine& b, std::ostream* os) { *os << "'" << b.line << "'"; }

class ManifestRejects : public ::testing::TestWithParam<BadLine> {};

TEST_P(ManifestRejects, NamingTheLine) {
  const std::string text = std::string("ok.bmp ok.svg 10 10\n") + GetParam().line + "\n";
  try {
    assetgen::parseManifest(text, "m.txt");
    FAIL() << "accepted: " << GetParam().line;
  } catch (const std::runtime_error& e) {
    const std::string message = e.what();
    EXPECT_NE(message.find("m.txt:2:"), std::string::npos) << message;
    EXPECT_NE(message.find(GetParam().complaint), std::string::npos) << message;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ManifestRejects,
    ::testing::Values(BadLine{"a.bmp a.svg 10", "expected"}, BadLine{"a.bmp a.svg 10 10 keyed extra", "expected"},
                      BadLine{"a.bmp a.svg 0 10", "picture side"}, BadLine{"a.bmp a.svg 10 -3", "picture side"},
                      BadLine{"a.bmp a.svg 10x 10", "picture side"}, BadLine{"a.bmp a.svg 99999 10", "picture side"},
                      BadLine{"a.bmp a.png 10 10", "not an .svg"}, BadLine{"a.bmp a.svg 10 10 transparent", "unknown option"},
                      BadLine{"a.jpg a.svg 10 10", ".bmp or .png"}, BadLine{"../a.bmp a.svg 10 10", "plain file name"},
                      BadLine{"sub/a.bmp a.svg 10 10", "plain file name"}, BadLine{"icons/../x.png a.svg 10 10", "plain file name"},
                      BadLine{"a.png a.svg 10 10 keyed", "keeps its alpha"}, BadLine{"ok.bmp b.svg 20 20", "listed twice"}));

// ---- whole runs of the generator ----

class GeneratorRun : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(temp.isValid());
    fs::create_directories(dir());
  }
  fs::path root() const { return fs::path(temp.path().toStdString()); }
  fs::path dir() const { return root() / "group"; }  // the folder of the manifest and its SVGs
  fs::path out() const { return root() / "bin"; }
  void svg(const std::string& name, const std::string& body, int w = 10, int h = 10) {
    imagetest::writeText(dir() / name, "<svg xmlns='http://www.w3.org/2000/svg' xmlns:xlink='http://www.w3.org/1999/xlink'"
                                       " width='" + std::to_string(w) + "' height='" + std::to_string(h) +
                                       "' viewBox='0 0 " + std::to_string(w) + " " + std::to_string(h) + "'>" +
                                       body + "</svg>");
  }
  int run(const std::string& manifest, QString* errors = nullptr) {
    imagetest::writeText(dir() / "manifest.txt", manifest);
    return imagetest::runGenerator({"--out", imagetest::toQString(out()), imagetest::toQString(dir() / "manifest.txt")},
                                   errors);
  }
  QImage image(const std::string& name) { return imagetest::loadImage(assetgen::outputPath(out(), name)); }
  QTemporaryDir temp;
};

// A red disc with soft edges on a transparent ground, beside a pure blue bar.
const char* const kDiscAndBar =
    "<circle cx='3.5' cy='5' r='3' fill='#ff0000'/>"
    "<rect x='7' y='0' width='3' height='10' fill='#0000ff'/>";

TEST_F(GeneratorRun, KeyedEdgesKeepTheirColourAndOnlyTheBackgroundIsKey) {
  svg("t.svg", kDiscAndBar);
  ASSERT_EQ(run("t.bmp t.svg 40 40 keyed\n"), 0);
  const QImage img = image("t.bmp");
  ASSERT_EQ(img.size(), QSize(40, 40));
  EXPECT_EQ(imagetest::readFormat(assetgen::outputPath(out(), "t.bmp")).bitsPerPixel, 24);
  int red = 0;
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 28; ++x) {  // the disc and the transparent ground around it
      const Rgb c = imagetest::pixelAt(img, x, y);
      if (c == assetgen::kKeyColour) continue;
      ASSERT_EQ(c, (Rgb{255, 0, 0})) << "disc pixel " << x << "," << y << " was blended";
      ++red;
    }
  }
  EXPECT_NEAR(red, 3.14159 * 12 * 12, 25);
  EXPECT_EQ(imagetest::pixelAt(img, 0, 0), assetgen::kKeyColour);
  for (int y = 0; y < 40; ++y) {  // the opaque blue bar must not turn transparent
    const Rgb c = imagetest::pixelAt(img, 35, y);
    EXPECT_NE(c, assetgen::kKeyColour);
    EXPECT_FALSE(assetgen::isNearKey(c));
  }
}

TEST_F(GeneratorRun, UnkeyedRendersOverBlackAndStretchesTheViewBoxExactly) {
  svg("t.svg", kDiscAndBar);
  ASSERT_EQ(run("wide.bmp t.svg 50 20\n"), 0);
  const QImage img = image("wide.bmp");
  ASSERT_EQ(img.size(), QSize(50, 20));
  EXPECT_EQ(imagetest::pixelAt(img, 0, 0), (Rgb{0, 0, 0}));
  // The bar covers x 7..10 of the viewBox: exactly x 35..49 at 5 pixels a unit.
  EXPECT_EQ(imagetest::pixelAt(img, 34, 10), (Rgb{0, 0, 0}));
  EXPECT_EQ(imagetest::pixelAt(img, 35, 0), (Rgb{0, 0, 255}));
  EXPECT_EQ(imagetest::pixelAt(img, 49, 19), (Rgb{0, 0, 255}));
  // Over black, the soft edge of the disc darkens instead of turning blue.
  bool darkRedEdge = false;
  for (int x = 0; x < 35; ++x) {
    const Rgb c = imagetest::pixelAt(img, x, 10);
    EXPECT_EQ(c.g, 0);
    EXPECT_EQ(c.b, 0);
    darkRedEdge = darkRedEdge || (c.r > 0 && c.r < 255);
  }
  EXPECT_TRUE(darkRedEdge);
}

// Ink columns [first, last] of a white-on-black picture.
std::pair<int, int> inkColumns(const QImage& img) {
  int first = img.width(), last = -1;
  for (int x = 0; x < img.width(); ++x) {
    for (int y = 0; y < img.height(); ++y) {
      if (qGray(img.pixel(x, y)) > 128) {
        first = std::min(first, x);
        last = std::max(last, x);
      }
    }
  }
  return {first, last};
}

TEST_F(GeneratorRun, TextStaysInPlaceUnderAStretch) {
  // Pictures shown stretched are drawn at their display proportions and
  // squeezed by the generator; their text must squeeze with them.
  svg("t.svg",
      "<rect width='200' height='50' fill='#000'/>"
      "<text x='100' y='38' text-anchor='middle' font-family='DejaVu Sans' font-weight='bold'"
      " font-size='36' fill='#fff'>Continue?</text>",
      200, 50);
  ASSERT_EQ(run("same.bmp t.svg 200 50\nsqueezed.bmp t.svg 100 50\ntall.bmp t.svg 200 120\n"), 0);
  const auto [left, right] = inkColumns(image("same.bmp"));
  ASSERT_LT(left, right);
  const auto [sqLeft, sqRight] = inkColumns(image("squeezed.bmp"));
  EXPECT_NEAR(sqLeft, left / 2.0, 2);
  EXPECT_NEAR(sqRight, right / 2.0, 2);
  const auto [tallLeft, tallRight] = inkColumns(image("tall.bmp"));
  EXPECT_NEAR(tallLeft, left, 2);
  EXPECT_NEAR(tallRight, right, 2);
}

// What Inkscape writes and Qt's own SVG renderer would silently drop.
TEST_F(GeneratorRun, RendersClipPathsMasksFiltersAndJapaneseText) {
  svg("t.svg",
      "<defs>"
      "<clipPath id='left'><rect width='20' height='20'/></clipPath>"
      "<mask id='top'><rect width='40' height='10' fill='#fff'/></mask>"
      "<filter id='blur' x='-1' y='-1' width='3' height='3'><feGaussianBlur stdDeviation='3'/></filter>"
      "</defs>"
      "<rect width='40' height='20' fill='#ff0000' clip-path='url(#left)'/>"
      "<rect y='20' width='40' height='20' fill='#00ff00' mask='url(#top)' transform='translate(0 -10)'/>"
      "<rect x='48' y='8' width='4' height='4' fill='#ffffff' filter='url(#blur)'/>"
      "<text x='60' y='35' font-family='IPAPGothic' font-size='30' fill='#ffffff'>戦</text>",
      100, 40);
  ASSERT_EQ(run("f.bmp t.svg 100 40\n"), 0);
  const QImage img = image("f.bmp");
  EXPECT_EQ(imagetest::pixelAt(img, 5, 5), (Rgb{255, 0, 0}));
  EXPECT_EQ(imagetest::pixelAt(img, 30, 5), (Rgb{0, 0, 0})) << "clip path ignored";
  EXPECT_EQ(imagetest::pixelAt(img, 30, 15), (Rgb{0, 0, 0})) << "mask ignored";
  EXPECT_GT(imagetest::pixelAt(img, 45, 10).r, 0) << "blur ignored";
  int ink = 0;
  for (int y = 0; y < 40; ++y) {
    for (int x = 60; x < 100; ++x) ink += qGray(img.pixel(x, y)) > 128;
  }
  EXPECT_GT(ink, 60) << "the Japanese glyph was not drawn";
}

TEST_F(GeneratorRun, PngOutputKeepsAlphaInIcons) {
  svg("t.svg", kDiscAndBar);
  ASSERT_EQ(run("icons/i.png t.svg 20 20\n"), 0);
  const fs::path file = out() / "icons" / "i.png";
  ASSERT_TRUE(fs::exists(file));
  const QImage img = imagetest::loadImage(file);
  ASSERT_EQ(img.size(), QSize(20, 20));
  EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0);
  EXPECT_EQ(img.pixel(7, 10), qRgba(255, 0, 0, 255));
}

TEST_F(GeneratorRun, UnicodeOutputNames) {
  svg("t.svg", kDiscAndBar);
  ASSERT_EQ(run("×▲爆発[指]爆発[戦].bmp t.svg 30 30 keyed\n"), 0);
  EXPECT_EQ(image("×▲爆発[指]爆発[戦].bmp").size(), QSize(30, 30));
}

TEST_F(GeneratorRun, AFailingLineFailsTheRunButTheOthersAreStillMade) {
  svg("t.svg", kDiscAndBar);
  imagetest::writeText(dir() / "broken.svg", "<svg xmlns='http://www.w3.org/2000/svg'><rect");
  QString errors;
  EXPECT_NE(run("a.bmp t.svg 10 10\nmissing.bmp nothing-here.svg 10 10\nbroken.bmp broken.svg 10 10\nb.bmp t.svg 10 10\n",
                &errors),
            0);
  EXPECT_TRUE(errors.contains("manifest.txt:2")) << errors.toStdString();
  EXPECT_TRUE(errors.contains("manifest.txt:3")) << errors.toStdString();
  EXPECT_FALSE(fs::exists(out() / "img" / "missing.bmp"));
  EXPECT_FALSE(fs::exists(out() / "img" / "broken.bmp"));
  EXPECT_FALSE(fs::exists(out() / "img" / "missing.bmp.part"));
  EXPECT_TRUE(fs::exists(out() / "img" / "a.bmp"));
  EXPECT_TRUE(fs::exists(out() / "img" / "b.bmp"));
}

TEST_F(GeneratorRun, ABadManifestFailsTheRun) {
  svg("t.svg", kDiscAndBar);
  QString errors;
  EXPECT_NE(run("a.bmp t.svg ten 10\n", &errors), 0);
  EXPECT_TRUE(errors.contains("manifest.txt:1")) << errors.toStdString();
  EXPECT_NE(imagetest::runGenerator({"--out"}), 0);
}

// Shared parts: another SVG of the same folder (or below it) can be embedded
// with <image href> (drawn at its own pixel size, then scaled) or with
// <use href="file.svg#id"> (stays vector). Files above the folder are refused.
TEST_F(GeneratorRun, EmbedsSiblingSvgFiles) {
  svg("part.svg", "<rect width='10' height='10' fill='#00ff00'/><rect id='dot' width='4' height='4' fill='#ffff00'/>");
  fs::create_directories(dir() / "parts");
  svg("parts/deep.svg", "<rect width='10' height='10' fill='#ff00ff'/>");
  svg("host.svg",
      "<image x='0' y='0' width='10' height='10' href='part.svg'/>"
      "<image x='10' y='0' width='10' height='10' xlink:href='parts/deep.svg'/>"
      "<use href='part.svg#dot' x='20'/>"
      "<image x='30' y='0' width='10' height='10' href='../outside.svg'/>",
      40, 10);
  svg("../outside.svg", "<rect width='10' height='10' fill='#ffffff'/>");
  ASSERT_EQ(run("host.bmp host.svg 40 10\n"), 0);
  const QImage img = image("host.bmp");
  EXPECT_EQ(imagetest::pixelAt(img, 5, 5), (Rgb{0, 255, 0}));
  EXPECT_EQ(imagetest::pixelAt(img, 15, 5), (Rgb{255, 0, 255}));
  EXPECT_EQ(imagetest::pixelAt(img, 21, 1), (Rgb{255, 255, 0}));
  EXPECT_EQ(imagetest::pixelAt(img, 35, 5), (Rgb{0, 0, 0})) << "a file outside the folder was loaded";
}

}  // namespace

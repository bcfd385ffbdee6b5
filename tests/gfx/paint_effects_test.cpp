#include "gfx/paint_effects.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace vantrel {
namespace {

constexpr Colour kKey = 0x00FF0000;  // pure blue, the game's sprite key
constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kGreen = 0xFF00FF00;
constexpr QRgb kWhite = 0xFFFFFFFF;

QImage Row(const std::vector<QRgb>& pixels, QImage::Format format = QImage::Format_RGB32) {
  QImage image(static_cast<int>(pixels.size()), 1, format);
  for (int x = 0; x < image.width(); ++x) image.setPixel(x, 0, pixels[x]);
  return image;
}

std::vector<QRgb> Pixels(const QImage& image) {
  std::vector<QRgb> out;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) out.push_back(image.pixel(x, y) | 0xFF000000u);
  return out;
}

QImage Filled(int w, int h, QRgb colour) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

// A sprite over a tile, both one row of pixels.
struct TransparentCase {
  const char* name;
  std::vector<QRgb> sprite;
  QImage::Format spriteFormat;
  Colour mask;
  std::vector<QRgb> expected;  // over the tile below
};

const std::vector<QRgb> kTile = {0xFF102030, 0xFF405060, 0xFF708090, 0xFFA0B0C0};

void PrintTo(const TransparentCase& c, std::ostream* os) { *os << c.name; }

class TransparentPainting : public ::testing::TestWithParam<TransparentCase> {};

TEST_P(TransparentPainting, EveryRouteGivesTheSameComposite) {
  const TransparentCase& c = GetParam();
  const Picture sprite = Picture::Bitmap(Row(c.sprite, c.spriteFormat));
  const PaintEffects effects;

  QImage overlaid = Row(kTile);
  OverlayPicture(sprite, overlaid, c.mask);
  EXPECT_EQ(Pixels(overlaid), c.expected) << "OverlayPicture";

  // The member palette and hPal = 0 are the same palette.
  QImage withOwnPalette = Row(kTile);
  effects.PaintTransparentStdPic(withOwnPalette, 0, 0, 4, 1, sprite, 0, 0, c.mask,
                                 effects.Palette());
  EXPECT_EQ(Pixels(withOwnPalette), c.expected) << "member palette";

  QImage fromDC = Row(kTile);
  effects.PaintTransparentDC(fromDC, 0, 0, 4, 1, Row(c.sprite, c.spriteFormat), 0, 0, c.mask,
                             PaletteHandle{});
  EXPECT_EQ(Pixels(fromDC), c.expected) << "PaintTransparentDC, hPal = 0";
}

INSTANTIATE_TEST_SUITE_P(
    KeyColour, TransparentPainting,
    ::testing::Values(
        TransparentCase{"PureBlueShowsTheTile",
                        {kBlue, kRed, kBlue, kGreen}, QImage::Format_RGB32, kKey,
                        {kTile[0], kRed, kTile[2], kGreen}},
        TransparentCase{"NearlyBlueStaysOpaque",
                        {0xFF0000FE, 0xFF0100FF, 0xFF0001FF, kBlue}, QImage::Format_RGB32, kKey,
                        {0xFF0000FE, 0xFF0100FF, 0xFF0001FF, kTile[3]}},
        TransparentCase{"NoKeyPixelsCoverEverything",
                        {kRed, kGreen, kWhite, 0xFF000000}, QImage::Format_RGB32, kKey,
                        {kRed, kGreen, kWhite, 0xFF000000}},
        TransparentCase{"MaskColourAbsentIsAPlainCopy",
                        {kBlue, kRed, kBlue, kGreen}, QImage::Format_RGB32, RGB(255, 0, 255),
                        {kBlue, kRed, kBlue, kGreen}},
        TransparentCase{"AnyMaskColourWorks",
                        {0xFFFF00FF, kRed, 0xFFFF00FF, kBlue}, QImage::Format_RGB32,
                        RGB(255, 0, 255), {kTile[0], kRed, kTile[2], kBlue}},
        // A bitmap's alpha byte is no transparency: only the colour counts.
        TransparentCase{"BitmapAlphaIsIgnored",
                        {0x000000FF, 0x00FF0000, 0x80FF0000, 0x0000FF00}, QImage::Format_ARGB32,
                        kKey, {kTile[0], kRed, kRed, kGreen}},
        TransparentCase{"TwentyFourBitSprite",
                        {kBlue, kRed, kBlue, kGreen}, QImage::Format_RGB888, kKey,
                        {kTile[0], kRed, kTile[2], kGreen}},
        // A system-colour reference (button face) is turned into its colour.
        TransparentCase{"SystemColourMask",
                        {0xFFC0C0C0, kRed, 0xFFC0C0C1, kBlue}, QImage::Format_RGB32, 0x8000000F,
                        {kTile[0], kRed, 0xFFC0C0C1, kBlue}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TransparentPaintingGeometry, PaintsOnlyThePartInsideBothImages) {
  const PaintEffects effects;
  const QRgb tile = 0xFF202020;
  QImage dest = Filled(4, 4, tile);
  QImage src(3, 3, QImage::Format_RGB32);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) src.setPixel(x, y, qRgb(10 * x + 1, 10 * y + 1, 0));

  // 3 x 3 from source (1, 1) to destination (2, 2): only a 2 x 2 part lies
  // inside the source, and only a 2 x 2 part inside the destination.
  effects.PaintTransparentDC(dest, 2, 2, 3, 3, src, 1, 1, kKey);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) {
      const QRgb want = (x >= 2 && y >= 2) ? src.pixel(x - 1, y - 1) : tile;
      EXPECT_EQ(dest.pixel(x, y), want) << x << "," << y;
    }

  // Rectangles entirely outside, negative or empty leave everything alone.
  const QImage before = dest;
  effects.PaintTransparentDC(dest, -3, -3, 3, 3, src, 0, 0, kKey);
  effects.PaintTransparentDC(dest, 0, 0, 3, 3, src, 5, 0, kKey);
  effects.PaintTransparentDC(dest, 0, 0, -1, 2, src, 0, 0, kKey);
  effects.PaintTransparentDC(dest, 0, 0, 0x7FFFFFFF, 0x7FFFFFFF, QImage(), 0, 0, kKey);
  EXPECT_EQ(dest, before);

  // Negative source and destination corners clip at the image edges.
  effects.PaintTransparentDC(dest, -1, 0, 3, 1, src, 0, 0, kKey);
  EXPECT_EQ(dest.pixel(0, 0), src.pixel(1, 0));
  EXPECT_EQ(dest.pixel(1, 0), src.pixel(2, 0));
  EXPECT_EQ(dest.pixel(2, 0), tile);
}

TEST(TransparentPaintingGeometry, ASourceThatIsTheDestinationIsReadUnchanged) {
  const PaintEffects effects;
  QImage image = Row({kRed, kGreen, kBlue, kWhite});
  // Shift right by one within the same image, as one blit would.
  effects.PaintTransparentDC(image, 1, 0, 3, 1, image, 0, 0, kKey);
  EXPECT_EQ(Pixels(image), (std::vector<QRgb>{kRed, kRed, kGreen, kWhite}));
}

TEST(TransparentPaintingGeometry, SharedCopiesOfTheDestinationKeepTheirPixels) {
  QImage back = Row(kTile);
  const QImage earlier = back;  // implicitly shared with back
  OverlayPicture(Picture::Bitmap(Row({kRed, kRed, kRed, kRed})), back, kKey);
  EXPECT_EQ(Pixels(earlier), kTile);
  EXPECT_EQ(Pixels(back), (std::vector<QRgb>{kRed, kRed, kRed, kRed}));
}

TEST(OverlayPictureTest, ASmallerSpriteLeavesTheRestOfTheBack) {
  QImage back = Filled(3, 2, 0xFF336699);
  OverlayPicture(Picture::Bitmap(Row({kRed, kBlue})), back, kKey);
  EXPECT_EQ(back.size(), QSize(3, 2));
  EXPECT_EQ(Pixels(back), (std::vector<QRgb>{kRed, 0xFF336699, 0xFF336699, 0xFF336699,
                                             0xFF336699, 0xFF336699}));
}

TEST(OverlayPictureTest, ALargerSpriteIsCutAtTheBacksEdges) {
  QImage back = Filled(2, 1, 0xFF336699);
  OverlayPicture(Picture::Bitmap(Row({kBlue, kGreen, kRed, kRed})), back, kKey);
  EXPECT_EQ(back.size(), QSize(2, 1));
  EXPECT_EQ(Pixels(back), (std::vector<QRgb>{0xFF336699, kGreen}));
}

TEST(OverlayPictureTest, RedrawingWithTheSameSpriteGivesTheSamePicture) {
  const Picture sprite = Picture::Bitmap(Row({kBlue, kRed, kBlue, kGreen}));
  QImage first = Row(kTile), second = Row(kTile);
  OverlayPicture(sprite, first, kKey);
  OverlayPicture(sprite, second, kKey);
  OverlayPicture(sprite, second, kKey);  // over its own earlier result
  EXPECT_EQ(Pixels(first), Pixels(second));
}

TEST(IconPainting, TheIconsOwnTransparentAreasShowTheDestination) {
  // Opaque red, fully transparent (its colour must not matter), half white.
  QImage icon(3, 1, QImage::Format_ARGB32);
  icon.setPixel(0, 0, 0xFFFF0000);
  icon.setPixel(1, 0, 0x0000FF00);
  icon.setPixel(2, 0, 0x80FFFFFF);
  const Picture picture = Picture::Icon(icon);
  const PaintEffects effects;

  QImage dest = Row(kTile);
  // Four pixels wide: beyond the icon lies the mask-coloured ground.
  // The source corner is not used for icons.
  effects.PaintTransparentStdPic(dest, 0, 0, 4, 1, picture, 2, 7, kKey);
  ASSERT_EQ(Pixels(dest).size(), 4u);
  EXPECT_EQ(Pixels(dest)[0], 0xFFFF0000);
  EXPECT_EQ(Pixels(dest)[1], kTile[1]);
  // Half-transparent pixels blend with the key-colour ground, as an icon
  // drawn over it does, and so stay opaque.
  EXPECT_EQ(Pixels(dest)[2], 0xFF8080FF);
  EXPECT_EQ(Pixels(dest)[3], kTile[3]);

  QImage viaOwnPalette = Row(kTile);
  effects.PaintTransparentStdPic(viaOwnPalette, 0, 0, 4, 1, picture, 0, 0, kKey, effects.Palette());
  EXPECT_EQ(viaOwnPalette, dest);
}

TEST(NormalPainting, ABitmapIsCopiedKeyColourAndAll) {
  const PaintEffects effects;
  QImage dest = Filled(3, 1, 0xFF111111);
  effects.PaintNormalStdPic(dest, 1, 0, 2, 1, Picture::Bitmap(Row({kRed, kBlue, kGreen})), 1, 0);
  EXPECT_EQ(Pixels(dest), (std::vector<QRgb>{0xFF111111, kBlue, kGreen}));
}

TEST(NormalPainting, AnIconIsDrawnAtTheSizeAskedFor) {
  const PaintEffects effects;
  QImage icon(1, 1, QImage::Format_ARGB32);
  icon.setPixel(0, 0, 0xFFFF0000);
  QImage dest = Filled(3, 2, 0xFF111111);
  effects.PaintNormalStdPic(dest, 1, 0, 2, 2, Picture::Icon(icon), 0, 0);
  EXPECT_EQ(Pixels(dest),
            (std::vector<QRgb>{0xFF111111, kRed, kRed, 0xFF111111, kRed, kRed}));
}

// Every painting entry point refuses pictures it cannot paint.
struct BadPicture {
  const char* name;
  std::function<Picture()> make;
};

void PrintTo(const BadPicture& c, std::ostream* os) { *os << c.name; }

class InvalidPictures : public ::testing::TestWithParam<BadPicture> {};

TEST_P(InvalidPictures, RaiseError481AndPaintNothing) {
  const Picture picture = GetParam().make();
  const PaintEffects effects;
  QImage dest = Row(kTile);
  const QImage before = dest;
  const std::vector<std::pair<const char*, std::function<void()>>> calls = {
      {"OverlayPicture", [&] { OverlayPicture(picture, dest, kKey); }},
      {"PaintTransparentStdPic",
       [&] { effects.PaintTransparentStdPic(dest, 0, 0, 4, 1, picture, 0, 0, kKey); }},
      {"PaintDisabledStdPic",
       [&] {
         effects.PaintDisabledStdPic(dest, 0, 0, 4, 1, picture, 0, 0, kKey, 0xFFFFFF, 0x808080);
       }},
      {"PaintNormalStdPic", [&] { effects.PaintNormalStdPic(dest, 0, 0, 4, 1, picture, 0, 0); }},
  };
  for (const auto& [name, call] : calls) {
    try {
      call();
      ADD_FAILURE() << name << " did not raise";
    } catch (const InvalidPicture& e) {
      EXPECT_EQ(e.Number(), 481) << name;
    }
    EXPECT_EQ(dest, before) << name;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, InvalidPictures,
    ::testing::Values(
        BadPicture{"Empty", [] { return Picture(); }},
        BadPicture{"BitmapWithoutImage", [] { return Picture::Bitmap(QImage()); }},
        BadPicture{"IconWithoutImage", [] { return Picture::Icon(QImage()); }},
        BadPicture{"Metafile", [] { return Picture(PictureType::Metafile, Row({kRed})); }},
        BadPicture{"EnhancedMetafile",
                   [] { return Picture(PictureType::EnhancedMetafile, Row({kRed})); }}),
    [](const auto& info) { return std::string(info.param.name); });

// The embossed look, pixel by pixel. Source legend: w white, k black,
// b the key blue, g dark grey, l light grey, t (127,128,127) just nearer
// black, u (128,128,127) just nearer white. Result legend: D destination,
// s shadow, h highlight.
QRgb SourcePixel(char c) {
  switch (c) {
    case 'k': return 0xFF000000;
    case 'b': return kBlue;
    case 'g': return qRgb(100, 100, 100);
    case 'l': return qRgb(200, 200, 200);
    case 't': return qRgb(127, 128, 127);
    case 'u': return qRgb(128, 128, 127);
    default: return kWhite;
  }
}

QImage FromRows(const std::vector<std::string>& rows) {
  QImage image(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()),
               QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, SourcePixel(rows[y][x]));
  return image;
}

struct DisabledCase {
  const char* name;
  Colour mask, highlight, shadow;
  std::vector<std::string> expected;  // the 6 x 6 destination afterwards
};

const std::vector<std::string> kEmbossSource = {
    "kwwt",
    "wkbu",
    "wgl ",
    "wwwk",
};
constexpr QRgb kGround = 0xFF0A781E;

void PrintTo(const DisabledCase& c, std::ostream* os) { *os << c.name; }

class DisabledLook : public ::testing::TestWithParam<DisabledCase> {};

TEST_P(DisabledLook, HighlightOffsetUnderShadowOverTheDestination) {
  const DisabledCase& c = GetParam();
  const PaintEffects effects;
  // Pass colours may be system-colour references: compare with their colours.
  const Colour highlight = TranslateColour(c.highlight, {});
  const Colour shadow = TranslateColour(c.shadow, {});
  const auto expectedRgb = [&](char e) {
    if (e == 'D') return kGround;
    const Colour v = e == 's' ? shadow : highlight;
    return qRgb(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                static_cast<int>(v >> 16));
  };

  const QImage source = FromRows(kEmbossSource);
  std::vector<QImage> results;
  for (int route = 0; route < 3; ++route) {
    QImage dest = Filled(6, 6, kGround);
    if (route == 0) {
      effects.PaintDisabledDC(dest, 1, 1, 4, 4, source, 0, 0, c.mask, c.highlight, c.shadow);
    } else {
      effects.PaintDisabledStdPic(dest, 1, 1, 4, 4, Picture::Bitmap(source), 0, 0, c.mask,
                                  c.highlight, c.shadow,
                                  route == 1 ? PaletteHandle{} : effects.Palette());
    }
    results.push_back(dest);
  }
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6; ++x)
      EXPECT_EQ(results[0].pixel(x, y) | 0xFF000000u, expectedRgb(c.expected[y][x]))
          << "pixel " << x << "," << y;
  EXPECT_EQ(results[1], results[0]) << "picture object, hPal = 0";
  EXPECT_EQ(results[2], results[0]) << "picture object, member palette";
}

INSTANTIATE_TEST_SUITE_P(
    Emboss, DisabledLook,
    ::testing::Values(
        // Ink: (0,0) k, (1,1) k, (1,2) g, (3,3) k, (3,0) t. The key pixel
        // (2,1) is dark but transparent; (2,2) l and (3,1) u are light.
        // Highlights land one down and right; the one of (0,0) falls under
        // the shadow of (1,1); those of (3,0) and (3,3) fall outside the
        // rectangle and are cut off, not painted beside it.
        DisabledCase{"KeyBlue", kKey, RGB(255, 255, 255), RGB(128, 128, 128),
                     {"DDDDDD",
                      "DsDDsD",
                      "DDsDDD",
                      "DDshDD",
                      "DDDhsD",
                      "DDDDDD"}},
        // With a white mask nothing is cut out first: the blue pixel is ink.
        DisabledCase{"WhiteMask", RGB(255, 255, 255), RGB(255, 255, 255), RGB(128, 128, 128),
                     {"DDDDDD",
                      "DsDDsD",
                      "DDssDD",
                      "DDshhD",
                      "DDDhsD",
                      "DDDDDD"}},
        DisabledCase{"SystemColours", kKey, 0x80000014, 0x80000010,
                     {"DDDDDD",
                      "DsDDsD",
                      "DDsDDD",
                      "DDshDD",
                      "DDDhsD",
                      "DDDDDD"}},
        // Black and red passes: the empty-plane key must be neither (blue).
        DisabledCase{"BlackAndRedPasses", kKey, RGB(0, 0, 0), RGB(255, 0, 0),
                     {"DDDDDD",
                      "DsDDsD",
                      "DDsDDD",
                      "DDshDD",
                      "DDDhsD",
                      "DDDDDD"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DisabledLookIcon, TransparentIconAreasLeaveTheDestination) {
  QImage icon(2, 1, QImage::Format_ARGB32);
  icon.setPixel(0, 0, 0xFF000000);
  icon.setPixel(1, 0, 0x00000000);  // transparent black: no ink
  const PaintEffects effects;
  QImage dest = Filled(3, 2, kGround);
  effects.PaintDisabledStdPic(dest, 0, 0, 3, 2, Picture::Icon(icon), 0, 0, kKey,
                              RGB(255, 255, 255), RGB(128, 128, 128));
  EXPECT_EQ(Pixels(dest), (std::vector<QRgb>{0xFF808080, kGround, kGround, kGround, kWhite,
                                             kGround}));
}

}  // namespace
}  // namespace vantrel

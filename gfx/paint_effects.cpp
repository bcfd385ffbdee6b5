#include "gfx/paint_effects.h"

#include <QRect>

#include <algorithm>
#include <array>
#include <cstring>

namespace vantrel {
namespace {

constexpr QRgb kOpaque = 0xFF000000u;
constexpr QRgb kColourBits = 0x00FFFFFFu;

// 0x00BBGGRR -> QRgb (0xAARRGGBB), opaque.
QRgb ToQRgb(Colour c) {
  return qRgb(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
              static_cast<int>((c >> 16) & 0xFF));
}

bool Is32Bit(QImage::Format f) {
  return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 ||
         f == QImage::Format_ARGB32_Premultiplied;
}

// Surfaces are worked on as 32-bit scanlines; other formats are converted
// once (the game's own pictures are already 32-bit, so this costs nothing).
void Make32Bit(QImage& image) {
  if (!image.isNull() && !Is32Bit(image.format())) {
    image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  }
}

QImage As32Bit(const QImage& image) {
  if (image.isNull() || Is32Bit(image.format())) return image;  // shared, no copy
  return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                       : QImage::Format_RGB32);
}

// The part of a Width x Height rectangle that lies inside both images.
struct Span {
  int dx = 0, dy = 0, sx = 0, sy = 0, w = 0, h = 0;
};

bool ClipAxis(long long destSize, long long srcSize, long long d, long long s, long long n,
              int& dOut, int& sOut, int& nOut) {
  if (n <= 0) return false;
  const long long start = std::max({0LL, -d, -s});
  const long long end = std::min({n, destSize - d, srcSize - s});
  if (end <= start) return false;
  dOut = static_cast<int>(d + start);
  sOut = static_cast<int>(s + start);
  nOut = static_cast<int>(end - start);
  return true;
}

bool Clip(const QImage& dest, int xDest, int yDest, const QImage& src, int xSrc, int ySrc,
          int width, int height, Span& span) {
  if (dest.isNull() || src.isNull()) return false;
  return ClipAxis(dest.width(), src.width(), xDest, xSrc, width, span.dx, span.sx, span.w) &&
         ClipAxis(dest.height(), src.height(), yDest, ySrc, height, span.dy, span.sy, span.h);
}

// Scanline access set up once per image (QImage::scanLine checks for
// sharing on every call, which costs more than a short row itself).
class ConstPixels {
 public:
  explicit ConstPixels(const QImage& image)
      : base_(image.constBits()), stride_(image.bytesPerLine()) {}
  const QRgb* Row(int y, int x) const {
    return reinterpret_cast<const QRgb*>(base_ + y * stride_) + x;
  }

 private:
  const uchar* base_;
  qsizetype stride_;
};

class MutablePixels {
 public:
  explicit MutablePixels(QImage& image) : base_(image.bits()), stride_(image.bytesPerLine()) {}
  QRgb* Row(int y, int x) const { return reinterpret_cast<QRgb*>(base_ + y * stride_) + x; }

 private:
  uchar* base_;
  qsizetype stride_;
};

// One scanline of the composite: the destination where the source has the
// key colour, the source elsewhere. Branch-free, so the compiler vectorises it.
void KeyedRow(const QRgb* __restrict s, const QRgb* __restrict d, QRgb* __restrict out, int n,
              QRgb key) {
  for (int x = 0; x < n; ++x) {
    const QRgb p = s[x];
    const QRgb under = d[x];  // loaded unconditionally: a plain select vectorises
    out[x] = (p & kColourBits) == key ? under : (p | kOpaque);
  }
}

// Writes pixels unchanged (the destination's own pixels coming back).
void CopyRaw(QImage& dest, int xDest, int yDest, const QImage& src, int xSrc, int ySrc,
             int width, int height) {
  Span sp;
  if (!Clip(dest, xDest, yDest, src, xSrc, ySrc, width, height, sp)) return;
  const MutablePixels to(dest);
  const ConstPixels from(src);
  for (int y = 0; y < sp.h; ++y) {
    std::memmove(to.Row(sp.dy + y, sp.dx), from.Row(sp.sy + y, sp.sx),
                 static_cast<std::size_t>(sp.w) * sizeof(QRgb));
  }
}

// Writes source pixels as opaque colours: a bitmap's alpha byte means nothing.
void CopyOpaque(QImage& dest, int xDest, int yDest, const QImage& src, int xSrc, int ySrc,
                int width, int height) {
  Span sp;
  if (!Clip(dest, xDest, yDest, src, xSrc, ySrc, width, height, sp)) return;
  const MutablePixels to(dest);
  const ConstPixels from(src);
  for (int y = 0; y < sp.h; ++y) {
    const QRgb* s = from.Row(sp.sy + y, sp.sx);
    QRgb* d = to.Row(sp.dy + y, sp.dx);
    for (int x = 0; x < sp.w; ++x) d[x] = s[x] | kOpaque;
  }
}

// Draws a premultiplied icon over opaque colour pixels, as an icon is drawn
// onto a device context: its alpha blends it with what lies beneath.
void BlendIcon(QImage& dest, int xDest, int yDest, const QImage& icon) {
  Span sp;
  if (!Clip(dest, xDest, yDest, icon, 0, 0, icon.width(), icon.height(), sp)) return;
  const MutablePixels to(dest);
  const ConstPixels from(icon);
  for (int y = 0; y < sp.h; ++y) {
    const QRgb* s = from.Row(sp.sy + y, sp.sx);
    QRgb* d = to.Row(sp.dy + y, sp.dx);
    for (int x = 0; x < sp.w; ++x) {
      const QRgb p = s[x];
      const unsigned a = qAlpha(p);
      if (a == 255) {
        d[x] = p;
      } else if (a != 0) {
        const unsigned inv = 255 - a;
        const auto mix = [inv](unsigned sc, unsigned dc) { return sc + (dc * inv + 127) / 255; };
        d[x] = qRgb(static_cast<int>(mix(qRed(p), qRed(d[x]))),
                    static_cast<int>(mix(qGreen(p), qGreen(d[x]))),
                    static_cast<int>(mix(qBlue(p), qBlue(d[x]))));
      }
    }
  }
}

// An icon drawn over a background of one colour, Width x Height: the source
// the painter works from when it is given an icon.
QImage IconOverColour(const QImage& icon, int width, int height, Colour background) {
  QImage work(width, height, QImage::Format_RGB32);
  work.fill(ToQRgb(background));
  BlendIcon(work, 0, 0, icon);
  return work;
}

// GDI turns a colour picture into a black-and-white DIB section by picking
// the nearer of black and white for every pixel.
bool NearerBlackThanWhite(QRgb p) { return qRed(p) + qGreen(p) + qBlue(p) < 383; }

// The classic default scheme, indexed by system colour number (COLOR_*).
constexpr std::array<Colour, 31> kSystemColours = {
    RGB(192, 192, 192),  // scroll bar
    RGB(0, 128, 128),    // desktop
    RGB(0, 0, 128),      // active caption
    RGB(128, 128, 128),  // inactive caption
    RGB(192, 192, 192),  // menu
    RGB(255, 255, 255),  // window
    RGB(0, 0, 0),        // window frame
    RGB(0, 0, 0),        // menu text
    RGB(0, 0, 0),        // window text
    RGB(255, 255, 255),  // caption text
    RGB(192, 192, 192),  // active border
    RGB(192, 192, 192),  // inactive border
    RGB(128, 128, 128),  // application workspace
    RGB(0, 0, 128),      // highlight
    RGB(255, 255, 255),  // highlight text
    RGB(192, 192, 192),  // button face
    RGB(128, 128, 128),  // button shadow
    RGB(128, 128, 128),  // grey text
    RGB(0, 0, 0),        // button text
    RGB(192, 192, 192),  // inactive caption text
    RGB(255, 255, 255),  // button highlight
    RGB(0, 0, 0),        // 3-D dark shadow
    RGB(192, 192, 192),  // 3-D light
    RGB(0, 0, 0),        // tooltip text
    RGB(255, 255, 225),  // tooltip background
    RGB(0, 0, 0),        // (unused)
    RGB(0, 0, 128),      // hot-tracked item
    RGB(16, 132, 208),   // active caption gradient
    RGB(181, 181, 181),  // inactive caption gradient
    RGB(0, 0, 128),      // menu highlight
    RGB(192, 192, 192),  // menu bar
};

}  // namespace

Picture::Picture(PictureType type, QImage image) : type_(type), image_(std::move(image)) {
  if (image_.isNull()) return;
  if (type_ == PictureType::Icon) {
    if (image_.format() != QImage::Format_ARGB32_Premultiplied) {
      image_.convertTo(QImage::Format_ARGB32_Premultiplied);
    }
  } else {
    Make32Bit(image_);
  }
}

Colour TranslateColour(Colour colour, PaletteHandle /*palette: no effect in true colour*/) {
  switch (colour >> 24) {
    case 0x00:  // plain RGB
    case 0x02:  // palette-relative RGB: on true colour just the RGB
      return colour & 0xFFFFFF;
    case 0x80: {
      const Colour index = colour & 0xFFFFFF;
      return index < kSystemColours.size() ? kSystemColours[index] : 0;
    }
    default:
      return 0;
  }
}

void PaintEffects::PaintTransparentDC(QImage& hdcDest, int xDest, int yDest, int Width, int Height,
                                      const QImage& hdcSrc, int xSrc, int ySrc, Colour clrMask,
                                      PaletteHandle hPal) const {
  const QRgb key = ToQRgb(TranslateColour(clrMask, Resolve(hPal))) & kColourBits;
  Make32Bit(hdcDest);
  const QImage src = As32Bit(hdcSrc);
  Span sp;
  if (!Clip(hdcDest, xDest, yDest, src, xSrc, ySrc, Width, Height, sp)) return;

  // Build the whole composite first: the destination never holds a half-done
  // picture, and a source that is the destination itself is read unchanged.
  QImage work(sp.w, sp.h, hdcDest.format());
  const ConstPixels source(src), under(hdcDest);
  const MutablePixels out(work);
  for (int y = 0; y < sp.h; ++y) {
    KeyedRow(source.Row(sp.sy + y, sp.sx), under.Row(sp.dy + y, sp.dx), out.Row(y, 0), sp.w, key);
  }
  CopyRaw(hdcDest, sp.dx, sp.dy, work, 0, 0, sp.w, sp.h);
}

void PaintEffects::PaintTransparentStdPic(QImage& hdcDest, int xDest, int yDest, int Width,
                                          int Height, const Picture& picSource, int xSrc, int ySrc,
                                          Colour clrMask, PaletteHandle hPal) const {
  if (picSource.IsEmpty()) throw InvalidPicture();
  switch (picSource.Type()) {
    case PictureType::Bitmap:
      PaintTransparentDC(hdcDest, xDest, yDest, Width, Height, picSource.Image(), xSrc, ySrc,
                         clrMask, Resolve(hPal));
      return;
    case PictureType::Icon: {
      if (Width <= 0 || Height <= 0) return;
      // The icon over a ground of the mask colour: its own transparent areas
      // then become transparent too. The source offset does not apply.
      const Colour ground = TranslateColour(clrMask, {});
      const QImage work = IconOverColour(picSource.Image(), Width, Height, ground);
      PaintTransparentDC(hdcDest, xDest, yDest, Width, Height, work, 0, 0, ground, Resolve(hPal));
      return;
    }
    default:
      throw InvalidPicture();
  }
}

void PaintEffects::PaintNormalStdPic(QImage& hdcDest, int xDest, int yDest, int Width, int Height,
                                     const Picture& picSource, int xSrc, int ySrc,
                                     PaletteHandle /*hPal*/) const {
  if (picSource.IsEmpty()) throw InvalidPicture();
  switch (picSource.Type()) {
    case PictureType::Bitmap:
      Make32Bit(hdcDest);
      CopyOpaque(hdcDest, xDest, yDest, picSource.Image(), xSrc, ySrc, Width, Height);
      return;
    case PictureType::Icon: {
      if (Width <= 0 || Height <= 0 || hdcDest.isNull()) return;
      // An icon is drawn at the size asked for.
      const QImage& icon = picSource.Image();
      const QImage sized = icon.size() == QSize(Width, Height)
                               ? icon
                               : icon.scaled(Width, Height, Qt::IgnoreAspectRatio,
                                             Qt::FastTransformation);
      Make32Bit(hdcDest);
      BlendIcon(hdcDest, xDest, yDest, sized);
      return;
    }
    default:
      throw InvalidPicture();
  }
}

void PaintEffects::PaintDisabledDC(QImage& hdcDest, int xDest, int yDest, int Width, int Height,
                                   const QImage& hdcSrc, int xSrc, int ySrc, Colour clrMask,
                                   Colour clrHighlight, Colour clrShadow,
                                   PaletteHandle hPal) const {
  if (Width <= 0 || Height <= 0 || hdcDest.isNull()) return;
  const PaletteHandle pal = Resolve(hPal);
  const Colour shadow = TranslateColour(clrShadow, pal);
  const Colour highlight = TranslateColour(clrHighlight, pal);
  const Colour white = TranslateColour(0xFFFFFF, pal);
  const Colour mask = TranslateColour(clrMask, pal);

  // The source on white, transparent pixels arriving as white.
  QImage onWhite(Width, Height, QImage::Format_RGB32);
  QImage plane(Width, Height, QImage::Format_RGB32);
  if (onWhite.isNull() || plane.isNull()) return;  // out of memory: nothing painted
  onWhite.fill(ToQRgb(white));
  if (mask == white) {
    CopyOpaque(onWhite, 0, 0, As32Bit(hdcSrc), xSrc, ySrc, Width, Height);
  } else {
    PaintTransparentDC(onWhite, 0, 0, Width, Height, hdcSrc, xSrc, ySrc, mask, pal);
  }

  Make32Bit(hdcDest);
  QImage back = hdcDest.copy(xDest, yDest, Width, Height);

  // A key colour that is neither pass colour marks where the plane is empty.
  Colour key = 0;
  for (Colour candidate : {Colour{0}, Colour{0xFF}, Colour{0xFF0000}}) {
    const Colour c = TranslateColour(candidate, pal);
    if (c != highlight && c != shadow) {
      key = c;
      break;
    }
  }

  // The plane: the pass colour where the black-and-white source is black,
  // the key colour elsewhere.
  const auto fillPlane = [&](Colour ink) {
    const QRgb inkPixel = ToQRgb(ink), keyPixel = ToQRgb(key);
    const ConstPixels from(onWhite);
    const MutablePixels to(plane);
    for (int y = 0; y < Height; ++y) {
      const QRgb* s = from.Row(y, 0);
      QRgb* p = to.Row(y, 0);
      for (int x = 0; x < Width; ++x) p[x] = NearerBlackThanWhite(s[x]) ? inkPixel : keyPixel;
    }
  };
  fillPlane(highlight);
  PaintTransparentDC(back, 1, 1, Width, Height, plane, 0, 0, key, pal);
  fillPlane(shadow);
  PaintTransparentDC(back, 0, 0, Width, Height, plane, 0, 0, key, pal);

  CopyRaw(hdcDest, xDest, yDest, back, 0, 0, Width, Height);
}

void PaintEffects::PaintDisabledStdPic(QImage& hdcDest, int xDest, int yDest, int Width,
                                       int Height, const Picture& picSource, int xSrc, int ySrc,
                                       Colour clrMask, Colour clrHighlight, Colour clrShadow,
                                       PaletteHandle hPal) const {
  if (picSource.IsEmpty()) throw InvalidPicture();
  switch (picSource.Type()) {
    case PictureType::Bitmap:
      PaintDisabledDC(hdcDest, xDest, yDest, Width, Height, picSource.Image(), xSrc, ySrc, clrMask,
                      clrHighlight, clrShadow, Resolve(hPal));
      return;
    case PictureType::Icon: {
      if (Width <= 0 || Height <= 0) return;
      const QImage work =
          IconOverColour(picSource.Image(), Width, Height, TranslateColour(clrMask, {}));
      PaintDisabledDC(hdcDest, xDest, yDest, Width, Height, work, 0, 0, clrMask, clrHighlight,
                      clrShadow, Resolve(hPal));
      return;
    }
    default:
      throw InvalidPicture();
  }
}

void OverlayPicture(const Picture& front, QImage& back, Colour maskColour) {
  const PaintEffects effects;
  effects.PaintTransparentStdPic(back, 0, 0, back.width(), back.height(), front, 0, 0, maskColour,
                                 PaletteHandle{});
}

}  // namespace vantrel

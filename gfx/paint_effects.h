// Painting one picture over another with one colour transparent, plus the
// embossed "disabled" look, on QImage surfaces.
//
// A surface ("device context") is a QImage; the painted rectangle is given in
// pixels and never stretched. The part of a rectangle that falls outside the
// source or the destination image is not painted, so no call reads or writes
// outside an image. Every composite is built off-screen and written to the
// destination in one final copy.
#pragma once

#include <QImage>

#include <cstdint>
#include <stdexcept>

#include "engine/ports.h"

namespace vantrel {

// Raised for an empty picture or one that is neither a bitmap nor an icon:
// the program's "invalid picture" error, number 481.
class InvalidPicture : public std::runtime_error {
 public:
  static constexpr int kErrorNumber = 481;
  InvalidPicture() : std::runtime_error("Invalid picture (error 481)") {}
  int Number() const { return kErrorNumber; }
};

// The kinds of picture object; only bitmaps and icons can be painted.
enum class PictureType { None = 0, Bitmap = 1, Metafile = 2, Icon = 3, EnhancedMetafile = 4 };

// A picture object: a bitmap (every pixel a colour, any alpha ignored) or an
// icon (an image with its own alpha, transparent where alpha is 0).
class Picture {
 public:
  Picture() = default;  // the empty picture
  Picture(PictureType type, QImage image);
  static Picture Bitmap(QImage image) { return {PictureType::Bitmap, std::move(image)}; }
  static Picture Icon(QImage image) { return {PictureType::Icon, std::move(image)}; }

  PictureType Type() const { return type_; }
  const QImage& Image() const { return image_; }
  bool IsEmpty() const { return type_ == PictureType::None || image_.isNull(); }

 private:
  PictureType type_ = PictureType::None;
  QImage image_;  // bitmaps as RGB32/ARGB32, icons as ARGB32_Premultiplied
};

// A palette handle; 0 selects the painter's own halftone palette. The game
// runs on true-colour displays only, where a palette changes no colour, so
// every palette gives the same picture.
struct PaletteHandle {
  std::uintptr_t value = 0;
  friend bool operator==(PaletteHandle, PaletteHandle) = default;
};

// Turns a colour value (0x00BBGGRR, PALETTERGB 0x02BBGGRR, or a system-colour
// reference 0x800000nn with the classic default scheme) into a plain RGB
// value in the 0x00BBGGRR layout. Anything else is not a valid colour and
// comes out black.
Colour TranslateColour(Colour colour, PaletteHandle palette);

class PaintEffects {
 public:
  PaintEffects() = default;

  // The painter's own palette, used wherever a method is given hPal = 0.
  PaletteHandle Palette() const { return palette_; }

  // Paints a disabled appearing image (embossed) given a source picture object.
  void PaintDisabledStdPic(QImage& hdcDest, int xDest, int yDest, int Width, int Height,
                           const Picture& picSource, int xSrc, int ySrc, Colour clrMask,
                           Colour clrHighlight, Colour clrShadow, PaletteHandle hPal = {}) const;

  // Paints a disabled appearing image (embossed) given a source hDC.
  void PaintDisabledDC(QImage& hdcDest, int xDest, int yDest, int Width, int Height,
                       const QImage& hdcSrc, int xSrc, int ySrc, Colour clrMask,
                       Colour clrHighlight, Colour clrShadow, PaletteHandle hPal = {}) const;

  // Paints an image with transparent pixels defined by the mask color.
  // Accepts an hDC as its image source.
  void PaintTransparentDC(QImage& hdcDest, int xDest, int yDest, int Width, int Height,
                          const QImage& hdcSrc, int xSrc, int ySrc, Colour clrMask,
                          PaletteHandle hPal = {}) const;

  // Paints an image with transparent pixels defined by the mask color.
  // Accepts a picture object as its image source.
  void PaintTransparentStdPic(QImage& hdcDest, int xDest, int yDest, int Width, int Height,
                              const Picture& picSource, int xSrc, int ySrc, Colour clrMask,
                              PaletteHandle hPal = {}) const;

  // Paints an image provided by a picture object to an hDC with no effects.
  void PaintNormalStdPic(QImage& hdcDest, int xDest, int yDest, int Width, int Height,
                         const Picture& picSource, int xSrc, int ySrc,
                         PaletteHandle hPal = {}) const;

 private:
  PaletteHandle Resolve(PaletteHandle hPal) const { return hPal.value == 0 ? palette_ : hPal; }

  PaletteHandle palette_{1};  // the halftone palette
};

// Paints `front` over `back` at its top-left corner, over back's full width
// and height, leaving front's pixels of `maskColour` transparent. Where front
// is smaller than back, back keeps its own pixels. Called once per map cell
// drawn.
void OverlayPicture(const Picture& front, QImage& back, Colour maskColour);

}  // namespace vantrel

// Turning a rendered picture (premultiplied ARGB, as cairo draws it) into the
// opaque RGB pixels the game loads, and writing them as a 24-bit BMP.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace assetgen {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The colour the game's sprite painter treats as transparent.
inline constexpr Rgb kKeyColour{0, 0, 255};

// An opaque pixel this close to the key (every channel within this distance of
// pure blue) is moved out of reach, so that only the transparent area carries
// the key colour, even where colours are rounded on the way to the screen.
inline constexpr int kNearKeyDistance = 15;

bool isNearKey(Rgb c);

// One pixel of a keyed picture: alpha below one half becomes exactly the key
// colour; anything else keeps its own colour, un-premultiplied and made
// opaque (never blended toward blue), and is nudged away from the key if it
// comes out near it.
Rgb keyedPixel(std::uint32_t premultipliedArgb);

// One pixel of an ordinary picture: the render composited over black.
Rgb overBlackPixel(std::uint32_t premultipliedArgb);

// A whole picture, rows top to bottom. `strideBytes` is cairo's row stride.
std::vector<Rgb> convertPixels(const unsigned char* data, int width, int height, int strideBytes,
                               bool keyed);

// Shrinks a premultiplied ARGB32 picture by averaging areas: target pixel
// (x, y) is the mean of the source rectangle [x·fx, (x+1)·fx) × [y·fy, (y+1)·fy),
// so edges that fall on whole source pixels stay sharp. fx and fy must be at
// least 1 and the source must cover dw·fx × dh·fy pixels (pixels beyond it
// count as transparent).
void areaDownscale(const unsigned char* src, int sw, int sh, int srcStride, double fx, double fy,
                   unsigned char* dst, int dw, int dh, int dstStride);

// Writes a bottom-up 24-bit BMP (BITMAPINFOHEADER, no compression).
// Throws std::runtime_error if the file cannot be written.
void writeBmp24(const std::filesystem::path& file, int width, int height, const std::vector<Rgb>& pixels);

}  // namespace assetgen

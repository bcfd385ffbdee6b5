#include "pixels.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <stdexcept>

namespace assetgen {
namespace {

std::uint8_t unpremultiply(std::uint32_t channel, std::uint32_t alpha) {
  const std::uint32_t value = (channel * 255 + alpha / 2) / alpha;
  return static_cast<std::uint8_t>(std::min<std::uint32_t>(value, 255));
}

void put16(std::vector<unsigned char>& out, std::size_t at, std::uint16_t v) {
  out[at] = static_cast<unsigned char>(v & 0xFF);
  out[at + 1] = static_cast<unsigned char>(v >> 8);
}

void put32(std::vector<unsigned char>& out, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<unsigned char>((v >> (8 * i)) & 0xFF);
}

}  // namespace

bool isNearKey(Rgb c) {
  return c.r <= kNearKeyDistance && c.g <= kNearKeyDistance && c.b >= 255 - kNearKeyDistance;
}

Rgb keyedPixel(std::uint32_t argb) {
  const std::uint32_t a = argb >> 24;
  if (a < 128) return kKeyColour;
  Rgb c{unpremultiply((argb >> 16) & 0xFF, a), unpremultiply((argb >> 8) & 0xFF, a),
        unpremultiply(argb & 0xFF, a)};
  // Darkening the blue keeps the hue the artist chose; the result is a deep
  // blue that no rounding can turn back into the key.
  if (isNearKey(c)) c.b = static_cast<std::uint8_t>(255 - kNearKeyDistance - 1);
  return c;
}

Rgb overBlackPixel(std::uint32_t argb) {
  // Premultiplied colour over black is the premultiplied colour itself.
  return Rgb{static_cast<std::uint8_t>((argb >> 16) & 0xFF), static_cast<std::uint8_t>((argb >> 8) & 0xFF),
             static_cast<std::uint8_t>(argb & 0xFF)};
}

std::vector<Rgb> convertPixels(const unsigned char* data, int width, int height, int strideBytes,
                               bool keyed) {
  std::vector<Rgb> out;
  out.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) {
    const unsigned char* row = data + static_cast<std::ptrdiff_t>(y) * strideBytes;
    for (int x = 0; x < width; ++x) {
      std::uint32_t px;
      std::memcpy(&px, row + 4 * x, 4);  // cairo stores native-endian 32-bit words
      out.push_back(keyed ? keyedPixel(px) : overBlackPixel(px));
    }
  }
  return out;
}

namespace {

// For each target index: the source indexes it covers and how much of each.
struct Span {
  int first = 0;
  std::vector<double> weight;
};

std::vector<Span> spans(int targetCount, double factor, int sourceCount) {
  std::vector<Span> out(static_cast<std::size_t>(targetCount));
  for (int t = 0; t < targetCount; ++t) {
    const double lo = t * factor;
    const double hi = (t + 1) * factor;
    Span& sp = out[static_cast<std::size_t>(t)];
    sp.first = static_cast<int>(std::floor(lo));
    for (int s = sp.first; s < hi && s < sourceCount; ++s) {
      const double cover = std::min<double>(s + 1, hi) - std::max<double>(s, lo);
      sp.weight.push_back(cover / factor);
    }
  }
  return out;
}

}  // namespace

void areaDownscale(const unsigned char* src, int sw, int sh, int srcStride, double fx, double fy,
                   unsigned char* dst, int dw, int dh, int dstStride) {
  const auto xs = spans(dw, fx, sw);
  const auto ys = spans(dh, fy, sh);
  // Horizontal pass into floating point rows, then the vertical pass.
  std::vector<double> rows(static_cast<std::size_t>(dw) * sh * 4, 0.0);
  for (int y = 0; y < sh; ++y) {
    const unsigned char* row = src + static_cast<std::ptrdiff_t>(y) * srcStride;
    for (int x = 0; x < dw; ++x) {
      double acc[4] = {0, 0, 0, 0};
      const Span& sp = xs[static_cast<std::size_t>(x)];
      for (std::size_t i = 0; i < sp.weight.size(); ++i) {
        std::uint32_t px;
        std::memcpy(&px, row + 4 * (sp.first + static_cast<int>(i)), 4);
        for (int c = 0; c < 4; ++c) acc[c] += sp.weight[i] * ((px >> (8 * c)) & 0xFF);
      }
      for (int c = 0; c < 4; ++c) rows[(static_cast<std::size_t>(y) * dw + x) * 4 + c] = acc[c];
    }
  }
  for (int y = 0; y < dh; ++y) {
    unsigned char* out = dst + static_cast<std::ptrdiff_t>(y) * dstStride;
    const Span& sp = ys[static_cast<std::size_t>(y)];
    for (int x = 0; x < dw; ++x) {
      double acc[4] = {0, 0, 0, 0};
      for (std::size_t i = 0; i < sp.weight.size(); ++i) {
        const std::size_t at = (static_cast<std::size_t>(sp.first + static_cast<int>(i)) * dw + x) * 4;
        for (int c = 0; c < 4; ++c) acc[c] += sp.weight[i] * rows[at + c];
      }
      std::uint32_t px = 0;
      for (int c = 0; c < 4; ++c) {
        const auto v = static_cast<std::uint32_t>(std::clamp(std::lround(acc[c]), 0L, 255L));
        px |= v << (8 * c);
      }
      std::memcpy(out + 4 * x, &px, 4);
    }
  }
}

void writeBmp24(const std::filesystem::path& file, int width, int height, const std::vector<Rgb>& pixels) {
  if (width <= 0 || height <= 0 || pixels.size() != static_cast<std::size_t>(width) * height) {
    throw std::runtime_error(file.string() + ": picture size does not match its pixels");
  }
  const std::size_t rowBytes = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
  const std::size_t imageBytes = rowBytes * static_cast<std::size_t>(height);
  std::vector<unsigned char> out(54 + imageBytes, 0);
  out[0] = 'B';
  out[1] = 'M';
  put32(out, 2, static_cast<std::uint32_t>(out.size()));
  put32(out, 10, 54);                 // pixel data offset
  put32(out, 14, 40);                 // BITMAPINFOHEADER
  put32(out, 18, static_cast<std::uint32_t>(width));
  put32(out, 22, static_cast<std::uint32_t>(height));  // positive: bottom-up rows
  put16(out, 26, 1);                  // planes
  put16(out, 28, 24);                 // bits per pixel
  put32(out, 30, 0);                  // BI_RGB
  put32(out, 34, static_cast<std::uint32_t>(imageBytes));
  put32(out, 38, 3780);               // 96 dpi
  put32(out, 42, 3780);
  for (int y = 0; y < height; ++y) {
    unsigned char* row = out.data() + 54 + rowBytes * static_cast<std::size_t>(height - 1 - y);
    for (int x = 0; x < width; ++x) {
      const Rgb& c = pixels[static_cast<std::size_t>(y) * width + x];
      row[3 * x] = c.b;
      row[3 * x + 1] = c.g;
      row[3 * x + 2] = c.r;
    }
  }
  std::ofstream f(file, std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
  f.close();
  if (!f) throw std::runtime_error(file.string() + ": cannot be written");
}

}  // namespace assetgen

// Rendering one SVG with librsvg at an exact pixel size.
#pragma once

#include <cairo.h>

#include <filesystem>
#include <memory>

namespace assetgen {

struct SurfaceDeleter {
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

// Renders `svg` with its viewBox stretched to exactly width × height pixels
// (an SVG without a viewBox: its own width and height), on a transparent
// premultiplied ARGB32 surface. Throws std::runtime_error with librsvg's
// message if the file cannot be read or rendered.
Surface renderSvg(const std::filesystem::path& svg, int width, int height);

}  // namespace assetgen

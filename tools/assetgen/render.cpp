#include "render.h"

#include "pixels.h"

#include <librsvg/rsvg.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace assetgen {
namespace {

struct GObjectDeleter {
  void operator()(gpointer p) const { g_object_unref(p); }
};
template <typename T>
using GPtr = std::unique_ptr<T, GObjectDeleter>;

struct ContextDeleter {
  void operator()(cairo_t* cr) const { cairo_destroy(cr); }
};

std::string takeMessage(GError* error) {
  std::string message = error != nullptr ? error->message : "unknown error";
  if (error != nullptr) g_error_free(error);
  return message;
}

Surface makeSurface(const std::string& name, int width, int height) {
  Surface surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) {
    throw std::runtime_error(name + ": cannot make a " + std::to_string(width) + "x" +
                             std::to_string(height) + " surface");
  }
  return surface;
}

// Renders the whole document (viewBox docWidth × docHeight) scaled by sx, sy
// onto a surface of width × height pixels.
Surface renderScaled(RsvgHandle* handle, const std::string& name, double docWidth, double docHeight,
                     double sx, double sy, int width, int height) {
  Surface surface = makeSurface(name, width, height);
  std::unique_ptr<cairo_t, ContextDeleter> cr(cairo_create(surface.get()));
  cairo_scale(cr.get(), sx, sy);
  const RsvgRectangle viewport{0, 0, docWidth, docHeight};
  GError* error = nullptr;
  if (!rsvg_handle_render_document(handle, cr.get(), &viewport, &error)) {
    throw std::runtime_error(name + ": " + takeMessage(error));
  }
  cairo_surface_flush(surface.get());
  return surface;
}

}  // namespace

Surface renderSvg(const std::filesystem::path& svg, int width, int height) {
  const std::string name = svg.string();
  GPtr<GFile> file(g_file_new_for_path(name.c_str()));
  GError* error = nullptr;
  // The file handle sets the base for relative <image href> references.
  GPtr<RsvgHandle> handle(
      rsvg_handle_new_from_gfile_sync(file.get(), RSVG_HANDLE_FLAGS_NONE, nullptr, &error));
  if (!handle) throw std::runtime_error(name + ": " + takeMessage(error));
  rsvg_handle_set_dpi(handle.get(), 96.0);

  gboolean hasWidth = FALSE, hasHeight = FALSE, hasViewBox = FALSE;
  RsvgLength ownWidth{}, ownHeight{};
  RsvgRectangle viewBox{};
  rsvg_handle_get_intrinsic_dimensions(handle.get(), &hasWidth, &ownWidth, &hasHeight, &ownHeight,
                                       &hasViewBox, &viewBox);
  double docWidth = 0, docHeight = 0;
  if (hasViewBox && viewBox.width > 0 && viewBox.height > 0) {
    docWidth = viewBox.width;
    docHeight = viewBox.height;
  } else if (!rsvg_handle_get_intrinsic_size_in_pixels(handle.get(), &docWidth, &docHeight) ||
             docWidth <= 0 || docHeight <= 0) {
    throw std::runtime_error(name + ": has neither a viewBox nor an absolute width and height");
  }

  const double sx = width / docWidth;
  const double sy = height / docHeight;
  if (std::abs(sx - sy) <= 1e-6 * std::max(sx, sy)) {
    return renderScaled(handle.get(), name, docWidth, docHeight, sx, sy, width, height);
  }

  // librsvg lays text out wrongly under a scale that differs between x and y
  // (glyphs drift apart from their anchor). Render at one scale, twice the
  // larger of the two, then shrink the pixels to the target by area averaging.
  const double s = 2 * std::max(sx, sy);
  const int tw = std::max(1, static_cast<int>(std::ceil(docWidth * s - 1e-9)));
  const int th = std::max(1, static_cast<int>(std::ceil(docHeight * s - 1e-9)));
  Surface uniform = renderScaled(handle.get(), name, docWidth, docHeight, s, s, tw, th);
  Surface surface = makeSurface(name, width, height);
  cairo_surface_flush(surface.get());
  areaDownscale(cairo_image_surface_get_data(uniform.get()), tw, th, cairo_image_surface_get_stride(uniform.get()),
                s / sx, s / sy, cairo_image_surface_get_data(surface.get()), width, height,
                cairo_image_surface_get_stride(surface.get()));
  cairo_surface_mark_dirty(surface.get());
  return surface;
}

}  // namespace assetgen

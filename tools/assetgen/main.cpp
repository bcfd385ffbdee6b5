// vantrel-assetgen: renders the game's pictures from their SVG sources.
//
//   vantrel-assetgen --out <folder of the executable> <manifest.txt>...
//
// Every manifest line becomes one file below <folder>: img/<name> as a 24-bit
// BMP, or a PNG with alpha for .png names (icons/<name> for the application
// icon). Every line is tried; the exit status is non-zero if any failed.
#include <cairo.h>

#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

#include "manifest.h"
#include "pixels.h"
#include "render.h"

namespace fs = std::filesystem;

namespace {

int usage() {
  std::cerr << "usage: vantrel-assetgen --out <bin folder> <manifest.txt>...\n";
  return 2;
}

// Writes through a temporary file so that a failed or interrupted run never
// leaves a truncated picture that a later build would take as up to date.
void renderEntry(const assetgen::ManifestEntry& e, const fs::path& binDir) {
  const fs::path target = assetgen::outputPath(binDir, e.output);
  fs::create_directories(target.parent_path());
  fs::path temp = target;
  temp += ".part";
  const assetgen::Surface surface = assetgen::renderSvg(e.source, e.width, e.height);
  if (assetgen::isPngOutput(e.output)) {
    if (cairo_surface_write_to_png(surface.get(), temp.string().c_str()) != CAIRO_STATUS_SUCCESS) {
      throw std::runtime_error(temp.string() + ": cannot be written");
    }
  } else {
    const auto pixels = assetgen::convertPixels(cairo_image_surface_get_data(surface.get()), e.width,
                                                e.height, cairo_image_surface_get_stride(surface.get()),
                                                e.keyed);
    assetgen::writeBmp24(temp, e.width, e.height, pixels);
  }
  fs::rename(temp, target);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  fs::path binDir;
  std::vector<fs::path> manifests;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--out" && i + 1 < args.size()) {
      binDir = args[++i];
    } else if (!args[i].empty() && args[i][0] == '-') {
      return usage();
    } else {
      manifests.emplace_back(args[i]);
    }
  }
  if (binDir.empty() || manifests.empty()) return usage();

  int failures = 0;
  for (const fs::path& m : manifests) {
    assetgen::Manifest manifest;
    try {
      manifest = assetgen::readManifest(m);
    } catch (const std::exception& ex) {
      std::cerr << "vantrel-assetgen: " << ex.what() << '\n';
      ++failures;
      continue;
    }
    for (const auto& e : manifest.entries) {
      try {
        renderEntry(e, binDir);
      } catch (const std::exception& ex) {
        std::cerr << "vantrel-assetgen: " << m.string() << ":" << e.line << " (" << e.output
                  << "): " << ex.what() << '\n';
        std::error_code ignored;
        fs::remove(assetgen::outputPath(binDir, e.output), ignored);
        ++failures;
      }
    }
  }
  return failures == 0 ? 0 : 1;
}

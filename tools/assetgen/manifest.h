// The picture manifests: one line per output file, read by the generator and
// by the tests that check the rendered pictures.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace assetgen {

struct ManifestEntry {
  std::string output;              // file name as the program loads it (UTF-8)
  std::filesystem::path source;    // the SVG, already resolved against the manifest's folder
  int width = 0;
  int height = 0;
  bool keyed = false;
  int line = 0;                    // line number in the manifest, for messages
};

struct Manifest {
  std::filesystem::path file;
  std::vector<ManifestEntry> entries;
};

// Reads a manifest. Lines are
//   <output name>  <source .svg relative to the manifest>  <width> <height>  [keyed]
// with '#' starting a comment. Throws std::runtime_error naming file and line
// for anything that would otherwise render a wrong or misplaced picture:
// unknown words, sizes that are not positive, an output name that could leave
// the output folders, or the same output listed twice.
Manifest readManifest(const std::filesystem::path& file);

// Parses manifest text; `file` only names the source in messages and is the
// folder the SVG paths are resolved against.
Manifest parseManifest(const std::string& text, const std::filesystem::path& file);

// Where an output lands below the folder of the executable: "icons/<name>"
// goes to icons/, every other name to img/.
std::filesystem::path outputPath(const std::filesystem::path& binDir, const std::string& output);

// A path from UTF-8 text, on every platform (manifest names are UTF-8).
std::filesystem::path fromUtf8(const std::string& s);

// True for outputs written as PNG with alpha (name ends in .png), false for
// 24-bit BMP.
bool isPngOutput(const std::string& output);

}  // namespace assetgen

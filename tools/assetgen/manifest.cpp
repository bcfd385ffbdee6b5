#include "manifest.h"

#include <charconv>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>

namespace assetgen {
namespace {

constexpr int kMaxSide = 16384;  // far above any picture of the game, far below cairo's limit

std::string lowerAscii(std::string s) {
  for (char& c : s) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return s;
}

bool endsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

[[noreturn]] void fail(const std::filesystem::path& file, int line, const std::string& what) {
  throw std::runtime_error(file.string() + ":" + std::to_string(line) + ": " + what);
}

int parseSide(const std::string& word, const std::filesystem::path& file, int line) {
  int value = 0;
  const char* first = word.data();
  const char* last = word.data() + word.size();
  auto [ptr, ec] = std::from_chars(first, last, value);
  if (ec != std::errc() || ptr != last || value <= 0 || value > kMaxSide) {
    fail(file, line, "'" + word + "' is not a picture side (1.." + std::to_string(kMaxSide) + ")");
  }
  return value;
}

// An output name is a plain file name, or "icons/" and a plain file name.
void checkOutputName(const std::string& name, const std::filesystem::path& file, int line) {
  std::string base = name;
  if (base.rfind("icons/", 0) == 0) base = base.substr(6);
  if (base.empty() || base == "." || base == ".." || base.find('/') != std::string::npos ||
      base.find('\\') != std::string::npos) {
    fail(file, line, "output '" + name + "' must be a plain file name (or icons/<file name>)");
  }
  const std::string lower = lowerAscii(base);
  if (!endsWith(lower, ".bmp") && !endsWith(lower, ".png")) {
    fail(file, line, "output '" + name + "' must end in .bmp or .png");
  }
}

}  // namespace

std::filesystem::path fromUtf8(const std::string& s) {
  return std::filesystem::path(std::u8string(s.begin(), s.end()));
}

bool isPngOutput(const std::string& output) { return endsWith(lowerAscii(output), ".png"); }

std::filesystem::path outputPath(const std::filesystem::path& binDir, const std::string& output) {
  const std::filesystem::path name = fromUtf8(output);
  if (output.rfind("icons/", 0) == 0) return binDir / name;
  return binDir / "img" / name;
}

Manifest parseManifest(const std::string& text, const std::filesystem::path& file) {
  Manifest manifest;
  manifest.file = file;
  const std::filesystem::path folder = file.parent_path();
  std::set<std::string> seen;
  std::istringstream in(text);
  std::string raw;
  int lineNo = 0;
  while (std::getline(in, raw)) {
    ++lineNo;
    if (lineNo == 1 && raw.rfind("\xEF\xBB\xBF", 0) == 0) raw.erase(0, 3);  // UTF-8 byte order mark
    if (auto hash = raw.find('#'); hash != std::string::npos) raw.erase(hash);
    std::istringstream words(raw);
    std::vector<std::string> w;
    for (std::string word; words >> word;) w.push_back(word);
    if (w.empty()) continue;
    if (w.size() != 4 && w.size() != 5) {
      fail(file, lineNo, "expected '<output> <source.svg> <width> <height> [keyed]'");
    }
    ManifestEntry e;
    e.line = lineNo;
    e.output = w[0];
    checkOutputName(e.output, file, lineNo);
    if (!endsWith(lowerAscii(w[1]), ".svg")) fail(file, lineNo, "source '" + w[1] + "' is not an .svg");
    e.source = folder / fromUtf8(w[1]);
    e.width = parseSide(w[2], file, lineNo);
    e.height = parseSide(w[3], file, lineNo);
    if (w.size() == 5) {
      if (w[4] != "keyed") fail(file, lineNo, "unknown option '" + w[4] + "' (only 'keyed')");
      e.keyed = true;
    }
    if (e.keyed && isPngOutput(e.output)) {
      fail(file, lineNo, "a PNG keeps its alpha; 'keyed' is for BMP outputs");
    }
    if (!seen.insert(e.output).second) fail(file, lineNo, "output '" + e.output + "' is listed twice");
    manifest.entries.push_back(std::move(e));
  }
  return manifest;
}

Manifest readManifest(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error(file.string() + ": cannot be read");
  std::ostringstream text;
  text << in.rdbuf();
  return parseManifest(text.str(), file);
}

}  // namespace assetgen

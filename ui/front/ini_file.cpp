#include "ui/front/ini_file.h"

#include <cstdio>
#include <random>
#include <system_error>

#include "ui/front/ini_file.platform.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;

// What fits into the 255-byte reply buffer besides its closing NUL.
constexpr std::size_t kMaxValueLength = 254;
constexpr std::string_view kNewLine = "\r\n";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

enum class LineKind { Blank, Section, Key, Other };

// One line of the file: where it is, and what it holds.
struct Line {
  std::size_t begin = 0;       // first byte of the line's text
  std::size_t end = 0;         // end of its text, before CR LF or LF
  std::size_t next = 0;        // first byte of the next line
  bool terminated = false;     // ends with a line feed
  LineKind kind = LineKind::Other;
  std::string_view name;       // section or key name, trimmed
  std::size_t valueBegin = 0;  // for keys: the byte after '='
};

// Walks the file line by line. A UTF-8 byte-order mark before the first line
// is not part of it.
class LineReader {
 public:
  explicit LineReader(std::string_view content) : content_(content) {
    if (content_.substr(0, kUtf8Bom.size()) == kUtf8Bom) pos_ = kUtf8Bom.size();
  }

  bool Next(Line& line) {
    if (pos_ >= content_.size()) return false;
    line = Line{};
    line.begin = pos_;
    const std::size_t lf = content_.find('\n', pos_);
    line.terminated = lf != std::string_view::npos;
    line.next = line.terminated ? lf + 1 : content_.size();
    line.end = line.terminated ? lf : content_.size();
    if (line.end > line.begin && content_[line.end - 1] == '\r') --line.end;
    pos_ = line.next;
    Classify(line);
    return true;
  }

 private:
  void Classify(Line& line) const {
    const std::string_view text = content_.substr(line.begin, line.end - line.begin);
    const std::string_view trimmed = Trim(text);
    if (trimmed.empty()) {
      line.kind = LineKind::Blank;
    } else if (trimmed.front() == '[') {
      const std::size_t close = trimmed.find(']');
      if (close != std::string_view::npos) {
        line.kind = LineKind::Section;
        line.name = Trim(trimmed.substr(1, close - 1));
      }
    } else if (trimmed.front() != ';') {  // ';' starts a comment
      const std::size_t eq = text.find('=');
      if (eq != std::string_view::npos) {
        line.kind = LineKind::Key;
        line.name = Trim(text.substr(0, eq));
        line.valueBegin = line.begin + eq + 1;
      }
    }
  }

  std::string_view content_;
  std::size_t pos_ = 0;
};

// Where a key is, or where it would go.
struct Location {
  bool sectionFound = false;
  bool keyFound = false;
  Line key;           // the key's line, when found
  Line lastInSection;  // the section's last non-blank line, when found
};

Location Find(std::string_view content, std::string_view key, std::string_view section) {
  Location at;
  LineReader reader(content);
  Line line;
  bool inSection = false;
  while (reader.Next(line)) {
    if (line.kind == LineKind::Section) {
      if (inSection) break;  // only the first section of that name counts
      inSection = SameName(line.name, section);
      if (inSection) {
        at.sectionFound = true;
        at.lastInSection = line;
      }
      continue;
    }
    if (!inSection) continue;
    if (line.kind == LineKind::Key && SameName(line.name, key)) {
      at.keyFound = true;
      at.key = line;
      return at;
    }
    if (line.kind != LineKind::Blank) at.lastInSection = line;
  }
  return at;
}

// Text we add must read back as written, here and on Windows in any code
// page: printable ASCII (and tabs) only, no line breaks.
bool IsStorable(std::string_view s) {
  for (const char c : s) {
    const auto u = static_cast<unsigned char>(c);
    if (!(u == '\t' || (u >= 0x20 && u < 0x7F))) return false;
  }
  return true;
}

bool IsStorableName(std::string_view name) { return !name.empty() && IsStorable(name); }

std::optional<std::string> ReadWholeFile(const fs::path& path) {
  std::FILE* f = OpenIniFile(path, "rb");
  if (f == nullptr) return std::nullopt;
  std::string content;
  char buffer[16384];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0) content.append(buffer, got);
  const bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed) return std::nullopt;
  return content;
}

bool IsMarkedReadOnly(const fs::path& path) {
  std::error_code ec;
  const fs::perms p = fs::status(path, ec).permissions();
  if (ec) return true;
  constexpr fs::perms anyWrite = fs::perms::owner_write | fs::perms::group_write |
                                 fs::perms::others_write;
  return (p & anyWrite) == fs::perms::none;
}

// Writes `content` to a new file beside `target` and returns its path, or
// nothing when any step fails (the partial file is removed).
std::optional<fs::path> WriteTemporaryBeside(const fs::path& target, std::string_view content) {
  std::random_device random;
  const fs::path folder = target.parent_path();
  for (int attempt = 0; attempt < 8; ++attempt) {
    const fs::path temp = folder / ("." + target.filename().string() + ".tmp" +
                                    std::to_string(random() % 1000000000u));
    std::FILE* f = OpenIniFile(temp, "wbx");  // never an existing file
    if (f == nullptr) {
      std::error_code ec;
      if (fs::exists(temp, ec)) continue;  // name taken: try another
      return std::nullopt;
    }
    const bool written = std::fwrite(content.data(), 1, content.size(), f) == content.size() &&
                         std::fflush(f) == 0 && SyncFileToDisk(f);
    const bool closed = std::fclose(f) == 0;
    if (written && closed) return temp;
    std::error_code ec;
    fs::remove(temp, ec);
    return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace

std::string LookupIniValue(std::string_view content, std::string_view key,
                           std::string_view section) {
  key = Trim(key);
  section = Trim(section);
  if (key.empty() || section.empty()) return std::string(kIniMissing);
  const Location at = Find(content, key, section);
  if (!at.keyFound) return std::string(kIniMissing);

  std::string_view value = Trim(content.substr(at.key.valueBegin, at.key.end - at.key.valueBegin));
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  value = value.substr(0, kMaxValueLength);
  value = value.substr(0, value.find('\0'));
  return std::string(value);
}

std::optional<std::string> ApplyIniWrite(std::string_view content, std::string_view value,
                                         std::string_view key, std::string_view section) {
  key = Trim(key);
  section = Trim(section);
  // Names that would read back as something else are refused: a key with
  // '=' or starting like a section or a comment, a section with ']'.
  if (!IsStorableName(key) || !IsStorableName(section) || !IsStorable(value) ||
      key.find('=') != std::string_view::npos || key.front() == '[' || key.front() == ';' ||
      section.find(']') != std::string_view::npos) {
    return std::nullopt;
  }

  const Location at = Find(content, key, section);
  std::string out;
  out.reserve(content.size() + section.size() + key.size() + value.size() + 8);
  if (at.keyFound) {
    // In place: the line keeps its key as written and its line ending.
    out.append(content.substr(0, at.key.valueBegin));
    out.append(value);
    out.append(content.substr(at.key.end));
    return out;
  }

  std::string keyLine;
  keyLine.append(key).append("=").append(value).append(kNewLine);
  if (at.sectionFound) {
    // After the section's last line, before any blank lines that follow it.
    const Line& last = at.lastInSection;
    out.append(content.substr(0, last.next));
    if (!last.terminated) out.append(kNewLine);
    out.append(keyLine);
    out.append(content.substr(last.next));
    return out;
  }

  out.append(content);
  const bool onlyBom = content == kUtf8Bom;
  if (!content.empty() && !onlyBom && content.back() != '\n') out.append(kNewLine);
  out.append("[").append(section).append("]").append(kNewLine);
  out.append(keyLine);
  return out;
}

std::string ReadIniString(std::string_view key, std::string_view section,
                          const std::filesystem::path& path) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return std::string(kIniMissing);
  const std::optional<std::string> content = ReadWholeFile(path);
  if (!content) return std::string(kIniMissing);
  return LookupIniValue(*content, key, section);
}

bool WriteIniString(std::string_view value, std::string_view key, std::string_view section,
                    const std::filesystem::path& path) {
  std::error_code ec;
  // Through a symbolic link the file it points at is written.
  fs::path target = path;
  if (fs::is_symlink(path, ec)) {
    target = fs::canonical(path, ec);
    if (ec) return false;
  }

  const fs::file_status status = fs::status(target, ec);
  const bool exists = fs::exists(status);
  std::string content;
  if (exists) {
    if (!fs::is_regular_file(status) || IsMarkedReadOnly(target)) return false;
    // Opening for update proves we may change the file, without changing it.
    std::FILE* probe = OpenIniFile(target, "r+b");
    if (probe == nullptr) return false;
    std::fclose(probe);
    std::optional<std::string> old = ReadWholeFile(target);
    if (!old) return false;
    content = std::move(*old);
  }

  const std::optional<std::string> updated = ApplyIniWrite(content, value, key, section);
  if (!updated) return false;
  if (exists && *updated == content) return true;

  const std::optional<fs::path> temp = WriteTemporaryBeside(target, *updated);
  if (!temp) return false;
  if (exists) fs::permissions(*temp, status.permissions(), ec);
  fs::rename(*temp, target, ec);
  if (ec) {
    fs::remove(*temp, ec);
    return false;
  }
  SyncFolderToDisk(target.parent_path());
  return true;
}

}  // namespace vantrel

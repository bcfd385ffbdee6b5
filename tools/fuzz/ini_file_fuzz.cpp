// Fuzz target for the settings file's reader and writer.
//
// Input: section NUL key NUL value NUL file-bytes. With fewer than three NULs
// the whole input is the file, written as BGM=1 in [Sound]. Checks, beyond
// "never crashes": a write that is accepted reads back as written; every
// other line of the file survives it byte for byte, in order; the file
// functions give the same bytes as the in-memory ones.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

#include "ui/front/ini_file.h"

namespace {

namespace fs = std::filesystem;

struct Input {
  std::string_view section = "Sound", key = "BGM", value = "1", file;
};

Input Split(std::string_view data) {
  Input in;
  in.file = data;
  std::string_view parts[3];
  std::string_view rest = data;
  for (auto& part : parts) {
    const std::size_t nul = rest.find('\0');
    if (nul == std::string_view::npos) return in;
    part = rest.substr(0, nul);
    rest.remove_prefix(nul + 1);
  }
  in.section = parts[0];
  in.key = parts[1];
  in.value = parts[2];
  in.file = rest;
  return in;
}

std::vector<std::string_view> Lines(std::string_view s) {
  std::vector<std::string_view> lines;
  while (!s.empty()) {
    const std::size_t lf = s.find('\n');
    const std::size_t n = lf == std::string_view::npos ? s.size() : lf + 1;
    lines.push_back(s.substr(0, n));
    s.remove_prefix(n);
  }
  return lines;
}

std::string_view TrimmedForRead(std::string_view v) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!v.empty() && blank(v.front())) v.remove_prefix(1);
  while (!v.empty() && blank(v.back())) v.remove_suffix(1);
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
    v = v.substr(1, v.size() - 2);
  return v.substr(0, 254);
}

void Check(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
  }
}

// Apart from one run of lines in the middle, the old and the new file are
// the same lines: the run is at most one old line (the replaced value, or an
// unterminated last line that gained its line end) and at most three new
// ones (that line, a section header, a key).
void CheckOtherLinesKept(std::string_view before, std::string_view after) {
  const auto old = Lines(before), now = Lines(after);
  const std::size_t shorter = std::min(old.size(), now.size());
  std::size_t prefix = 0;
  while (prefix < shorter && old[prefix] == now[prefix]) ++prefix;
  std::size_t suffix = 0;
  while (prefix + suffix < shorter &&
         old[old.size() - 1 - suffix] == now[now.size() - 1 - suffix]) {
    ++suffix;
  }
  Check(old.size() - prefix - suffix <= 1, "other lines kept");
  Check(now.size() - prefix - suffix <= 3, "at most a section and a key added");
}

fs::path ScratchFile() {
  static const fs::path dir = [] {
    const fs::path d = fs::temp_directory_path() / ("vantrel-ini-fuzz-" + std::to_string(::getpid()));
    fs::create_directories(d);
    return d;
  }();
  return dir / "Tarvo.ini";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Input in = Split(std::string_view(reinterpret_cast<const char*>(data), size));

  // Reading never fails, whatever the file holds.
  for (const char* key : {"BGM", "SE", "LOW", "CH0"}) {
    for (const char* section : {"Sound", "SPEC", "CLR"}) {
      (void)vantrel::LookupIniValue(in.file, key, section);
    }
  }
  const std::string before = vantrel::LookupIniValue(in.file, in.key, in.section);

  const std::optional<std::string> after =
      vantrel::ApplyIniWrite(in.file, in.value, in.key, in.section);
  if (after) {
    Check(vantrel::LookupIniValue(*after, in.key, in.section) == TrimmedForRead(in.value),
          "a write reads back");
    CheckOtherLinesKept(in.file, *after);
    // The neighbours keep their values (unless they are the same key).
    for (const char* key : {"BGM", "SE", "LOW", "CH0"}) {
      for (const char* section : {"Sound", "SPEC", "CLR"}) {
        const bool same = vantrel::LookupIniValue("[" + std::string(section) + "]\n" + key + "=x",
                                                  in.key, in.section) == "x";
        if (!same) {
          Check(vantrel::LookupIniValue(*after, key, section) ==
                    vantrel::LookupIniValue(in.file, key, section),
                "other values kept");
        }
      }
    }
  }

  // For one input in 64 the same through a real file (each write waits for
  // the disk, so doing it every time would slow the search a hundredfold).
  std::uint32_t hash = 2166136261u;
  for (std::size_t i = 0; i < size; ++i) hash = (hash ^ data[i]) * 16777619u;
  if (hash % 64 == 0) {
    const fs::path file = ScratchFile();
    {
      std::ofstream out(file, std::ios::binary | std::ios::trunc);
      out.write(in.file.data(), static_cast<std::streamsize>(in.file.size()));
    }
    Check(vantrel::ReadIniString(in.key, in.section, file) == before, "file read = memory read");
    const bool written = vantrel::WriteIniString(in.value, in.key, in.section, file);
    Check(written == after.has_value(), "file write accepted = memory write accepted");
    std::ifstream back(file, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(back)),
                            std::istreambuf_iterator<char>());
    Check(bytes == (after ? *after : std::string(in.file)), "file bytes = memory bytes");
  }
  return 0;
}

// The settings file "Tarvo.ini": reading and writing one value at a time,
// the way the Windows private-profile functions do, so the file can be carried
// between Windows and here in both directions.
//
//  - "[Section]" lines start sections; "key=value" lines below hold values.
//    Section and key names match without regard to ASCII case; spaces and
//    tabs around names and values do not count; a value in matching single or
//    double quotes is read without them. The first matching section and the
//    first matching key in it count.
//  - A missing file, section or key reads as "ERROR"; a value reads as at
//    most 254 bytes, as a 255-byte reply buffer holds, up to any NUL byte.
//  - A write replaces the value of an existing key in its line, or adds the
//    key at the end of its section, or adds the section at the end of the
//    file. Every other byte of the file stays as it was. New lines end in
//    CRLF. LF files, CRLF files and a UTF-8 byte-order mark all read alike.
//  - A write goes to a temporary file in the same folder that then replaces
//    the old file, so a crash or a full disk leaves the old file whole. It
//    reports false, changing nothing, when the file is read-only or is not a
//    plain file, the folder is not writable, or the names or the value cannot
//    be stored (not printable ASCII, or a name that would read back as
//    something else).
//
// Plain C++ without Qt, so it can be fuzzed on its own.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

inline constexpr std::string_view kSettingsFileName = "Tarvo.ini";
inline constexpr std::string_view kIniMissing = "ERROR";

// The value of `key` in `section` of the file at `path`, or "ERROR".
std::string ReadIniString(std::string_view key, std::string_view section,
                          const std::filesystem::path& path);

// Stores `value` as `key` in `section` of the file at `path`, creating the
// file, the section or the key as needed. True when the file now holds it.
bool WriteIniString(std::string_view value, std::string_view key, std::string_view section,
                    const std::filesystem::path& path);

// A switch or flag counts as set only when its value is exactly "1".
inline bool IsIniSet(std::string_view value) { return value == "1"; }

// The same two operations on the bytes of a file, without any file access.
// The first reads `content` as the file's bytes; the second returns the bytes
// the file holds after the write, or nothing when the write is refused.
std::string LookupIniValue(std::string_view content, std::string_view key,
                           std::string_view section);
std::optional<std::string> ApplyIniWrite(std::string_view content, std::string_view value,
                                         std::string_view key, std::string_view section);

}  // namespace vantrel

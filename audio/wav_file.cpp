#include "audio/wav_file.h"

#include <algorithm>
#include <cstring>

namespace vantrel {

namespace {

constexpr std::uint16_t kFormatPcm = 0x0001;
constexpr std::uint16_t kFormatFloat = 0x0003;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;

std::uint32_t U32(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

std::uint16_t U16(std::string_view bytes, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                    (static_cast<unsigned char>(bytes[at + 1]) << 8));
}

struct FormatChunk {
  std::uint16_t tag = 0;
  int channels = 0;
  int sampleRate = 0;
  int bitsPerSample = 0;
  int blockAlign = 0;
};

std::optional<FormatChunk> ReadFormat(std::string_view chunk) {
  if (chunk.size() < 16) return std::nullopt;
  FormatChunk fmt;
  fmt.tag = U16(chunk, 0);
  fmt.channels = U16(chunk, 2);
  fmt.sampleRate = static_cast<int>(U32(chunk, 4) & 0x7FFFFFFF);
  fmt.blockAlign = U16(chunk, 12);
  fmt.bitsPerSample = U16(chunk, 14);
  if (fmt.tag == kFormatExtensible) {
    // The real format is the first two bytes of the sub-format GUID.
    if (chunk.size() < 26) return std::nullopt;
    fmt.tag = U16(chunk, 24);
  }
  return fmt;
}

// 24-bit samples become the top three bytes of a 32-bit sample.
std::string Widen24(std::string_view data) {
  std::string out;
  out.reserve(data.size() / 3 * 4);
  for (std::size_t i = 0; i + 3 <= data.size(); i += 3) {
    out.push_back('\0');
    out.append(data.substr(i, 3));
  }
  return out;
}

std::string Narrow64(std::string_view data) {
  std::string out;
  out.reserve(data.size() / 2);
  for (std::size_t i = 0; i + 8 <= data.size(); i += 8) {
    std::uint64_t bits = 0;
    for (int b = 7; b >= 0; --b) bits = (bits << 8) | static_cast<unsigned char>(data[i + b]);
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    const float narrowed = static_cast<float>(value);
    std::uint32_t out_bits = 0;
    std::memcpy(&out_bits, &narrowed, sizeof out_bits);
    for (int b = 0; b < 4; ++b) out.push_back(static_cast<char>((out_bits >> (8 * b)) & 0xFF));
  }
  return out;
}

}  // namespace

int WavSound::BytesPerSample() const {
  switch (format) {
    case SampleFormat::UInt8:
      return 1;
    case SampleFormat::Int16:
      return 2;
    case SampleFormat::Int32:
    case SampleFormat::Float32:
      return 4;
  }
  return 1;
}

std::int64_t WavSound::FrameCount() const {
  if (channels <= 0) return 0;
  return static_cast<std::int64_t>(samples.size()) / (BytesPerSample() * channels);
}

std::int64_t WavSound::DurationMicroseconds() const {
  if (sampleRate <= 0) return 0;
  return FrameCount() * 1'000'000 / sampleRate;
}

std::optional<WavSound> ParseWav(std::string_view file) {
  if (file.size() < 12 || file.size() > kMaxWavFileBytes) return std::nullopt;
  if (file.substr(0, 4) != "RIFF" || file.substr(8, 4) != "WAVE") return std::nullopt;

  std::optional<FormatChunk> fmt;
  std::optional<std::string_view> data;
  std::size_t at = 12;
  while (at + 8 <= file.size() && !data) {
    const std::string_view id = file.substr(at, 4);
    const std::size_t declared = U32(file, at + 4);
    const std::size_t body = at + 8;
    const std::size_t available = std::min(declared, file.size() - body);
    if (id == "fmt ") {
      fmt = ReadFormat(file.substr(body, available));
      if (!fmt) return std::nullopt;
    } else if (id == "data") {
      if (!fmt) return std::nullopt;  // samples without a format cannot be read
      data = file.substr(body, available);
    }
    if (declared > file.size() - body) break;
    at = body + declared + (declared & 1);  // chunks are padded to even sizes
  }
  if (!fmt || !data) return std::nullopt;
  if (fmt->channels < 1 || fmt->channels > 8) return std::nullopt;
  if (fmt->sampleRate < 1000 || fmt->sampleRate > 384000) return std::nullopt;

  WavSound sound;
  sound.channels = fmt->channels;
  sound.sampleRate = fmt->sampleRate;
  const int bits = fmt->bitsPerSample;
  std::string_view samples = *data;
  if (fmt->tag == kFormatPcm && bits == 8) {
    sound.format = WavSound::SampleFormat::UInt8;
    sound.samples = std::string(samples);
  } else if (fmt->tag == kFormatPcm && bits == 16) {
    sound.format = WavSound::SampleFormat::Int16;
    sound.samples = std::string(samples);
  } else if (fmt->tag == kFormatPcm && bits == 24) {
    sound.format = WavSound::SampleFormat::Int32;
    sound.samples = Widen24(samples);
  } else if (fmt->tag == kFormatPcm && bits == 32) {
    sound.format = WavSound::SampleFormat::Int32;
    sound.samples = std::string(samples);
  } else if (fmt->tag == kFormatFloat && bits == 32) {
    sound.format = WavSound::SampleFormat::Float32;
    sound.samples = std::string(samples);
  } else if (fmt->tag == kFormatFloat && bits == 64) {
    sound.format = WavSound::SampleFormat::Float32;
    sound.samples = Narrow64(samples);
  } else {
    return std::nullopt;
  }
  // Whole frames only; the block alignment of the file must agree with them.
  const std::size_t frameBytes = static_cast<std::size_t>(sound.BytesPerSample()) * sound.channels;
  if (fmt->blockAlign != 0 && static_cast<std::size_t>(fmt->blockAlign) * 8 !=
                                  static_cast<std::size_t>(bits) * sound.channels)
    return std::nullopt;
  sound.samples.resize(sound.samples.size() / frameBytes * frameBytes);
  if (sound.samples.empty()) return std::nullopt;
  return sound;
}

}  // namespace vantrel

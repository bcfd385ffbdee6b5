#include "test_wav.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <stdexcept>

namespace vantrel::test {

namespace {

void PutLE(std::string& out, std::uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void PutSample(std::string& out, double value, Encoding encoding) {
  value = std::clamp(value, -1.0, 1.0);
  switch (encoding) {
    case Encoding::Pcm8:
      PutLE(out, static_cast<std::uint8_t>(std::lround(value * 127.0) + 128), 1);
      break;
    case Encoding::Pcm16:
      PutLE(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(value * 32767.0))), 2);
      break;
    case Encoding::Pcm24:
      PutLE(out, static_cast<std::uint32_t>(static_cast<std::int32_t>(std::lround(value * 8388607.0))), 3);
      break;
    case Encoding::Pcm32:
      PutLE(out, static_cast<std::uint32_t>(static_cast<std::int32_t>(std::llround(value * 2147483647.0))), 4);
      break;
    case Encoding::Float32: {
      const float f = static_cast<float>(value);
      std::uint32_t bits = 0;
      std::memcpy(&bits, &f, sizeof bits);
      PutLE(out, bits, 4);
      break;
    }
    case Encoding::Float64: {
      std::uint64_t bits = 0;
      std::memcpy(&bits, &value, sizeof bits);
      PutLE(out, bits, 8);
      break;
    }
  }
}

}  // namespace

double StepHz(int step) { return 500.0 + 200.0 * step; }

std::vector<ToneStep> SteppedTone(int steps, double stepSeconds, double amplitude) {
  std::vector<ToneStep> tone;
  for (int i = 0; i < steps; ++i) tone.push_back({stepSeconds, StepHz(i), amplitude});
  return tone;
}

int BitsPerSample(Encoding encoding) {
  switch (encoding) {
    case Encoding::Pcm8:
      return 8;
    case Encoding::Pcm16:
      return 16;
    case Encoding::Pcm24:
      return 24;
    case Encoding::Pcm32:
    case Encoding::Float32:
      return 32;
    case Encoding::Float64:
      return 64;
  }
  return 0;
}

std::string ToneSamples(const std::vector<ToneStep>& steps, const WavLayout& layout) {
  std::string out;
  double phase = 0;  // continuous across steps, so a change of step does not click
  for (const ToneStep& step : steps) {
    const auto frames = static_cast<long>(std::lround(step.seconds * layout.sampleRate));
    const double advance = 2 * std::numbers::pi * step.hz / layout.sampleRate;
    for (long f = 0; f < frames; ++f) {
      const double value = step.amplitude * std::sin(phase);
      phase += advance;
      for (int c = 0; c < layout.channels; ++c) PutSample(out, value, layout.encoding);
    }
  }
  return out;
}

std::string WavFile(const WavLayout& layout, std::string_view samples) {
  const bool isFloat = layout.encoding == Encoding::Float32 || layout.encoding == Encoding::Float64;
  const int bits = BitsPerSample(layout.encoding);
  const int blockAlign = bits / 8 * layout.channels;
  const std::uint16_t tag = isFloat ? 3 : 1;

  std::string fmt;
  PutLE(fmt, layout.extensible ? 0xFFFE : tag, 2);
  PutLE(fmt, static_cast<std::uint32_t>(layout.channels), 2);
  PutLE(fmt, static_cast<std::uint32_t>(layout.sampleRate), 4);
  PutLE(fmt, static_cast<std::uint32_t>(layout.sampleRate * blockAlign), 4);
  PutLE(fmt, static_cast<std::uint32_t>(blockAlign), 2);
  PutLE(fmt, static_cast<std::uint32_t>(bits), 2);
  if (layout.extensible) {
    PutLE(fmt, 22, 2);    // size of the extension
    PutLE(fmt, bits, 2);  // valid bits
    PutLE(fmt, 0, 4);     // channel mask
    PutLE(fmt, tag, 2);   // sub-format GUID: the tag, then the fixed tail
    fmt += std::string("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
  }

  std::string body = "WAVE";
  body += "fmt ";
  PutLE(body, fmt.size(), 4);
  body += fmt;
  body += layout.chunkBeforeData;
  body += "data";
  PutLE(body, layout.declaredData.value_or(static_cast<std::uint32_t>(samples.size())), 4);
  body += samples;
  if (samples.size() % 2 != 0) body.push_back('\0');

  std::string file = "RIFF";
  PutLE(file, body.size(), 4);
  return file + body;
}

std::string ToneWav(const std::vector<ToneStep>& steps, const WavLayout& layout) {
  return WavFile(layout, ToneSamples(steps, layout));
}

void WriteBytes(const std::string& path, std::string_view bytes) {
  const std::filesystem::path file(path);
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

}  // namespace vantrel::test

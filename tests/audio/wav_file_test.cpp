// Reading WAV files: every layout the game's sounds may come in, files cut
// short, and everything that is not a playable sound.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "audio/wav_file.h"
#include "test_wav.h"

namespace vantrel {
namespace {

using test::Encoding;
using test::WavLayout;
using Format = WavSound::SampleFormat;

std::int32_t Int32At(const std::string& bytes, std::size_t sample) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(bytes[sample * 4 + i]);
  return static_cast<std::int32_t>(v);
}

float FloatAt(const std::string& bytes, std::size_t sample) {
  const std::int32_t bits = Int32At(bytes, sample);
  float f = 0;
  std::memcpy(&f, &bits, sizeof f);
  return f;
}

struct LayoutCase {
  const char* name;
  WavLayout layout;
  Format format;
  int bytesPerSample;
};

TEST(WavFile, ReadsEveryUncompressedLayout) {
  const std::vector<LayoutCase> cases = {
      {"8-bit mono 8000", test::Layout(Encoding::Pcm8, 1, 8000), Format::UInt8, 1},
      {"16-bit stereo 44100", test::Layout(Encoding::Pcm16, 2, 44100), Format::Int16, 2},
      {"24-bit stereo 48000", test::Layout(Encoding::Pcm24, 2, 48000), Format::Int32, 4},
      {"32-bit mono 22050", test::Layout(Encoding::Pcm32, 1, 22050), Format::Int32, 4},
      {"float mono 44100", test::Layout(Encoding::Float32, 1, 44100), Format::Float32, 4},
      {"double stereo 44100", test::Layout(Encoding::Float64, 2, 44100), Format::Float32, 4},
      {"extensible 16-bit 6 channels", test::Layout(Encoding::Pcm16, 6, 48000, true), Format::Int16, 2},
      {"extensible float stereo", test::Layout(Encoding::Float32, 2, 96000, true), Format::Float32, 4},
  };
  for (const LayoutCase& c : cases) {
    const int frames = c.layout.sampleRate / 10;  // 0.1 s
    const std::string file = test::ToneWav({{0.1, 1000, 0.5}}, c.layout);
    const auto sound = ParseWav(file);
    ASSERT_TRUE(sound.has_value()) << c.name;
    EXPECT_EQ(sound->channels, c.layout.channels) << c.name;
    EXPECT_EQ(sound->sampleRate, c.layout.sampleRate) << c.name;
    EXPECT_EQ(sound->format, c.format) << c.name;
    EXPECT_EQ(sound->BytesPerSample(), c.bytesPerSample) << c.name;
    EXPECT_EQ(sound->FrameCount(), frames) << c.name;
    EXPECT_EQ(sound->DurationMicroseconds(), 100'000) << c.name;
  }
}

TEST(WavFile, WidensTwentyFourBitSamplesIntoTheTopBytes) {
  // One mono frame 0x123456, one 0xFEDCBA (negative).
  const std::string samples("\x56\x34\x12\xBA\xDC\xFE", 6);
  const auto sound = ParseWav(test::WavFile(test::Layout(Encoding::Pcm24, 1, 44100), samples));
  ASSERT_TRUE(sound.has_value());
  ASSERT_EQ(sound->FrameCount(), 2);
  EXPECT_EQ(Int32At(sound->samples, 0), 0x12345600);
  EXPECT_EQ(Int32At(sound->samples, 1), static_cast<std::int32_t>(0xFEDCBA00));
}

TEST(WavFile, NarrowsDoublesToFloats) {
  const auto sound = ParseWav(test::ToneWav({{0.02, 25, 0.75}}, test::Layout(Encoding::Float64, 1, 44100)));
  ASSERT_TRUE(sound.has_value());
  // A quarter period of 25 Hz at 44100 Hz is 441 frames: the peak is there.
  ASSERT_EQ(sound->FrameCount(), 882);
  EXPECT_NEAR(FloatAt(sound->samples, 441), 0.75f, 1e-4);
  EXPECT_FLOAT_EQ(FloatAt(sound->samples, 0), 0.0f);
}

TEST(WavFile, KeepsSixteenBitSamplesAsTheyAre) {
  const std::string samples = test::ToneSamples({{0.05, 440, 0.3}}, {});
  const auto sound = ParseWav(test::WavFile({}, samples));
  ASSERT_TRUE(sound.has_value());
  EXPECT_EQ(sound->samples, samples);
}

TEST(WavFile, PlaysWhatADataChunkCutShortHolds) {
  // 16-bit stereo: 4 bytes a frame. The header claims far more than is there,
  // and the last frame is incomplete.
  const std::string samples(10, '\x01');
  WavLayout layout;
  layout.declaredData = 40000;
  const auto sound = ParseWav(test::WavFile(layout, samples));
  ASSERT_TRUE(sound.has_value());
  EXPECT_EQ(sound->FrameCount(), 2);
  EXPECT_EQ(sound->samples.size(), 8u);
}

TEST(WavFile, SkipsOtherChunksIncludingOddSizedOnes) {
  // A LIST chunk of 5 bytes, padded to 6, before the data.
  WavLayout layout;
  layout.chunkBeforeData = std::string("LIST\x05\x00\x00\x00" "abcde" "\x00", 14);
  const auto sound = ParseWav(test::ToneWav({{0.1, 500, 0.5}}, layout));
  ASSERT_TRUE(sound.has_value());
  EXPECT_EQ(sound->FrameCount(), 4410);
}

TEST(WavFile, RejectsWhatIsNotAPlayableSound) {
  const std::string good = test::ToneWav({{0.1, 500, 0.5}});
  auto withByte = [&](std::size_t at, char value) {
    std::string file = good;
    file[at] = value;
    return file;
  };
  WavLayout noFrames;
  struct Case {
    const char* name;
    std::string file;
  };
  const std::vector<Case> cases = {
      {"empty", ""},
      {"text", "this is not a sound at all"},
      {"only the RIFF header", good.substr(0, 12)},
      {"not RIFF", withByte(0, 'X')},
      {"not WAVE", withByte(8, 'X')},
      {"no data chunk", good.substr(0, 36)},
      {"ADPCM", withByte(20, '\x02')},
      {"12-bit samples", withByte(34, '\x0C')},
      {"no channels", withByte(22, '\x00')},
      {"nine channels", withByte(22, '\x09')},
      {"block alignment that disagrees with the samples", withByte(32, '\x03')},
      {"no whole frame", test::WavFile(noFrames, std::string(3, '\x01'))},
      {"random bytes after a RIFF header", std::string("RIFF\xff\xff\xff\x7fWAVE", 12) +
                                               std::string(64, '\xAB')},
  };
  for (const Case& c : cases) EXPECT_FALSE(ParseWav(c.file).has_value()) << c.name;
}

TEST(WavFile, RejectsDataBeforeItsFormat) {
  // "data" first, then "fmt ": the samples cannot be read.
  const std::string good = test::ToneWav({{0.01, 500, 0.5}});
  const std::string fmt = good.substr(12, 24);
  const std::string data = good.substr(36);
  const std::string body = "WAVE" + data + fmt;
  std::string file = "RIFF";
  const auto size = static_cast<std::uint32_t>(body.size());
  for (int i = 0; i < 4; ++i) file.push_back(static_cast<char>((size >> (8 * i)) & 0xFF));
  EXPECT_FALSE(ParseWav(file + body).has_value());
}

}  // namespace
}  // namespace vantrel

// Checks on the rendered music and sound effects in bin/snd: every file the
// game opens is there under its exact name, is a plain 16-bit PCM WAV at
// 44.1 kHz, is audible without clipping, and has the shape its role needs
// (effects short and click-free at both ends, music looping without a jump).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <numbers>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "engine/match_state.h"
#include "engine/vocabulary.h"

namespace {

constexpr std::uint32_t kRate = 44100;
constexpr double kFullScale = 32768.0;

double ToDbfs(double amplitude) {
  return 20.0 * std::log10(std::max(amplitude, 1.0) / kFullScale);
}

std::uint16_t Le16(const unsigned char* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t Le32(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

struct Wav {
  std::uint16_t format = 0;
  std::uint16_t channels = 0;
  std::uint16_t bits = 0;
  std::uint32_t rate = 0;
  std::vector<std::int16_t> samples;  // interleaved frames

  std::size_t Frames() const { return channels == 0 ? 0 : samples.size() / channels; }
  double Seconds() const { return rate == 0 ? 0.0 : static_cast<double>(Frames()) / rate; }
  int At(std::size_t frame, int channel) const { return samples[frame * channels + channel]; }

  // Largest absolute sample in [begin, end) over all channels.
  double Peak(std::size_t begin, std::size_t end) const {
    int peak = 0;
    for (std::size_t i = begin * channels; i < end * channels; ++i) peak = std::max(peak, std::abs(int{samples[i]}));
    return peak;
  }
  double Rms() const {
    double sum = 0;
    for (std::int16_t s : samples) sum += double(s) * s;
    return samples.empty() ? 0.0 : std::sqrt(sum / samples.size());
  }
};

// Reads a WAV file's bytes into `wav`. Returns what is wrong with the file,
// or "" for a plain PCM WAV (format 1), 16-bit, 44.1 kHz, mono or stereo,
// whose RIFF size and chunk sizes account for every byte of the file.
std::string ParseWav(const std::vector<unsigned char>& b, Wav& wav) {
  if (b.size() < 12) return "shorter than a RIFF header";
  if (std::memcmp(b.data(), "RIFF", 4) != 0 || std::memcmp(b.data() + 8, "WAVE", 4) != 0) return "not RIFF/WAVE";
  if (Le32(b.data() + 4) != b.size() - 8)
    return "RIFF size " + std::to_string(Le32(b.data() + 4)) + " does not match the file size " +
           std::to_string(b.size());
  std::size_t pos = 12;
  bool haveFmt = false;
  bool haveData = false;
  std::uint32_t byteRate = 0;
  std::uint16_t blockAlign = 0;
  while (pos < b.size()) {
    if (b.size() - pos < 8) return "truncated chunk header";
    const std::string id(reinterpret_cast<const char*>(b.data() + pos), 4);
    const std::uint32_t size = Le32(b.data() + pos + 4);
    const std::size_t body = pos + 8;
    if (size > b.size() - body) return "chunk '" + id + "' runs past the end of the file";
    if (id == "fmt ") {
      if (size < 16) return "fmt chunk too short";
      const unsigned char* f = b.data() + body;
      wav.format = Le16(f);
      wav.channels = Le16(f + 2);
      wav.rate = Le32(f + 4);
      byteRate = Le32(f + 8);
      blockAlign = Le16(f + 12);
      wav.bits = Le16(f + 14);
      if (wav.format != 1) return "format tag " + std::to_string(wav.format) + " is not PCM (1)";
      if (wav.bits != 16) return std::to_string(wav.bits) + "-bit samples, not 16-bit";
      if (wav.rate != kRate) return std::to_string(wav.rate) + " Hz, not 44100 Hz";
      if (wav.channels != 1 && wav.channels != 2) return std::to_string(wav.channels) + " channels";
      if (blockAlign != wav.channels * 2 || byteRate != wav.rate * blockAlign)
        return "block align or byte rate does not fit the format";
      haveFmt = true;
    } else if (id == "data") {
      if (!haveFmt) return "data chunk before the fmt chunk";
      if (haveData) return "two data chunks";
      if (size % blockAlign != 0) return "data size is not a whole number of frames";
      wav.samples.resize(size / 2);
      for (std::size_t i = 0; i < wav.samples.size(); ++i)
        wav.samples[i] = static_cast<std::int16_t>(Le16(b.data() + body + 2 * i));
      haveData = true;
    }
    pos = body + size + (size & 1u);
  }
  if (pos != b.size()) return "last chunk misses its padding byte";
  if (!haveFmt) return "no fmt chunk";
  if (!haveData) return "no data chunk";
  return "";
}

// How sharply the waveform bends at `frame` (its second difference); the
// frames before 0 wrap round to the end, as they do when the music loops.
int Bend(const Wav& w, std::size_t frame, int channel) {
  const std::size_t n = w.Frames();
  const int prev = w.At((frame + n - 1) % n, channel);
  const int next = w.At((frame + 1) % n, channel);
  return std::abs(next - 2 * w.At(frame, channel) + prev);
}

// Played in a loop, the first frame follows the last. A jump there shows as
// a bend much sharper than anything the music does on its own nearby: a cut
// from a loud last sample into silence bends by about the signal's
// amplitude, while a smooth waveform bends by a small fraction of it. The
// join may bend no more than the sharpest bend within 10 ms either side of
// it; below 0.3 % of full scale (-50 dBFS, inaudible under music) any join
// passes, however quiet the music is there. Returns "" for a smooth join.
std::string LoopJoinFault(const Wav& w) {
  const std::size_t n = w.Frames();
  const std::size_t tenMs = kRate / 100;
  if (n < 2 * tenMs) return "shorter than 20 ms";
  const int floor = static_cast<int>(0.003 * kFullScale);
  for (int ch = 0; ch < w.channels; ++ch) {
    int nearby = 0;
    for (std::size_t i = 2; i < tenMs; ++i) nearby = std::max({nearby, Bend(w, i, ch), Bend(w, n - i, ch)});
    const int join = std::max(Bend(w, n - 1, ch), Bend(w, 0, ch));
    if (join > std::max(nearby, floor))
      return "channel " + std::to_string(ch) + " bends by " + std::to_string(join) + " at the join (last " +
             std::to_string(w.At(n - 1, ch)) + ", first " + std::to_string(w.At(0, ch)) + "), at most " +
             std::to_string(nearby) + " nearby";
  }
  return "";
}

std::vector<unsigned char> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  std::vector<unsigned char> bytes(in ? static_cast<std::size_t>(in.tellg()) : 0);
  in.seekg(0);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return bytes;
}

// ---------------------------------------------------------------------------
// The header check itself: it must accept a plain file and name each fault,
// or every check below could pass on a broken file.

std::vector<unsigned char> MakeWav(std::uint16_t format, std::uint16_t channels, std::uint32_t rate,
                                   std::uint16_t bits, std::uint32_t frames) {
  const std::uint16_t blockAlign = static_cast<std::uint16_t>(channels * bits / 8);
  const std::uint32_t dataSize = frames * blockAlign;
  std::vector<unsigned char> b;
  auto put32 = [&b](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<unsigned char>(v >> (8 * i)));
  };
  auto put16 = [&b](std::uint16_t v) {
    b.push_back(static_cast<unsigned char>(v));
    b.push_back(static_cast<unsigned char>(v >> 8));
  };
  auto tag = [&b](const char* t) { b.insert(b.end(), t, t + 4); };
  tag("RIFF");
  put32(4 + 8 + 16 + 8 + dataSize);
  tag("WAVE");
  tag("fmt ");
  put32(16);
  put16(format);
  put16(channels);
  put32(rate);
  put32(rate * blockAlign);
  put16(blockAlign);
  put16(bits);
  tag("data");
  put32(dataSize);
  b.resize(b.size() + dataSize, 0);
  return b;
}

TEST(WavHeaderCheck, AcceptsPlainPcmAndNamesEachFault) {
  struct Case {
    const char* what;
    std::vector<unsigned char> bytes;
    const char* expected;  // part of the message, "" for a valid file
  };
  auto good = [] { return MakeWav(1, 2, 44100, 16, 100); };
  auto withRiffSize = [](std::vector<unsigned char> b, std::uint32_t size) {
    for (int i = 0; i < 4; ++i) b[4 + i] = static_cast<unsigned char>(size >> (8 * i));
    return b;
  };
  std::vector<Case> cases;
  cases.push_back({"plain stereo", good(), ""});
  cases.push_back({"plain mono", MakeWav(1, 1, 44100, 16, 100), ""});
  {
    auto b = good();
    b[8] = 'X';
    cases.push_back({"not WAVE", b, "RIFF/WAVE"});
  }
  {
    auto b = good();
    cases.push_back({"RIFF size off", withRiffSize(b, static_cast<std::uint32_t>(b.size() - 10)), "RIFF size"});
  }
  {
    auto b = good();
    b.resize(b.size() - 40);  // a render cut short: data size now overstates the file
    cases.push_back({"truncated data", withRiffSize(b, static_cast<std::uint32_t>(b.size() - 8)), "past the end"});
  }
  cases.push_back({"float samples", MakeWav(3, 2, 44100, 32, 100), "not PCM"});
  cases.push_back({"8-bit", MakeWav(1, 2, 44100, 8, 100), "not 16-bit"});
  cases.push_back({"48 kHz", MakeWav(1, 2, 48000, 16, 100), "not 44100"});
  {
    auto b = good();
    b[32] = 2;  // block align of a mono file in a stereo one
    cases.push_back({"block align", b, "block align"});
  }
  {
    auto b = MakeWav(1, 2, 44100, 16, 0);
    b[40] = 6;  // one and a half stereo frames
    b.resize(b.size() + 6, 0);
    cases.push_back({"partial frame", withRiffSize(b, static_cast<std::uint32_t>(b.size() - 8)), "whole number"});
  }
  for (const Case& c : cases) {
    Wav wav;
    const std::string message = ParseWav(c.bytes, wav);
    if (std::string_view(c.expected).empty()) {
      EXPECT_EQ(message, "") << c.what;
    } else {
      EXPECT_NE(message.find(c.expected), std::string::npos) << c.what << ": got \"" << message << "\"";
    }
  }
}

// The loop check on made-up signals: a tone of a whole number of cycles
// joins smoothly; the same tone cut a quarter cycle later, at its crest,
// jumps; a cut in a near-silent passage is inaudible and passes.
TEST(LoopJoinCheck, PassesWholeCyclesAndCatchesACut) {
  struct Case {
    const char* what;
    double cycles;  // of a 441 Hz tone (100 frames a cycle)
    double amplitude;
    bool smooth;
  };
  const Case cases[] = {
      {"whole cycles, loud", 200.0, 20000.0, true},
      {"cut at the crest, loud", 200.25, 20000.0, false},
      {"cut a little past the crest, moderate", 200.3, 3000.0, false},
      {"cut at the crest, near silence", 200.25, 60.0, true},
  };
  for (const Case& c : cases) {
    Wav w;
    w.format = 1;
    w.channels = 2;
    w.bits = 16;
    w.rate = kRate;
    const auto frames = static_cast<std::size_t>(c.cycles * 100.0);
    for (std::size_t i = 0; i < frames; ++i) {
      const auto v = static_cast<std::int16_t>(std::lround(c.amplitude * std::sin(2.0 * std::numbers::pi * static_cast<double>(i) / 100.0)));
      w.samples.push_back(v);
      w.samples.push_back(v);
    }
    const std::string fault = LoopJoinFault(w);
    EXPECT_EQ(fault.empty(), c.smooth) << c.what << ": " << fault;
  }
}

// ---------------------------------------------------------------------------
// The rendered files.

enum class Kind { Music, Effect };

struct SoundCase {
  const char* name;           // test name
  std::string_view relative;  // as the game opens it
  Kind kind;
  double minSeconds;
  double maxSeconds;
};

constexpr double kUnbounded = std::numeric_limits<double>::infinity();

const SoundCase kSounds[] = {
    {"MainBGM", vantrel::snd::MainBGM, Kind::Music, 60.0, 120.0},
    {"OmakeBGM", vantrel::snd::OmakeBGM, Kind::Music, 0.0, kUnbounded},
    {"Miss", vantrel::snd::Miss, Kind::Effect, 0.0, 2.0},
    {"Adjacent", vantrel::snd::Adjacent, Kind::Effect, 0.0, 1.0},
    {"CombatHit", vantrel::snd::CombatHit, Kind::Effect, 0.0, 2.0},
    {"CommandHit", vantrel::snd::CommandHit, Kind::Effect, 0.0, 2.0},
    {"Message", vantrel::snd::Message, Kind::Effect, 0.0, 1.0},
};

// Test output names the sound rather than dumping the struct's bytes.
void PrintTo(const SoundCase& s, std::ostream* os) { *os << s.name; }

std::vector<SoundCase> SoundsOf(Kind kind) {
  std::vector<SoundCase> out;
  for (const SoundCase& s : kSounds)
    if (s.kind == kind) out.push_back(s);
  return out;
}

std::filesystem::path PathOf(const SoundCase& s) {
  return std::filesystem::path(vantrel::ProgramFile(std::string(VANTREL_RUNTIME_DIR), s.relative));
}

std::string NameOf(const testing::TestParamInfo<SoundCase>& info) { return info.param.name; }

TEST(SoundFiles, EveryFileTheGameOpensIsInSndUnderItsName) {
  for (const SoundCase& s : kSounds) EXPECT_TRUE(std::filesystem::is_regular_file(PathOf(s))) << PathOf(s);
}

class SoundFile : public testing::TestWithParam<SoundCase> {};

TEST_P(SoundFile, HeaderIsPlain16BitPcmAt44kAndFitsTheFileSize) {
  const std::filesystem::path path = PathOf(GetParam());
  ASSERT_TRUE(std::filesystem::is_regular_file(path)) << path;
  Wav wav;
  EXPECT_EQ(ParseWav(ReadBytes(path), wav), "") << path;
}

INSTANTIATE_TEST_SUITE_P(Sounds, SoundFile, testing::ValuesIn(kSounds), NameOf);

class LoadedSound : public testing::TestWithParam<SoundCase> {
 protected:
  void SetUp() override {
    const std::filesystem::path path = PathOf(GetParam());
    ASSERT_TRUE(std::filesystem::is_regular_file(path)) << path << " is missing";
    ASSERT_EQ(ParseWav(ReadBytes(path), wav_), "") << path;
    ASSERT_GT(wav_.Frames(), 4u) << path;
  }
  Wav wav_;
};

TEST_P(LoadedSound, IsAudibleAndNotClipped) {
  // Every sound is normalised to a peak between -12 and -1 dBFS, so nothing
  // is lost under the others and nothing reaches full scale.
  const double peak = ToDbfs(wav_.Peak(0, wav_.Frames()));
  EXPECT_GE(peak, -12.0);
  EXPECT_LE(peak, -0.5);
  EXPECT_GE(ToDbfs(wav_.Rms()), -30.0) << "RMS level";
}

TEST_P(LoadedSound, LengthFitsItsRole) {
  EXPECT_GE(wav_.Seconds(), GetParam().minSeconds);
  EXPECT_LE(wav_.Seconds(), GetParam().maxSeconds);
}

INSTANTIATE_TEST_SUITE_P(Sounds, LoadedSound, testing::ValuesIn(kSounds), NameOf);

class EffectFile : public LoadedSound {};

TEST_P(EffectFile, StartsAndEndsQuietly) {
  // A click is a step out of or into silence. A fade-in of a few
  // milliseconds keeps the first half millisecond below -20 dBFS even under
  // the sharpest attack; the last 10 ms have died away below -40 dBFS.
  const std::size_t n = wav_.Frames();
  const std::size_t halfMs = kRate / 2000;
  const std::size_t tenMs = kRate / 100;
  EXPECT_LE(wav_.Peak(0, 1), 0.01 * kFullScale) << "first sample";
  EXPECT_LE(wav_.Peak(n - 1, n), 0.01 * kFullScale) << "last sample";
  EXPECT_LE(ToDbfs(wav_.Peak(0, halfMs)), -20.0) << "first 0.5 ms";
  EXPECT_LE(ToDbfs(wav_.Peak(n - tenMs, n)), -40.0) << "last 10 ms";
}

INSTANTIATE_TEST_SUITE_P(Sounds, EffectFile, testing::ValuesIn(SoundsOf(Kind::Effect)), NameOf);

class MusicFile : public LoadedSound {};

TEST_P(MusicFile, LoopJoinsWithoutAJump) { EXPECT_EQ(LoopJoinFault(wav_), ""); }

INSTANTIATE_TEST_SUITE_P(Sounds, MusicFile, testing::ValuesIn(SoundsOf(Kind::Music)), NameOf);

}  // namespace

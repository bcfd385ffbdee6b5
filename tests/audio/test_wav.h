// Test sounds made on the spot: WAV files in any layout the reader knows, and
// tones whose pitch tells which part of a sound is playing.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::test {

// How the samples of a test file are stored.
enum class Encoding { Pcm8, Pcm16, Pcm24, Pcm32, Float32, Float64 };

struct WavLayout {
  Encoding encoding = Encoding::Pcm16;
  int channels = 2;
  int sampleRate = 44100;
  bool extensible = false;                    // WAVE_FORMAT_EXTENSIBLE header
  std::optional<std::uint32_t> declaredData;  // a data size other than the real one
  std::string chunkBeforeData;                // a whole extra chunk, placed before "data"
};

inline WavLayout Layout(Encoding encoding, int channels, int sampleRate, bool extensible = false) {
  WavLayout layout;
  layout.encoding = encoding;
  layout.channels = channels;
  layout.sampleRate = sampleRate;
  layout.extensible = extensible;
  return layout;
}

// One stretch of a tone: `seconds` long at `hz`, with a peak of `amplitude`
// (full scale 1.0).
struct ToneStep {
  double seconds = 0;
  double hz = 0;
  double amplitude = 0;
};

// Frequencies 500, 700, 900 ... Hz, one per step of `stepSeconds`: whole
// cycles in every 10 ms, so each step reads cleanly in a 10 ms window, and two
// bins apart, so a window half in one step and half in the next does not leak
// into any other step.
std::vector<ToneStep> SteppedTone(int steps, double stepSeconds, double amplitude = 0.4);
double StepHz(int step);

// The samples of the steps in the layout's encoding, every channel alike.
std::string ToneSamples(const std::vector<ToneStep>& steps, const WavLayout& layout);

// A complete file: header, format chunk, optional extra chunk, data chunk.
std::string WavFile(const WavLayout& layout, std::string_view samples);
std::string ToneWav(const std::vector<ToneStep>& steps, const WavLayout& layout = {});

int BitsPerSample(Encoding encoding);

void WriteBytes(const std::string& path, std::string_view bytes);

}  // namespace vantrel::test

// Reading a WAV file into raw samples, in plain C++, so the speakers get
// exactly the samples of the file and know exactly how long it plays.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

struct WavSound {
  enum class SampleFormat { UInt8, Int16, Int32, Float32 };

  int channels = 0;
  int sampleRate = 0;
  SampleFormat format = SampleFormat::Int16;
  // Interleaved frames in `format`, little-endian. 24-bit files are widened to
  // Int32 and 64-bit float files narrowed to Float32.
  std::string samples;

  int BytesPerSample() const;
  std::int64_t FrameCount() const;
  std::int64_t DurationMicroseconds() const;
};

// The largest file the game will load as a sound.
inline constexpr std::size_t kMaxWavFileBytes = 256u * 1024u * 1024u;

// Understands uncompressed RIFF/WAVE files: integer PCM of 8, 16, 24 or 32
// bits, IEEE float of 32 or 64 bits, with 1 to 8 channels, in the plain or the
// extensible layout. A data chunk cut short by the end of the file plays what
// it holds. Anything else, and a file without a single whole frame, gives
// nothing.
std::optional<WavSound> ParseWav(std::string_view file);

}  // namespace vantrel

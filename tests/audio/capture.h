// Listening to what the private PulseAudio test server played: its capture
// sink writes everything it plays, silence included, in real time into a file
// (s16le, 44100 Hz, stereo). A tap reads what was added after it was made.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace vantrel::test {

inline constexpr int kCaptureRate = 44100;
inline constexpr int kWindow = 441;  // 10 ms: whole cycles of every step frequency

class CaptureTap {
 public:
  explicit CaptureTap(const std::string& file);

  // Reads what the server has written since the last call; returns all of
  // the left channel since the tap was made, in [-1, 1].
  const std::vector<float>& Update();
  const std::vector<float>& Samples() const { return samples_; }
  int Windows() const { return static_cast<int>(samples_.size()) / kWindow; }

 private:
  std::ifstream in_;
  std::string pending_;  // bytes of an incomplete frame
  std::vector<float> samples_;
};

// The amplitude of the `hz` component of one window (a full-scale sine reads 1).
double ToneAmplitude(const float* window, double hz);
double Rms(const float* window);

// Windows in which the tone is at least `amplitude` strong.
int WindowsWithTone(const std::vector<float>& samples, double hz, double amplitude);
int WindowsWithBothTones(const std::vector<float>& samples, double hz1, double hz2, double amplitude);
int LoudWindows(const std::vector<float>& samples, double rms);

// A stepped tone (see test_wav.h) as heard: per window the strongest of the
// steps present, or -1 for a window with none of them.
struct StepReading {
  int step = -1;
  int present = 0;       // how many steps sound in the window
  bool mixed = false;    // two steps sound that do not follow each other
};
std::vector<StepReading> ReadSteps(const std::vector<float>& samples, int steps, double amplitude);
// The steps heard in order, windows without a step left out.
std::vector<int> HeardSteps(const std::vector<StepReading>& readings);
// The places where the heard step goes down: a sound that started again.
std::vector<std::size_t> Restarts(const std::vector<int>& heard);
int MixedWindows(const std::vector<StepReading>& readings);
// One character a window, for failure messages: the step as 0-9 then a-z,
// '.' for none, '*' for a mixed window.
std::string Describe(const std::vector<StepReading>& readings);

}  // namespace vantrel::test

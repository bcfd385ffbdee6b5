#include "capture.h"

#include <cmath>
#include <filesystem>
#include <numbers>
#include <string_view>

#include "test_wav.h"

namespace vantrel::test {

CaptureTap::CaptureTap(const std::string& file) : in_(file, std::ios::binary) {
  // Start at the current end, on a frame boundary: the file holds whole
  // 4-byte frames from its beginning.
  std::error_code error;
  const auto size = std::filesystem::file_size(file, error);
  if (!error) in_.seekg(static_cast<std::streamoff>(size / 4 * 4));
}

const std::vector<float>& CaptureTap::Update() {
  if (!in_) in_.clear();
  char buffer[1 << 16];
  while (true) {
    in_.read(buffer, sizeof buffer);
    const std::streamsize got = in_.gcount();
    if (got <= 0) break;
    pending_.append(buffer, static_cast<std::size_t>(got));
    if (got < static_cast<std::streamsize>(sizeof buffer)) break;
  }
  in_.clear();  // at the end of what is there so far; more comes later
  const std::size_t frames = pending_.size() / 4;
  for (std::size_t f = 0; f < frames; ++f) {
    const auto lo = static_cast<unsigned char>(pending_[f * 4]);
    const auto hi = static_cast<unsigned char>(pending_[f * 4 + 1]);
    const auto left = static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | (hi << 8)));
    samples_.push_back(static_cast<float>(left) / 32768.0f);
  }
  pending_.erase(0, frames * 4);
  return samples_;
}

double ToneAmplitude(const float* window, double hz) {
  // Goertzel at one frequency; normalised so a sine of amplitude A reads A.
  const double coefficient = 2 * std::cos(2 * std::numbers::pi * hz / kCaptureRate);
  double s1 = 0, s2 = 0;
  for (int i = 0; i < kWindow; ++i) {
    const double s0 = window[i] + coefficient * s1 - s2;
    s2 = s1;
    s1 = s0;
  }
  const double power = s1 * s1 + s2 * s2 - coefficient * s1 * s2;
  return std::sqrt(std::max(power, 0.0)) / (kWindow / 2.0);
}

double Rms(const float* window) {
  double sum = 0;
  for (int i = 0; i < kWindow; ++i) sum += static_cast<double>(window[i]) * window[i];
  return std::sqrt(sum / kWindow);
}

int WindowsWithTone(const std::vector<float>& samples, double hz, double amplitude) {
  int count = 0;
  for (std::size_t at = 0; at + kWindow <= samples.size(); at += kWindow)
    count += ToneAmplitude(&samples[at], hz) >= amplitude ? 1 : 0;
  return count;
}

int WindowsWithBothTones(const std::vector<float>& samples, double hz1, double hz2, double amplitude) {
  int count = 0;
  for (std::size_t at = 0; at + kWindow <= samples.size(); at += kWindow)
    count += (ToneAmplitude(&samples[at], hz1) >= amplitude &&
              ToneAmplitude(&samples[at], hz2) >= amplitude)
                 ? 1
                 : 0;
  return count;
}

int LoudWindows(const std::vector<float>& samples, double rms) {
  int count = 0;
  for (std::size_t at = 0; at + kWindow <= samples.size(); at += kWindow)
    count += Rms(&samples[at]) >= rms ? 1 : 0;
  return count;
}

std::vector<StepReading> ReadSteps(const std::vector<float>& samples, int steps, double amplitude) {
  std::vector<StepReading> readings;
  for (std::size_t at = 0; at + kWindow <= samples.size(); at += kWindow) {
    StepReading reading;
    double first = 0, second = 0;
    int firstStep = -1, secondStep = -1;
    for (int s = 0; s < steps; ++s) {
      const double a = ToneAmplitude(&samples[at], StepHz(s));
      if (a >= amplitude) ++reading.present;
      if (a > first) {
        second = first;
        secondStep = firstStep;
        first = a;
        firstStep = s;
      } else if (a > second) {
        second = a;
        secondStep = s;
      }
    }
    if (first >= amplitude) reading.step = firstStep;
    // A window on the border of two steps holds both; two steps that do not
    // follow each other are two parts of a sound (or two sounds) at once.
    reading.mixed = second >= amplitude && std::abs(firstStep - secondStep) > 1;
    readings.push_back(reading);
  }
  return readings;
}

std::vector<int> HeardSteps(const std::vector<StepReading>& readings) {
  std::vector<int> heard;
  for (const StepReading& r : readings)
    if (r.step >= 0) heard.push_back(r.step);
  return heard;
}

std::vector<std::size_t> Restarts(const std::vector<int>& heard) {
  std::vector<std::size_t> at;
  for (std::size_t i = 1; i < heard.size(); ++i)
    if (heard[i] < heard[i - 1]) at.push_back(i);
  return at;
}

int MixedWindows(const std::vector<StepReading>& readings) {
  int count = 0;
  for (const StepReading& r : readings) count += r.mixed ? 1 : 0;
  return count;
}

std::string Describe(const std::vector<StepReading>& readings) {
  static constexpr std::string_view kDigits = "0123456789abcdefghijklmnopqrstuvwxyz";
  std::string text;
  for (const StepReading& r : readings) {
    if (r.mixed)
      text += '*';
    else if (r.step < 0)
      text += '.';
    else
      text += r.step < static_cast<int>(kDigits.size()) ? kDigits[static_cast<std::size_t>(r.step)] : '?';
  }
  // Leading and trailing silence says nothing.
  const auto first = text.find_first_not_of('.');
  if (first == std::string::npos) return "(silence)";
  return text.substr(first, text.find_last_not_of('.') - first + 1);
}

}  // namespace vantrel::test

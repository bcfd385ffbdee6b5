#include "audio/qt_sound.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QString>

#include <optional>
#include <utility>

#include "audio/wav_file.h"

namespace vantrel {

namespace {

// How far short of the sound's full length the sink's played time may stop
// and still count as the end: the played time is measured, not counted.
constexpr qint64 kEndToleranceMicroseconds = 10'000;

QAudioFormat::SampleFormat QtSampleFormat(WavSound::SampleFormat format) {
  switch (format) {
    case WavSound::SampleFormat::UInt8:
      return QAudioFormat::UInt8;
    case WavSound::SampleFormat::Int16:
      return QAudioFormat::Int16;
    case WavSound::SampleFormat::Int32:
      return QAudioFormat::Int32;
    case WavSound::SampleFormat::Float32:
      return QAudioFormat::Float;
  }
  return QAudioFormat::Unknown;
}

// The samples of one sound as the sink reads them. The feed never tells the
// sink that it is at its end: Qt's PulseAudio sink, when the server runs dry
// and the source says it is at its end, asks the server to drain the stream
// and hands it a pointer to itself for the answer. Closing the sink does not
// withdraw that request, so a sound closed the moment it ends (the music timer
// does exactly that) leaves the answer to arrive, on PulseAudio's own thread,
// at a deleted sink, and the program crashes. Without the end the sink only
// notes an underrun and goes idle, which is how the end is read here anyway
// (from the time played, not from the sink's end-of-data report).
class SampleFeed final : public QBuffer {
 public:
  bool atEnd() const override { return false; }
};

// One open file: its samples, fed to an audio sink of its own. A QSoundEffect
// is not used: with PulseAudio it stops its sink as soon as the last samples
// are handed over, which cuts the final fifth of a second of every sound and
// silences short effects completely. Here the sink is left to play out, and
// the end is read from the time the sink has actually played.
class QtSoundVoice final : public SoundVoice {
 public:
  explicit QtSoundVoice(WavSound sound)
      : samples_(QByteArray(sound.samples.data(), static_cast<qsizetype>(sound.samples.size()))),
        duration_(sound.DurationMicroseconds()) {
    format_.setChannelCount(sound.channels);
    format_.setSampleRate(sound.sampleRate);
    format_.setSampleFormat(QtSampleFormat(sound.format));
    feed_.setBuffer(&samples_);
  }

  ~QtSoundVoice() override {
    if (!sink_) return;
    // Closing stops the sound at once: what the server still holds of it is
    // dropped, not played out.
    sink_->reset();
    sink_->stop();
  }

  QtSoundVoice(const QtSoundVoice&) = delete;
  QtSoundVoice& operator=(const QtSoundVoice&) = delete;

  void Start() override {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || !device.isFormatSupported(format_)) return;  // stays silent
    if (!feed_.open(QIODevice::ReadOnly)) return;
    sink_ = std::make_unique<QAudioSink>(device, format_);
    sink_->start(&feed_);
  }

  State CurrentState() const override {
    if (!sink_ || sink_->error() == QAudio::OpenError || sink_->error() == QAudio::FatalError ||
        sink_->error() == QAudio::IOError)
      return State::Broken;
    const bool playedOut = sink_->processedUSecs() + kEndToleranceMicroseconds >= duration_;
    switch (sink_->state()) {
      case QAudio::ActiveState:
      case QAudio::SuspendedState:
        return State::Playing;
      case QAudio::IdleState:
        // Idle also means a short underrun in the middle of a sound.
        return playedOut ? State::Ended : State::Playing;
      case QAudio::StoppedState:
        return playedOut ? State::Ended : State::Broken;
    }
    return State::Broken;
  }

 private:
  QByteArray samples_;
  SampleFeed feed_;
  QAudioFormat format_;
  qint64 duration_ = 0;
  std::unique_ptr<QAudioSink> sink_;  // made by Start(); destroyed before the feed
};

std::optional<WavSound> LoadWav(const QString& file) {
  QFile in(file);
  if (in.size() > static_cast<qint64>(kMaxWavFileBytes)) return std::nullopt;
  if (!in.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = in.readAll();
  return ParseWav(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace

std::unique_ptr<SoundVoice> QtSoundVoiceFactory::OpenVoice(const std::string& path) {
  const QString file = QString::fromStdString(path);
  if (!QFileInfo(file).isFile()) return nullptr;
  std::optional<WavSound> sound = LoadWav(file);
  if (!sound) return nullptr;  // missing, unreadable or not a sound: stays closed
  return std::make_unique<QtSoundVoice>(std::move(*sound));
}

}  // namespace vantrel

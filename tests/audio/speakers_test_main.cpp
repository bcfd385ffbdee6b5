// The speakers tests talk only to the private PulseAudio test server that
// ctest starts (fixture "pulseaudio"), never to a desktop's own sound server.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QFileInfo>

int main(int argc, char** argv) {
  const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty() && QFileInfo::exists(QString::fromLocal8Bit(runtime + "/ready")))
    qputenv("PULSE_SERVER", "unix:" + runtime + "/pulse/native");
  else
    qputenv("PULSE_SERVER", "unix:/nonexistent/vantrel-no-test-server");
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

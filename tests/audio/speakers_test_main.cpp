// The speakers tests talk only to the private PulseAudio test server that
// ctest starts (fixture "pulseaudio"), never to a desktop's own sound server.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty() && QFileInfo::exists(QString::fromLocal8Bit(runtime + "/ready")))
    qputenv("PULSE_SERVER", "unix:" + runtime + "/pulse/native");
  else
    qputenv("PULSE_SERVER", "unix:/nonexistent/vantrel-no-test-server");
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  // Qt 6.4's PulseAudio engine is torn down by exit handlers while
  // libpulse's thread may still post to a descriptor already closed, which
  // aborts now and then after every test has passed. The verdict is in:
  // leave without running the exit handlers.
  std::fflush(nullptr);
  std::_Exit(result);
}

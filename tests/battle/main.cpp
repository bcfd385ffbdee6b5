// Widget tests need an application object; without a display they run on
// the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>

namespace {

// The offscreen platform says so each time a window is raised or sized by
// its hints; that is expected here and only hides real warnings.
QtMessageHandler defaultHandler = nullptr;
void QuietAboutThePlatform(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith("This plugin does not support")) return;
  defaultHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  defaultHandler = qInstallMessageHandler(QuietAboutThePlatform);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

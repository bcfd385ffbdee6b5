// The yardstick for the game's start-up: an empty 800 × 600 Qt window, built
// the same way and measured by the same probe.
#include <QApplication>
#include <QWidget>

#include "ui/shell/first_paint_probe.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  vantrel::InstallFirstPaintProbe();
  QWidget window;
  window.setWindowTitle("bare");
  window.resize(800, 600);
  window.show();
  return app.exec();
}

#include "ui/shell/first_paint_probe.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace vantrel {
namespace {

class FirstPaintProbe final : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const bool window = watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow();
    if (event->type() == QEvent::Paint && window && !done_) {
      done_ = true;
      // Report once the paint event itself has been handled.
      QTimer::singleShot(0, [] {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        std::printf("first-paint %lld\n",
                    static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
        std::fflush(stdout);
        QCoreApplication::exit(0);
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool done_ = false;
};

}  // namespace

void InstallFirstPaintProbe() {
  if (qEnvironmentVariableIsEmpty("VANTREL_FIRST_PAINT_PROBE") || !qApp) return;
  qApp->installEventFilter(new FirstPaintProbe(qApp));
}

}  // namespace vantrel

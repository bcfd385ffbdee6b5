#include "ui/shell/screen_manager.h"

#include <QApplication>

namespace vantrel {
namespace {

std::size_t Slot(ScreenId id) { return static_cast<std::size_t>(id); }

}  // namespace

ScreenManager::ScreenManager(Gamevariable& gv, Factory factory)
    : gv_(gv), factory_(std::move(factory)) {}

ScreenManager::~ScreenManager() {
  for (QPointer<QWidget>& w : windows_) delete w.data();
}

QWidget* ScreenManager::Window(ScreenId id) const { return windows_[Slot(id)].data(); }

bool ScreenManager::IsShown(ScreenId id) const {
  const QWidget* w = Window(id);
  return w && w->isVisible();
}

QWidget* ScreenManager::Load(ScreenId id) {
  QPointer<QWidget>& slot = windows_[Slot(id)];
  if (!slot) {
    slot = factory_(id);
    // Closed windows are deleted once the handler that closed them has
    // returned, never under its feet.
    slot->setAttribute(Qt::WA_DeleteOnClose);
  }
  return slot.data();
}

void ScreenManager::ShowAndActivate(QWidget* window) {
  window->show();
  window->raise();
  window->activateWindow();
  window->setFocus();
  if (auto* activatable = dynamic_cast<ActivatableWindow*>(window)) activatable->Form_Activate();
}

void ScreenManager::SwitchScreen(ScreenId show, ScreenId close) {
  QWidget* old = Window(close);
  QWidget* next = Load(show);
  if (old) next->move(old->pos());
  ShowAndActivate(next);
  gv_.ScreenSwitching = true;
  if (old && old != next && old->close())
    windows_[Slot(close)] = nullptr;  // gone: the next showing loads it afresh
  // A window whose close was refused must not leave the flag behind.
  gv_.ScreenSwitching = false;
}

void ScreenManager::OpenFromTitle(ScreenId show) {
  QWidget* title = Window(ScreenId::Kor_Sub);
  QWidget* next = Load(show);
  if (title) next->move(title->pos());
  ShowAndActivate(next);
  if (title) title->hide();
}

void ScreenManager::ShowFirst(ScreenId first) { ShowAndActivate(Load(first)); }

}  // namespace vantrel

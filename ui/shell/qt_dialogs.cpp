#include "ui/shell/qt_dialogs.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

#include "engine/vocabulary.h"

namespace vantrel {
namespace {

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

bool QtDialogs::AskQuit(QWidget* parent) {
  QMessageBox box(parent);
  box.setObjectName("QuitQuestion");
  box.setWindowTitle(Q(text::QuitTitle));
  box.setText(Q(text::QuitQuestion));
  box.setIcon(QMessageBox::NoIcon);
  QPushButton* yes = box.addButton(Q(text::Yes), QMessageBox::YesRole);
  QPushButton* no = box.addButton(Q(text::No), QMessageBox::NoRole);
  box.setDefaultButton(yes);
  box.setEscapeButton(no);  // closing the box is a no
  box.exec();
  return box.clickedButton() == yes;
}

void QtDialogs::ShowResult(QWidget* parent, const QString& text) {
  QMessageBox box(parent);
  box.setObjectName("ResultBox");
  box.setWindowTitle(Q(text::ResultTitle));
  box.setText(text);
  box.setIcon(QMessageBox::NoIcon);
  box.setStandardButtons(QMessageBox::Ok);
  // In front of every other window, so the end of the match is never missed.
  box.show();
  box.raise();
  box.activateWindow();
  box.exec();
}

void QtProgramExit::EndProgram() { QCoreApplication::exit(0); }

}  // namespace vantrel

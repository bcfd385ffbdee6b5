// The real message boxes, answered by clicks, and the real way out.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

#include "ui/shell/qt_dialogs.h"

namespace vantrel::testing {
namespace {

// Runs `answer` on the box once it is open and modal.
void WhenTheBoxIsOpen(std::function<void(QMessageBox&)> answer) {
  auto* poll = new QTimer;
  poll->setInterval(5);
  QObject::connect(poll, &QTimer::timeout, [poll, answer] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    poll->stop();
    poll->deleteLater();
    answer(*box);
  });
  poll->start();
}

QStringList ButtonTexts(const QMessageBox& box) {
  QStringList texts;
  for (QAbstractButton* b : box.buttons()) texts << b->text().remove('&');
  texts.sort();
  return texts;
}

QAbstractButton* ButtonNamed(QMessageBox& box, const QString& text) {
  for (QAbstractButton* b : box.buttons())
    if (b->text().remove('&') == text) return b;
  return nullptr;
}

TEST(QtDialogs, TheQuitQuestionAsksInJapanese) {
  struct Case {
    QString click;  // "" closes the box with Escape
    bool expected;
  };
  const Case table[] = {{"はい", true}, {"いいえ", false}, {"", false}};
  QtDialogs dialogs;
  QWidget parent;
  parent.show();
  for (const Case& c : table) {
    WhenTheBoxIsOpen([&](QMessageBox& box) {
      EXPECT_EQ(box.windowTitle(), "確認");
      EXPECT_EQ(box.text(), "終了してよろしいですか？");
      EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
      EXPECT_EQ(ButtonTexts(box), (QStringList{"いいえ", "はい"}));
      EXPECT_TRUE(box.isModal());
      if (c.click.isEmpty())
        QTest::keyClick(&box, Qt::Key_Escape);
      else
        ButtonNamed(box, c.click)->click();
    });
    EXPECT_EQ(dialogs.AskQuit(&parent), c.expected) << c.click.toStdString();
  }
}

TEST(QtDialogs, TheResultBoxHasOneOkButtonAndComesToTheFront) {
  QtDialogs dialogs;
  QWidget parent;
  parent.show();
  for (const QString text : {"You Win", "You Lose"}) {
    bool seen = false;
    WhenTheBoxIsOpen([&](QMessageBox& box) {
      seen = true;
      EXPECT_EQ(box.windowTitle(), "戦闘結果");
      EXPECT_EQ(box.text(), text);
      EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
      ASSERT_EQ(box.buttons().size(), 1);
      EXPECT_EQ(box.standardButton(box.buttons().front()), QMessageBox::Ok);
      EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &box; }, 1000))
          << "the box is the active window";
      box.buttons().front()->click();
    });
    dialogs.ShowResult(&parent, text);
    EXPECT_TRUE(seen);
  }
}

TEST(QtProgramExit, LeavesTheRunningEventLoops) {
  QtProgramExit exit;
  QObject scope;  // the timers go with the test
  bool afterwards = false;
  QTimer::singleShot(0, &scope, [&] { exit.EndProgram(); });
  QTimer::singleShot(3000, &scope, [&] { afterwards = true; });
  EXPECT_EQ(QCoreApplication::exec(), 0);
  EXPECT_FALSE(afterwards) << "the loop ended at once";
}

}  // namespace
}  // namespace vantrel::testing

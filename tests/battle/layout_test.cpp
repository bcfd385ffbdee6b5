// The battle screen's window: caption, menu, client area, and every control
// at its place, in the order the banner needs.
#include <QMenuBar>

#include "battle_fixture.h"
#include "ui/battle/image_box.h"
#include "ui/shell/pictures.h"

namespace vantrel::testing {
namespace {

class BattleLayout : public BattleWindowFixture {
 protected:
  void SetUp() override { Open(); }
  QWidget& Child(const QString& name) {
    QWidget* w = window->findChild<QWidget*>(name);
    if (!w) throw std::runtime_error("no control " + name.toStdString());
    return *w;
  }
};

TEST_F(BattleLayout, CaptionMenuAndClientArea) {
  EXPECT_EQ(window->windowTitle(), "Vantrel");
  QStringList commands;
  for (QAction* a : window->menuBar()->actions()) {
    commands << a->text();
    EXPECT_EQ(a->menu(), nullptr) << "each command acts on a click, it opens no menu";
  }
  EXPECT_EQ(commands, (QStringList{"ゲーム終了", "タイトルに戻る", "降伏する"}));
  EXPECT_EQ(window->centralWidget()->size(), QSize(809, 602));
  EXPECT_EQ(window->centralWidget()->y(), window->menuBar()->height()) << "the client area is below the menu";
  EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "the window has one fixed size";
}

TEST_F(BattleLayout, EveryControlSitsWhereItBelongs) {
  struct Case {
    const char* name;
    QRect pixels;
  };
  // Twips / 15, rounded to the nearest pixel.
  const Case table[] = {
      {"FG_E", {12, 11, 571, 271}},
      {"FG_M", {12, 318, 571, 271}},
      {"Label_Msg", {32, 291, 528, 18}},
      {"Label_Command", {32, 291, 528, 18}},
      {"Picture1", {33, 312, 529, 13}},
      {"ImageRemShot_E(0)", {32, 292, 17, 17}},
      {"ImageRemShot_E(1)", {53, 292, 17, 17}},
      {"ImageRemShot_E(2)", {72, 292, 17, 17}},
      {"ImageRemShot_E(3)", {91, 292, 17, 17}},
      {"ImageRemShot_P(0)", {543, 292, 17, 17}},
      {"ImageRemShot_P(1)", {524, 292, 17, 17}},
      {"ImageRemShot_P(2)", {505, 292, 17, 17}},
      {"ImageRemShot_P(3)", {486, 292, 17, 17}},
      {"CharaImg", {594, 6, 215, 443}},
      {"StageNo", {604, 15, 104, 19}},
      {"Label7", {660, 461, 78, 10}},
      {"Label6", {611, 478, 43, 18}},
      {"ImageRemSiki_M(0)", {761, 472, 23, 23}},
      {"ImageRemSiki_M(1)", {736, 472, 23, 23}},
      {"ImageRemSiki_M(2)", {711, 472, 23, 23}},
      {"Label5", {611, 504, 42, 17}},
      {"ImageRemSen_M(0)", {761, 497, 23, 23}},
      {"ImageRemSen_M(1)", {736, 497, 23, 23}},
      {"ImageRemSen_M(2)", {711, 497, 23, 23}},
      {"ImageRemSen_M(3)", {686, 497, 23, 23}},
      {"Line1", {610, 522, 177, 1}},
      {"Label4", {661, 524, 78, 10}},
      {"LabelRemSiki", {612, 541, 43, 18}},
      {"ImageRemSiki_E(0)", {762, 535, 23, 23}},
      {"ImageRemSiki_E(1)", {737, 535, 23, 23}},
      {"ImageRemSiki_E(2)", {712, 535, 23, 23}},
      {"LabelRemSen", {612, 567, 42, 17}},
      {"ImageRemSen_E(0)", {762, 560, 23, 23}},
      {"ImageRemSen_E(1)", {737, 560, 23, 23}},
      {"ImageRemSen_E(2)", {712, 560, 23, 23}},
      {"ImageRemSen_E(3)", {687, 560, 23, 23}},
  };
  for (const Case& c : table) {
    const QRect got = Child(c.name).geometry();
    EXPECT_EQ(got.topLeft(), c.pixels.topLeft()) << c.name;
    EXPECT_EQ(got.width(), c.pixels.width()) << c.name;
    if (qobject_cast<QLabel*>(&Child(c.name)))
      EXPECT_GE(got.height(), c.pixels.height()) << c.name << ": a caption may grow to its font's height";
    else
      EXPECT_EQ(got.height(), c.pixels.height()) << c.name;
  }
  for (const char* hidden : {"CharaNo", "PLShot", "CPShot"})
    EXPECT_GE(Child(hidden).x(), 809) << hidden << " lies outside the client area";
}

TEST_F(BattleLayout, LabelsAndPictures) {
  struct Case {
    const char* name;
    QString text;
    int pixelSize;
    QColor colour;
  };
  const QColor yellow(255, 255, 0), white(255, 255, 255);
  const Case table[] = {
      {"Label_Msg", "", 16, yellow},      {"Label_Command", "", 16, yellow},
      {"StageNo", "Stage 1", 16, yellow}, {"Label7", "< PLAYER >", 12, yellow},
      {"Label6", "指令機", 12, white},    {"Label5", "戦闘車", 12, white},
      {"Label4", "< CP >", 12, yellow},   {"LabelRemSiki", "指令機", 12, white},
      {"LabelRemSen", "攻撃機", 12, white},
  };
  for (const Case& c : table) {
    QLabel& label = Label(c.name);
    EXPECT_EQ(label.text(), c.text) << c.name;
    EXPECT_TRUE(label.font().bold()) << c.name;
    EXPECT_EQ(label.font().pixelSize(), c.pixelSize) << c.name;
    EXPECT_EQ(label.font().families(), (QStringList{"ＭＳ Ｐゴシック", "IPAPGothic"})) << c.name;
    EXPECT_EQ(label.palette().color(QPalette::WindowText), c.colour) << c.name;
  }
  EXPECT_FALSE(Label("Label_Command").isVisible()) << "hidden until deployment starts";
  EXPECT_EQ(Label("CharaNo").text(), "CharaNo \n\r0");

  const QImage client = window->centralWidget()->grab().toImage();
  EXPECT_EQ(client.pixelColor(5, 598), QColor(16, 24, 40)) << "the background picture";
  EXPECT_EQ(client.pixelColor(40, 314), QColor(180, 140, 60)) << "the decorative strip";
  EXPECT_EQ(client.pixelColor(700, 300), QColor::fromRgb(FaceColour(0, 0))) << "the normal face";
  EXPECT_EQ(client.pixelColor(40, 300), QColor(255, 90, 80)) << "a computer's shot icon";
  EXPECT_EQ(client.pixelColor(550, 300), QColor(80, 200, 255)) << "a player's shot icon";
  EXPECT_EQ(client.pixelColor(772, 483), QColor(255, 230, 0)) << "a command unit icon";
  EXPECT_EQ(client.pixelColor(697, 571), QColor(0, 220, 90)) << "a combat unit icon";
  EXPECT_EQ(client.pixelColor(700, 522), QColor(255, 255, 255)) << "the separator line";
}

TEST_F(BattleLayout, TheBannerAtTheEndOfItsSlideIsHiddenBehindTheStripAndThePlayersMap) {
  QLabel& banner = Label("Label_Msg");
  QWidget& client = *window->centralWidget();
  banner.move(banner.x(), 315);  // 4720 twips, where the slide ends
  const QImage empty = client.grab().toImage();
  banner.setText("ゲームスタート");
  const QImage hidden = client.grab().toImage();
  EXPECT_EQ(hidden, empty) << "the text is behind the strip and the map";
  banner.move(banner.x(), 291);  // at rest it is in plain sight
  EXPECT_NE(client.grab().toImage(), empty);
}

class BattleLoad : public BattleWindowFixture, public ::testing::WithParamInterface<const char*> {};

TEST_P(BattleLoad, AMissingPictureFailsTheLoadNamingTheFile) {
  const QString picture = QString::fromUtf8(GetParam());
  ASSERT_TRUE(QFile::remove(dir.path() + "/img/" + picture));
  try {
    Kor_Main w(app);
    ADD_FAILURE() << "loaded without " << GetParam();
  } catch (const AssetError& e) {
    EXPECT_TRUE(e.Path().endsWith(picture)) << e.what();
  }
}

INSTANTIATE_TEST_SUITE_P(EveryKind, BattleLoad,
                         ::testing::Values("Main-Back.bmp", "Icon-Sen.bmp", "Stage1-FG_E.bmp",
                                           "Stage1-FG_M.bmp", "×▲爆発[指]爆発[戦].bmp", "Chara-0.bmp"));

}  // namespace
}  // namespace vantrel::testing

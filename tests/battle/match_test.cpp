// Matches played by clicks in the window: deployment, the banner, reactions,
// surrender, the quit question while the computer plays, and whole matches
// to their result box.
#include <QMenuBar>

#include <set>

#include "battle_fixture.h"
#include "ui/battle/image_box.h"

namespace vantrel::testing {
namespace {

class BattleMatch : public BattleWindowFixture {
 protected:
  void SetUp() override { Open(); }

  QImage Snapshot(GridName map) { return Grid(map).grab().toImage().convertToFormat(QImage::Format_RGB32); }
  QImage CellOf(const QImage& snapshot, GridName map, Cell cell) {
    return snapshot.copy(Grid(map).CellRect(cell));
  }
  QRgb FaceShown() {
    return window->findChild<ImageBox*>("CharaImg")->grab().toImage().pixel(100, 200);
  }
  int BannerTopPixels() { return Label("Label_Msg").y(); }

  // The player's turn, then shots at empty cells until the computer's turn.
  void PassTheTurn() {
    std::vector<Cell> empty = CpCells(false);
    while (gv.GamePhase == phase::PlayerTurn) {
      ASSERT_FALSE(empty.empty());
      const Cell c = empty.back();
      empty.pop_back();
      if (gv.CpBoard(c.col, c.row) == "") Click(GridName::FG_E, c);
    }
    ASSERT_EQ(gv.GamePhase, phase::CpTurn);
  }
};

TEST_F(BattleMatch, DeploymentByClicksChangesTheSevenCellsAndNothingElse) {
  WaitForDeployment();
  EXPECT_TRUE(Label("Label_Command").isVisible());
  EXPECT_EQ(Label("Label_Command").text(), "指令ユニットを配置してください  残り 3機");
  const QImage before = Snapshot(GridName::FG_M);
  const QImage cpBefore = Snapshot(GridName::FG_E);

  for (Cell c : PlayerUnits) Click(GridName::FG_M, c);
  ASSERT_EQ(gv.GamePhase, phase::PlayerTurn);
  const QImage after = Snapshot(GridName::FG_M);

  std::set<std::pair<int, int>> placed;
  for (std::size_t i = 0; i < PlayerUnits.size(); ++i) {
    const Cell c = PlayerUnits[i];
    placed.insert({c.col, c.row});
    const QImage shown = CellOf(after, GridName::FG_M, c);
    const int sprite = i < 3 ? 5 : 4;  // command units first, then combat units
    EXPECT_EQ(shown.pixel(SpriteMark.center()), SpriteColour(sprite)) << "unit " << i;
    EXPECT_EQ(shown.pixel(2, 2), TileColour(GridName::FG_M, c)) << "the tile shows around the sprite";
  }
  for (std::int16_t r = 0; r < 9; ++r)
    for (std::int16_t c = 0; c < 19; ++c)
      if (!placed.count({c, r})) {
        EXPECT_EQ(CellOf(after, GridName::FG_M, Cell{c, r}), CellOf(before, GridName::FG_M, Cell{c, r}))
            << "cell " << c << "," << r << " was not clicked";
      }
  // Grid lines and frame too: blank out the placed cells and compare the rest.
  QImage a = after, b = before;
  for (Cell c : PlayerUnits)
    for (QImage* img : {&a, &b})
      for (int y = 0; y < 29; ++y)
        for (int x = 0; x < 29; ++x) img->setPixel(Grid(GridName::FG_M).CellRect(c).topLeft() + QPoint(x, y), 0);
  EXPECT_EQ(a, b);
  EXPECT_EQ(Snapshot(GridName::FG_E), cpBefore) << "the computer's map is untouched";

  EXPECT_FALSE(Label("Label_Command").isVisible());
  EXPECT_EQ(Label("Label_Msg").text(), "ゲームスタート");
  ASSERT_TRUE(QTest::qWaitFor([&] { return gv.MessageState == banner::Stop; }, 1000));
  EXPECT_EQ(BannerTopPixels(), 291) << "shown at once at 4360 twips";
}

TEST_F(BattleMatch, TheBannerRestsTwoSecondsThenDropsOutOfSight) {
  Deploy(PlayerUnits);
  ASSERT_TRUE(QTest::qWaitFor([&] { return gv.MessageState == banner::Stop; }, 1000));
  QTest::qWait(1500);
  EXPECT_EQ(gv.MessageState, banner::Stop) << "still resting after 1.5 s";
  EXPECT_EQ(BannerTopPixels(), 291);
  ASSERT_TRUE(QTest::qWaitFor([&] { return gv.MessageState == banner::Idle; }, 2000));
  EXPECT_EQ(BannerTopPixels(), 315) << "4720 twips: behind the strip and the map";
  EXPECT_EQ(Label("Label_Msg").text(), "ゲームスタート") << "the text stays until the next message";
  EXPECT_FALSE(Timer("TimerMsg").isActive());
}

TEST_F(BattleMatch, AHitMakesThePortraitAngryForAMoment) {
  Deploy(PlayerUnits);
  EXPECT_EQ(FaceShown(), FaceColour(0, 0));
  Click(GridName::FG_E, CpCells(true).front());
  EXPECT_EQ(FaceShown(), FaceColour(0, 1));
  EXPECT_EQ(Label("Label_Msg").text(), QString::fromStdString(gv.CharacterTable[0].ReactionLines[1]));
  EXPECT_TRUE(Timer("CharaPicTimer").isActive());
  EXPECT_EQ(Timer("CharaPicTimer").interval(), 150);
  EXPECT_TRUE(QTest::qWaitFor([&] { return FaceShown() == FaceColour(0, 0); }, 4000));
  EXPECT_FALSE(Timer("CharaPicTimer").isActive());
}

TEST_F(BattleMatch, SurrenderDuringDeploymentShowsTheComputersUnitsBeforeTheResult) {
  WaitForDeployment();
  Click(GridName::FG_M, Cell{0, 0});
  const std::vector<Cell> units = CpCells(true);
  ASSERT_EQ(units.size(), 7u);
  int checked = 0;
  dialogs.whileResultOpen = [&](const QString& text) {
    EXPECT_EQ(text, "You Lose");
    const QImage cpMap = Snapshot(GridName::FG_E);
    for (Cell c : units) {
      const int sprite = gv.CpBoard(c.col, c.row) == cell::Combat ? 4 : 5;
      const QImage shown = CellOf(cpMap, GridName::FG_E, c);
      EXPECT_EQ(shown.pixel(SpriteMark.center()), SpriteColour(sprite)) << c.col << "," << c.row;
      EXPECT_EQ(shown.pixel(2, 2), TileColour(GridName::FG_E, c)) << "over the computer's own tile";
      ++checked;
    }
    EXPECT_FALSE(Timer("CpTurn").isActive()) << "no pacing tick while the box is open";
  };
  QMenuBar* menu = window->menuBar();
  QAction* surrender = window->findChild<QAction*>("Surrender");
  QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(surrender).center());

  EXPECT_EQ(checked, 7);
  EXPECT_EQ(dialogs.results, std::vector<QString>{"You Lose"});
  EXPECT_TRUE(screens.IsShown(ScreenId::Kor_Continue));
  EXPECT_EQ(screens.Window(ScreenId::Kor_Main), nullptr);
  EXPECT_EQ(dialogs.questions, 0) << "a switch closes the window without asking";
  FlushDeletes();
  EXPECT_TRUE(window.isNull());
}

// The quit question, from the close box or the menu, answered いいえ while
// the computer is playing its turn.
enum class QuitBy { CloseBox, Menu };

class QuitQuestion : public BattleMatch, public ::testing::WithParamInterface<QuitBy> {
 protected:
  void Ask() {
    if (GetParam() == QuitBy::CloseBox) {
      EXPECT_EQ(window->close(), dialogs.answer) << "いいえ keeps the window, はい lets it close";
    } else {
      window->findChild<QAction*>("EndGame")->trigger();
    }
  }
};

TEST_P(QuitQuestion, AnsweredNoTheMatchGoesOnExactlyWhereItWas) {
  Deploy(PlayerUnits);
  PassTheTurn();
  const int shotsBefore = gv.CpShotsTotal;
  const std::string bannerBefore = gv.MessageState;
  const int topBefore = BannerTopPixels();
  dialogs.whileQuestionOpen = [&] {
    QTest::qWait(2200);  // longer than the banner's hold: the box stays open, the event loop running
    EXPECT_EQ(gv.CpShotsTotal, shotsBefore) << "no computer shot while the box is open";
    EXPECT_EQ(gv.GamePhase, phase::CpTurn);
    EXPECT_EQ(gv.MessageState, bannerBefore) << "the banner stands still";
    EXPECT_EQ(BannerTopPixels(), topBefore);
  };
  Ask();
  EXPECT_EQ(dialogs.questions, 1);
  EXPECT_EQ(exit.calls, 0);
  ASSERT_FALSE(window.isNull());
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(gv.GamePhase, phase::CpTurn);
  EXPECT_TRUE(Timer("CpTurn").isActive());
  EXPECT_TRUE(QTest::qWaitFor([&] { return gv.CpShotsTotal > shotsBefore; }, 2000)) << "the computer plays on";
}

TEST_P(QuitQuestion, AnsweredYesEverythingStopsAndTheProgramEnds) {
  WaitForDeployment();
  sound.calls.clear();
  dialogs.answer = true;
  Ask();
  EXPECT_EQ(exit.calls, 1);
  EXPECT_EQ(sound.calls, std::vector<std::string>{"CloseAllSnd"});
  FlushDeletes();
  if (window) {
    for (const char* t : {"CpTurn", "TimerMsg", "CharaPicTimer", "TimerSnd"})
      EXPECT_FALSE(Timer(t).isActive()) << t;
  }
}

INSTANTIATE_TEST_SUITE_P(Both, QuitQuestion, ::testing::Values(QuitBy::CloseBox, QuitBy::Menu));

// Whole matches by clicks against the computer player.
enum class Player { Winner, Loser, Random };

struct MatchCase {
  Player player;
  std::uint64_t seed;
  std::int16_t character;
  std::int16_t stage;
};

class WholeMatch : public BattleWindowFixture, public ::testing::WithParamInterface<MatchCase> {};

TEST_P(WholeMatch, PlayedByClicksToItsResultBox) {
  const MatchCase m = GetParam();
  random = SeededRandom(m.seed);
  gv.CharacterIndex = m.character;
  gv.StageIndex = m.stage;
  Open();
  window->SetCpTurnInterval(2);
  Deploy(PlayerUnits);

  SeededRandom choices(m.seed + 1);
  std::set<std::pair<int, int>> fired;
  int clicks = 0;
  while (!window.isNull() && clicks < 400) {
    FlushDeletes();
    if (window.isNull()) break;
    if (gv.GamePhase == phase::PlayerTurn) {
      std::vector<Cell> options;
      for (Cell c : CpCells(m.player == Player::Winner))
        if (!fired.count({c.col, c.row})) options.push_back(c);
      if (m.player == Player::Random) {
        options = CpCells(false);
        for (Cell c : CpCells(true)) options.push_back(c);
        std::erase_if(options, [&](Cell c) { return fired.count({c.col, c.row}) > 0; });
      }
      ASSERT_FALSE(options.empty());
      const Cell target = options[static_cast<std::size_t>(
          RandomInt(choices, 0, static_cast<std::int16_t>(options.size() - 1)))];
      fired.insert({target.col, target.row});
      Click(GridName::FG_E, target);
      ++clicks;
    } else {
      QTest::qWait(1);
    }
  }
  ASSERT_TRUE(window.isNull()) << "the match ended and its window went away";
  ASSERT_EQ(dialogs.results.size(), 1u);
  const bool won = dialogs.results.front() == "You Win";
  if (m.player == Player::Winner) {
    EXPECT_TRUE(won);
  }
  if (m.player == Player::Loser) {
    EXPECT_FALSE(won);
  }
  const ScreenId next = won ? ViewerScreen(m.character, m.stage) : ScreenId::Kor_Continue;
  EXPECT_TRUE(screens.IsShown(next));
  EXPECT_EQ(gv.GamePhase, phase::Decided);
  EXPECT_EQ(dialogs.questions, 0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, WholeMatch,
                         ::testing::Values(MatchCase{Player::Winner, 11, 0, 0}, MatchCase{Player::Loser, 12, 1, 1},
                                           MatchCase{Player::Random, 13, 2, 2}, MatchCase{Player::Random, 14, 0, 1}));

}  // namespace
}  // namespace vantrel::testing

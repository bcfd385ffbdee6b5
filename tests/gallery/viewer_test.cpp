// The viewer windows: their pictures' places, the page C scroll and picture
// swap, page D's clear flag, the clicks that leave a page.
#include <QTest>
#include <QTimer>

#include "front/window_fixture.h"
#include "engine/vocabulary.h"
#include "ui/gallery/bonus_pages.h"
#include "ui/gallery/kor_omake_cg.h"

namespace vantrel::testing {
namespace {

using S = ScreenId;

class ViewerTest : public WindowFixture {
 protected:
  // Opens a viewer the way a won match does, from the battle screen.
  Kor_OmakeCG& OpenAfterBattle(int character, int stage) {
    Start();
    Click(S::Kor_Sub, character == 0 ? "Command4" : character == 1 ? "Command5" : "Command6");
    gv.StageIndex = static_cast<std::int16_t>(stage);
    Battle().Win();
    return Viewer(ViewerScreen(character, stage));
  }
  Kor_OmakeCG& Viewer(S id) const {
    auto* viewer = dynamic_cast<Kor_OmakeCG*>(Window(id));
    if (!viewer) throw std::logic_error("the viewer is not loaded");
    return *viewer;
  }
  QWidget* Picture(S id, const char* name) const { return Window(id)->findChild<QWidget*>(name); }
};

struct TallPage {
  int character;
  bool smooth;
  int bottomTop;
};

class PageCScroll : public ViewerTest, public ::testing::WithParamInterface<TallPage> {};

TEST_P(PageCScroll, TheTallPictureScrollsByTheSwitchsStepToTheBottomEdge) {
  const TallPage& c = GetParam();
  Start();
  if (c.smooth) Click(S::Kor_Sub, "LowSpecMode");
  Kor_OmakeCG& page = OpenAfterBattle(c.character, 2);
  const S id = ViewerScreen(c.character, 2);
  QWidget* image1 = Picture(id, "Image1");
  QWidget* image2 = Picture(id, "Image2");
  EXPECT_EQ(image1->geometry(), QRect(0, 0, 800, 600 - c.bottomTop));
  EXPECT_TRUE(image1->isVisible());
  EXPECT_FALSE(image2->isVisible());
  EXPECT_TRUE(page.Timer1().isActive());
  EXPECT_EQ(page.Timer1().interval(), 30);
  EXPECT_EQ(page.Timer1().timerType(), Qt::PreciseTimer);

  const int step = c.smooth ? 2 : 4;
  int ticks = 0;
  while (page.Timer1().isActive() && ticks < 1000) {
    const int before = image1->y();
    page.Timer1_Timer();
    ++ticks;
    if (page.Timer1().isActive()) {
      EXPECT_EQ(image1->y(), before - step) << "tick " << ticks;
    }
  }
  EXPECT_EQ(image1->y(), c.bottomTop);
  EXPECT_EQ(image1->geometry().bottom(), 599) << "the picture's bottom on the window's";
  EXPECT_EQ(ticks, (-c.bottomTop + step - 1) / step);
}

INSTANTIATE_TEST_SUITE_P(ThreeCharacters, PageCScroll, ::testing::Values(
    TallPage{0, false, -800}, TallPage{0, true, -800},
    TallPage{1, false, -546}, TallPage{1, true, -546},
    TallPage{2, false, -620}, TallPage{2, true, -620}),
    [](const auto& info) {
      return "character" + std::to_string(info.param.character) + (info.param.smooth ? "_smooth" : "_normal");
    });

TEST_F(ViewerTest, TheScrollRunsOnItsOwnTimer) {
  Kor_OmakeCG& page = OpenAfterBattle(1, 2);
  QWidget* image1 = Picture(S::Kor_OmakeCG1C, "Image1");
  QTest::qWait(200);
  EXPECT_LT(image1->y(), 0);
  EXPECT_TRUE(page.Timer1().isActive());
}

TEST_F(ViewerTest, AClickStopsTheScrollAndTheNextOneLeavesThePage) {
  Kor_OmakeCG& page = OpenAfterBattle(0, 2);
  for (int i = 0; i < 10; ++i) page.Timer1_Timer();
  MouseClick(S::Kor_OmakeCG0C, "Image1");
  EXPECT_FALSE(page.Timer1().isActive());
  EXPECT_FALSE(Picture(S::Kor_OmakeCG0C, "Image1")->isVisible());
  QWidget* image2 = Picture(S::Kor_OmakeCG0C, "Image2");
  EXPECT_TRUE(image2->isVisible());
  EXPECT_EQ(image2->geometry(), QRect(215, 2, 343, 600));
  EXPECT_EQ(Picture(S::Kor_OmakeCG0C, "Image1")->y(), -40) << "it stops where it was";

  // The black background left of the second picture leaves the page too.
  MouseClickAt(Window(S::Kor_OmakeCG0C), QPoint(100, 300));
  EXPECT_EQ(Shown(), S::Kor_OmakeCG0D);
}

TEST_F(ViewerTest, PagesOtherThanCFillTheWindowAndHaveNoScroll) {
  for (const BonusPageInfo& info : kBonusPages) {
    if (info.page == BonusPage::C) continue;
    Kor_OmakeCG viewer(services, info);
    QWidget* image1 = viewer.findChild<QWidget*>("Image1");
    ASSERT_NE(image1, nullptr);
    EXPECT_EQ(image1->geometry(), QRect(0, 0, 800, 600));
    EXPECT_EQ(viewer.findChild<QWidget*>("Image2"), nullptr);
    EXPECT_FALSE(viewer.Timer1().isActive());
    EXPECT_FALSE(viewer.TimerSnd().isActive()) << "no music before the activation";
    EXPECT_EQ(viewer.size(), QSize(800, 600));
    EXPECT_EQ(viewer.windowTitle(), "Vantrel");
  }
}

TEST_F(ViewerTest, PageDInARunWritesItsFlagEveryTimeItIsShown) {
  for (int c = 0; c < 3; ++c) {
    OpenAfterBattle(c, 2);
    MouseClick(ViewerScreen(c, 2), "Image1");
    MouseClick(ViewerScreen(c, 2), "Image2");
    EXPECT_NE(SettingsFileText().find("CH" + std::to_string(c) + "=1"), std::string::npos);
    // Removed by hand, it is written again by the next clear.
    WriteSettingsFile("[CLR]\n");
    MouseClick(ViewerScreen(c, 3), "Image1");
    ASSERT_EQ(Shown(), S::Kor_Sub);
  }
  OpenAfterBattle(1, 2);
  MouseClick(S::Kor_OmakeCG1C, "Image1");
  MouseClick(S::Kor_OmakeCG1C, "Image2");
  EXPECT_NE(SettingsFileText().find("CH1=1"), std::string::npos);
}

TEST_F(ViewerTest, AClickOnTheWindowOfPageALeadsOnLikeAClickOnThePicture) {
  OpenAfterBattle(2, 0);
  MouseClickAt(Window(S::Kor_OmakeCG2A), QPoint(400, 300));
  EXPECT_EQ(Shown(), S::Kor_Main);
  EXPECT_EQ(battleLoads.back(), std::make_pair(2, 1));
}

}  // namespace
}  // namespace vantrel::testing

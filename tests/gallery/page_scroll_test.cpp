// The page C scroll, tick by tick, at both step sizes and all three heights.
#include <gtest/gtest.h>

#include <vector>

#include "ui/gallery/bonus_pages.h"
#include "ui/gallery/page_scroll.h"

namespace vantrel {
namespace {

struct ScrollCase {
  int distance, step;
  int ticksToStop;  // including the tick that lands exactly on the bottom
};

class PageScrollTest : public ::testing::TestWithParam<ScrollCase> {};

TEST_P(PageScrollTest, MovesByTheStepAndStopsExactlyAtTheBottom) {
  const ScrollCase& c = GetParam();
  PageScroll scroll(c.distance, c.step);
  std::vector<int> tops;
  int ticks = 0;
  while (scroll.Running()) {
    ASSERT_LT(ticks, 10000) << "the scroll never stops";
    scroll.Tick();
    ++ticks;
    tops.push_back(scroll.Top());
  }
  EXPECT_EQ(ticks, c.ticksToStop);
  EXPECT_EQ(tops.back(), -c.distance);
  // Every tick but the last moves by exactly one step; the last one by at
  // most a step, never past the bottom.
  int previous = 0;
  for (std::size_t i = 0; i + 1 < tops.size(); ++i) {
    EXPECT_EQ(tops[i], previous - c.step) << "tick " << i;
    previous = tops[i];
  }
  EXPECT_GE(previous - tops.back(), 1);
  EXPECT_LE(previous - tops.back(), c.step);

  // Further ticks change nothing.
  EXPECT_FALSE(scroll.Tick());
  EXPECT_EQ(scroll.Top(), -c.distance);
}

INSTANTIATE_TEST_SUITE_P(ThreePictures, PageScrollTest, ::testing::Values(
    ScrollCase{800, 4, 200}, ScrollCase{800, 2, 400},
    ScrollCase{546, 4, 137}, ScrollCase{546, 2, 273},
    ScrollCase{620, 4, 155}, ScrollCase{620, 2, 310}),
    [](const auto& info) {
      return "distance" + std::to_string(info.param.distance) + "_step" + std::to_string(info.param.step);
    });

TEST(PageScroll, TheFirstTicksAndTheLastOnes) {
  // 546 is not a multiple of 4: the last move is 2 pixels.
  PageScroll scroll(546, 4);
  std::vector<int> first;
  for (int i = 0; i < 3; ++i) {
    scroll.Tick();
    first.push_back(scroll.Top());
  }
  EXPECT_EQ(first, (std::vector<int>{-4, -8, -12}));
  while (scroll.Top() > -540) scroll.Tick();
  EXPECT_EQ(scroll.Top(), -540);
  scroll.Tick();
  EXPECT_EQ(scroll.Top(), -544);
  EXPECT_TRUE(scroll.Running());
  scroll.Tick();
  EXPECT_EQ(scroll.Top(), -546);
  EXPECT_FALSE(scroll.Running());
}

TEST(PageScroll, StoppedByThePlayerItStaysWhereItWas) {
  PageScroll scroll(800, 2);
  for (int i = 0; i < 10; ++i) scroll.Tick();
  scroll.Stop();
  EXPECT_FALSE(scroll.Tick());
  EXPECT_EQ(scroll.Top(), -20);
}

TEST(PageScroll, StepFollowsTheSmoothScrollingSwitch) {
  EXPECT_EQ(ScrollStepFor(true), 2);
  EXPECT_EQ(ScrollStepFor(false), 4);
}

TEST(BonusPages, TallPicturesScrollByTheirHeightLessTheWindow) {
  int tall = 0;
  for (const BonusPageInfo& page : kBonusPages) {
    EXPECT_EQ(page.width, 800);
    if (page.page == BonusPage::C) {
      ++tall;
      EXPECT_EQ(page.scrollDistance, page.height - 600) << page.picture;
      EXPECT_EQ(page.second.height, 600);
      EXPECT_LE(page.second.left + page.second.width, 800);
    } else {
      EXPECT_EQ(page.height, 600);
      EXPECT_EQ(page.scrollDistance, 0);
    }
    EXPECT_EQ(ViewerScreen(page.character, static_cast<int>(page.page)), page.window);
    EXPECT_EQ(FindBonusPage(page.window), &page);
  }
  EXPECT_EQ(tall, 3);
  EXPECT_EQ(FindBonusPage(ScreenId::Kor_Main), nullptr);
}

}  // namespace
}  // namespace vantrel

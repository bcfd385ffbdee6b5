// The gallery menu: its twelve thumbnails and the back button, and every
// page it opens leading back to it.
#include "front/window_fixture.h"
#include "ui/gallery/bonus_pages.h"
#include "ui/gallery/kor_omake_cg.h"

namespace vantrel::testing {
namespace {

using S = ScreenId;

class GalleryMenuTest : public WindowFixture {
 protected:
  void OpenMenu() {
    WriteSettingsFile("[CLR]\nCH0=1\nCH1=1\nCH2=1\n");
    Start();
    Click(S::Kor_Sub, "Command_Omake");
    ASSERT_EQ(Shown(), S::Kor_OmakeMode);
  }
  static std::string ButtonName(int i) { return "Command_Omake(" + std::to_string(i) + ")"; }
};

struct MenuRow {
  int index;
  S opens;
  QRect place;
};

const MenuRow kRows[12] = {
    {0, S::Kor_OmakeCG0A, {41, 92, 130, 98}},    {1, S::Kor_OmakeCG0B, {178, 92, 130, 98}},
    {2, S::Kor_OmakeCG0C, {322, 92, 57, 98}},    {3, S::Kor_OmakeCG0D, {396, 92, 130, 98}},
    {4, S::Kor_OmakeCG1A, {41, 426, 130, 98}},   {5, S::Kor_OmakeCG1B, {178, 426, 130, 98}},
    {6, S::Kor_OmakeCG1C, {316, 426, 69, 98}},   {7, S::Kor_OmakeCG1D, {396, 426, 130, 98}},
    {8, S::Kor_OmakeCG2A, {41, 259, 130, 98}},   {9, S::Kor_OmakeCG2B, {178, 259, 130, 98}},
    {10, S::Kor_OmakeCG2C, {318, 259, 65, 98}},  {11, S::Kor_OmakeCG2D, {396, 259, 130, 98}},
};

TEST_F(GalleryMenuTest, OpeningItSilencesEverythingAndEntersTheGallery) {
  Start();
  Click(S::Kor_Sub, "CheckSE");
  WriteSettingsFile("[CLR]\nCH0=1\nCH1=1\nCH2=1\n");
  Title().Form_Activate();
  sound.calls.clear();
  Title().move(30, 40);
  Click(S::Kor_Sub, "Command_Omake");
  EXPECT_EQ(Shown(), S::Kor_OmakeMode);
  EXPECT_EQ(Window(S::Kor_OmakeMode)->pos(), QPoint(30, 40));
  EXPECT_TRUE(gv.GalleryMode);
  EXPECT_EQ(sound.calls, std::vector<std::string>{"CloseAllSnd"});
  EXPECT_EQ(Window(S::Kor_OmakeMode)->windowTitle(), "Vantrel");
  EXPECT_EQ(Button(S::Kor_OmakeMode, "Command_Exit")->geometry(), QRect(640, 528, 132, 44));
}

TEST_F(GalleryMenuTest, EveryThumbnailOpensItsPageWhichLeadsBackToTheMenu) {
  OpenMenu();
  gv.CharacterIndex = 1;
  gv.StageIndex = 2;
  for (const MenuRow& row : kRows) {
    const std::string name = ButtonName(row.index);
    EXPECT_EQ(Button(S::Kor_OmakeMode, name.c_str())->geometry(), row.place) << name;
    Click(S::Kor_OmakeMode, name.c_str());
    ASSERT_EQ(Shown(), row.opens) << name;
    auto* viewer = dynamic_cast<Kor_OmakeCG*>(Window(row.opens));
    ASSERT_NE(viewer, nullptr);
    const bool pageC = viewer->Page().page == BonusPage::C;
    MouseClick(row.opens, "Image1");  // leaving the page deletes the viewer
    if (pageC) {
      EXPECT_EQ(Shown(), row.opens) << "the first click on page C shows its second picture";
      MouseClick(row.opens, "Image2");
    }
    EXPECT_EQ(Shown(), S::Kor_OmakeMode) << name;
    EXPECT_TRUE(gv.GalleryMode);
  }
  EXPECT_EQ(gv.CharacterIndex, 1) << "the gallery moves no character";
  EXPECT_EQ(gv.StageIndex, 2) << "nor any stage";
  EXPECT_EQ(dialogs.quitQuestions, 0);
}

TEST_F(GalleryMenuTest, PageDFromTheGalleryWritesNothing) {
  OpenMenu();
  const std::string before = SettingsFileText();
  WriteSettingsFile("[CLR]\nCH0=1\n");  // as if two flags had gone meanwhile
  for (int index : {3, 7, 11}) {
    Click(S::Kor_OmakeMode, ButtonName(index).c_str());
    MouseClick(GalleryButtonTarget(index), "Image1");
  }
  EXPECT_EQ(SettingsFileText(), "[CLR]\nCH0=1\n");
}

TEST_F(GalleryMenuTest, BackToTheTitleAndARunLeadsOnThroughItsStages) {
  OpenMenu();
  Click(S::Kor_OmakeMode, "Command_Exit");
  EXPECT_EQ(Shown(), S::Kor_Sub);
  EXPECT_FALSE(gv.GalleryMode);
  Click(S::Kor_Sub, "Command4");
  Battle().Win();
  MouseClick(S::Kor_OmakeCG0A, "Image1");
  EXPECT_EQ(Shown(), S::Kor_Main);
  EXPECT_EQ(battleLoads.back(), std::make_pair(0, 1));
}

}  // namespace
}  // namespace vantrel::testing

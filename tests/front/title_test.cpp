// The title screen: its controls, the switches it reads and writes, the
// gallery button's unlocking, and its two ways of ending the program.
#include <QCheckBox>

#include "front/window_fixture.h"
#include "engine/vocabulary.h"

namespace vantrel::testing {
namespace {

using S = ScreenId;

class TitleTest : public WindowFixture {};

TEST_F(TitleTest, ShowsTheControlsAtTheirPlacesOverItsBackground) {
  Start();
  EXPECT_EQ(Shown(), S::Kor_Sub);
  EXPECT_EQ(Title().windowTitle(), "Vantrel");
  EXPECT_EQ(Title().size(), QSize(800, 600));
  struct Place {
    const char* name;
    QRect rect;
    bool visible;
  };
  const Place places[] = {
      {"Command4", {523, 183, 264, 58}, true},      {"Command6", {523, 245, 264, 58}, true},
      {"Command5", {523, 306, 264, 58}, true},      {"Command_Omake", {523, 413, 265, 44}, false},
      {"CheckSE", {540, 475, 13, 13}, true},        {"CheckBGM", {667, 477, 11, 10}, true},
      {"LowSpecMode", {541, 522, 13, 12}, true},    {"Command2", {523, 551, 265, 44}, true},
  };
  for (const Place& place : places) {
    QAbstractButton* control = Button(S::Kor_Sub, place.name);
    EXPECT_EQ(control->geometry(), place.rect) << place.name;
    EXPECT_EQ(control->isVisible(), place.visible) << place.name;
    EXPECT_TRUE(control->text().isEmpty()) << place.name;
  }
}

TEST_F(TitleTest, WithoutASettingsFileEverySwitchIsOffAndTheGalleryHidden) {
  Start();
  EXPECT_FALSE(switches.CheckSE());
  EXPECT_FALSE(switches.CheckBGM());
  EXPECT_FALSE(switches.LowSpecMode());
  EXPECT_FALSE(Button(S::Kor_Sub, "Command_Omake")->isVisible());
  EXPECT_EQ(sound.calls, std::vector<std::string>{"CloseAllSnd"});
}

TEST_F(TitleTest, OnlyAStoredOneChecksABox) {
  struct Case {
    const char* value;
    bool checked;
  };
  for (const Case& c : {Case{"1", true}, Case{"0", false}, Case{"01", false}, Case{"true", false},
                        Case{"", false}, Case{" 1x", false}}) {
    WriteSettingsFile(std::string("[Sound]\nBGM=") + c.value + "\nSE=" + c.value + "\n[SPEC]\nLOW=" +
                      c.value + "\n");
    Kor_Sub title(services);
    title.Form_Activate();
    EXPECT_EQ(title.CheckBGM(), c.checked) << c.value;
    EXPECT_EQ(title.CheckSE(), c.checked) << c.value;
    EXPECT_EQ(title.LowSpecMode(), c.checked) << c.value;
  }
}

TEST_F(TitleTest, ACheckBoxWritesItsStateAtOnceAndTheNextActivationKeepsIt) {
  Start();
  struct Box {
    const char* name;
    std::string line;
  };
  for (const Box& box : {Box{"CheckBGM", "BGM="}, Box{"CheckSE", "SE="}, Box{"LowSpecMode", "LOW="}}) {
    Click(S::Kor_Sub, box.name);
    EXPECT_NE(SettingsFileText().find(box.line + "1"), std::string::npos) << box.name;
    Click(S::Kor_Sub, box.name);
    EXPECT_NE(SettingsFileText().find(box.line + "0"), std::string::npos) << box.name;
    Click(S::Kor_Sub, box.name);
  }
  EXPECT_TRUE(switches.CheckBGM());
  EXPECT_TRUE(switches.CheckSE());
  EXPECT_TRUE(switches.LowSpecMode());
  const std::string text = SettingsFileText();
  EXPECT_NE(text.find("[Sound]"), std::string::npos);
  EXPECT_NE(text.find("[SPEC]"), std::string::npos);

  // Unchecked by the player, a box stays unchecked through the next return
  // to the title, since "0" is now stored.
  Click(S::Kor_Sub, "CheckBGM");
  Title().Form_Activate();
  EXPECT_FALSE(switches.CheckBGM());
  EXPECT_TRUE(switches.CheckSE());
}

TEST_F(TitleTest, ACharacterButtonStartsStageOneAgainstThatCharacter) {
  struct Case {
    const char* button;
    int character;
  };
  for (const Case& c : {Case{"Command4", 0}, Case{"Command5", 1}, Case{"Command6", 2}}) {
    Start();
    gv.StageIndex = 2;
    Title().move(120, 80);
    Click(S::Kor_Sub, c.button);
    EXPECT_EQ(Shown(), S::Kor_Main) << c.button;
    EXPECT_EQ(gv.CharacterIndex, c.character);
    EXPECT_EQ(battleLoads.back(), std::make_pair(c.character, 0));
    EXPECT_EQ(Window(S::Kor_Main)->pos(), QPoint(120, 80));
    EXPECT_FALSE(Title().isVisible());
    EXPECT_NE(Window(S::Kor_Sub), nullptr) << "the title only hides";
    Battle().Lose();
    MouseClick(S::Kor_Continue, "Image3");  // a no: back to the title
  }
}

TEST_F(TitleTest, CheckingTheMusicSwitchKeepsTheBattleSilent) {
  Start();
  Click(S::Kor_Sub, "CheckBGM");
  TakeSoundCalls();
  Click(S::Kor_Sub, "Command4");
  EXPECT_EQ(TakeSoundCalls(), std::vector<std::string>{"CloseAllSnd"});
}

TEST_F(TitleTest, QuitButtonAndClosingEndTheProgramWithoutAQuestion) {
  Start();
  sound.calls.clear();
  Click(S::Kor_Sub, "Command2");
  EXPECT_EQ(exit.ends, 1);
  EXPECT_EQ(sound.calls, std::vector<std::string>{"CloseAllSnd"});

  sound.calls.clear();
  EXPECT_TRUE(Title().close());
  EXPECT_EQ(exit.ends, 2);
  EXPECT_EQ(sound.calls, std::vector<std::string>{"CloseAllSnd"});
  EXPECT_EQ(dialogs.quitQuestions, 0);
}

// The clear flags and the gallery button.
struct FlagsCase {
  const char* clr;
  bool galleryShown;
};

class GalleryUnlock : public WindowFixture, public ::testing::WithParamInterface<FlagsCase> {};

TEST_P(GalleryUnlock, TheButtonShowsOnlyWhenAllThreeAreCleared) {
  WriteSettingsFile(std::string("[CLR]\n") + GetParam().clr);
  Start();
  EXPECT_EQ(Button(S::Kor_Sub, "Command_Omake")->isVisible(), GetParam().galleryShown)
      << GetParam().clr;
}

INSTANTIATE_TEST_SUITE_P(Flags, GalleryUnlock, ::testing::Values(
    FlagsCase{"", false},
    FlagsCase{"CH0=1\nCH1=1\n", false},
    FlagsCase{"CH0=1\nCH2=1\n", false},
    FlagsCase{"CH0=1\nCH1=1\nCH2=0\n", false},
    FlagsCase{"CH0=1\nCH1=1\nCH2=true\n", false},
    FlagsCase{"CH0=1\nCH1=1\nCH2=1\n", true},
    FlagsCase{"CH2=1\nCH0=1\nCH1=1\n", true}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST_F(TitleTest, AGalleryButtonOnceShownStaysForTheRun) {
  WriteSettingsFile("[CLR]\nCH0=1\nCH1=1\n");
  Start();
  EXPECT_FALSE(Button(S::Kor_Sub, "Command_Omake")->isVisible());

  WriteSettingsFile("[CLR]\nCH0=1\nCH1=1\nCH2=1\n");
  Title().Form_Activate();
  EXPECT_TRUE(Button(S::Kor_Sub, "Command_Omake")->isVisible());

  // The player deletes the section by hand while the game runs.
  WriteSettingsFile("[Sound]\nBGM=0\n");
  Click(S::Kor_Sub, "Command_Omake");
  EXPECT_EQ(Shown(), S::Kor_OmakeMode);
  Click(S::Kor_OmakeMode, "Command_Exit");
  EXPECT_EQ(Shown(), S::Kor_Sub);
  EXPECT_TRUE(Button(S::Kor_Sub, "Command_Omake")->isVisible());
}

TEST_F(TitleTest, BackOnTheTitleTheRunIsNoLongerInTheGallery) {
  // Cleared, into the gallery; then the flags vanish from the file before
  // the player returns to the title and starts a run.
  WriteSettingsFile("[CLR]\nCH0=1\nCH1=1\nCH2=1\n");
  Start();
  Click(S::Kor_Sub, "Command_Omake");
  EXPECT_TRUE(gv.GalleryMode);
  WriteSettingsFile("");
  Click(S::Kor_OmakeMode, "Command_Exit");
  EXPECT_FALSE(gv.GalleryMode);

  Click(S::Kor_Sub, "Command4");
  Battle().Win();
  EXPECT_EQ(Shown(), S::Kor_OmakeCG0A);
  MouseClick(S::Kor_OmakeCG0A, "Image1");
  EXPECT_EQ(Shown(), S::Kor_Main) << "page A leads on to the second stage, not to the menu";
  EXPECT_EQ(gv.StageIndex, 1);
}

}  // namespace
}  // namespace vantrel::testing

#include "ui/front/settings_location.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QStandardPaths>
#include <QtGlobal>

#include <filesystem>
#include <fstream>

#include "tests/front/temp_folder.h"
#include "ui/front/ini_file.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

TEST(ChooseSettingsFilePathTest, BesideTheProgramWhenItsFolderIsWritable) {
  EXPECT_EQ(ChooseSettingsFilePath("/opt/vantrel", true, "/home/p/.config"),
            fs::path("/opt/vantrel/Tarvo.ini"));
}

TEST(ChooseSettingsFilePathTest, InTheUsersConfigurationWhenItIsNot) {
  EXPECT_EQ(ChooseSettingsFilePath("/opt/vantrel", false, "/home/p/.config"),
            fs::path("/home/p/.config/Vantrel/Tarvo.ini"));
}

TEST(ChooseSettingsFilePathTest, BesideTheProgramWhenThereIsNoConfigurationFolder) {
  EXPECT_EQ(ChooseSettingsFilePath("/opt/vantrel", false, ""),
            fs::path("/opt/vantrel/Tarvo.ini"));
}

TEST(IsFolderWritableTest, TriesInsteadOfGuessing) {
  TempFolder folder;
  EXPECT_TRUE(IsFolderWritable(folder.path()));
  EXPECT_TRUE(fs::is_empty(folder.path())) << "the probe file is removed again";
  EXPECT_FALSE(IsFolderWritable(folder.path() / "missing"));
  std::ofstream(folder.path() / "file") << "x";
  EXPECT_FALSE(IsFolderWritable(folder.path() / "file"));
}

TEST(IsFolderWritableTest, AReadOnlyFolderIsNotWritable) {
  TempFolder folder;
  fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
  if (std::ofstream(folder.path() / "probe")) {
    GTEST_SKIP() << "permissions do not stop writes for this user (root); the decision is "
                    "tested with an injected answer above";
  }
  EXPECT_FALSE(IsFolderWritable(folder.path()));
}

// The real lookup, with the configuration folder moved into a test folder.
class SettingsFilePathTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = qgetenv("XDG_CONFIG_HOME");
    hadSaved_ = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((config_.path()).string()));
  }
  void TearDown() override {
    if (hadSaved_) qputenv("XDG_CONFIG_HOME", saved_);
    else qunsetenv("XDG_CONFIG_HOME");
  }
  TempFolder program_, config_;
  QByteArray saved_;
  bool hadSaved_ = false;
};

TEST_F(SettingsFilePathTest, AWritableProgramFolderKeepsTheFileBesideTheProgram) {
  EXPECT_EQ(SettingsFilePath(program_.path()), program_.path() / "Tarvo.ini");
}

TEST_F(SettingsFilePathTest, OtherwiseTheFileGoesToTheConfigurationFolderAndStaysThere) {
  // A program folder that cannot take a file (here: one that is not there).
  const fs::path installed = program_.path() / "not-writable";
  const fs::path chosen = SettingsFilePath(installed);
  EXPECT_EQ(chosen, config_.path() / "Vantrel" / "Tarvo.ini");
  EXPECT_TRUE(fs::is_directory(chosen.parent_path())) << "its folder is made";

  // Switches written there are read back from there on the next start.
  ASSERT_TRUE(WriteIniString("1", "CH0", "CLR", chosen));
  EXPECT_EQ(ReadIniString("CH0", "CLR", SettingsFilePath(installed)), "1");
}

}  // namespace
}  // namespace vantrel

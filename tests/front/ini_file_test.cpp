#include "ui/front/ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/front/temp_folder.h"

namespace vantrel {
namespace {

using namespace std::string_literals;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;
namespace fs = std::filesystem;

class IniFileTest : public ::testing::Test {
 protected:
  fs::path File() const { return folder_.path() / "Tarvo.ini"; }
  std::vector<fs::path> FolderEntries() const {
    std::vector<fs::path> names;
    for (const auto& entry : fs::directory_iterator(folder_.path()))
      names.push_back(entry.path().filename());
    return names;
  }
  TempFolder folder_;
};

// ---- Reading ---------------------------------------------------------------

struct ReadCase {
  const char* name;
  std::string file;
  const char* key;
  const char* section;
  std::string expected;
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

class Reading : public IniFileTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(Reading, FromTheFileAsWritten) {
  const ReadCase& c = GetParam();
  WriteBytes(File(), c.file);
  EXPECT_EQ(ReadIniString(c.key, c.section, File()), c.expected);
}

const std::string kLongValue(300, 'v');
const std::string kLongLine(1 << 20, 'x');

INSTANTIATE_TEST_SUITE_P(
    Files, Reading,
    ::testing::Values(
        ReadCase{"WindowsCrlf", "[Sound]\r\nBGM=1\r\nSE=0\r\n", "SE", "Sound", "0"},
        ReadCase{"UnixLf", "[Sound]\nBGM=1\nSE=0\n", "BGM", "Sound", "1"},
        ReadCase{"NoFinalLineEnd", "[CLR]\r\nCH0=1", "CH0", "CLR", "1"},
        ReadCase{"NamesIgnoreCase", "[sOUND]\r\nbgm=1\r\n", "BGM", "Sound", "1"},
        ReadCase{"SpacesAroundNamesAndValue", "  [ Sound ]  \r\n\t BGM \t=  1 \t\r\n", "BGM",
                 "Sound", "1"},
        ReadCase{"DoubleQuotesDropped", "[Sound]\r\nBGM=\"1\"\r\n", "BGM", "Sound", "1"},
        ReadCase{"SingleQuotesDropped", "[Sound]\r\nBGM='1'\r\n", "BGM", "Sound", "1"},
        ReadCase{"UnmatchedQuoteKept", "[Sound]\r\nBGM=\"1\r\n", "BGM", "Sound", "\"1"},
        ReadCase{"EmptyValueIsNotMissing", "[Sound]\r\nBGM=\r\n", "BGM", "Sound", ""},
        ReadCase{"MissingKey", "[Sound]\r\nSE=1\r\n", "BGM", "Sound", "ERROR"},
        ReadCase{"MissingSection", "[SPEC]\r\nBGM=1\r\n", "BGM", "Sound", "ERROR"},
        ReadCase{"EmptyFile", "", "BGM", "Sound", "ERROR"},
        ReadCase{"KeyBeforeAnySection", "BGM=1\r\n[Sound]\r\n", "BGM", "Sound", "ERROR"},
        ReadCase{"KeyOfTheNextSection", "[Sound]\r\n[SPEC]\r\nBGM=1\r\n", "BGM", "Sound",
                 "ERROR"},
        ReadCase{"CommentIsNoKey", "[Sound]\r\n;BGM=1\r\n", "BGM", "Sound", "ERROR"},
        ReadCase{"LineWithoutEqualsIsNoKey", "[Sound]\r\nBGM\r\n", "BGM", "Sound", "ERROR"},
        ReadCase{"UnclosedHeaderStartsNoSection", "[Sound]\r\nSE=1\r\n[CLR\r\nCH0=1\r\n", "CH0",
                 "Sound", "1"},
        ReadCase{"FirstOfTwoKeys", "[Sound]\r\nBGM=1\r\nBGM=0\r\n", "BGM", "Sound", "1"},
        ReadCase{"OnlyTheFirstSectionOfAName", "[Sound]\r\nSE=0\r\n[Sound]\r\nBGM=1\r\n", "BGM",
                 "Sound", "ERROR"},
        ReadCase{"ValueLimitedToTheReplyBuffer", "[Sound]\r\nBGM=" + kLongValue + "\r\n", "BGM",
                 "Sound", std::string(254, 'v')},
        ReadCase{"ValueEndsAtNul", "[Sound]\r\nBGM=1\0junk\r\n"s, "BGM", "Sound", "1"},
        ReadCase{"Utf8ByteOrderMark", "\xEF\xBB\xBF[Sound]\r\nBGM=1\r\n", "BGM", "Sound", "1"},
        ReadCase{"BinaryGarbageAround", "\0\x01\xFF\xFE garbage \0\r\n[Sound]\r\n\0\0\0\r\nBGM=1\r\n"s,
                 "BGM", "Sound", "1"},
        ReadCase{"VeryLongLine", kLongLine + "\r\n[Sound]\r\nBGM=1\r\n", "BGM", "Sound", "1"},
        // A comment in Shift-JIS, as a Japanese Windows would keep it.
        ReadCase{"AnsiCodePageComment", "; \x83\x51\x81\x5B\x83\x80\r\n[Sound]\r\nSE=1\r\n", "SE",
                 "Sound", "1"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(IniFileTest, AMissingFileReadsError) {
  EXPECT_EQ(ReadIniString("BGM", "Sound", File()), "ERROR");
  EXPECT_FALSE(fs::exists(File()));
}

// ---- Writing ---------------------------------------------------------------

struct WriteCase {
  const char* name;
  std::string before;
  const char* value;
  const char* key;
  const char* section;
  std::string after;
};

void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.name; }

class Writing : public IniFileTest, public ::testing::WithParamInterface<WriteCase> {};

TEST_P(Writing, ChangesOnlyTheOneValue) {
  const WriteCase& c = GetParam();
  WriteBytes(File(), c.before);
  EXPECT_TRUE(WriteIniString(c.value, c.key, c.section, File()));
  EXPECT_EQ(ReadBytes(File()), c.after);
  EXPECT_EQ(ReadIniString(c.key, c.section, File()), c.value);
  EXPECT_EQ(FolderEntries(), std::vector<fs::path>{"Tarvo.ini"}) << "no temporary file left";
}

const std::string kPlayersFile =
    "; written by hand\r\n"
    "[Window]\r\n"
    "Left=120\r\n"
    "\r\n"
    "[Sound]\r\n"
    "Volume = 80\r\n"
    "BGM=0\r\n"
    "  ; music off?\r\n"
    "SE=1\r\n"
    "\r\n"
    "\r\n"
    "[CLR]\r\n"
    "CH1=1\r\n";

INSTANTIATE_TEST_SUITE_P(
    Files, Writing,
    ::testing::Values(
        WriteCase{"IntoAnEmptyFile", "", "1", "BGM", "Sound", "[Sound]\r\nBGM=1\r\n"},
        WriteCase{"ReplacesInPlace", "[Sound]\r\nBGM=0\r\nSE=1\r\n", "1", "BGM", "Sound",
                  "[Sound]\r\nBGM=1\r\nSE=1\r\n"},
        WriteCase{"KeepsLfLines", "[Sound]\nBGM=0\nSE=1\n", "1", "BGM", "Sound",
                  "[Sound]\nBGM=1\nSE=1\n"},
        WriteCase{"KeepsTheKeyAsWritten", "[sound]\r\n  bgm = 0 \r\nSE=1\r\n", "1", "BGM",
                  "Sound", "[sound]\r\n  bgm =1\r\nSE=1\r\n"},
        WriteCase{"ReplacesAQuotedValue", "[Sound]\r\nBGM=\"1\"\r\n", "0", "BGM", "Sound",
                  "[Sound]\r\nBGM=0\r\n"},
        WriteCase{"NewKeyAfterTheSectionsLastLine",
                  "[Sound]\r\nBGM=1\r\n\r\n[CLR]\r\nCH0=1\r\n", "0", "SE", "Sound",
                  "[Sound]\r\nBGM=1\r\nSE=0\r\n\r\n[CLR]\r\nCH0=1\r\n"},
        WriteCase{"NewKeyIntoAnEmptySection", "[CLR]\r\n[Sound]\r\nBGM=1\r\n", "1", "CH2", "CLR",
                  "[CLR]\r\nCH2=1\r\n[Sound]\r\nBGM=1\r\n"},
        WriteCase{"NewKeyAtAnUnterminatedEnd", "[Sound]\r\nBGM=1", "0", "SE", "Sound",
                  "[Sound]\r\nBGM=1\r\nSE=0\r\n"},
        WriteCase{"NewSectionAtTheEnd", "[Sound]\r\nBGM=1\r\n", "1", "CH0", "CLR",
                  "[Sound]\r\nBGM=1\r\n[CLR]\r\nCH0=1\r\n"},
        WriteCase{"NewSectionAfterAnUnterminatedEnd", "[Sound]\nBGM=1", "1", "LOW", "SPEC",
                  "[Sound]\nBGM=1\r\n[SPEC]\r\nLOW=1\r\n"},
        WriteCase{"KeepsEveryOtherLine", kPlayersFile, "1", "bgm", "SOUND",
                  "; written by hand\r\n[Window]\r\nLeft=120\r\n\r\n[Sound]\r\nVolume = 80\r\n"
                  "BGM=1\r\n  ; music off?\r\nSE=1\r\n\r\n\r\n[CLR]\r\nCH1=1\r\n"},
        WriteCase{"AddsToAPlayersFile", kPlayersFile, "1", "CH2", "CLR", kPlayersFile + "CH2=1\r\n"},
        WriteCase{"AddsKeyBeforeBlankLines", kPlayersFile, "0", "LOW", "Window",
                  "; written by hand\r\n[Window]\r\nLeft=120\r\nLOW=0\r\n\r\n[Sound]\r\n"
                  "Volume = 80\r\nBGM=0\r\n  ; music off?\r\nSE=1\r\n\r\n\r\n[CLR]\r\nCH1=1\r\n"},
        WriteCase{"FirstOfTwoSections", "[Sound]\r\nSE=0\r\n[Sound]\r\nBGM=0\r\n", "1", "BGM",
                  "Sound", "[Sound]\r\nSE=0\r\nBGM=1\r\n[Sound]\r\nBGM=0\r\n"},
        WriteCase{"KeepsAByteOrderMark", "\xEF\xBB\xBF[Sound]\r\nBGM=0\r\n", "1", "BGM", "Sound",
                  "\xEF\xBB\xBF[Sound]\r\nBGM=1\r\n"},
        WriteCase{"ByteOrderMarkAlone", "\xEF\xBB\xBF", "1", "BGM", "Sound",
                  "\xEF\xBB\xBF[Sound]\r\nBGM=1\r\n"},
        WriteCase{"KeepsBinaryGarbage", "\0\x01\xFE\r\n[Sound]\r\nBGM=0\0x\r\n\xFF\0\r\n"s, "1",
                  "BGM", "Sound", "\0\x01\xFE\r\n[Sound]\r\nBGM=1\r\n\xFF\0\r\n"s},
        WriteCase{"KeepsAVeryLongLine", kLongLine + "\n[Sound]\nSE=0\n", "1", "SE", "Sound",
                  kLongLine + "\n[Sound]\nSE=1\n"},
        WriteCase{"SameValueChangesNothing", "[Sound]\nBGM=1\n", "1", "BGM", "Sound",
                  "[Sound]\nBGM=1\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(IniFileTest, TheFirstWriteCreatesTheFile) {
  ASSERT_TRUE(WriteIniString("1", "CH0", "CLR", File()));
  EXPECT_EQ(ReadBytes(File()), "[CLR]\r\nCH0=1\r\n");
}

TEST_F(IniFileTest, ClickingTwiceWritesOneThenZero) {
  ASSERT_TRUE(WriteIniString("1", "SE", "Sound", File()));
  EXPECT_EQ(ReadIniString("SE", "Sound", File()), "1");
  ASSERT_TRUE(WriteIniString("0", "SE", "Sound", File()));
  EXPECT_EQ(ReadIniString("SE", "Sound", File()), "0");
  EXPECT_EQ(ReadBytes(File()), "[Sound]\r\nSE=0\r\n");
}

TEST_F(IniFileTest, AllSwitchesAndFlagsLiveSideBySide) {
  const std::vector<std::pair<const char*, const char*>> keys = {
      {"Sound", "BGM"}, {"Sound", "SE"}, {"SPEC", "LOW"},
      {"CLR", "CH0"},   {"CLR", "CH1"},  {"CLR", "CH2"}};
  for (const auto& [section, key] : keys) ASSERT_TRUE(WriteIniString("1", key, section, File()));
  ASSERT_TRUE(WriteIniString("0", "BGM", "Sound", File()));
  for (const auto& [section, key] : keys) {
    EXPECT_EQ(ReadIniString(key, section, File()), std::string(key) == "BGM" ? "0" : "1") << key;
  }
  EXPECT_EQ(ReadBytes(File()),
            "[Sound]\r\nBGM=0\r\nSE=1\r\n[SPEC]\r\nLOW=1\r\n[CLR]\r\nCH0=1\r\nCH1=1\r\nCH2=1\r\n");
}

// Text that would not read back as written is refused, and the file is left.
struct RefusedCase {
  const char* name;
  std::string value, key, section;
};

void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.name; }

class RefusedWrites : public IniFileTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedWrites, ReportFalseAndKeepTheFile) {
  const RefusedCase& c = GetParam();
  const std::string before = "[Sound]\r\nBGM=0\r\n";
  WriteBytes(File(), before);
  EXPECT_FALSE(WriteIniString(c.value, c.key, c.section, File()));
  EXPECT_EQ(ReadBytes(File()), before);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RefusedWrites,
    ::testing::Values(RefusedCase{"LineBreakInValue", "1\r\n[CLR]\r\nCH0=1", "BGM", "Sound"},
                      RefusedCase{"NulInValue", "1\0"s, "BGM", "Sound"},
                      RefusedCase{"NonAsciiValue", "\xE3\x82\xA2", "BGM", "Sound"},
                      RefusedCase{"EqualsInKey", "1", "BGM=0", "Sound"},
                      RefusedCase{"KeyLikeASection", "1", "[CLR]", "Sound"},
                      RefusedCase{"KeyLikeAComment", "1", ";BGM", "Sound"},
                      RefusedCase{"EmptyKey", "1", "  ", "Sound"},
                      RefusedCase{"BracketInSection", "1", "BGM", "So]und"},
                      RefusedCase{"EmptySection", "1", "BGM", ""}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Files that are not what they should be --------------------------------

TEST_F(IniFileTest, AFolderInPlaceOfTheFileIsLeftAlone) {
  fs::create_directory(File());
  EXPECT_EQ(ReadIniString("BGM", "Sound", File()), "ERROR");
  EXPECT_FALSE(WriteIniString("1", "BGM", "Sound", File()));
  EXPECT_TRUE(fs::is_directory(File()));
  EXPECT_TRUE(fs::is_empty(File()));
}

TEST_F(IniFileTest, AReadOnlyFileIsNeitherChangedNorReplaced) {
  const std::string before = "[Sound]\r\nBGM=0\r\n[CLR]\r\nCH0=1\r\n";
  WriteBytes(File(), before);
  fs::permissions(File(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_FALSE(WriteIniString("1", "BGM", "Sound", File()));
  EXPECT_EQ(ReadBytes(File()), before);
  EXPECT_EQ(ReadIniString("CH0", "CLR", File()), "1");
  EXPECT_EQ(FolderEntries(), std::vector<fs::path>{"Tarvo.ini"});
}

TEST_F(IniFileTest, AMissingFolderFailsWithoutCreatingAnything) {
  const fs::path inside = folder_.path() / "gone" / "Tarvo.ini";
  EXPECT_FALSE(WriteIniString("1", "BGM", "Sound", inside));
  EXPECT_FALSE(fs::exists(inside.parent_path()));
}

TEST_F(IniFileTest, AnUnwritableFolderFailsAndKeepsTheOldFile) {
  const std::string before = "[Sound]\r\nBGM=0\r\n";
  WriteBytes(File(), before);
  fs::permissions(folder_.path(), fs::perms::owner_read | fs::perms::owner_exec);
  if (std::ofstream(folder_.path() / "probe")) {
    fs::remove(folder_.path() / "probe");
    GTEST_SKIP() << "permissions do not stop writes for this user (root)";
  }
  EXPECT_FALSE(WriteIniString("1", "BGM", "Sound", File()));
  EXPECT_EQ(ReadBytes(File()), before);
}

TEST_F(IniFileTest, AWriteKeepsTheFilesPermissions) {
  WriteBytes(File(), "[Sound]\r\nBGM=0\r\n");
  const auto mode = fs::perms::owner_read | fs::perms::owner_write;
  fs::permissions(File(), mode);
  ASSERT_TRUE(WriteIniString("1", "BGM", "Sound", File()));
  EXPECT_EQ(fs::status(File()).permissions(), mode);
}

TEST_F(IniFileTest, AWriteThroughALinkChangesTheFileItPointsAt) {
  const fs::path real = folder_.path() / "real.ini";
  WriteBytes(real, "[Sound]\r\nBGM=0\r\n");
  std::error_code ec;
  fs::create_symlink(real, File(), ec);
  if (ec) GTEST_SKIP() << "no symbolic links here: " << ec.message();
  ASSERT_TRUE(WriteIniString("1", "BGM", "Sound", File()));
  EXPECT_TRUE(fs::is_symlink(File()));
  EXPECT_EQ(ReadBytes(real), "[Sound]\r\nBGM=1\r\n");
}

// ---- What counts as set ----------------------------------------------------

TEST(IsIniSetTest, OnlyExactlyOne) {
  EXPECT_TRUE(IsIniSet("1"));
  for (const char* notSet : {"0", "01", "1 ", "true", "", "ERROR", "-1"}) {
    EXPECT_FALSE(IsIniSet(notSet)) << '"' << notSet << '"';
  }
}

}  // namespace
}  // namespace vantrel

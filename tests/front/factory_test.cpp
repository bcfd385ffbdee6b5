// A missing or unreadable picture: the player is told which file, the
// program is on its way out, and no exception escapes into Qt.
#include "front/window_fixture.h"

#include <QByteArray>
#include <QFile>

#include <cstdint>
#include <string>
#include <vector>

namespace vantrel::testing {
namespace {

using S = ScreenId;

struct MissingCase {
  std::string file;
  S window;
};

class MissingPicture : public WindowFixture, public ::testing::WithParamInterface<MissingCase> {};

TEST_P(MissingPicture, IsReportedByNameAndNoWindowIsBuilt) {
  StandInProgramDir dir(GetParam().file);
  FillStartUpState(gv, dir.Path().toStdString());
  QWidget* window = nullptr;
  EXPECT_NO_THROW(window = factory.Create(GetParam().window));
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(factory.Failed());
  ASSERT_EQ(reportedFiles.size(), 1u);
  EXPECT_TRUE(reportedFiles[0].endsWith(QString::fromStdString(GetParam().file))) << reportedFiles[0].toStdString();
  EXPECT_EQ(factory.FailedFile(), reportedFiles[0]);
  EXPECT_TRUE(window->testAttribute(Qt::WA_DontShowOnScreen));

  // Anything asked for afterwards is not reported again.
  delete factory.Create(S::Kor_Continue);
  EXPECT_EQ(reportedFiles.size(), 1u);
  delete window;
}

INSTANTIATE_TEST_SUITE_P(Pictures, MissingPicture, ::testing::Values(
    MissingCase{"img/Title-Back.bmp", S::Kor_Sub},
    MissingCase{"img/Title-Chara2.bmp", S::Kor_Sub},
    MissingCase{"img/Continue-No.bmp", S::Kor_Continue},
    MissingCase{"img/Thumb-1C.bmp", S::Kor_OmakeMode},
    MissingCase{"img/CG2C-2.bmp", S::Kor_OmakeCG2C},
    MissingCase{"img/CG1D.bmp", S::Kor_OmakeCG1D}),
    [](const auto& info) {
      std::string name = info.param.file.substr(4, info.param.file.size() - 8);
      for (char& ch : name) if (ch == '-') ch = '_';
      return name;
    });

// Every picture of the title, the continue screen, the gallery and each
// viewer, missing and then corrupt, from the window that loads it.
enum class Breakage { Missing, Corrupt };

struct BrokenCase {
  std::string file;
  Breakage breakage;
};

S WindowLoading(const std::string& file) {
  const std::string name = file.substr(4);  // after "img/"
  if (name.rfind("Title-", 0) == 0) return S::Kor_Sub;
  if (name.rfind("Continue-", 0) == 0) return S::Kor_Continue;
  if (name.rfind("Omake-", 0) == 0 || name.rfind("Thumb-", 0) == 0) return S::Kor_OmakeMode;
  // "CG<character><page>.bmp" and a tall page's "CG<character>C-2.bmp".
  return ViewerScreen(name[2] - '0', name[3] - 'A');
}

std::vector<BrokenCase> EveryPictureBroken() {
  std::vector<BrokenCase> cases;
  for (Breakage breakage : {Breakage::Missing, Breakage::Corrupt})
    for (const StandInProgramDir::Picture& picture : StandInProgramDir::Pictures())
      cases.push_back({picture.file, breakage});
  return cases;
}

class BrokenPicture : public WindowFixture, public ::testing::WithParamInterface<BrokenCase> {};

TEST_P(BrokenPicture, IsReportedByNameByTheWindowThatLoadsIt) {
  const auto& [file, breakage] = GetParam();
  StandInProgramDir dir(breakage == Breakage::Missing ? file : std::string());
  if (breakage == Breakage::Corrupt) {
    // As long as the picture was, and nothing of a bitmap left in it.
    QFile broken(dir.Path() + "/" + QString::fromStdString(file));
    const qint64 size = broken.size();
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QByteArray garbage(size, '\0');
    std::uint32_t state = 2463534242u;
    for (char& byte : garbage) {
      state ^= state << 13, state ^= state >> 17, state ^= state << 5;
      byte = static_cast<char>(state);
    }
    ASSERT_EQ(broken.write(garbage), size);
    broken.close();
  }
  FillStartUpState(gv, dir.Path().toStdString());
  QWidget* window = nullptr;
  EXPECT_NO_THROW(window = factory.Create(WindowLoading(file)));
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(factory.Failed());
  ASSERT_EQ(reportedFiles.size(), 1u);
  EXPECT_TRUE(reportedFiles[0].endsWith(QString::fromStdString(file))) << reportedFiles[0].toStdString();
  EXPECT_TRUE(window->testAttribute(Qt::WA_DontShowOnScreen));
  delete window;
}

INSTANTIATE_TEST_SUITE_P(EveryPicture, BrokenPicture, ::testing::ValuesIn(EveryPictureBroken()),
    [](const auto& info) {
      std::string name = (info.param.breakage == Breakage::Missing ? "missing_" : "corrupt_") +
                         info.param.file.substr(4, info.param.file.size() - 8);
      for (char& ch : name) if (ch == '-') ch = '_';
      return name;
    });

TEST_F(WindowFixture, AnUnreadablePictureCountsAsMissing) {
  StandInProgramDir dir;
  QFile broken(dir.Path() + "/img/Omake-Exit.bmp");
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
  broken.write("BM not really a bitmap");
  broken.close();
  FillStartUpState(gv, dir.Path().toStdString());
  delete factory.Create(S::Kor_OmakeMode);
  ASSERT_EQ(reportedFiles.size(), 1u);
  EXPECT_TRUE(reportedFiles[0].endsWith("img/Omake-Exit.bmp"));
}

TEST_F(WindowFixture, StartingWithAMissingTitlePictureShowsNothing) {
  StandInProgramDir dir("img/Title-Quit.bmp");
  FillStartUpState(gv, dir.Path().toStdString());
  Start();
  EXPECT_TRUE(factory.Failed());
  EXPECT_EQ(dynamic_cast<Kor_Sub*>(Window(S::Kor_Sub)), nullptr);
  EXPECT_FALSE(switches.CheckBGM());  // no title: every switch reads off
}

TEST_F(WindowFixture, EveryScreenHasItsWindow) {
  for (int i = 0; i <= static_cast<int>(S::Kor_OmakeCG2D); ++i) {
    QWidget* window = factory.Create(static_cast<S>(i));
    ASSERT_NE(window, nullptr) << i;
    EXPECT_FALSE(window->testAttribute(Qt::WA_DontShowOnScreen)) << i;
    EXPECT_EQ(window->size(), i == static_cast<int>(S::Kor_Main) ? QSize(809, 603) : QSize(800, 600)) << i;
    delete window;
  }
  EXPECT_FALSE(factory.Failed());
}

}  // namespace
}  // namespace vantrel::testing

#include "front/window_fixture.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>

#include "engine/game_context.h"
#include "engine/match_end.h"
#include "engine/sound_rules.h"
#include "engine/vocabulary.h"
#include "battle/stand_in_pictures.h"
#include "ui/battle/kor_main.h"
#include "ui/front/closing.h"

namespace vantrel::testing {

const std::vector<StandInProgramDir::Picture>& StandInProgramDir::Pictures() {
  static const std::vector<Picture> pictures = [] {
    std::vector<Picture> list{
        {"img/Title-Back.bmp", 800, 600},   {"img/Title-Chara0.bmp", 264, 58},
        {"img/Title-Chara1.bmp", 264, 58},  {"img/Title-Chara2.bmp", 264, 58},
        {"img/Title-CGMode.bmp", 265, 44},  {"img/Title-Quit.bmp", 265, 44},
        {"img/Continue-Text.bmp", 231, 56}, {"img/Continue-Yes.bmp", 118, 43},
        {"img/Continue-No.bmp", 118, 43},   {"img/Omake-Back.bmp", 800, 600},
        {"img/Omake-Exit.bmp", 132, 44},
    };
    const int tallHeight[3] = {1400, 1146, 1220};
    const int secondWidth[3] = {343, 419, 383};
    const int thumbWidth[3] = {57, 69, 65};
    for (int c = 0; c < 3; ++c)
      for (char page : {'A', 'B', 'C', 'D'}) {
        const std::string name = std::to_string(c) + page;
        const bool tall = page == 'C';
        list.push_back({"img/CG" + name + ".bmp", 800, tall ? tallHeight[c] : 600});
        list.push_back({"img/Thumb-" + name + ".bmp", tall ? thumbWidth[c] : 130, 98});
        if (tall) list.push_back({"img/CG" + name + "-2.bmp", secondWidth[c], 600});
      }
    return list;
  }();
  return pictures;
}

StandInProgramDir::StandInProgramDir(const std::string& without) {
  QDir(dir_.path()).mkpath("img");
  int shade = 0;
  for (const Picture& picture : Pictures()) {
    if (picture.file == without) continue;
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    image.fill(QColor::fromHsv((shade++ * 37) % 360, 120, 200));
    image.save(dir_.filePath(QString::fromStdString(picture.file)), "BMP");
  }
}

StandInBattle::StandInBattle(AppServices& services)
    : services_(services),
      screen_(services.gv, services.sound, services.switches, services.random, services.screens) {
  setObjectName("Kor_Main");
  setFixedSize(809, 603);
}

void StandInBattle::Form_Activate() {
  services_.sound.CloseAllSnd();
  StartWindowMusic(services_.sound, services_.switches, ProgramFile(services_.gv, snd::MainBGM));
}

void StandInBattle::Win() {
  GameContext ctx{services_.gv, screen_, services_.sound, services_.switches, services_.random,
                  services_.screens};
  ShowStageReward(ctx);
}

void StandInBattle::Lose() { services_.screens.SwitchScreen(ScreenId::Kor_Continue, ScreenId::Kor_Main); }

void StandInBattle::closeEvent(QCloseEvent* event) {
  HandleWindowClose(services_, this, event, [this] {
    services_.sound.CloseEffectSnds();
    services_.sound.CloseSnd(ProgramFile(services_.gv, snd::MainBGM));
  });
}

StandInProgramDir& WindowFixture::SharedProgramDir() {
  static StandInProgramDir dir;
  static const bool battlePictures = (WriteStandInPictures(dir.Path()), true);
  (void)battlePictures;
  return dir;
}

WindowFixture::WindowFixture()
    : factory(
          switches,
          [this](AppServices& s) -> QWidget* {
            battleLoads.emplace_back(s.gv.CharacterIndex, s.gv.StageIndex);
            if (realBattle) return new Kor_Main(s);
            return new StandInBattle(s);
          },
          [this](const QString& file) { reportedFiles.push_back(file); }),
      services{gv, sound, switches, random, dialogs, exit, screens,
               settingsDir.filePath("Tarvo.ini")},
      screens(gv, [this](ScreenId id) { return factory.Create(id); }) {
  FillStartUpState(gv, SharedProgramDir().Path().toStdString());
  factory.Attach(services);
}

WindowFixture::~WindowFixture() { Settle(); }

void WindowFixture::Start() { screens.ShowFirst(ScreenId::Kor_Sub); }

void WindowFixture::Settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

Kor_Sub& WindowFixture::Title() const {
  auto* title = dynamic_cast<Kor_Sub*>(Window(ScreenId::Kor_Sub));
  if (!title) throw std::logic_error("the title is not loaded");
  return *title;
}

StandInBattle& WindowFixture::Battle() const {
  auto* battle = dynamic_cast<StandInBattle*>(Window(ScreenId::Kor_Main));
  if (!battle) throw std::logic_error("the battle screen is not loaded");
  return *battle;
}

ScreenId WindowFixture::Shown() const {
  std::vector<ScreenId> shown;
  for (int i = 0; i <= static_cast<int>(ScreenId::Kor_OmakeCG2D); ++i)
    if (screens.IsShown(static_cast<ScreenId>(i))) shown.push_back(static_cast<ScreenId>(i));
  if (shown.size() != 1) {
    ADD_FAILURE() << shown.size() << " windows on screen";
    return shown.empty() ? ScreenId::Kor_Sub : shown.front();
  }
  return shown.front();
}

QAbstractButton* WindowFixture::Button(ScreenId id, const char* name) const {
  QWidget* window = Window(id);
  if (!window) throw std::logic_error(std::string("no window for control ") + name);
  auto* button = window->findChild<QAbstractButton*>(name);
  if (!button) throw std::logic_error(std::string("no control ") + name);
  return button;
}

void WindowFixture::Click(ScreenId id, const char* name) {
  QAbstractButton* button = Button(id, name);
  EXPECT_TRUE(button->isVisible()) << name << " is clicked while hidden";
  QTest::mouseClick(button, Qt::LeftButton);
  Settle();
}

void WindowFixture::MouseClick(QWidget* target) {
  // The middle of the part the player can see: a scrolled picture reaches
  // far above the window.
  const QRect seen = target->visibleRegion().boundingRect();
  MouseClickAt(target, seen.isEmpty() ? target->rect().center() : seen.center());
}

void WindowFixture::MouseClickAt(QWidget* target, QPoint where) {
  QTest::mouseClick(target, Qt::LeftButton, {}, where);
  Settle();
}

void WindowFixture::MouseClick(ScreenId id, const char* pictureName) {
  QWidget* window = Window(id);
  if (!window) throw std::logic_error(std::string("no window for picture ") + pictureName);
  auto* picture = window->findChild<QWidget*>(pictureName);
  if (!picture) throw std::logic_error(std::string("no picture ") + pictureName);
  MouseClick(picture);
}

std::string WindowFixture::SettingsFileText() const {
  QFile file(services.settingsPath);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll().toStdString();
}

void WindowFixture::WriteSettingsFile(const std::string& text) {
  QFile file(services.settingsPath);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(text.data(), static_cast<qint64>(text.size()));
}

std::vector<std::string> WindowFixture::TakeSoundCalls() {
  std::vector<std::string> calls;
  calls.swap(sound.calls);
  return calls;
}

}  // namespace vantrel::testing

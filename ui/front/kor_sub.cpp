#include "ui/front/kor_sub.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QPainter>

#include "engine/progression.h"
#include "engine/vocabulary.h"
#include "ui/front/front_pictures.h"
#include "ui/front/picture_controls.h"
#include "ui/front/settings_access.h"
#include "ui/shell/pictures.h"

namespace vantrel {
namespace {

QPixmap Picture(const AppServices& services, std::string_view relative) {
  return QPixmap::fromImage(LoadPicture(QString::fromStdString(services.gv.AppPath), relative));
}

PictureButton* MakeButton(QWidget* parent, const char* name, const QPixmap& face, QRect place) {
  auto* button = new PictureButton(face, parent);
  button->setObjectName(name);
  button->setGeometry(place);
  return button;
}

// The check boxes have no captions: their labels are part of the background.
QCheckBox* MakeCheckBox(QWidget* parent, const char* name, QRect place) {
  auto* box = new QCheckBox(parent);
  box->setObjectName(name);
  box->setGeometry(place);
  return box;
}

}  // namespace

Kor_Sub::Kor_Sub(AppServices& services) : services_(services) {
  // Every picture is read before any control exists, so a missing file
  // leaves nothing half built.
  background_ = Picture(services, pic::TitleBack);
  const QPixmap chara0 = Picture(services, pic::TitleChara0);
  const QPixmap chara1 = Picture(services, pic::TitleChara1);
  const QPixmap chara2 = Picture(services, pic::TitleChara2);
  const QPixmap cgMode = Picture(services, pic::TitleCGMode);
  const QPixmap quit = Picture(services, pic::TitleQuit);

  setObjectName("Kor_Sub");
  setWindowTitle(QString::fromUtf8(text::WindowCaption.data(), text::WindowCaption.size()));
  setFixedSize(800, 600);

  // From top to bottom the characters 0, 2 and 1.
  command4_ = MakeButton(this, "Command4", chara0, {523, 183, 264, 58});
  command6_ = MakeButton(this, "Command6", chara2, {523, 245, 264, 58});
  command5_ = MakeButton(this, "Command5", chara1, {523, 306, 264, 58});
  commandOmake_ = MakeButton(this, "Command_Omake", cgMode, {523, 413, 265, 44});
  commandOmake_->hide();
  checkSE_ = MakeCheckBox(this, "CheckSE", {540, 475, 13, 13});
  checkBGM_ = MakeCheckBox(this, "CheckBGM", {667, 477, 11, 10});
  lowSpecMode_ = MakeCheckBox(this, "LowSpecMode", {541, 522, 13, 12});
  command2_ = MakeButton(this, "Command2", quit, {523, 551, 265, 44});

  connect(command4_, &QAbstractButton::clicked, this, [this] { StartMatchAgainst(0); });
  connect(command5_, &QAbstractButton::clicked, this, [this] { StartMatchAgainst(1); });
  connect(command6_, &QAbstractButton::clicked, this, [this] { StartMatchAgainst(2); });
  connect(commandOmake_, &QAbstractButton::clicked, this,
          [this] { services_.screens.OpenFromTitle(ScreenId::Kor_OmakeMode); });
  connect(command2_, &QAbstractButton::clicked, this, [this] { Quit(); });

  const auto store = [this](QCheckBox* box, std::string_view key, std::string_view section) {
    connect(box, &QCheckBox::clicked, this, [this, key, section](bool checked) {
      StoreSetting(services_, checked ? setting::On : setting::Off, key, section);
    });
  };
  store(checkBGM_, setting::BGM, setting::Sound);
  store(checkSE_, setting::SE, setting::Sound);
  store(lowSpecMode_, setting::LOW, setting::SPEC);
}

void Kor_Sub::Form_Activate() {
  services_.sound.CloseAllSnd();

  // A stored "1" checks a box; nothing here ever unchecks one.
  if (SettingIsSet(services_, setting::BGM, setting::Sound)) checkBGM_->setChecked(true);
  if (SettingIsSet(services_, setting::SE, setting::Sound)) checkSE_->setChecked(true);
  if (SettingIsSet(services_, setting::LOW, setting::SPEC)) lowSpecMode_->setChecked(true);

  const bool allCleared = SettingIsSet(services_, setting::CH0, setting::CLR) &&
                          SettingIsSet(services_, setting::CH1, setting::CLR) &&
                          SettingIsSet(services_, setting::CH2, setting::CLR);
  if (allCleared) commandOmake_->show();  // and it stays for the rest of the run

  // Whoever is back on the title has left the gallery, whatever the file
  // says now: a run started from here must lead on through its stages.
  services_.gv.GalleryMode = false;
}

bool Kor_Sub::CheckSE() const { return checkSE_->isChecked(); }
bool Kor_Sub::CheckBGM() const { return checkBGM_->isChecked(); }
bool Kor_Sub::LowSpecMode() const { return lowSpecMode_->isChecked(); }

void Kor_Sub::StartMatchAgainst(int character) {
  ChooseCharacter(services_.gv, character);
  OpenBattleScreen();
}

void Kor_Sub::OpenBattleScreen() { services_.screens.OpenFromTitle(ScreenId::Kor_Main); }

void Kor_Sub::Quit() {
  services_.sound.CloseAllSnd();
  services_.exit.EndProgram();
}

void Kor_Sub::closeEvent(QCloseEvent* event) {
  // The title alone ends the program without a question.
  event->accept();
  Quit();
}

void Kor_Sub::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, background_);
}

}  // namespace vantrel

#include "ui/battle/kor_main.h"

#include <QAction>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>

#include <cmath>
#include <cstring>
#include <stdexcept>

#include "engine/vocabulary.h"
#include "gfx/paint_effects.h"
#include "ui/battle/battle_layout.h"
#include "ui/battle/image_box.h"
#include "ui/battle/map_grid.h"
#include "ui/shell/pictures.h"

namespace vantrel {
namespace {

namespace layout = battle_layout;

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// Pictures that belong to the window itself rather than to the match.
constexpr std::string_view BackgroundFile = "\\img\\Main-Back.bmp";
constexpr std::string_view StripFile = "\\img\\Main-Strip.bmp";
constexpr std::string_view PlayerShotIcon = "\\img\\Icon-Shot_P.bmp";
constexpr std::string_view CpShotIcon = "\\img\\Icon-Shot_E.bmp";
constexpr std::string_view CommandIcon = "\\img\\Icon-Siki.bmp";
constexpr std::string_view CombatIcon = "\\img\\Icon-Sen.bmp";

const QColor Yellow(255, 255, 0);
const QColor White(255, 255, 255);
// What a picture box shows where no picture covers it.
const QColor PictureBoxBack(240, 240, 240);

// Copies `tile` into the top-left corner of `back`, row by row.
void PlaceAtTopLeft(QImage& back, const QImage& tile) {
  const QImage& source =
      tile.format() == back.format() ? tile : tile.convertToFormat(back.format());
  const int w = std::min(back.width(), source.width());
  const int h = std::min(back.height(), source.height());
  const auto bytes = static_cast<std::size_t>(w) * 4;
  for (int y = 0; y < h; ++y) std::memcpy(back.scanLine(y), source.constScanLine(y), bytes);
}

}  // namespace

Kor_Main::BoxOpen::BoxOpen(Kor_Main& window) : window_(window) {
  for (GameTimer* t : {&window_.CpTurn_, &window_.TimerMsg_, &window_.CharaPicTimer_}) t->Pause();
}

Kor_Main::BoxOpen::~BoxOpen() {
  for (GameTimer* t : {&window_.CpTurn_, &window_.TimerMsg_, &window_.CharaPicTimer_}) t->Resume();
}

Kor_Main::Kor_Main(AppServices& app)
    : app_(app),
      banner_(app.gv),
      portrait_(app.gv),
      CpTurn_(this, "CpTurn", Qt::CoarseTimer, [this] { CpTurn_Timer(); }),
      TimerMsg_(this, "TimerMsg", Qt::PreciseTimer, [this] { TimerMsg_Timer(); }),
      CharaPicTimer_(this, "CharaPicTimer", Qt::PreciseTimer, [this] { CharaPicTimer_Timer(); }),
      TimerSnd_(this, "TimerSnd", Qt::CoarseTimer, [this] { TimerSnd_Timer(); }),
      events_(GameContext{app.gv, *this, app.sound, app.switches, app.random, app.screens}) {
  setObjectName("Kor_Main");
  BuildControls();
  LoadWindowPictures();
  events_.Load();
  CharaPicTimer_.SetInterval(PortraitReaction::CharaPicInterval);
  TimerSnd_.SetInterval(TimerSndInterval);
  // The pacing clock runs from the load to the close: deployment starts on
  // its first tick.
  CpTurn_.SetInterval(CpTurnInterval);
  CpTurn_.SetEnabled(true);
}

Kor_Main::~Kor_Main() = default;

// ---------------------------------------------------------------- controls

QLabel* Kor_Main::AddLabel(const char* name, const QRect& pixels, int points, bool yellow) {
  auto* label = new QLabel(surface_);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  QFont font;
  font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic")});
  font.setBold(true);
  font.setPixelSize(layout::PointsToPixels(points, scale_));
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, yellow ? Yellow : White);
  label->setPalette(palette);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  // A caption box lower than its font would cut the letters off at the
  // bottom; it grows downwards to the font's height instead.
  QRect rect = pixels;
  rect.setHeight(std::max(rect.height(), QFontMetrics(font).height()));
  label->setGeometry(rect);
  return label;
}

ImageBox* Kor_Main::AddImage(const char* name, int leftTwips, int topTwips, int sizeTwips) {
  auto* image = new ImageBox(surface_, QString::fromLatin1(name));
  image->setGeometry(layout::ToPixels({leftTwips, topTwips, sizeTwips, sizeTwips}, scale_));
  return image;
}

void Kor_Main::BuildControls() {
  setWindowTitle(Q(text::WindowCaption));

  QMenuBar* menu = menuBar();
  QFont menuFont = menu->font();
  menuFont.setFamilies({menuFont.family(), QStringLiteral("IPAPGothic")});
  menu->setFont(menuFont);
  auto addCommand = [&](const char* name, std::string_view caption, void (Kor_Main::*handler)()) {
    QAction* action = menu->addAction(Q(caption));
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
  };
  addCommand("EndGame", text::MenuEndGame, &Kor_Main::EndGame_Click);
  addCommand("RetTitle", text::MenuRetTitle, &Kor_Main::RetTitle_Click);
  addCommand("Surrender", text::MenuSurrender, &Kor_Main::Surrender_Click);

  surface_ = new ImageBox(this, QStringLiteral("ClientArea"), QColor(0, 0, 0));
  surface_->setFixedSize(layout::TwipsToPixelsX(layout::ClientWidth, scale_),
                         layout::TwipsToPixelsY(layout::ClientHeight, scale_));
  setCentralWidget(surface_);
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  // Children are stacked in the order they are made, each above the ones
  // before: the banner comes first, so that on its way down it slides
  // behind the decorative strip and the player's map.
  auto banner = [&](LabelName name, const char* objectName, const layout::TwipsRect& rect) {
    QLabel* label = AddLabel(objectName, layout::ToPixels(rect, scale_), layout::BannerPoints, true);
    label->setAlignment(Qt::AlignCenter);
    labels_[static_cast<std::size_t>(name)] = label;
    return label;
  };
  banner(LabelName::Label_Msg, "Label_Msg", layout::Label_Msg);
  banner(LabelName::Label_Command, "Label_Command", layout::Label_Command)->hide();

  auto iconRow = [&](IconRow row, const char* name, auto lefts, int top, int size) {
    auto& icons = icons_[static_cast<std::size_t>(row)];
    for (std::size_t i = 0; i < lefts.size(); ++i) {
      const std::string objectName = std::string(name) + "(" + std::to_string(i) + ")";
      icons.push_back(AddImage(objectName.c_str(), lefts[i], top, size));
    }
  };
  iconRow(IconRow::ImageRemShot_E, "ImageRemShot_E", layout::ImageRemShot_E_Left,
          layout::ImageRemShot_Top, layout::ShotIconSize);
  iconRow(IconRow::ImageRemShot_P, "ImageRemShot_P", layout::ImageRemShot_P_Left,
          layout::ImageRemShot_Top, layout::ShotIconSize);

  Picture1_ = new ImageBox(surface_, QStringLiteral("Picture1"), PictureBoxBack);
  Picture1_->setGeometry(layout::ToPixels(layout::Picture1, scale_));

  auto grid = [&](GridName name, const char* objectName, int left, int top) {
    auto* g = new MapGrid(surface_, QString::fromLatin1(objectName), scale_);
    g->move(layout::TwipsToPixelsX(left, scale_), layout::TwipsToPixelsY(top, scale_));
    grids_[static_cast<std::size_t>(name)] = g;
  };
  grid(GridName::FG_M, "FG_M", layout::FG_M_Left, layout::FG_M_Top);
  grid(GridName::FG_E, "FG_E", layout::FG_E_Left, layout::FG_E_Top);
  Grid(GridName::FG_E).onClick = [this] { events_.FG_E_Click(); };
  Grid(GridName::FG_M).onClick = [this] { events_.FG_M_Click(); };

  CharaImg_ = new ImageBox(surface_, QStringLiteral("CharaImg"));
  CharaImg_->setGeometry(layout::ToPixels(layout::CharaImg, scale_));

  auto label = [&](const char* name, const layout::TwipsRect& rect, int points, bool yellow,
                   std::string_view caption) {
    QLabel* l = AddLabel(name, layout::ToPixels(rect, scale_), points, yellow);
    l->setText(Q(caption));
    return l;
  };
  labels_[static_cast<std::size_t>(LabelName::StageNo)] =
      label("StageNo", layout::StageNo, layout::BannerPoints, true, "");

  label("Label7", layout::Label7, layout::CaptionPoints, true, "< PLAYER >");
  label("Label6", layout::Label6, layout::CaptionPoints, false, "指令機");
  iconRow(IconRow::ImageRemSiki_M, "ImageRemSiki_M", layout::ImageRemSiki_M_Left,
          layout::ImageRemSiki_M_Top, layout::UnitIconSize);
  label("Label5", layout::Label5, layout::CaptionPoints, false, "戦闘車");
  iconRow(IconRow::ImageRemSen_M, "ImageRemSen_M", layout::ImageRemSen_M_Left,
          layout::ImageRemSen_M_Top, layout::UnitIconSize);

  auto* line = new ImageBox(surface_, QStringLiteral("Line1"), White);
  const int x1 = layout::TwipsToPixelsX(layout::Line1_X1, scale_);
  line->setGeometry(x1, layout::TwipsToPixelsY(layout::Line1_Y, scale_),
                    layout::TwipsToPixelsX(layout::Line1_X2, scale_) - x1, 1);

  label("Label4", layout::Label4, layout::CaptionPoints, true, "< CP >");
  label("LabelRemSiki", layout::LabelRemSiki, layout::CaptionPoints, false, "指令機");
  iconRow(IconRow::ImageRemSiki_E, "ImageRemSiki_E", layout::ImageRemSiki_E_Left,
          layout::ImageRemSiki_E_Top, layout::UnitIconSize);
  label("LabelRemSen", layout::LabelRemSen, layout::CaptionPoints, false, "攻撃機");
  iconRow(IconRow::ImageRemSen_E, "ImageRemSen_E", layout::ImageRemSen_E_Left,
          layout::ImageRemSen_E_Top, layout::UnitIconSize);

  // Status readouts, right of the client area where the player never sees them.
  labels_[static_cast<std::size_t>(LabelName::CharaNo)] =
      label("CharaNo", layout::CharaNo, layout::CaptionPoints, false, "");
  labels_[static_cast<std::size_t>(LabelName::PLShot)] =
      label("PLShot", layout::PLShot, layout::CaptionPoints, false, "");
  labels_[static_cast<std::size_t>(LabelName::CPShot)] =
      label("CPShot", layout::CPShot, layout::CaptionPoints, false, "");
}

void Kor_Main::LoadWindowPictures() {
  const QString dir = QString::fromStdString(app_.gv.AppPath);
  surface_->SetPicture(LoadPicture(dir, BackgroundFile));
  Picture1_->SetPicture(LoadPicture(dir, StripFile));
  const auto fill = [&](IconRow row, std::string_view file) {
    const QImage icon = LoadPicture(dir, file);
    for (ImageBox* image : icons_[static_cast<std::size_t>(row)]) image->SetPicture(icon);
  };
  fill(IconRow::ImageRemShot_P, PlayerShotIcon);
  fill(IconRow::ImageRemShot_E, CpShotIcon);
  fill(IconRow::ImageRemSiki_M, CommandIcon);
  fill(IconRow::ImageRemSiki_E, CommandIcon);
  fill(IconRow::ImageRemSen_M, CombatIcon);
  fill(IconRow::ImageRemSen_E, CombatIcon);
}

// ---------------------------------------------------------------- the load

void Kor_Main::SetUpGrid(MapGrid& grid) {
  grid.SetCols(MapColumns);
  grid.SetRows(MapRows);
  const int L = grid.GridLineWidth();
  const auto N = static_cast<std::int32_t>(std::lround(L + 28.8));
  for (int c = 0; c < grid.Cols(); ++c) grid.SetColWidth(c, PixelsToTwipsX(N, scale_));
  for (int r = 0; r < grid.Rows(); ++r) grid.SetRowHeight(r, PixelsToTwipsY(N, scale_));
  // The size counts the grid lines as plain numbers; at one line pixel this
  // is the width of the columns plus the grid's own frame.
  grid.SetSizeTwips(grid.Cols() * grid.ColWidth(0) + (grid.Cols() - 1) * L,
                    grid.Rows() * grid.RowHeight(0) + (grid.Rows() - 1) * L);
}

void Kor_Main::SetUpGrids() {
  SetUpGrid(Grid(GridName::FG_E));
  SetUpGrid(Grid(GridName::FG_M));
  LoadMapTiles(Grid(GridName::FG_E), PicClipWork_[1], img::CpMap);
  LoadMapTiles(Grid(GridName::FG_M), PicClipWork_[0], img::PlayerMap);
}

void Kor_Main::LoadMapTiles(MapGrid& grid, PictureStrip& strip, std::string_view fileName) {
  strip.SetCols(grid.Cols());
  strip.SetRows(grid.Rows());
  const QString dir = QString::fromStdString(app_.gv.AppPath);
  strip.Load(LoadPicture(dir, fileName), QString::fromStdString(ProgramFile(app_.gv, fileName)));
  for (std::int16_t r = 0; r < grid.Rows(); ++r)
    for (std::int16_t c = 0; c < grid.Cols(); ++c) {
      grid.SetCurrent(Cell{c, r});
      grid.SetCellPicture(strip.GraphicCell(CellToIndex(Cell{c, r}, static_cast<std::int16_t>(grid.Cols()))));
    }
}

void Kor_Main::LoadUnitSprites() {
  const MapGrid& cpMap = Grid(GridName::FG_E);
  const int w = layout::TwipsToPixelsX(2 * cpMap.ColWidth(0), scale_);
  const int h = layout::TwipsToPixelsY(2 * cpMap.RowHeight(0), scale_);
  // PicTransFront only ever holds one sprite picture; PicTransBack is the
  // surface the cell is composed on, twice a cell in each direction.
  PicTransBack_ = QImage(w, h, QImage::Format_RGB32);
  PicTransBack_.fill(PictureBoxBack);
  PicClipUnit_.SetRows(1);
  PicClipUnit_.SetCols(10);
  PicClipUnit_.Load(LoadPicture(QString::fromStdString(app_.gv.AppPath), img::Sprites),
                    QString::fromStdString(ProgramFile(app_.gv, img::Sprites)));
}

void Kor_Main::LoadCharacterPortrait() {
  const CharacterProfile& character =
      app_.gv.CharacterTable.at(static_cast<std::size_t>(app_.gv.CharacterIndex));
  PicClipChara_.SetRows(1);
  PicClipChara_.SetCols(3);
  PicClipChara_.Load(LoadPicture(QString::fromStdString(app_.gv.AppPath), character.PortraitFile),
                     QString::fromStdString(ProgramFile(app_.gv, character.PortraitFile)));
  portrait_.Reset();
  CharaImg_->SetPicture(PicClipChara_.GraphicCell(0));
}

// ---------------------------------------------------------------- cells

int Kor_Main::SpriteCellFor(std::string_view code) {
  if (code == cell::Miss) return 0;
  if (code == cell::Adjacent) return 1;
  if (code == cell::CombatDestroyed) return 2;
  if (code == cell::CommandDestroyed) return 3;
  if (code == cell::Combat) return 4;
  if (code == cell::Command) return 5;
  return 0;
}

void Kor_Main::DrawCell(GridName grid, std::int16_t col, std::int16_t row, const std::string& code) {
  MapGrid& target = Grid(grid);
  const std::int16_t tile = CellToIndex(Cell{col, row}, MapColumns);
  // The tile always comes from the map picture of the grid being drawn.
  const PictureStrip& work = target.Name() == QLatin1String("FG_M") ? PicClipWork_[0] : PicClipWork_[1];
  PicTransFront_ = Picture::Bitmap(PicClipUnit_.GraphicCell(SpriteCellFor(code)));
  PlaceAtTopLeft(PicTransBack_, work.GraphicCell(tile));
  OverlayPicture(PicTransFront_, PicTransBack_, SpriteKeyColour);
  target.SetCurrent(Cell{col, row});
  target.SetCellPicture(PicTransBack_);
}

Cell Kor_Main::CurrentCell(GridName grid) const { return Grid(grid).Current(); }

void Kor_Main::SetCurrentCell(GridName grid, Cell cell) { Grid(grid).SetCurrent(cell); }

void Kor_Main::SetCurrentCellColor(GridName grid, Colour colour) { Grid(grid).SetCellBackColor(colour); }

// ---------------------------------------------------------------- labels and icons

void Kor_Main::SetCaption(LabelName label, const std::string& caption) {
  Label(label).setText(QString::fromStdString(caption));
}

void Kor_Main::SetLabelVisible(LabelName label, bool visible) { Label(label).setVisible(visible); }

void Kor_Main::SetIconVisible(IconRow row, int index, bool visible) {
  auto& icons = icons_[static_cast<std::size_t>(row)];
  if (index < 0 || index >= static_cast<int>(icons.size()))
    throw std::out_of_range("no icon " + std::to_string(index));
  icons[static_cast<std::size_t>(index)]->setVisible(visible);
}

// ---------------------------------------------------------------- banner and portrait

void Kor_Main::ShowMessage(const std::string& text) {
  Label(LabelName::Label_Msg).setText(QString::fromStdString(text));
  banner_.Start();
  TimerMsg_.Apply(banner_.Timer());
}

void Kor_Main::MoveBanner() {
  QLabel& label = Label(LabelName::Label_Msg);
  label.move(label.x(), layout::TwipsToPixelsY(banner_.TopTwips(), scale_));
}

void Kor_Main::TimerMsg_Timer() {
  banner_.Tick();
  MoveBanner();
  TimerMsg_.Apply(banner_.Timer());
}

void Kor_Main::ShowReaction(const std::string& expression) {
  const std::string line = portrait_.Start(expression);
  CharaImg_->SetPicture(PicClipChara_.GraphicCell(portrait_.Face()));
  ShowMessage(line);
  CharaPicTimer_.Apply(portrait_.Timer());
}

void Kor_Main::CharaPicTimer_Timer() {
  portrait_.Tick();
  if (!portrait_.Timer().enabled) CharaImg_->SetPicture(PicClipChara_.GraphicCell(portrait_.Face()));
  CharaPicTimer_.Apply(portrait_.Timer());
}

// ---------------------------------------------------------------- match events

void Kor_Main::CpTurn_Timer() { events_.CpTurn_Timer(); }

void Kor_Main::TimerSnd_Timer() { events_.TimerSnd_Timer(); }

void Kor_Main::SetEvent(const std::string& name) { events_.SetEvent(name); }

void Kor_Main::ShowResultBox(const std::string& text) {
  BoxOpen box(*this);
  app_.dialogs.ShowResult(this, QString::fromStdString(text));
}

void Kor_Main::Surrender_Click() { events_.Surrender_Click(); }

// ---------------------------------------------------------------- activation and leaving

void Kor_Main::Form_Activate() {
  if (events_.Activate()) TimerSnd_.SetEnabled(true);
}

bool Kor_Main::AskQuit() {
  BoxOpen box(*this);
  return app_.dialogs.AskQuit(this);
}

void Kor_Main::StopAllTimers() {
  for (GameTimer* t : {&CpTurn_, &TimerMsg_, &CharaPicTimer_, &TimerSnd_}) t->SetEnabled(false);
}

void Kor_Main::QuitProgram() {
  app_.sound.CloseAllSnd();
  StopAllTimers();
  app_.exit.EndProgram();
}

void Kor_Main::EndGame_Click() {
  if (AskQuit()) QuitProgram();
}

void Kor_Main::RetTitle_Click() {
  app_.sound.CloseAllSnd();
  app_.screens.SwitchScreen(ScreenId::Kor_Sub, ScreenId::Kor_Main);
}

void Kor_Main::closeEvent(QCloseEvent* event) {
  if (app_.gv.ScreenSwitching) {
    events_.UnloadForSwitch();
    StopAllTimers();
    event->accept();
    return;
  }
  if (!AskQuit()) {
    event->ignore();  // the match goes on exactly where it was
    return;
  }
  QuitProgram();
  event->accept();
}

}  // namespace vantrel

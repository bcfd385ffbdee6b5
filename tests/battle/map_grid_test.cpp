// The two maps: their cells, clicks, and what a drawn cell shows.
#include "battle_fixture.h"

namespace vantrel::testing {
namespace {

const std::int16_t Cols = 19, Rows = 9;

class MapGrids : public BattleWindowFixture {
 protected:
  void SetUp() override { Open(); }

  // What cell `cell` of `grid` shows, as a picture.
  static QImage Shown(MapGrid& grid, Cell cell) { return grid.grab(grid.CellRect(cell)).toImage().convertToFormat(QImage::Format_RGB32); }

  // The picture a cell should show: its tile with sprite `sprite` over it,
  // cut to the cell.
  QImage Expected(GridName map, Cell cell, std::optional<int> sprite) {
    const QSize size = Grid(map).CellRect(cell).size();
    QImage image(size, QImage::Format_RGB32);
    image.fill(TileColour(map, cell));
    if (sprite)
      for (int y = SpriteMark.top(); y <= SpriteMark.bottom() && y < size.height(); ++y)
        for (int x = SpriteMark.left(); x <= SpriteMark.right() && x < size.width(); ++x)
          image.setPixel(x, y, SpriteColour(*sprite));
    return image;
  }
};

TEST_F(MapGrids, NineteenByNineCellsOfThirtyPixelsAllInSight) {
  for (GridName map : {GridName::FG_E, GridName::FG_M}) {
    MapGrid& grid = Grid(map);
    ASSERT_EQ(grid.Cols(), 19);
    ASSERT_EQ(grid.Rows(), 9);
    EXPECT_EQ(grid.GridLineWidth(), 1);
    for (int c = 0; c < Cols; ++c) EXPECT_EQ(grid.ColWidth(c), 450) << "30 pixels at 15 twips per pixel";
    for (int r = 0; r < Rows; ++r) EXPECT_EQ(grid.RowHeight(r), 450);
    for (std::int16_t r = 0; r < Rows; ++r)
      for (std::int16_t c = 0; c < Cols; ++c) {
        const QRect cell = grid.CellRect(Cell{c, r});
        EXPECT_EQ(cell, QRect(1 + 30 * c, 1 + 30 * r, 29, 29));
        EXPECT_TRUE(grid.rect().contains(cell)) << "every cell in sight, nothing to scroll";
      }
  }
  EXPECT_EQ(Grid(GridName::FG_E).Name(), "FG_E");
  EXPECT_EQ(Grid(GridName::FG_M).Name(), "FG_M");
}

TEST_F(MapGrids, AClickAtTheCentreOfEveryCellSelectsThatCell) {
  MapGrid& grid = Grid(GridName::FG_M);
  std::vector<Cell> clicked;
  grid.onClick = [&] { clicked.push_back(grid.Current()); };
  std::vector<Cell> expected;
  for (std::int16_t r = 0; r < Rows; ++r)
    for (std::int16_t c = 0; c < Cols; ++c) {
      const Cell cell{c, r};
      QTest::mouseClick(&grid, Qt::LeftButton, Qt::NoModifier, QPoint(30 * c + 15, 30 * r + 15));
      expected.push_back(cell);
    }
  EXPECT_EQ(clicked, expected);
}

TEST_F(MapGrids, AClickOnAGridLineOrAcrossTwoCellsSelectsNothing) {
  MapGrid& grid = Grid(GridName::FG_M);
  int clicks = 0;
  grid.onClick = [&] { ++clicks; };
  grid.SetCurrent(Cell{5, 5});
  const QPoint onLines[] = {{30, 45}, {45, 30}, {0, 15}, {15, 0}, {570, 100}, {100, 270}, {300, 240}};
  for (QPoint p : onLines) QTest::mouseClick(&grid, Qt::LeftButton, Qt::NoModifier, p);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(grid.Current(), (Cell{5, 5}));

  QTest::mousePress(&grid, Qt::LeftButton, Qt::NoModifier, QPoint(15, 15));
  QTest::mouseRelease(&grid, Qt::LeftButton, Qt::NoModifier, QPoint(45, 15));
  QTest::mouseClick(&grid, Qt::RightButton, Qt::NoModifier, QPoint(75, 75));
  EXPECT_EQ(clicks, 0) << "press and release on different cells, or another button";
  EXPECT_EQ(grid.Current(), (Cell{5, 5}));

  QTest::mouseClick(&grid, Qt::LeftButton, Qt::NoModifier, QPoint(31, 31));  // first pixel of (1, 1)
  QTest::mouseClick(&grid, Qt::LeftButton, Qt::NoModifier, QPoint(59, 59));  // last pixel of (1, 1)
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(grid.Current(), (Cell{1, 1}));
}

TEST_F(MapGrids, AfterTheLoadEachMapShowsOnlyItsOwnPicture) {
  for (GridName map : {GridName::FG_E, GridName::FG_M}) {
    const QImage shot = Grid(map).grab().toImage();
    for (std::int16_t r = 0; r < Rows; ++r)
      for (std::int16_t c = 0; c < Cols; ++c) {
        const QRect cell = Grid(map).CellRect(Cell{c, r});
        for (QPoint p : {cell.topLeft(), cell.center(), cell.bottomRight()})
          ASSERT_EQ(shot.pixel(p), TileColour(map, Cell{c, r}))
              << "map " << static_cast<int>(map) << " cell " << c << "," << r;
      }
  }
}

TEST_F(MapGrids, EachCodeDrawsItsSpriteOverTheTileOfItsOwnMap) {
  struct Case {
    std::string_view code;
    int sprite;
  };
  const Case table[] = {{cell::Miss, 0},           {cell::Adjacent, 1}, {cell::CombatDestroyed, 2},
                        {cell::CommandDestroyed, 3}, {cell::Combat, 4},   {cell::Command, 5}};
  const Cell where[] = {{0, 0}, {18, 8}, {7, 3}};
  for (GridName map : {GridName::FG_E, GridName::FG_M})
    for (const Case& c : table)
      for (Cell at : where) {
        window->DrawCell(map, at.col, at.row, std::string(c.code));
        EXPECT_EQ(Grid(map).Current(), at);
        EXPECT_EQ(Shown(Grid(map), at), Expected(map, at, c.sprite))
            << c.code << " at " << at.col << "," << at.row << " on map " << static_cast<int>(map);
      }
}

TEST_F(MapGrids, ACellRedrawnShowsOnlyItsNewMarker) {
  MapGrid& cpMap = Grid(GridName::FG_E);
  const Cell at{4, 4};
  window->DrawCell(GridName::FG_E, at.col, at.row, std::string(cell::CombatDestroyed));
  const QImage once = Shown(cpMap, at);
  window->DrawCell(GridName::FG_E, at.col, at.row, std::string(cell::CombatDestroyed));
  EXPECT_EQ(Shown(cpMap, at), once) << "the same code twice gives the same picture";

  window->DrawCell(GridName::FG_E, 5, 4, std::string(cell::Combat));
  window->DrawCell(GridName::FG_E, 5, 4, std::string(cell::CombatDestroyed));
  EXPECT_EQ(Shown(cpMap, Cell{5, 4}), Expected(GridName::FG_E, Cell{5, 4}, 2)) << "markers never pile up";
}

TEST_F(MapGrids, TheBackgroundColourShowsOnlyWhereNoPictureReaches) {
  MapGrid& grid = Grid(GridName::FG_M);
  grid.SetCurrent(Cell{2, 2});
  grid.SetCellBackColor(RGB(255, 255, 0));
  EXPECT_EQ(grid.CellBackColor(Cell{2, 2}), RGB(255, 255, 0));
  EXPECT_EQ(Shown(grid, Cell{2, 2}), Expected(GridName::FG_M, Cell{2, 2}, std::nullopt))
      << "a whole tile covers its cell";
  QImage small(10, 10, QImage::Format_RGB32);
  small.fill(Qt::black);
  grid.SetCellPicture(small);
  const QImage shown = Shown(grid, Cell{2, 2});
  EXPECT_EQ(shown.pixelColor(5, 5), QColor(Qt::black));
  EXPECT_EQ(shown.pixelColor(20, 20), QColor(255, 255, 0));
}

}  // namespace
}  // namespace vantrel::testing

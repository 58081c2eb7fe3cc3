#include "model/display_tables.h"

#include <gtest/gtest.h>

namespace hl {
namespace {

TEST(DisplayTables, LevelColoursFadeFromWhiteToRed) {
  struct Case {
    int index;
    CellColor colour;
  };
  const Case cases[] = {{0, 0x00FFFFFF}, {1, 0x00EFEFFF}, {7, 0x008989FF}, {14, 0x001414FF}, {15, 0x000000FF}};
  for (const Case& c : cases) EXPECT_EQ(levelColours[c.index], c.colour) << "index " << c.index;
}

TEST(DisplayTables, SpreadsheetPaletteSpotChecks) {
  struct Case {
    int index;
    int red, green, blue;
  };
  const Case cases[] = {
      {0, 0, 0, 0},       {1, 0, 0, 0},         {2, 255, 255, 255}, {3, 255, 0, 0},
      {5, 0, 0, 255},     {15, 192, 192, 192},  {18, 51, 153, 102}, {33, 204, 0, 255},
      {43, 204, 153, 0},  {48, 150, 150, 150},  {49, 51, 0, 102},   {56, 51, 51, 51},
  };
  for (const Case& c : cases)
    EXPECT_EQ(spreadsheetPalette[c.index], c.red | c.green << 8 | c.blue << 16) << "index " << c.index;
}

}  // namespace
}  // namespace hl

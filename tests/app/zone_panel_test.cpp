// The zone bar: grid sizes per model and zone, the loop and time settings,
// and the preview width.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "window_fixture.h"

namespace hl::test {
namespace {

class ZonePanel : public ::testing::Test, protected WindowFixture {
 protected:
  TForm2& f = start();
  void lamps(int n) { f.ComboBox4->userSelect(n - 1); }
  void model(int m) { f.ComboBox6->userSelect(m); }
  void tab(int t) { f.TabControl1->userSelectTab(t); }
  const ZoneSettings& settings(int record) { return f.project.zoneSettings(record); }
};

struct GridCase {
  int model, lamps, tab;
  int rows, columns;
};

class GridSizes : public ::testing::TestWithParam<GridCase> {};

TEST_P(GridSizes, FollowModelLampsAndZone) {
  const GridCase& c = GetParam();
  WindowFixture w;
  TForm2& f = w.start();
  f.ComboBox6->userSelect(c.model);
  f.ComboBox4->userSelect(c.lamps - 1);
  if (c.tab) f.TabControl1->userSelectTab(c.tab);
  EXPECT_EQ(f.StringGrid1->rowCount(), c.rows);
  EXPECT_EQ(f.StringGrid1->colCount(), c.columns);
  EXPECT_EQ(f.Label92->caption(), "step number:" + std::to_string(f.project.frameColumns));
}

INSTANTIATE_TEST_SUITE_P(ZonePanel, GridSizes,
                         ::testing::Values(GridCase{0, 1024, 0, 1027, 191},  // 189 frames
                                           GridCase{11, 50, 0, 153, 402},    // brightness rows red, green, blue per lamp
                                           GridCase{11, 50, 1, 53, 403},
                                           GridCase{10, 50, 2, 4, 402},      // one level row
                                           GridCase{10, 50, 6, 53, 797}));   // (122000 - 29) / 153

TEST_F(ZonePanel, FirstModelWithMostLampsShowsItsStepNumber) {
  lamps(1024);
  EXPECT_EQ(f.Label92->caption(), "step number:191");
  EXPECT_EQ(f.StringGrid1->colWidth(1), 10);
  model(10);
  EXPECT_EQ(f.StringGrid1->defaultColWidth(), 25);
  EXPECT_EQ(f.StringGrid1->colWidth(1), 5);
}

TEST_F(ZonePanel, PortPairTabsShareOneSettingsRecord) {
  model(5);
  tab(1);
  f.RadioButton2->userClick();
  EXPECT_EQ(settings(0).loopMode, LoopMode::Counted);
  EXPECT_EQ(settings(1).loopMode, LoopMode::Infinite) << "the odd record is not used";
  tab(0);
  EXPECT_TRUE(f.RadioButton2->checked());
  model(0);
  tab(1);
  f.RadioButton1->userClick();
  EXPECT_EQ(settings(1).loopMode, LoopMode::Once);
  EXPECT_EQ(settings(0).loopMode, LoopMode::Counted) << "standard zones keep their own records";
}

TEST_F(ZonePanel, TheLoopCountBoxTakesDigitsOnlyAndStoresAtOnce) {
  f.Edit6->userSetText("");
  f.Edit6->userType("a1x2!");
  EXPECT_EQ(f.Edit6->text(), "12");
  EXPECT_EQ(settings(0).loopCount, 12);
  f.Edit6->userKeyPress(VK_RETURN);
  EXPECT_EQ(f.Edit6->text(), "12") << "Enter is swallowed too";
}

TEST_F(ZonePanel, EndActionAndDefaultTimesGoToTheZoneShown) {
  tab(2);
  f.ComboBox11->userSelect(2);
  f.time3->userSelect(4);  // "5"
  f.timeT3->userSelect(1);  // "s"
  EXPECT_EQ(settings(2).endAction, EndAction::AllOff);
  EXPECT_EQ(settings(2).defaultTimes[2], (DefaultTime{5, DefaultTimeUnit::Seconds}));
  EXPECT_EQ(settings(0).defaultTimes[2], (DefaultTime{600, DefaultTimeUnit::Milliseconds}));
}

TEST_F(ZonePanel, LeavingAnEmptyTimeBoxStoresTen) {
  f.timeT4->userSelect(2);  // "min"
  f.time4->userSetText("");
  ASSERT_EQ(errorBoxes(), 1u) << "the empty box is not a number while typing";
  EXPECT_EQ(settings(0).defaultTimes[3].value, 400);
  f.time4->userExit();
  EXPECT_EQ(f.time4->text(), "10");
  EXPECT_EQ(settings(0).defaultTimes[3], (DefaultTime{10, DefaultTimeUnit::Minutes}));
}

TEST_F(ZonePanel, LeavingTheFirstTimeBoxEmptyKeepsItsValue) {
  f.time1->userSetText("");
  f.time1->userExit();
  EXPECT_EQ(errorBoxes(), 2u);
  EXPECT_EQ(dialogs.shown().back().text, "'' is not a valid integer value");
  EXPECT_EQ(settings(0).defaultTimes[0].value, 1000);
  EXPECT_EQ(f.time1->text(), "");
}

TEST_F(ZonePanel, TextThatIsNotANumberLeavesTheStoredValue) {
  f.Edit6->userSetText("3");
  f.Edit6->userSetText("3x");
  EXPECT_EQ(errorBoxes(), 1u);
  EXPECT_EQ(settings(0).loopCount, 3);
  f.RadioButton1->userClick();
  EXPECT_EQ(settings(0).loopMode, LoopMode::Once) << "stored before the count failed";
  EXPECT_EQ(settings(0).loopCount, 3);
}

TEST_F(ZonePanel, ALampCountAboveTheModelsMaximumIsLowered) {
  model(2);
  f.ComboBox4->userSetText("500");
  EXPECT_EQ(f.ComboBox4->text(), "120");
  EXPECT_EQ(f.StringGrid1->rowCount(), 123);
  f.ComboBox4->userSetText("0");
  EXPECT_EQ(f.ComboBox4->text(), "1");
}

TEST_F(ZonePanel, ShowingZonesStoresNothingNew) {
  model(0);
  tab(3);
  f.RadioButton2->userClick();
  f.Edit6->userSetText("7");
  f.ComboBox11->userSelect(1);
  f.timeT2->userSelect(2);
  std::vector<ZoneSettings> before;
  for (int z = 0; z < kZoneSlots; ++z) before.push_back(settings(z));
  for (int t : {0, 3, 1, 5, 3, 2, 0}) tab(t);
  for (int z = 0; z < kZoneSlots; ++z) EXPECT_EQ(settings(z), before[z]) << "record " << z;
  EXPECT_EQ(f.Edit6->text(), "0");
  tab(3);
  EXPECT_EQ(f.Edit6->text(), "7");
  EXPECT_EQ(f.timeT2->text(), "min");
  EXPECT_EQ(f.BitBtn7->caption(), "[4]area Send");
}

TEST_F(ZonePanel, ThePreviewWidthFollowsAFallingLampCount) {
  lamps(100);
  f.ComboBox9->userSelect(49);
  lamps(20);
  EXPECT_EQ(f.ComboBox9->text(), "20");
  EXPECT_EQ(f.ComboBox9->items().size(), 20u);
}

struct LengthCase {
  int lamps, width;
  std::string caption;
};

TEST_F(ZonePanel, PreviewLengthRoundsHalvesToEven) {
  const LengthCase cases[] = {{1024, 36, "long：28"}, {90, 36, "long：2"}, {126, 36, "long：4"}, {10, 3, "long：3"}};
  for (const LengthCase& c : cases) {
    lamps(c.lamps);
    f.ComboBox9->userSelect(c.width - 1);
    EXPECT_EQ(f.Label3->caption(), c.caption) << c.lamps << "/" << c.width;
  }
  EXPECT_EQ(f.previewLamps.size(), 10u);
}

TEST_F(ZonePanel, ThePreviewCaptionIsChineseBeforeTheFirstGridSetUp) {
  f.project.englishCaptions = 0;
  f.ComboBox9->userSelect(0);
  EXPECT_EQ(f.Label3->caption(), "预览长：1");
}

TEST_F(ZonePanel, ABadPreviewWidthKeepsTheOldLamps) {
  lamps(10);
  const auto lampsBefore = f.previewLamps;
  f.ComboBox9->userSetText("0");
  f.ComboBox9->userSetText("w");
  EXPECT_EQ(errorBoxes(), 2u);
  EXPECT_EQ(f.previewLamps, lampsBefore);
}

TEST_F(ZonePanel, TheTextImportPanelFollowsItsCheckBox) {
  f.CheckBox4->userClick();
  EXPECT_TRUE(f.GroupBox1->visible());
  f.CheckBox4->userClick();
  EXPECT_FALSE(f.GroupBox1->visible());
}

TEST_F(ZonePanel, TheTimeEditorsWriteTheClickedColumn) {
  f.clickedCell = {5, 2};
  f.TimeComb->setItems({"-", "ms", "s", "min"});
  f.TimeComb->show();
  f.TimeComb->userSelect(2);
  EXPECT_EQ(f.project.frameTime(0, 5), (FrameTime{1, TimeUnit::Seconds}));
  EXPECT_FALSE(f.TimeComb->visible());
  f.TimeComb2->show();
  f.TimeComb2->userSetText("7");
  EXPECT_EQ(f.project.frameTime(0, 5), (FrameTime{7, TimeUnit::Seconds}));
  EXPECT_FALSE(f.TimeComb2->visible());
  f.clickedCell = {-1, -1};
  f.TimeComb2->userSetText("8");
  EXPECT_EQ(errorBoxes(), 0u) << "no column is no write and no error";
}

}  // namespace
}  // namespace hl::test

// Choosing a controller model in the window: tabs, limits, upload values and
// the extra controls each model brings.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "window_fixture.h"

namespace hl::test {
namespace {

struct ProfileCase {
  int model;
  std::vector<std::string> tabsGB;
  std::string tabEnglish0, tabBig5Last;
  int lampLimit;  // as the lamp count is lowered from 1024
  bool lampsFixed;
  FamilyMode family;
  int blockSize;
  int lastUploadZone;  // after switching from model 0, which leaves 5
  bool allZonesSend;
  bool trigger, zoneMode, pairSelector, rgbw, chip;
};

class ApplyingAProfile : public ::testing::TestWithParam<ProfileCase> {};

std::vector<std::string> tabsIn(TForm2& f, const std::string& code, int model) {
  f.languageCode = code;
  f.ComboBox6->userSelect(model);
  return f.TabControl1->tabs();
}

TEST_P(ApplyingAProfile, SetsTabsLimitsUploadValuesAndExtraControls) {
  const ProfileCase& c = GetParam();
  WindowFixture w;
  TForm2& f = w.start();
  f.ComboBox4->userSelect(1023);  // 1024 lamps
  EXPECT_EQ(tabsIn(f, "ChineseGB", c.model), c.tabsGB);
  EXPECT_EQ(tabsIn(f, "English", c.model).front(), c.tabEnglish0);
  EXPECT_EQ(tabsIn(f, "ChineseBIG5", c.model).back(), c.tabBig5Last);
  EXPECT_EQ(f.ComboBox4->text(), std::to_string(c.lampLimit));
  EXPECT_EQ(f.ComboBox4->enabled(), !c.lampsFixed);
  EXPECT_EQ(f.project.familyMode, c.family);
  EXPECT_EQ(f.project.blockSize, c.blockSize);
  EXPECT_EQ(f.project.lastUploadZone, c.lastUploadZone);
  EXPECT_EQ(f.BitBtn5->enabled(), c.allZonesSend);
  EXPECT_EQ(f.BitBtn12->visible(), c.trigger);
  EXPECT_EQ(f.BitBtnfeiqu->visible(), c.zoneMode);
  EXPECT_EQ(f.ComboBox10->enabled(), c.pairSelector);
  EXPECT_FALSE(f.ComboBox10->visible()) << "the pair selector stays hidden";
  EXPECT_EQ(f.CheckBox9->visible(), c.rgbw);
  EXPECT_EQ(f.BitBtn16->visible(), c.chip);
  EXPECT_EQ(f.TabControl1->tabIndex(), 0);
  EXPECT_EQ(f.project.currentZone, 0);
  for (TControl* hidden : std::initializer_list<TControl*>{f.GroupBox10, f.GroupBox12, f.GroupBox13, f.Label25})
    EXPECT_FALSE(hidden->visible()) << hidden->name();
  EXPECT_EQ(w.errorBoxes(), 0u);
}

const std::vector<std::string> kTwoGB = {"第1分区", "第2分区"};
const std::vector<std::string> kTwoPorts = {"第1 thoroughfare", "第2 thoroughfare"};
using F = FamilyMode;

INSTANTIATE_TEST_SUITE_P(
    EveryModel, ApplyingAProfile,
    ::testing::Values(
        ProfileCase{0, {"第1分区", "第2分区", "第3分区", "第4分区", "第5分区", "第6分区"}, "st 1 partition", "第6分區", 1024, false, F::Standard, 500, 5, true, false, false, false, false, false},
        ProfileCase{1, {"第1分区"}, "st 1 partition", "第1分區", 1024, false, F::Standard, 500, 5, false, false, false, false, false, false},
        ProfileCase{2, {"第1分区"}, "st 1 partition", "第1分區", 120, false, F::Standard, 500, 0, false, false, false, false, false, false},
        ProfileCase{3, kTwoGB, "st 1 partition", "第2分區", 512, false, F::Standard, 500, 1, true, false, false, false, false, false},
        ProfileCase{4, {"第1分区"}, "st 1 partition", "第1分區", 1024, false, F::Standard, 500, 0, false, false, false, false, false, false},
        ProfileCase{5, kTwoPorts, "st 1 thoroughfare", "第2 thoroughfare", 1024, false, F::PortPairs, 1500, 1, false, false, false, true, false, false},
        ProfileCase{6, kTwoPorts, "st 1 thoroughfare", "第2 thoroughfare", 1024, false, F::PortPairs, 1500, 1, false, false, false, true, false, false},
        ProfileCase{7, {"第1分区"}, "st 1 partition", "第1分區", 300, false, F::Standard, 1500, 1, false, false, false, false, false, false},
        ProfileCase{8, kTwoGB, "st 1 partition", "第2分區", 512, false, F::Standard, 1500, 2, true, true, false, false, false, false},
        ProfileCase{9, {"第1分区", "第2分区", "第3分区", "第4分区"}, "st 1 partition", "第4分區", 512, false, F::Standard, 1500, 4, true, true, false, false, false, false},
        ProfileCase{10, {"第1单分区", "第2单分区", "第3单分区", "第4单分区", "第5单分区", "第1幻分区", "第2幻分区", "第3幻分区", "第4幻分区"}, "st 1单 partition", "第4幻分區", 50, true, F::SingleBank, 200, 8, true, false, true, false, false, false},
        ProfileCase{11, {"第1单分区", "第1幻分区", "第2单分区", "第2幻分区", "第3单分区", "第3幻分区", "第4单分区", "第4幻分区"}, "st 1单 partition", "第4幻分區", 50, true, F::SingleAlternate, 200, 8, true, false, false, false, false, false},
        ProfileCase{12, kTwoPorts, "st 1 thoroughfare", "第2 thoroughfare", 256, false, F::Standard, 700, 1, true, true, false, false, false, false},
        ProfileCase{13, {"第1 thoroughfare"}, "st 1 thoroughfare", "第1 thoroughfare", 30, true, F::Standard, 55, 1, true, true, false, false, false, false},
        ProfileCase{14, kTwoGB, "st 1 partition", "第2分區", 170, false, F::Standard, 1500, 2, true, true, false, false, true, false},
        ProfileCase{15, kTwoGB, "st 1 partition", "第2分區", 384, false, F::Standard, 1500, 2, true, true, false, false, false, true}),
    [](const auto& info) { return "Model" + std::to_string(info.param.model); });

class ModelSwitches : public ::testing::Test, protected WindowFixture {
 protected:
  TForm2& f = start();
  void lamps(int n) { f.ComboBox4->userSelect(n - 1); }
  void model(int m) { f.ComboBox6->userSelect(m); }
};

TEST_F(ModelSwitches, ALoweredLampCountStaysLowAfterSwitchingBack) {
  lamps(600);
  model(2);
  EXPECT_EQ(f.ComboBox4->text(), "120");
  model(0);
  EXPECT_EQ(f.ComboBox4->text(), "120");
}

TEST_F(ModelSwitches, AFixedCountDisablesTheListUntilAModelWithoutOne) {
  model(13);
  EXPECT_EQ(f.ComboBox4->text(), "30");
  EXPECT_FALSE(f.ComboBox4->enabled());
  model(0);
  EXPECT_TRUE(f.ComboBox4->enabled());
  EXPECT_EQ(f.ComboBox4->text(), "30");
}

TEST_F(ModelSwitches, TheRgbwSwitchLowersTheDmxModelsLimit) {
  lamps(150);
  model(14);
  EXPECT_EQ(f.ComboBox4->text(), "150") << "within 170 without RGBW";
  f.CheckBox9->userClick();
  EXPECT_EQ(f.ComboBox4->text(), "128");
  EXPECT_EQ(f.StringGrid1->rowCount(), 131);
  f.CheckBox9->userClick();
  EXPECT_EQ(f.ComboBox4->text(), "128") << "unchecking does not raise the count again";
  lamps(150);
  model(0);
  f.CheckBox9->setChecked(true);
  model(14);
  EXPECT_EQ(f.ComboBox4->text(), "128") << "applying the profile with RGBW on";
}

TEST_F(ModelSwitches, TheSingleZoneModelKeepsThePreviousLastUploadZone) {
  model(9);
  model(1);
  EXPECT_EQ(f.project.lastUploadZone, 4);
  EXPECT_FALSE(f.BitBtn5->enabled());
}

TEST_F(ModelSwitches, EachFamilyHasItsWorkingPatternFile) {
  const std::pair<int, const char*> switches[] = {{0, "tempRGB.bin"},  {3, "tempRGB.bin"},       {10, "tempRGB_QD_D.bin"},
                                                  {11, "tempRGB_QD_C.bin"}, {5, "tempRGB.bin"}, {0, "tempRGB.bin"}};
  for (auto [m, file] : switches) {
    model(m);
    EXPECT_EQ(workingPatternFile(f.project.familyMode), file) << "model " << m;
  }
}

TEST_F(ModelSwitches, LanguageCodeCaseDoesNotMatter) {
  f.languageCode = "chineseGB";
  model(3);
  EXPECT_EQ(f.TabControl1->tabs(), (std::vector<std::string>{"第1分区", "第2分区"}));
}

TEST(StartupLanguage, TheStoredCodeGivesTheTabsAtStartup) {
  WindowFixture w;
  w.exeDir.write("Language.ini", "[set]\nval=chinesegb\n");
  EXPECT_EQ(w.start().TabControl1->tabs().front(), "第1分区");
  WindowFixture english;
  EXPECT_EQ(english.start().TabControl1->tabs().front(), "st 1 partition");
}

}  // namespace
}  // namespace hl::test

// The controller model table and the zone tab captions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/controller_profiles.h"
#include "model/family_rules.h"

namespace hl::test {
namespace {

struct ModelCase {
  int model;
  std::string itemText;
  std::vector<std::string> tabsGB;  // tab captions in "ChineseGB"
  int frames1Lamp;                  // frame columns with one lamp (zone 0)
};

class Models : public ::testing::TestWithParam<ModelCase> {};

TEST_P(Models, ItemTextTabsAndCapacityFollowTheTable) {
  const ModelCase& c = GetParam();
  const ControllerProfile& p = controllerProfile(c.model);
  EXPECT_EQ(p.itemText, c.itemText);
  ASSERT_EQ(p.tabCount(), static_cast<int>(c.tabsGB.size()));
  for (int tab = 0; tab < p.tabCount(); ++tab) EXPECT_EQ(zoneTabCaption(p, tab, "ChineseGB"), c.tabsGB[tab]);
  EXPECT_EQ(frameCapacity(p.memoryBytes, 1, p.familyMode, 0), c.frames1Lamp);
}

INSTANTIATE_TEST_SUITE_P(
    ControllerProfiles, Models,
    ::testing::Values(
        ModelCase{0, "ZK-A", {"第1分区", "第2分区", "第3分区", "第4分区", "第5分区", "第6分区"}, 20003},
        ModelCase{1, "ZK-B", {"第1分区"}, 20003}, ModelCase{2, "ZK-J", {"第1分区"}, 3067},
        ModelCase{3, "ZK-Jn", {"第1分区", "第2分区"}, 20003}, ModelCase{4, "ZK-Q1", {"第1分区"}, 20003},
        ModelCase{5, "ZK-Q2", {"第1 thoroughfare", "第2 thoroughfare"}, 20003},
        ModelCase{6, "ZK-J2", {"第1 thoroughfare", "第2 thoroughfare"}, 20003},
        ModelCase{7, "ZK-J-Plus", {"第1分区"}, 20003}, ModelCase{8, "ZK-Jn-Plus", {"第1分区", "第2分区"}, 20003},
        ModelCase{9, "ZK-Jn-Plus-4", {"第1分区", "第2分区", "第3分区", "第4分区"}, 20003},
        ModelCase{10, "ZK-QD-50-单",
                  {"第1单分区", "第2单分区", "第3单分区", "第4单分区", "第5单分区", "第1幻分区", "第2幻分区", "第3幻分区", "第4幻分区"},
                  403},
        ModelCase{11, "ZK-QD-50-全",
                  {"第1单分区", "第1幻分区", "第2单分区", "第2幻分区", "第3单分区", "第3幻分区", "第4单分区", "第4幻分区"}, 403},
        ModelCase{12, "ZK-Jn-Plus_2ch", {"第1 thoroughfare", "第2 thoroughfare"}, 20003},
        ModelCase{13, "ZK-N30", {"第1 thoroughfare"}, 711}, ModelCase{14, "ZK-Jn-DMX", {"第1分区", "第2分区"}, 20003},
        ModelCase{15, "ZK-Jn-RGBW", {"第1分区", "第2分区"}, 20003}),
    [](const auto& info) { return "Model" + std::to_string(info.param.model); });

TEST(ZoneTabCaptions, LanguageCodeIsComparedWithoutCase) {
  const ControllerProfile& model3 = controllerProfile(3);
  EXPECT_EQ(zoneTabCaption(model3, 1, "chinesegb"), "第2分区");
  EXPECT_EQ(zoneTabCaption(model3, 1, "CHINESEBIG5"), "第2分區");
  EXPECT_EQ(zoneTabCaption(model3, 1, "English"), "st 2 partition");
  EXPECT_EQ(zoneTabCaption(model3, 1, "Français"), "st 2 partition");
  EXPECT_EQ(zoneTabCaption(controllerProfile(11), 1, "ChineseBIG5"), "第1幻分區");
  EXPECT_EQ(zoneTabCaption(controllerProfile(5), 0, "English"), "st 1 thoroughfare");
}

TEST(LampMaximum, OnlyTheDmxModelHasAnRgbwLimit) {
  EXPECT_EQ(lampMaximum(14, true), 128);
  EXPECT_EQ(lampMaximum(14, false), 170);
  EXPECT_EQ(lampMaximum(15, true), 384);
  EXPECT_EQ(lampMaximum(2, false), 120);
}

TEST(WorkingPatternFiles, OneFilePerFamily) {
  EXPECT_EQ(workingPatternFile(FamilyMode::Standard), "tempRGB.bin");
  EXPECT_EQ(workingPatternFile(FamilyMode::PortPairs), "tempRGB.bin");
  EXPECT_EQ(workingPatternFile(FamilyMode::SingleBank), "tempRGB_QD_D.bin");
  EXPECT_EQ(workingPatternFile(FamilyMode::SingleAlternate), "tempRGB_QD_C.bin");
}

TEST(ControllerProfiles, AnIndexOutsideTheListIsServedAsTheFirstModel) {
  EXPECT_EQ(controllerProfile(-1).itemText, "ZK-A");
  EXPECT_EQ(controllerProfile(16).itemText, "ZK-A");
}

}  // namespace
}  // namespace hl::test

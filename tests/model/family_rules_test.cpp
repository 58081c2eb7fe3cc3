#include "model/family_rules.h"

#include <gtest/gtest.h>

#include <climits>

namespace hl {
namespace {

constexpr FamilyMode kAllModes[] = {FamilyMode::Standard, FamilyMode::PortPairs, FamilyMode::SingleBank,
                                    FamilyMode::SingleAlternate};

TEST(FamilyRules, SettingsIndexSharedByPortPairsOnly) {
  constexpr int kPairedIndex[kZoneSlots] = {0, 0, 2, 2, 4, 4, 6, 6, 8, 8};
  for (FamilyMode mode : kAllModes) {
    for (int zone = 0; zone < kZoneSlots; ++zone) {
      const int expected = mode == FamilyMode::PortPairs ? kPairedIndex[zone] : zone;
      EXPECT_EQ(settingsIndexOf(mode, zone), expected) << "mode " << int(mode) << " zone " << zone;
    }
  }
}

TEST(FamilyRules, SingleColourZonesPerMode) {
  struct Case {
    FamilyMode mode;
    const char* singleColour;  // character z is '1' when zone z holds brightness levels
  };
  const Case cases[] = {
      {FamilyMode::Standard, "0000000000"},
      {FamilyMode::PortPairs, "0000000000"},
      {FamilyMode::SingleBank, "1111100000"},
      {FamilyMode::SingleAlternate, "1010101000"},
  };
  for (const Case& c : cases) {
    for (int zone = 0; zone < kZoneSlots; ++zone)
      EXPECT_EQ(isSingleColourZone(c.mode, zone), c.singleColour[zone] == '1')
          << "mode " << int(c.mode) << " zone " << zone;
  }
}

TEST(FamilyRules, ZoneOfTab) {
  struct Case {
    FamilyMode mode;
    int tab, pair, zone;
  };
  const Case cases[] = {
      {FamilyMode::PortPairs, 0, 0, 0},       {FamilyMode::PortPairs, 1, 0, 1},
      {FamilyMode::PortPairs, 0, 1, 2},       {FamilyMode::PortPairs, 1, 4, 9},
      {FamilyMode::Standard, 1, 4, 1},        {FamilyMode::Standard, 7, 2, 7},
      {FamilyMode::SingleBank, 3, 2, 3},      {FamilyMode::SingleAlternate, 0, 3, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(zoneOfTab(c.mode, c.tab, c.pair), c.zone) << "mode " << int(c.mode) << " tab " << c.tab << " pair " << c.pair;
}

struct CapacityCase {
  const char* name;
  int memoryBytes;
  int lampCount;
  FamilyMode mode;
  int currentZone;
  int columns;
};

class FrameCapacity : public testing::TestWithParam<CapacityCase> {};

TEST_P(FrameCapacity, Columns) {
  const CapacityCase& c = GetParam();
  EXPECT_EQ(frameCapacity(c.memoryBytes, c.lampCount, c.mode, c.currentZone), c.columns);
}

// 120047 = 29 + 6 * 20003: exactly the column limit for one lamp.
INSTANTIATE_TEST_SUITE_P(
    Cases, FrameCapacity,
    testing::Values(
        CapacityCase{"Model0MaxLamps", 589824, 1024, FamilyMode::Standard, 0, 191},
        CapacityCase{"Model0TenLamps", 589824, 10, FamilyMode::Standard, 0, 17872},
        CapacityCase{"OneLampCutToLimit", 67108864, 1, FamilyMode::Standard, 0, 20003},
        CapacityCase{"AtLimit", 120047, 1, FamilyMode::Standard, 0, 20003},
        CapacityCase{"JustAboveLimit", 120053, 1, FamilyMode::Standard, 0, 20003},
        CapacityCase{"JustBelowLimit", 120041, 1, FamilyMode::Standard, 0, 20002},
        CapacityCase{"PortPairsComputed", 589824, 1024, FamilyMode::PortPairs, 3, 191},
        CapacityCase{"AlternateManyLamps", 589824, 1024, FamilyMode::SingleAlternate, 1, 403},
        CapacityCase{"AlternateOneLamp", 67108864, 1, FamilyMode::SingleAlternate, 7, 403},
        CapacityCase{"BankSingleZone", 589824, 1024, FamilyMode::SingleBank, 4, 403},
        CapacityCase{"BankColourZone5", 122000, 50, FamilyMode::SingleBank, 5, 797},
        CapacityCase{"BankColourZone6", 122000, 50, FamilyMode::SingleBank, 6, 797},
        CapacityCase{"ZeroLampsCountAsOne", 1229, 0, FamilyMode::Standard, 0, 200},
        CapacityCase{"MinusOneLampCountsAsOne", 1229, -1, FamilyMode::Standard, 0, 200},
        CapacityCase{"NegativeLampsCountAsOne", 1229, -7, FamilyMode::Standard, 0, 200},
        CapacityCase{"HugeLampCountNoOverflow", 589824, INT_MAX, FamilyMode::Standard, 0, 0},
        CapacityCase{"NoMemoryNoColumns", 0, 10, FamilyMode::Standard, 0, 0},
        CapacityCase{"MemoryBelowHeader", 28, 1, FamilyMode::Standard, 0, 0}),
    [](const testing::TestParamInfo<CapacityCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace hl

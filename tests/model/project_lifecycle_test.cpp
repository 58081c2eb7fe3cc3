// Construction, reset, default times, clearing a zone and the capacity
// applied to the project.
#include "model/project.h"

#include <gtest/gtest.h>

namespace hl {
namespace {

constexpr int kLastRow = kStoreRows - 1;
constexpr int kLastColumn = kStoreColumns - 1;

// Writes cells, frame times and settings of one zone away from their reset values.
void dirtyZone(Project& project, int zone) {
  project.setCell(zone, 0, 0, 0x11);
  project.setCell(zone, 3, 2, 0x0000FF);
  project.setCell(zone, kLastRow, kLastColumn, -1);
  project.setFrameTime(zone, 2, 500, TimeUnit::Milliseconds);
  project.setFrameTime(zone, kLastColumn, 3, TimeUnit::Default);
  ZoneSettings& settings = project.zoneSettings(zone);
  settings.loopMode = LoopMode::Counted;
  settings.loopCount = 7;
  settings.endAction = EndAction::AllOff;
}

bool zoneIsAtResetValues(const Project& project, int zone) {
  return project.cell(zone, 0, 0) == 0 && project.cell(zone, 3, 2) == 0 &&
         project.cell(zone, kLastRow, kLastColumn) == 0 && project.frameTime(zone, 2) == kResetFrameTime &&
         project.frameTime(zone, kLastColumn) == kResetFrameTime;
}

TEST(ProjectLifecycle, FreshProjectIsZeroButUnwrittenFrameTimesUseDefaultTime1) {
  Project project;
  for (int zone = 0; zone < kZoneSlots; ++zone) {
    EXPECT_EQ(project.zoneSettings(zone), ZoneSettings{}) << "zone " << zone;
    EXPECT_TRUE(zoneIsAtResetValues(project, zone)) << "zone " << zone;
  }
  EXPECT_EQ(project.familyMode, FamilyMode::Standard);
  EXPECT_EQ(project.currentZone, 0);
  EXPECT_EQ(project.memoryBytes, 0);
  EXPECT_EQ(project.blockSize, 500);
  EXPECT_EQ(project.lastUploadZone, 0);
  EXPECT_EQ(project.gridRows, 0);
  EXPECT_EQ(project.frameColumns, 0);
  EXPECT_EQ(project.englishCaptions, 0);
}

TEST(ProjectLifecycle, InitDefaultTimesSetsEveryZoneInMilliseconds) {
  Project project;
  project.zoneSettings(4).defaultTimes[2] = {9, DefaultTimeUnit::Minutes};
  project.zoneSettings(4).loopCount = 3;
  project.initDefaultTimes();
  const DefaultTime expected[kDefaultTimeCount] = {{1000, 0}, {800, 0}, {600, 0}, {400, 0}, {200, 0}};
  for (int zone = 0; zone < kZoneSlots; ++zone) {
    for (int i = 0; i < kDefaultTimeCount; ++i)
      EXPECT_EQ(project.zoneSettings(zone).defaultTimes[i], expected[i]) << "zone " << zone << " time " << i;
  }
  EXPECT_EQ(project.zoneSettings(4).loopCount, 3) << "only default times change";
}

// A project with every zone written, then reset.
class ResetProject : public testing::Test {
 protected:
  void SetUp() override {
    baselineMemory = project.memoryInUse();
    project.initDefaultTimes();
    for (int zone = 0; zone < kZoneSlots; ++zone) {
      dirtyZone(project, zone);
      project.zoneSettings(zone).defaultTimes[0] = {5, DefaultTimeUnit::Seconds};
    }
    project.familyMode = FamilyMode::SingleBank;
    project.currentZone = 6;
    project.memoryBytes = 122000;
    project.frameColumns = 797;
    project.englishCaptions = 1;
    ASSERT_GT(project.memoryInUse(), baselineMemory);
    project.resetProject();
  }

  Project project;
  std::size_t baselineMemory = 0;
};

TEST_F(ResetProject, EveryZoneBackToResetValues) {
  for (int zone = 0; zone < kZoneSlots; ++zone) {
    EXPECT_TRUE(zoneIsAtResetValues(project, zone)) << "zone " << zone;
    const ZoneSettings& settings = project.zoneSettings(zone);
    EXPECT_EQ(settings.loopMode, LoopMode::Infinite) << "zone " << zone;
    EXPECT_EQ(settings.loopCount, 0) << "zone " << zone;
    EXPECT_EQ(settings.endAction, EndAction::NextZone) << "zone " << zone;
  }
}

TEST_F(ResetProject, KeepsDefaultTimes) {
  for (int zone = 0; zone < kZoneSlots; ++zone) {
    EXPECT_EQ(project.zoneSettings(zone).defaultTimes[0], (DefaultTime{5, DefaultTimeUnit::Seconds})) << "zone " << zone;
    EXPECT_EQ(project.zoneSettings(zone).defaultTimes[4], (DefaultTime{200, DefaultTimeUnit::Milliseconds}));
  }
}

TEST_F(ResetProject, KeepsWindowWideValues) {
  EXPECT_EQ(project.familyMode, FamilyMode::SingleBank);
  EXPECT_EQ(project.currentZone, 6);
  EXPECT_EQ(project.memoryBytes, 122000);
  EXPECT_EQ(project.frameColumns, 797);
  EXPECT_EQ(project.englishCaptions, 1);
}

TEST_F(ResetProject, ReleasesAllStorage) { EXPECT_EQ(project.memoryInUse(), baselineMemory); }

TEST(ProjectLifecycle, ClearZoneTouchesOnlyThatZonesCellsAndTimes) {
  constexpr int kCleared = 3;
  Project project;
  Project withoutCleared;
  for (int zone = 0; zone < kZoneSlots; ++zone) {
    dirtyZone(project, zone);
    if (zone != kCleared) dirtyZone(withoutCleared, zone);
  }
  project.clearZone(kCleared);

  EXPECT_TRUE(zoneIsAtResetValues(project, kCleared));
  EXPECT_EQ(project.zoneSettings(kCleared).loopCount, 7) << "settings stay";
  for (int zone = 0; zone < kZoneSlots; ++zone) {
    if (zone == kCleared) continue;
    EXPECT_EQ(project.cell(zone, 3, 2), 0x0000FF) << "zone " << zone;
    EXPECT_EQ(project.frameTime(zone, 2), (FrameTime{500, TimeUnit::Milliseconds})) << "zone " << zone;
  }
  EXPECT_EQ(project.memoryInUse(), withoutCleared.memoryInUse()) << "the cleared zone's storage is released";
}

TEST(ProjectLifecycle, ApplyFrameCapacityUsesProjectFamilyAndZone) {
  struct Case {
    FamilyMode mode;
    int currentZone;
    int memoryBytes;
    int lampCount;
    int frameColumns;
    int gridRows;
  };
  const Case cases[] = {
      {FamilyMode::Standard, 0, 589824, 1024, 191, 1027},
      {FamilyMode::Standard, 0, 589824, 10, 17872, 13},
      {FamilyMode::SingleBank, 2, 589824, 1024, 403, 1027},
      {FamilyMode::SingleBank, 6, 122000, 50, 797, 53},
      {FamilyMode::SingleAlternate, 5, 67108864, 1, 403, 4},
      {FamilyMode::Standard, 0, 1229, 0, 200, 4},        // no lamps counts as one
      {FamilyMode::Standard, 0, 589824, 5000, 191, 1027},  // more lamps than the store has rows for
  };
  for (const Case& c : cases) {
    Project project;
    project.familyMode = c.mode;
    project.currentZone = c.currentZone;
    project.memoryBytes = c.memoryBytes;
    project.applyFrameCapacity(c.lampCount);
    EXPECT_EQ(project.frameColumns, c.frameColumns) << "lamps " << c.lampCount << " zone " << c.currentZone;
    EXPECT_EQ(project.gridRows, c.gridRows) << "lamps " << c.lampCount;
  }
}

TEST(ProjectLifecycle, ZoneSettingsEditedThroughSettingsIndex) {
  struct Case {
    FamilyMode mode;
    bool zone0SeesZone1Edit;
  };
  const Case cases[] = {{FamilyMode::PortPairs, true}, {FamilyMode::Standard, false}, {FamilyMode::SingleBank, false}};
  for (const Case& c : cases) {
    Project project;
    project.resetProject();
    project.familyMode = c.mode;
    project.zoneSettings(project.settingsIndexOf(1)).loopMode = LoopMode::Once;
    const int zone0LoopMode = project.zoneSettings(project.settingsIndexOf(0)).loopMode;
    EXPECT_EQ(zone0LoopMode, c.zone0SeesZone1Edit ? LoopMode::Once : LoopMode::Infinite) << "mode " << int(c.mode);
  }
}

TEST(ProjectLifecycle, RulesFollowTheProjectsFamilyMode) {
  Project project;
  project.familyMode = FamilyMode::SingleAlternate;
  EXPECT_TRUE(project.isSingleColourZone(6));
  EXPECT_FALSE(project.isSingleColourZone(8));
  project.familyMode = FamilyMode::PortPairs;
  EXPECT_EQ(project.zoneOfTab(1, 2), 5);
  EXPECT_EQ(project.settingsIndexOf(5), 4);
}

}  // namespace
}  // namespace hl

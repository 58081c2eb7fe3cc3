// Saving, opening and exporting pattern files through the window's buttons
// and dialogs, with real files in temporary folders.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "window_fixture.h"

namespace hl::test {
namespace {

using namespace std::string_literals;
using Kind = ScriptedDialogHost::Kind;
constexpr CellColor kRed = 0x0000FF;

class PatternFiles : public ::testing::Test, protected WindowFixture {
 protected:
  PatternFiles() { f.ComboBox4->userSelect(3); }  // 4 lamps: channel rows 3..6

  // A pattern of two frames in zone index zone.
  void twoFrames(int zone) {
    f.project.setCell(zone, 3, 2, kRed);
    f.project.setCell(zone, 6, 3, 0x00FF00);
  }
  ScriptedDialogHost::Shown lastDialog(Kind kind) const { return dialogs.shownOf(kind).back(); }
  std::vector<std::string> messages() const {
    std::vector<std::string> texts;
    for (const auto& shown : dialogs.shownOf(Kind::MessageBox)) texts.push_back(shown.text);
    return texts;
  }
  std::string saveWith(TBitBtn* button, const std::string& chosen) {
    dialogs.queueSaveFile(chosen);
    button->userClick();
    return chosen;
  }
  TempDir folder;
  TForm2& f = start();
};

TEST_F(PatternFiles, AllZonesFileHoldsTenImagesBackToBack) {
  twoFrames(3);
  f.Memo1->addLine("import notes");
  saveWith(f.BitBtn6, folder.file("show.txt"));
  const std::string bytes = folder.read("show.Aled");
  ASSERT_EQ(bytes.size(), 9 * 30 + 30 + 2 * (3 + 12u));
  EXPECT_EQ(bytes.substr(90, 4), std::string("\x00\x0C\x00\x02", 4)) << "zone 4 is the fourth image";
  EXPECT_FALSE(std::filesystem::exists(folder.file("show.txt")));
  EXPECT_TRUE(f.Memo1->lines().empty());
  const auto dialog = lastDialog(Kind::SaveDialog).file;
  EXPECT_EQ(dialog.filter, "All files (*.*)|*.*|led files (*.Aled)|*.Aled");
  EXPECT_EQ(dialog.filterIndex, 2);
  EXPECT_EQ(dialog.initialDir, exeDir.path().string() + "/.Aled");
  EXPECT_TRUE(messages().empty());
}

TEST_F(PatternFiles, ExtensionsAreForcedOnTheChosenName) {
  twoFrames(0);
  const struct {
    TBitBtn* button;
    const char* chosen;
    const char* written;
  } cases[] = {
      {f.BitBtn6, "plain", "plain.Aled"}, {f.BitBtn8, "one.Aled", "one.led"}, {f.BitBtn17, "out.led", "out.ZKD"}};
  for (const auto& c : cases) {
    saveWith(c.button, folder.file(c.chosen));
    EXPECT_TRUE(std::filesystem::exists(folder.file(c.written))) << c.written;
    EXPECT_FALSE(std::filesystem::exists(folder.file(c.chosen))) << c.chosen;
  }
}

TEST_F(PatternFiles, CurrentZoneFileOfAnEmptyZoneIsItsHeader) {
  twoFrames(2);
  saveWith(f.BitBtn8, folder.file("zone1.led"));
  EXPECT_EQ(folder.read("zone1.led").size(), 30u);
  const auto dialog = lastDialog(Kind::SaveDialog).file;
  EXPECT_EQ(dialog.filter, "All files (*.*)|*.*|led files (*.led)|*.led");
  EXPECT_EQ(dialog.initialDir, exeDir.path().string() + "/.led");
}

TEST_F(PatternFiles, NothingBeyondTheFirstFrameIsNothingToSave) {
  for (int zone = 0; zone < kZoneSlots; ++zone) f.project.setCell(zone, 3, 2, kRed);
  for (TBitBtn* button : {f.BitBtn6, f.BitBtn8, f.BitBtn17}) button->userClick();
  ASSERT_EQ(messages(), std::vector<std::string>(3, "没有花样需要保存"));
  EXPECT_EQ(dialogs.shownOf(Kind::MessageBox)[0].caption, "信息提示");
  EXPECT_TRUE(dialogs.shownOf(Kind::SaveDialog).empty());
}

TEST_F(PatternFiles, AFileThatCannotBeWrittenIsReportedWithTheReason) {
  twoFrames(0);
  const std::string path = folder.file("missing-folder/show.Aled");
  saveWith(f.BitBtn6, path);
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_NE(messages()[0].find(path), std::string::npos);
  EXPECT_NE(messages()[0].find("No such file or directory"), std::string::npos);
}

TEST_F(PatternFiles, OpeningAllZonesRestoresPatternsButKeepsModelLampsAndEndActions) {
  twoFrames(3);
  f.project.zoneSettings(3).loopCount = 12;
  f.project.zoneSettings(0).defaultTimes[2].value = 0;
  saveWith(f.BitBtn6, folder.file("show.Aled"));
  f.ClearAllZones();
  f.project.zoneSettings(3).endAction = EndAction::AllOff;
  f.ComboBox4->userSelect(7);
  dialogs.queueOpenFile(folder.file("show.Aled"));
  f.BitBtn4->userClick();
  EXPECT_EQ(f.project.cell(3, 6, 3), 0x00FF00);
  EXPECT_EQ(f.project.zoneSettings(3).loopCount, 12);
  EXPECT_EQ(f.project.zoneSettings(3).endAction, EndAction::AllOff);
  EXPECT_EQ(f.project.zoneSettings(0).defaultTimes[2].value, 1000) << "a zero default time is replaced";
  EXPECT_EQ(f.time3->text(), "1000") << "the panel shows the zone";
  EXPECT_EQ(f.ComboBox4->text(), "8");
  const auto dialog = lastDialog(Kind::OpenDialog).file;
  EXPECT_EQ(dialog.filter, "All files (*.*)|*.*|led files (*.Aled)|*.Aled");
  EXPECT_EQ(dialog.filterIndex, 2);
  EXPECT_EQ(dialog.initialDir, exeDir.path().string() + "/Aled");
  EXPECT_TRUE(messages().empty());
}

TEST_F(PatternFiles, OpeningOneZoneKeepsAZeroDefaultTime) {
  twoFrames(0);
  f.project.zoneSettings(0).defaultTimes[2] = DefaultTime{0, DefaultTimeUnit::Seconds};
  saveWith(f.BitBtn8, folder.file("zone.led"));
  f.TabControl1->userSelectTab(1);
  dialogs.queueOpenFile(folder.file("zone.led"));
  f.BitBtn9->userClick();
  EXPECT_EQ(f.project.cell(1, 3, 2), kRed);
  EXPECT_EQ(f.time3->text(), "0");
  EXPECT_EQ(f.timeT3->itemIndex(), DefaultTimeUnit::Seconds);
  EXPECT_EQ(lastDialog(Kind::OpenDialog).file.initialDir, exeDir.path().string() + "/led");
}

TEST_F(PatternFiles, FilesThatDoNotHoldWhatTheyShouldAreRefusedAndChangeNothing) {
  twoFrames(0);
  saveWith(f.BitBtn8, folder.file("zone.led"));
  const std::string image = folder.read("zone.led");
  folder.write("cut.led", image.substr(0, image.size() - 1));
  // 1028 channels (3084 bytes) in one whole frame: one more than a zone holds.
  folder.write("wide.led", std::string("\x0C\x0C\x00\x01", 4) + image.substr(4, 26) + std::string(3 + 3084, '\x01'));
  f.project.setCell(5, 4, 4, 0x777777);
  const struct {
    TBitBtn* button;
    const char* file;
    const char* says;
  } cases[] = {{f.BitBtn4, "zone.led", "10"}, {f.BitBtn9, "cut.led", "1"}, {f.BitBtn9, "wide.led", "1028"}};
  f.TabControl1->userSelectTab(5);
  for (const auto& c : cases) {
    dialogs.clearShown();
    dialogs.queueOpenFile(folder.file(c.file));
    c.button->userClick();
    ASSERT_EQ(messages().size(), 1u) << c.file;
    EXPECT_NE(messages()[0].find(folder.file(c.file)), std::string::npos) << messages()[0];
    EXPECT_NE(messages()[0].find(c.says), std::string::npos) << messages()[0];
    EXPECT_EQ(dialogs.shownOf(Kind::MessageBox)[0].caption, "信息提示");
    EXPECT_EQ(f.project.cell(5, 4, 4), 0x777777) << c.file;
    EXPECT_EQ(f.project.cell(1, 3, 2), 0) << c.file;
  }
}

TEST_F(PatternFiles, ExportNamesFollowTheModel) {
  const struct {
    int model;
    const char* preset;
  } cases[] = {{4, "Q1"}, {5, "Q2"}, {0, "1"}, {11, "1"}};
  for (const auto& c : cases) {
    f.ComboBox6->userSelect(c.model);
    twoFrames(0);
    dialogs.queueSaveFile(std::nullopt);
    f.BitBtn17->userClick();
    const auto dialog = lastDialog(Kind::SaveDialog);
    EXPECT_EQ(dialog.text, c.preset) << "model " << c.model;
    EXPECT_EQ(dialog.file.filter, "All files (*.*)|*.*|ZKD files (*.ZKD)|*.ZKD");
    EXPECT_EQ(dialog.file.filterIndex, 2);
    EXPECT_EQ(dialog.file.initialDir, exeDir.path().string() + "/.ZKD");
  }
}

TEST_F(PatternFiles, ExportHoldsTheUploadImageInTheColourOrder) {
  twoFrames(0);
  f.ComboBox8->setItemIndex(0);  // RGB
  saveWith(f.BitBtn17, folder.file("Q.ZKD"));
  saveWith(f.BitBtn8, folder.file("Q.led"));
  EXPECT_EQ(folder.read("Q.ZKD").substr(33, 3), "\xFF\x00\x00"s);
  EXPECT_EQ(folder.read("Q.led").substr(33, 3), "\x00\x00\xFF"s);
}

TEST_F(PatternFiles, ExportOfAPortPairMergesBothPorts) {
  f.ComboBox6->userSelect(5);
  f.ComboBox4->userSelect(3);
  f.project.setCell(2, 3, 3, kRed);
  f.project.setCell(3, 6, 2, kRed);
  f.project.currentZone = 3;
  saveWith(f.BitBtn17, folder.file("odd.ZKD"));
  f.project.currentZone = 2;
  saveWith(f.BitBtn17, folder.file("even.ZKD"));
  const std::string odd = folder.read("odd.ZKD");
  EXPECT_EQ(odd.size(), 30 + 2 * (3 + 2 * 12u));
  EXPECT_EQ(odd, folder.read("even.ZKD"));
}

}  // namespace
}  // namespace hl::test

// Config.ini and the working pattern through the headless window: what
// closing writes, what the next start restores, and the failures.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "app/settings_glue.h"
#include "formats/pattern_reader.h"
#include "window_fixture.h"

namespace hl::test {
namespace {

using Kind = ScriptedDialogHost::Kind;

int exitStatus = 0;
void recordExit(int status) { exitStatus = status; }

class SettingsFile : public ::testing::Test, protected WindowFixture {
 protected:
  // Closes the window, then starts a new one on the same folders.
  TForm2& restart() {
    EXPECT_TRUE(form->userClose());
    form.reset();
    dialogs.clearShown();
    return start();
  }
  std::vector<std::string> messages() const {
    std::vector<std::string> texts;
    for (const auto& shown : dialogs.shownOf(Kind::MessageBox)) texts.push_back(shown.text);
    return texts;
  }
  std::string config() const { return startDir.read("Config.ini"); }
};

TEST_F(SettingsFile, FirstStartWithoutAFileShowsNothingAndClosingWritesBoth) {
  TForm2& f = start();
  EXPECT_TRUE(dialogs.shown().empty());
  EXPECT_EQ(f.timeT1->itemIndex(), 0);
  EXPECT_EQ(f.ComboBox8->itemIndex(), 5) << "colour order BRG";
  EXPECT_TRUE(f.userClose());
  EXPECT_NE(config().find("TIMETYPE1=0"), std::string::npos);
  EXPECT_EQ(startDir.read("tempRGB.bin").size(), 300u) << "ten empty 30-byte images";
}

TEST_F(SettingsFile, EverySettingSurvivesARestart) {
  TForm2& f = start();
  f.ComboBox6->userSelect(3);
  f.ComboBox4->userSelect(99);
  f.ComboBox9->userSelect(9);
  f.ComboBox8->setItemIndex(2);
  f.ComboBox3->setItemIndex(1);
  f.ComboBox1->setItemIndex(3);
  f.time3->setText("650");
  f.timeT2->setItemIndex(1);
  f.project.zoneSettings(8).endAction = EndAction::AllOff;
  f.project.zoneSettings(1).endAction = EndAction::KeepLast;
  f.ComboTrigger2->setItemIndex(1);
  f.ComboTriggerClose3->setItemIndex(1);
  f.ComboBox34->setItemIndex(120);
  f.ComboBox20->setItemIndex(40);
  f.ComboBox35->setItemIndex(2);
  f.ComboBox29->setItemIndex(3);
  f.project.setCell(1, 5, 4, 0x123456);

  TForm2& g = restart();
  EXPECT_TRUE(dialogs.shown().empty());
  EXPECT_EQ(g.ComboBox6->itemIndex(), 3);
  EXPECT_EQ(g.ComboBox4->text(), "100");
  EXPECT_EQ(g.ComboBox9->text(), "10");
  EXPECT_EQ(g.ComboBox8->itemIndex(), 2);
  EXPECT_EQ(g.ComboBox3->itemIndex(), 1);
  EXPECT_EQ(g.ComboBox1->itemIndex(), 3);
  EXPECT_EQ(g.time3->text(), "650");
  EXPECT_EQ(g.timeT2->itemIndex(), 1);
  EXPECT_EQ(g.project.zoneSettings(8).endAction, EndAction::AllOff) << "XunHuanType9 is zone 9";
  EXPECT_EQ(g.project.zoneSettings(1).endAction, EndAction::KeepLast);
  EXPECT_EQ(g.ComboTrigger2->itemIndex(), 1);
  EXPECT_EQ(g.ComboTriggerClose3->itemIndex(), 1);
  EXPECT_EQ(g.ComboBox34->itemIndex(), 120);
  EXPECT_EQ(g.ComboBox20->itemIndex(), 40);
  EXPECT_EQ(g.ComboBox35->itemIndex(), 2);
  EXPECT_EQ(g.ComboBox29->itemIndex(), 3);
  EXPECT_EQ(g.project.cell(1, 5, 4), 0x123456) << "the working pattern came back";
  EXPECT_NE(config().find("XunHuanType9=2"), std::string::npos);
}

TEST_F(SettingsFile, KeysAreWrittenInTheirOrder) {
  start();
  form->userClose();
  const std::string text = config();
  const char* const order[] = {"COM=",
                               "HYTYPE=",
                               "NUM=",
                               "LEFT=",
                               "RGB=",
                               "SET1=",
                               "SET2=",
                               "TIME1=",
                               "TIMETYPE1=",
                               "TIME2=",
                               "TIMETYPE5=",
                               "Type=",
                               "Languages=",
                               "XunHuanType1=",
                               "XunHuanType10=",
                               "ComboTrigger1=",
                               "ComboTriggerOpen1=",
                               "ComboTriggerClose3=",
                               "oddset1=",
                               "oddset8=",
                               "Cddset1=",
                               "pgset1=",
                               "Cpgset4="};
  std::size_t at = 0;
  for (const char* key : order) {
    const std::size_t found = text.find(std::string("\n") + key, at);
    ASSERT_NE(found, std::string::npos) << key;
    at = found;
  }
  EXPECT_EQ(text.find("ComboBoot"), std::string::npos) << "read, never written";
  EXPECT_EQ(text.find("Dtype"), std::string::npos);
}

TEST_F(SettingsFile, ComboBootComesOnlyFromAHandEditedFile) {
  startDir.write("Config.ini", "[Config]\r\nComboBoot=2\r\nTIMETYPE1=1\r\n");
  TForm2& f = start();
  EXPECT_EQ(f.ComboBoot->itemIndex(), 2);
  EXPECT_EQ(f.timeT1->itemIndex(), 1);
  EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(SettingsFile, AValueThatIsNotANumberStopsTheReadingWithItsBox) {
  startDir.write("Config.ini", "[Config]\r\nHYTYPE=3\r\nRGB=2\r\nTIMETYPE1=ms\r\nXunHuanType1=2\r\n");
  TForm2& f = start();
  const auto boxes = dialogs.shownOf(Kind::MessageBox);
  ASSERT_EQ(boxes.size(), 2u) << "start-up reads the settings twice";
  EXPECT_EQ(boxes[0].text, "读取配置文件config.ini失败!");
  EXPECT_EQ(boxes[0].caption, "信息提示!");
  EXPECT_EQ(boxes[0].flags, unsigned(MB_OK | MB_ICONINFORMATION));
  EXPECT_EQ(f.ComboBox8->itemIndex(), 2) << "keys before the bad one are applied";
  EXPECT_EQ(f.project.zoneSettings(0).endAction, 0) << "keys after it are skipped";
}

TEST_F(SettingsFile, SingleBankKeepsItsOwnWorkingPattern) {
  startDir.write("tempRGB.bin", std::string(300, '\0'));
  TForm2& f = start();
  f.ComboBox6->userSelect(10);
  f.project.setCell(6, 10, 5, 0x00FF00);
  TForm2& g = restart();
  EXPECT_EQ(startDir.read("tempRGB.bin"), std::string(300, '\0')) << "left untouched";
  EXPECT_FALSE(startDir.read("tempRGB_QD_D.bin").empty());
  EXPECT_EQ(g.ComboBox6->itemIndex(), 10);
  EXPECT_EQ(g.project.cell(6, 10, 5), 0x00FF00);
}

TEST_F(SettingsFile, FilesStayInTheStartupDirectoryWhateverTheCurrentFolder) {
  TForm2& f = start();
  TempDir elsewhere;
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(elsewhere.path());
  f.userClose();
  std::filesystem::current_path(previous);
  EXPECT_TRUE(std::filesystem::exists(startDir.file("Config.ini")));
  EXPECT_TRUE(std::filesystem::exists(startDir.file("tempRGB.bin")));
  EXPECT_TRUE(std::filesystem::is_empty(elsewhere.path()));
}

TEST_F(SettingsFile, ADamagedWorkingPatternIsReportedAndMovedAside) {
  const std::string damaged = std::string("\x00\x06\x00\x05", 4) + std::string(40, '\x01');  // ends inside image 1
  startDir.write("tempRGB.bin", damaged);
  TForm2& f = start();
  const auto texts = messages();
  ASSERT_EQ(texts.size(), 1u) << "reported once; later restores find no file";
  EXPECT_NE(texts[0].find(startDir.file("tempRGB.bin")), std::string::npos);
  EXPECT_NE(texts[0].find("tempRGB.bin.damaged"), std::string::npos);
  EXPECT_EQ(dialogs.shownOf(Kind::MessageBox)[0].caption, "信息提示");
  EXPECT_EQ(f.project.cell(0, 3, 2), 0) << "nothing of the file was read";
  f.userClose();
  EXPECT_EQ(startDir.read("tempRGB.bin.damaged"), damaged) << "the only copy survives the shutdown";
  EXPECT_EQ(startDir.read("tempRGB.bin").size(), 300u);
}

TEST_F(SettingsFile, AFailedWriteShowsItsMessageAndEndsTheProcess) {
  setSettingsWriteFailureExit(recordExit);
  exitStatus = 0;
  start();
  std::filesystem::create_directory(startDir.file("Config.ini"));  // cannot be replaced by a file
  form->userClose();
  setSettingsWriteFailureExit(nullptr);
  const auto boxes = dialogs.shownOf(Kind::MessageBox);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "写入配置文件config.ini失败!");
  EXPECT_EQ(exitStatus, -1);
  for (const auto& entry : std::filesystem::directory_iterator(startDir.path()))
    EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << "no temporary file left";
}

}  // namespace
}  // namespace hl::test

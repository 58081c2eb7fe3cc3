// Reading and writing ini files.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "platform/errors.h"
#include "platform/ini_file.h"
#include "support/temp_dir.h"

namespace hl::test {
namespace {

TEST(IniFile, SectionsAndKeysAreFoundWithoutRegardToCase) {
  TempDir dir;
  dir.write("Language.ini", "[Set]\r\nVal=chinesegb\r\n[ChineseGB]\r\nForm2.Caption = 控制器 \r\n");
  TIniFile ini(dir.file("Language.ini"));
  EXPECT_EQ(ini.ReadString("set", "val", "English"), "chinesegb");
  EXPECT_EQ(ini.ReadString("CHINESEGB", "form2.caption", ""), "控制器");
  EXPECT_EQ(ini.ReadString("set", "missing", "dflt"), "dflt");
  EXPECT_EQ(ini.ReadString("nosection", "val", "dflt"), "dflt");
}

TEST(IniFile, AMissingFileGivesDefaults) {
  TempDir dir;
  TIniFile ini(dir.file("none.ini"));
  EXPECT_EQ(ini.ReadString("set", "val", "English"), "English");
  EXPECT_EQ(ini.ReadInteger("Config", "Model", 3), 3);
}

TEST(IniFile, ReadIntegerFallsBackOnText) {
  TempDir dir;
  dir.write("c.ini", "[Config]\nA=12\nB=ms\n");
  TIniFile ini(dir.file("c.ini"));
  EXPECT_EQ(ini.ReadInteger("config", "a", 0), 12);
  EXPECT_EQ(ini.ReadInteger("config", "b", -1), -1);
}

TEST(IniFile, WritesGoToDiskAtOnceAndKeepTheFirstSpelling) {
  TempDir dir;
  dir.write("c.ini", "[set]\nval=English\n[Other]\nx=1\n");
  TIniFile ini(dir.file("c.ini"));
  ini.WriteString("Set", "VAL", "ChineseBIG5");
  ini.WriteInteger("New", "n", 5);
  TIniFile again(dir.file("c.ini"));
  EXPECT_EQ(again.ReadString("set", "val", ""), "ChineseBIG5");
  EXPECT_EQ(again.ReadInteger("new", "N", 0), 5);
  EXPECT_EQ(again.ReadString("other", "x", ""), "1");
  EXPECT_NE(dir.read("c.ini").find("[set]\r\nval=ChineseBIG5"), std::string::npos);
  for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
    EXPECT_EQ(entry.path().filename(), "c.ini") << "no temporary file is left behind";
}

TEST(IniFile, ChineseCodePagesAreDecoded) {
  TempDir dir;
  // "全区发送" in GBK.
  dir.write("gbk.ini", "[ChineseGB]\nBitBtn5.Caption=\xC8\xAB\xC7\xF8\xB7\xA2\xCB\xCD\n");
  EXPECT_EQ(TIniFile(dir.file("gbk.ini")).ReadString("ChineseGB", "BitBtn5.Caption", ""), "全区发送");
  EXPECT_EQ(decodeChineseText("\xEF\xBB\xBF" "abc"), "abc") << "a byte-order mark is dropped";
}

TEST(IniFile, AnUnwritableFolderRaisesTheWriteErrorAndKeepsTheOldFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  TempDir dir;
  dir.write("c.ini", "[set]\nval=English\n");
  std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  TIniFile ini(dir.file("c.ini"));
  EXPECT_THROW(ini.WriteString("set", "val", "x"), EIniFileException);
  EXPECT_EQ(dir.read("c.ini"), "[set]\nval=English\n");
}

TEST(IniFile, AMissingFolderRaisesTheWriteError) {
  TempDir dir;
  TIniFile ini(dir.file("no/such/folder/c.ini"));
  EXPECT_THROW(ini.WriteString("set", "val", "x"), EIniFileException);
}

}  // namespace
}  // namespace hl::test

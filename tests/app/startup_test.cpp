// The window's state after start-up, its window-level handlers and closing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "window_fixture.h"

namespace hl::test {
namespace {

std::vector<std::string> numbers(int from, int to) {
  std::vector<std::string> out;
  for (int i = from; i <= to; ++i) out.push_back(std::to_string(i));
  return out;
}

class Startup : public ::testing::Test, protected WindowFixture {};

TEST_F(Startup, FillsEveryListWithItsNumbers) {
  TForm2& f = start();
  struct ListCase {
    std::vector<TComboBox*> boxes;
    int from, to;
  };
  const ListCase cases[] = {
      {{f.time1, f.time2, f.time3, f.time4, f.time5}, 1, 1000},
      {{f.ComboBox4}, 1, 1024},
      {{f.ComboBox9}, 1, 1},  // the grid set-up keeps the preview widths up to the lamp count
      {{f.ComboBox12, f.ComboBox13, f.ComboBox14, f.ComboBox15, f.ComboBox16, f.ComboBox30, f.ComboBox32, f.ComboBox34}, 1, 150},
      {{f.ComboBox17, f.ComboBox18, f.ComboBox19, f.ComboBox20}, 1, 50},
      {{f.add1, f.add2, f.add3, f.add4, f.add5}, 0, 255},
  };
  for (const ListCase& c : cases)
    for (TComboBox* box : c.boxes) EXPECT_EQ(box->items(), numbers(c.from, c.to)) << box->name();
  for (TComboBox* box : {f.time1, f.time2, f.time3, f.time4, f.time5})
    EXPECT_EQ(box->items().size(), 1000u) << "filled once, not once per reading";
}

TEST_F(Startup, ShowsZoneOneOfTheFirstModelWithThePanelsHidden) {
  TForm2& f = start();
  EXPECT_EQ(f.caption(), "Hueloom_v2.6_pro");
  EXPECT_EQ(app.title(), "全彩控制器软件");
  EXPECT_TRUE(app.mainFormOnTaskBar());
  EXPECT_EQ(f.ComboBox6->itemIndex(), 0);
  EXPECT_EQ(f.ComboBox6->text(), "ZK-A");
  EXPECT_EQ(f.TabControl1->tabIndex(), 0);
  EXPECT_EQ(f.project.currentZone, 0);
  EXPECT_EQ(f.BitBtn7->caption(), "[1]area Send");
  EXPECT_TRUE(f.BitBtn5->enabled());
  EXPECT_TRUE(f.BitBtn7->enabled());
  EXPECT_EQ(f.ComboBox10->itemIndex(), 0);
  for (TControl* panel : std::initializer_list<TControl*>{f.GroupBox1, f.GroupBox6, f.GroupBox7, f.GroupBox8, f.GroupBox9, f.GroupBox10,
                          f.GroupBox11, f.GroupBox12, f.GroupBox13, f.cxGroupBox1, f.Panel1})
    EXPECT_FALSE(panel->visible()) << panel->name();
  EXPECT_EQ(errorBoxes(), 0u);
  EXPECT_EQ(f.linkMode, 0);
  EXPECT_EQ(f.ColorDialog1->color(), 0x00FFFFFF);
  EXPECT_EQ(f.lastChosenColour, 0x00FFFFFF);
}

TEST_F(Startup, ResetsTheProjectAndShowsItsSettings) {
  TForm2& f = start();
  for (int zone = 0; zone < 10; ++zone) {
    const ZoneSettings& s = f.project.zoneSettings(zone);
    EXPECT_EQ(s.loopMode, LoopMode::Infinite);
    EXPECT_EQ(s.loopCount, 0);
    EXPECT_EQ(s.endAction, EndAction::NextZone);
    EXPECT_EQ(s.defaultTimes[0], (DefaultTime{1000, DefaultTimeUnit::Milliseconds}));
    EXPECT_EQ(s.defaultTimes[4], (DefaultTime{200, DefaultTimeUnit::Milliseconds}));
  }
  EXPECT_TRUE(f.RadioButton3->checked());
  EXPECT_EQ(f.Edit6->text(), "0");
  EXPECT_EQ(f.ComboBox11->itemIndex(), 0);
  EXPECT_EQ(f.time1->text(), "1000");
  EXPECT_EQ(f.time5->text(), "200");
  EXPECT_EQ(f.timeT3->itemIndex(), 0);
}

TEST_F(Startup, SizesTheGridAndThePreviewForOneLamp) {
  TForm2& f = start();
  EXPECT_EQ(f.ComboBox4->text(), "1");
  EXPECT_EQ(f.StringGrid1->rowCount(), 4);
  EXPECT_EQ(f.StringGrid1->colCount(), 20003) << "one lamp: the capacity is cut to the largest grid";
  EXPECT_EQ(f.Label92->caption(), "step number:20003");
  EXPECT_EQ(f.StringGrid1->colWidth(0), 60);
  EXPECT_EQ(f.StringGrid1->colWidth(1), 10);
  EXPECT_EQ(f.project.englishCaptions, 1);
  EXPECT_EQ(f.Label3->caption(), "long：1");
  ASSERT_EQ(f.previewLamps.size(), 1u);
  EXPECT_EQ(f.previewLamps[0]->parent(), f.Panel1);
  EXPECT_EQ(f.previewLamps[0]->boundsRect(), (TRect{6, 6, 12, 12}));
}

TEST_F(Startup, ReadsTheLanguageCodeFromTheExecutablesFolder) {
  exeDir.write("Language.ini", "[Set]\r\nval=chinesegb\r\n");
  EXPECT_EQ(start().languageCode, "chinesegb");
}

TEST_F(Startup, WithoutALanguageFileTheCodeIsEnglishAndNothingIsReported) {
  EXPECT_EQ(start().languageCode, "English");
  EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(Startup, ListsTheSerialPortsOrSaysThereIsNone) {
  TForm2& f = start();
  if (f.ComboBox5->items().empty()) EXPECT_EQ(f.ComboBox5->text(), "没串口");
  else EXPECT_EQ(f.ComboBox5->itemIndex(), 0);
  for (const std::string& port : f.ComboBox5->items()) EXPECT_EQ(port.rfind("/dev/", 0), 0u) << port;
}

TEST_F(Startup, PreviewLampsFollowTheWidth) {
  TForm2& f = start();
  f.ComboBox4->userSelect(9);
  ASSERT_EQ(f.ComboBox9->items().size(), 10u);
  f.ComboBox9->userSelect(3);
  ASSERT_EQ(f.previewLamps.size(), 10u);
  // Rows of 4, 4 and 2 lamps.
  EXPECT_EQ(f.previewLamps[3]->boundsRect(), (TRect{24, 6, 30, 12}));
  EXPECT_EQ(f.previewLamps[4]->boundsRect(), (TRect{6, 12, 12, 18}));
  EXPECT_EQ(f.previewLamps[9]->boundsRect(), (TRect{12, 18, 18, 24}));
  EXPECT_EQ(f.Label3->caption(), "long：2") << "10 / 4 = 2.5 rounds to the even 2";
}

TEST_F(Startup, ResizingMovesTheToolPanelByTheWidthBeforeTheResize) {
  TForm2& f = start();
  EXPECT_EQ(f.GroupBox4->left(), 9);
  const int widthBefore = f.width();
  f.userResize(1153, 754);
  EXPECT_EQ(f.GroupBox4->left(), widthBefore - 1035 - 28);
  EXPECT_EQ(f.StringGrid1->width(), 1037 + 100);
  EXPECT_EQ(f.StringGrid1->height(), 487 + 50);
}

TEST_F(Startup, MovingTheMouseOverTheWindowHidesTheFloatingParts) {
  TForm2& f = start();
  f.TimeComb->show();
  f.TimeComb2->show();
  f.cxLabel3->show();
  const ZoneSettings before = f.project.zoneSettings(0);
  f.GroupBox4->userMouseMove(0, 10, 10);
  EXPECT_FALSE(f.TimeComb->visible());
  EXPECT_FALSE(f.TimeComb2->visible());
  EXPECT_FALSE(f.cxLabel3->visible());
  EXPECT_EQ(f.project.zoneSettings(0), before) << "hiding a time editor stores nothing";
}

TEST_F(Startup, TextThatIsNotANumberIsReportedAndTheWindowGoesOn) {
  TForm2& f = start();
  const int rows = f.StringGrid1->rowCount();
  f.ComboBox4->userSetText("12a");
  ASSERT_EQ(errorBoxes(), 1u);
  EXPECT_EQ(dialogs.shown().back().text, "'12a' is not a valid integer value");
  EXPECT_EQ(dialogs.shown().back().caption, "全彩控制器软件");
  EXPECT_EQ(f.StringGrid1->rowCount(), rows);
  f.ComboBox4->userSetText("20");
  EXPECT_EQ(f.StringGrid1->rowCount(), 23);
  EXPECT_EQ(errorBoxes(), 1u);
}

TEST_F(Startup, ClosingRunsCleanlyAndEndsTheLoop) {
  TForm2& f = start();
  EXPECT_TRUE(f.userClose());
  EXPECT_TRUE(app.terminated());
  EXPECT_EQ(errorBoxes(), 0u);
  form.reset();
  EXPECT_FALSE(app.nextTimerDue().has_value()) << "no timer outlives the window";
}

TEST_F(Startup, TheReceiveMessageReachesTheWindowAndNothingAfterItIsGone) {
  TForm2& f = start();
  const WindowHandle handle = f.handle();
  EXPECT_TRUE(app.postMessage(handle, SE_MSG_RECEIVE, 3, 0));
  clock.advance(1);
  EXPECT_EQ(errorBoxes(), 0u);
  form.reset();
  EXPECT_FALSE(app.postMessage(handle, SE_MSG_RECEIVE, 3, 0));
}

}  // namespace
}  // namespace hl::test

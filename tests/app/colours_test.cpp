// Colour selection: the change-colour buttons, the swatch, the menu's
// colour command and how they feed painting.
#include "grid_fixture.h"

namespace hl::test {
namespace {

class Colours : public GridWindow {};

TEST_F(Colours, ChangeColourLetsClicksPaintWithoutTheDialog) {
  dialogs.queueColor(kRed);
  f.Button3->userClick();
  EXPECT_EQ(f.editor.paintColour, kRed);
  EXPECT_EQ(f.editor.fillColour, kRed);
  EXPECT_EQ(f.Label14->caption(), "R:255 G:0 B:0");
  EXPECT_EQ(f.Shape4->brushColor(), kRed);
  click(4, 4);
  EXPECT_EQ(at(4, 4), kRed);
  EXPECT_EQ(colourDialogs(), 1u);
}

TEST_F(Colours, TheSwatchActsLikeItsButtonAndTheDialogStartsFromTheLastChoice) {
  dialogs.queueColor(kBlue);
  f.Shape4->userMouseDown(TMouseButton::mbLeft, 0, 3, 3);
  EXPECT_EQ(f.Shape4->brushColor(), kBlue);
  dialogs.queueColor(std::nullopt);
  f.Button3->userClick();
  EXPECT_EQ(lastDialogPreset(), kBlue);
  EXPECT_TRUE(dialogs.shownOf(ScriptedDialogHost::Kind::ColorDialog).back().color.fullOpen);
  EXPECT_EQ(f.editor.paintColour, kBlue) << "cancel changes nothing";
}

TEST_F(Colours, ToolColourButtonsSetTheirSwatchesAndThePaintColour) {
  struct Case {
    TControl* trigger;
    TLabel* label;
    std::string text;
    std::vector<TEdit*> swatches;
  };
  const CellColor colours[] = {0x00102030, 0x00405060, 0x00708090, 0x00A0B0C0};
  const std::vector<Case> cases = {{f.Button6, f.Label19, "R:48 G:32 B:16", {f.Edit5, f.Edit11}},
                                   // A click on a swatch is the custom fill's change-colour button.
                                   {f.Edit16, f.Label19, "R:96 G:80 B:64", {f.Edit5, f.Edit11}},
                                   {f.Button14, f.Label33, "R:144 G:128 B:112", {f.Edit16}},
                                   {f.Button15, f.Label34, "R:192 G:176 B:160", {f.Edit15}}};
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const TColor gradientStart = f.Edit16->color();
    dialogs.queueColor(colours[i]);
    cases[i].trigger->userClick();
    EXPECT_EQ(f.editor.toolColour, colours[i]);
    EXPECT_EQ(f.editor.paintColour, colours[i]);
    EXPECT_EQ(cases[i].label->caption(), cases[i].text);
    for (TEdit* swatch : cases[i].swatches) EXPECT_EQ(swatch->color(), colours[i]);
    if (cases[i].trigger == f.Edit16) {
      EXPECT_EQ(f.Edit16->color(), gradientStart) << "only Button14 sets the gradient start";
    }
  }
  EXPECT_EQ(f.editor.fillColour, kWhite) << "tool colours leave the fill colour";
  EXPECT_EQ(f.Label24->caption(), "GRB");
  click(4, 4);
  EXPECT_EQ(at(4, 4), colours[3]);
}

TEST_F(Colours, BlackEmptiesTheSlots) {
  dialogs.queueColor(kRed);
  f.Button3->userClick();
  dialogs.queueColor(clBlack);
  f.Button6->userClick();
  EXPECT_EQ(f.editor.toolColour, 0);
  EXPECT_EQ(f.editor.paintColour, 0);
  dialogs.queueColor(std::nullopt);
  click(4, 4);
  EXPECT_EQ(colourDialogs(), 3u) << "no paint colour: the click asks";
}

TEST_F(Colours, MenuColourCommandPaintsTheAnchorCellButNotTheSwatch) {
  click(7, 9, TMouseButton::mbRight);
  dialogs.queueColor(kGreen);
  f.N7->userClick();
  EXPECT_EQ(at(7, 9), kGreen);
  EXPECT_EQ(f.editor.paintColour, kGreen);
  EXPECT_EQ(f.editor.fillColour, kGreen);
  EXPECT_EQ(f.Label14->caption(), "R:0 G:255 B:0");
  EXPECT_EQ(f.Shape4->brushColor(), kWhite);
}

}  // namespace
}  // namespace hl::test

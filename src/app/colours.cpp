// Colour selection: the change-colour buttons, the swatch and the menu's
// colour command fill the editor's colour slots from ColorDialog1.
#include "app/colour_choice.h"
#include "app/form2.h"
#include "editor/captions.h"
#include "editor/grid_hit.h"

namespace hl {

std::optional<CellColor> askColour(TForm2& form) {
  form.ColorDialog1->setColor(form.lastChosenColour);
  if (!form.ColorDialog1->execute()) return std::nullopt;
  // Cells hold plain red, green and blue; never a system colour.
  const CellColor chosen = form.ColorDialog1->color() & 0x00FFFFFF;
  form.lastChosenColour = chosen;
  return chosen;
}

void usePaintAndFillColour(TForm2& form, CellColor colour) {
  form.editor.paintColour = colour;
  form.editor.fillColour = colour;
  form.Label14->setCaption(colourComponentText(colour));
}

namespace {

// The tool colour is also the paint colour; label shows its components.
void useToolColour(TForm2& form, CellColor colour, TLabel& label) {
  form.editor.toolColour = colour;
  form.editor.paintColour = colour;
  label.setCaption(colourComponentText(colour));
}

}  // namespace

void TForm2::Button3Click(TObject*) {
  const auto colour = askColour(*this);
  if (!colour) return;
  usePaintAndFillColour(*this, *colour);
  Shape4->setBrushColor(*colour);
}

void TForm2::Shape4MouseDown(TObject* Sender, TMouseButton, TShiftState, int, int) { Button3Click(Sender); }

void TForm2::N7Click(TObject*) {
  const auto colour = askColour(*this);
  if (!colour) return;
  usePaintAndFillColour(*this, *colour);
  const TPoint anchor = editor.anchorCell;
  if (isFrameCell(anchor) && Project::cellInStore(project.currentZone, anchor.y, anchor.x))
    project.setCell(project.currentZone, anchor.y, anchor.x, *colour);
  StringGrid1->repaint();
}

void TForm2::Button6Click(TObject*) {
  const auto colour = askColour(*this);
  if (!colour) return;
  useToolColour(*this, *colour, *Label19);
  Edit5->setColor(*colour);
  Edit11->setColor(*colour);
}

void TForm2::Button14Click(TObject*) {
  const auto colour = askColour(*this);
  if (!colour) return;
  useToolColour(*this, *colour, *Label33);
  Edit16->setColor(*colour);
}

void TForm2::Button15Click(TObject*) {
  const auto colour = askColour(*this);
  if (!colour) return;
  useToolColour(*this, *colour, *Label34);
  Edit15->setColor(*colour);
}

}  // namespace hl

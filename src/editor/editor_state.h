#pragma once
// What the pattern editor remembers between mouse actions and commands.
#include "editor/copy_buffer.h"
#include "model/limits.h"
#include "model/types.h"
#include "platform/types.h"

namespace hl {

struct EditorState {
  // Cell of the last right click, where the menu's commands start. Until
  // the first right click: the first frame of the first channel.
  TPoint anchorCell{kFirstFrameColumn, kFirstChannelRow};
  // Colour of the next painted cell; 0 means none chosen yet.
  CellColor paintColour = 0;
  // Colour of "fill selection" in full-colour zones.
  CellColor fillColour = 0x00FFFFFF;
  // Colour of the custom fill and the running bar.
  CellColor toolColour = 0;
  // A floating box is being dragged with the mouse.
  bool boxDragging = false;
  CopyBuffer copyBuffer;
};

}  // namespace hl

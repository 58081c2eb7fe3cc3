#pragma once
// The main window: its controls (Form2Controls), the handlers bound to their
// events, and the state that lives as long as the window.
#include <memory>
#include <string>
#include <vector>

#include "app/form2_controls.h"
#include "app/form_link.h"
#include "app/main_form.h"
#include "editor/editor_state.h"
#include "formats/pattern_image.h"
#include "model/controller_profiles.h"
#include "model/display_tables.h"
#include "model/project.h"
#include "platform/ini_file.h"

namespace hl {

class TForm2 : public Form2Controls {
 public:
  TForm2(Application& app, const FormEnvironment& environment);
  ~TForm2() override;

  // Every handler the window's controls are bound to.
#include "app/form2_handlers.inc"

  // Routes the serial receive message to OnCommReceive.
  void dispatchMessage(Message& message) override;

  // --- State that lives as long as the window ---------------------------
  FormEnvironment environment;
  // Scratch texts of the row captions.
  std::string scratchText1, scratchText2;
  // Pointer positions of block selection, in screen coordinates.
  TPoint dragStartPoint, dragEndPoint, boxGrabPoint;
  Project project;

  std::string languageCode = "English";
  std::unique_ptr<TIniFile> languageIni;
  bool deleteAfterCopy = false;
  bool fillAfterCopy = false;
  // Lamps of the preview field, one per channel, owned by the window.
  std::vector<TShape*> previewLamps;
  // Grid cell under the last mouse-up (-1 outside the cells); the time
  // editors write to its column.
  TPoint clickedCell{-1, -1};
  // Anchor cell, colour slots, copied block: the pattern editor's state.
  EditorState editor;
  int linkMode = 0;
  // Serial engine, link state and upload (SE_MSG_RECEIVE comes from its engine).
  FormLink link{*this};
  TColor lastChosenColour = clWhite;

  // --- Routines other parts of the window call ------------------------
  // Fills the serial port list from the system.
  void FillPortList();
  // Reads the settings file and the working pattern of the stored model.
  void LoadSettings();
  // Applies the selected model's profile; gives the lamp count it leaves.
  int ApplyProfile();
  // Reads the working pattern of the current controller family.
  void RestoreWorkingPattern();
  // What the pattern encoder reads from the window's controls.
  EncoderInputs encoderInputs() const;
  // Every zone back to its reset state, then the panel shows zone 1 again.
  void ClearAllZones();
  // Zone grid set-up for the current model, lamp count and zone.
  void SetupZoneGrid();
  // Creates one lamp per channel on the preview panel, lampsPerRow a row.
  void LayoutPreviewLamps(int lampCount, int lampsPerRow);

 private:
  void fillPreviewWidths(int lamps);
  void applyLampLimit(const ControllerProfile& profile);
  void showZoneTabs(const ControllerProfile& profile);
  ZoneSettings& shownZoneSettings();
  // Stores default time k (0-based) of the zone shown from its boxes.
  void storeDefaultTime(int k);
  void emptyDefaultTimeBecomesTen(TComboBox& box, int k);
  void sizeGridForCurrentZone(int lamps);
  // Binds every control event to its handler (form2_bindings.cpp).
  void bindEvents();
};

}  // namespace hl

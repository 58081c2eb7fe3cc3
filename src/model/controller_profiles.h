#pragma once
// The sixteen controller models: what each one's zone tabs say, how many
// lamps it drives, how much pattern memory it has, how its zones are laid
// out and encoded, and how it is uploaded. One table serves the window, the
// files and the command-line tool.
#include <array>
#include <string>
#include <string_view>

#include "model/types.h"

namespace hl {

inline constexpr int kModelCount = 16;
// lastUploadZone of a model that keeps the value the previous model left.
inline constexpr int kKeepLastUploadZone = -1;

struct ControllerProfile {
  std::string_view itemText;  // as listed in the model box
  std::array<std::string_view, 9> tabNumbers;  // number part of each zone tab; empty ends the list
  std::string_view suffix;    // replaces the language's zone word when not empty
  int lampMaximum;            // the RGBW variant of the DMX model allows fewer (rgbwLampMaximum)
  bool fixedLampCount;        // the lamp count is the maximum and cannot be changed
  int memoryBytes;
  FamilyMode familyMode;
  int blockSize;              // pattern bytes per upload packet
  int lastUploadZone;         // highest zone of an all-zones upload, or kKeepLastUploadZone
  bool allZonesSend;
  bool triggerButton;         // shows the trigger settings button
  bool zoneModeButton;        // shows the zone-mode settings button
  bool pairSelector;          // enables the zone-pair selector
  bool rgbwSwitch;            // shows the RGBW switch
  bool chipButton;            // shows the pixel-chip button
  int rgbwLampMaximum;        // lamp maximum while the RGBW switch is on (0: no such switch)

  int tabCount() const;
};

// The profile of model 0..kModelCount-1; a model index outside that range
// (no model selected) is served as model 0.
const ControllerProfile& controllerProfile(int model);

// The lamp maximum of a model, with the RGBW switch as given.
int lampMaximum(int model, bool rgbw);

// Caption of a zone tab: prefix, number part, then the model's suffix or the
// language's zone word. The language code is compared without regard to
// case: "ChineseGB" and "ChineseBIG5" have their own words, any other code
// the English ones.
std::string zoneTabCaption(const ControllerProfile& profile, int tab, std::string_view languageCode);

// The working-pattern file that holds a controller family's last pattern.
std::string_view workingPatternFile(FamilyMode mode);

}  // namespace hl

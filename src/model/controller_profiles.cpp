#include "model/controller_profiles.h"

#include <strings.h>

namespace hl {
namespace {

using F = FamilyMode;
constexpr std::string_view kPorts = " thoroughfare";
constexpr int kKeep = kKeepLastUploadZone;

// clang-format off
constexpr std::array<ControllerProfile, kModelCount> kProfiles = {{
//  item text          tab numbers                                                   suffix  lamps fixed memory    family              block last allSend trig  zoneM pair   rgbw   chip  rgbwMax
  {"ZK-A",           {"1", "2", "3", "4", "5", "6"},                                  "",     1024, false, 589824,   F::Standard,        500,  5, true,  false, false, false, false, false, 0},
  {"ZK-B",           {"1"},                                                           "",     1024, false, 6160000,  F::Standard,        500, kKeep, false, false, false, false, false, false, 0},
  {"ZK-J",           {"1"},                                                           "",     120,  false, 18432,    F::Standard,        500,  0, false, false, false, false, false, false, 0},
  {"ZK-Jn",          {"1", "2"},                                                      "",     512,  false, 2003807,  F::Standard,        500,  1, true,  false, false, false, false, false, 0},
  {"ZK-Q1",          {"1"},                                                           "",     1024, false, 67108864, F::Standard,        500,  0, false, false, false, false, false, false, 0},
  {"ZK-Q2",          {"1", "2"},                                                      kPorts, 1024, false, 67108864, F::PortPairs,       1500, 1, false, false, false, true,  false, false, 0},
  {"ZK-J2",          {"1", "2"},                                                      kPorts, 1024, false, 1675000,  F::PortPairs,       1500, 1, false, false, false, true,  false, false, 0},
  {"ZK-J-Plus",      {"1"},                                                           "",     300,  false, 1001903,  F::Standard,        1500, 1, false, false, false, false, false, false, 0},
  {"ZK-Jn-Plus",     {"1", "2"},                                                      "",     512,  false, 2003807,  F::Standard,        1500, 2, true,  true,  false, false, false, false, 0},
  {"ZK-Jn-Plus-4",   {"1", "2", "3", "4"},                                            "",     512,  false, 1001903,  F::Standard,        1500, 4, true,  true,  false, false, false, false, 0},
  {"ZK-QD-50-单",    {"1单", "2单", "3单", "4单", "5单", "1幻", "2幻", "3幻", "4幻"}, "",     50,   true,  122000,   F::SingleBank,      200,  8, true,  false, true,  false, false, false, 0},
  {"ZK-QD-50-全",    {"1单", "1幻", "2单", "2幻", "3单", "3幻", "4单", "4幻"},        "",     50,   true,  122000,   F::SingleAlternate, 200,  8, true,  false, false, false, false, false, 0},
  {"ZK-Jn-Plus_2ch", {"1", "2"},                                                      kPorts, 256,  false, 2003807,  F::Standard,        700,  1, true,  true,  false, false, false, false, 0},
  {"ZK-N30",         {"1"},                                                           kPorts, 30,   true,  4300,     F::Standard,        55,   1, true,  true,  false, false, false, false, 0},
  {"ZK-Jn-DMX",      {"1", "2"},                                                      "",     170,  false, 2003807,  F::Standard,        1500, 2, true,  true,  false, false, true,  false, 128},
  {"ZK-Jn-RGBW",     {"1", "2"},                                                      "",     384,  false, 2003807,  F::Standard,        1500, 2, true,  true,  false, false, false, true,  0},
}};
// clang-format on

bool equalsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

}  // namespace

int ControllerProfile::tabCount() const {
  int n = 0;
  while (n < static_cast<int>(tabNumbers.size()) && !tabNumbers[n].empty()) ++n;
  return n;
}

const ControllerProfile& controllerProfile(int model) {
  return kProfiles[model >= 0 && model < kModelCount ? model : 0];
}

int lampMaximum(int model, bool rgbw) {
  const ControllerProfile& p = controllerProfile(model);
  return rgbw && p.rgbwLampMaximum > 0 ? p.rgbwLampMaximum : p.lampMaximum;
}

std::string zoneTabCaption(const ControllerProfile& profile, int tab, std::string_view languageCode) {
  std::string_view prefix = "st ", zoneWord = " partition";
  if (equalsNoCase(languageCode, "ChineseGB")) {
    prefix = "第";
    zoneWord = "分区";
  } else if (equalsNoCase(languageCode, "ChineseBIG5")) {
    prefix = "第";
    zoneWord = "分區";
  }
  if (!profile.suffix.empty()) zoneWord = profile.suffix;
  std::string caption(prefix);
  caption += profile.tabNumbers.at(static_cast<std::size_t>(tab));
  caption += zoneWord;
  return caption;
}

std::string_view workingPatternFile(FamilyMode mode) {
  switch (mode) {
    case FamilyMode::SingleBank:
      return "tempRGB_QD_D.bin";
    case FamilyMode::SingleAlternate:
      return "tempRGB_QD_C.bin";
    default:
      return "tempRGB.bin";
  }
}

}  // namespace hl

// hueloom-cli models: one line per controller model, tab-separated.
#include <ostream>
#include <string>

#include "cli/commands.h"
#include "model/controller_profiles.h"
#include "model/family_rules.h"
#include "model/limits.h"

namespace hl::cli {
namespace {

constexpr const char* kHelp =
    "usage: hueloom-cli models\n"
    "\n"
    "Prints one line per controller model, tab-separated: index, name, zone tab\n"
    "numbers, lamp maximum (\"fixed\" when the count cannot be changed; a/b for\n"
    "the limit with and without RGBW), pattern memory in bytes, family, bytes per\n"
    "upload packet, last zone of an all-zones upload (\"-\": the previous model's),\n"
    "frames with 1 lamp, frames with the most lamps.\n";

const char* familyName(FamilyMode mode) {
  switch (mode) {
    case FamilyMode::Standard: return "Standard";
    case FamilyMode::PortPairs: return "PortPairs";
    case FamilyMode::SingleBank: return "SingleBank";
    case FamilyMode::SingleAlternate: return "SingleAlternate";
  }
  return "?";
}

std::string tabNumbers(const ControllerProfile& p) {
  std::string joined;
  for (int tab = 0; tab < p.tabCount(); ++tab) {
    if (tab) joined += ',';
    joined += p.tabNumbers[static_cast<std::size_t>(tab)];
  }
  return joined;
}

std::string lampLimit(const ControllerProfile& p) {
  if (p.fixedLampCount) return std::to_string(p.lampMaximum) + " fixed";
  if (p.rgbwLampMaximum > 0) return std::to_string(p.rgbwLampMaximum) + "/" + std::to_string(p.lampMaximum);
  return std::to_string(p.lampMaximum);
}

// Frames of the first zone, whose grid is the one a new project shows.
int framesOfFirstZone(const ControllerProfile& p, int lamps) {
  return frameCapacity(p.memoryBytes, lamps, p.familyMode, 0) - kFirstFrameColumn;
}

}  // namespace

int modelsCommand(const Arguments& args, std::ostream& out, std::ostream& err) {
  if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
    out << kHelp;
    return 0;
  }
  if (!args.empty()) {
    err << "hueloom-cli models: unexpected argument '" << args[0] << "'\n";
    return 1;
  }
  for (int model = 0; model < kModelCount; ++model) {
    const ControllerProfile& p = controllerProfile(model);
    out << model << '\t' << p.itemText << '\t' << tabNumbers(p) << '\t' << lampLimit(p) << '\t' << p.memoryBytes << '\t'
        << familyName(p.familyMode) << '\t' << p.blockSize << '\t'
        << (p.lastUploadZone == kKeepLastUploadZone ? std::string("-") : std::to_string(p.lastUploadZone)) << '\t'
        << framesOfFirstZone(p, 1) << '\t' << framesOfFirstZone(p, p.lampMaximum) << '\n';
  }
  return 0;
}

}  // namespace hl::cli

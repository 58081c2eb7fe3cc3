// hueloom-cli info FILE: one line per image of a pattern file.
#include <iomanip>
#include <ostream>
#include <sstream>
#include <string>

#include "cli/commands.h"
#include "cli/pattern_file_kinds.h"
#include "formats/file_bytes.h"
#include "formats/image_problem_text.h"
#include "formats/pattern_reader.h"
#include "model/controller_profiles.h"

namespace hl::cli {
namespace {

constexpr const char* kHelp =
    "usage: hueloom-cli info FILE\n"
    "\n"
    "Prints one line per image of a pattern file (.Aled, .led, .ZKD or a\n"
    "working-pattern file), as space-separated name=value fields:\n"
    "  zone          zone of the image in a ten-image file, '-' in a one-image file\n"
    "  channel-bytes colour bytes per frame; lamps = channel-bytes / 3\n"
    "  frames        frame records\n"
    "  times         the five default times with their units\n"
    "  loop          infinite, counted or once; loop-count its count\n"
    "  end           next-zone, keep-last or all-off\n"
    "  model         controller model index; chip the three chip-flag bytes\n"
    "  family        Standard, PortPairs, SingleBank or SingleAlternate\n"
    "A .ZKD of a PortPairs model holds both ports of a pair in each frame.\n";

std::string codeName(int code, std::initializer_list<std::pair<int, const char*>> names) {
  for (const auto& [value, name] : names)
    if (value == code) return name;
  return "code" + std::to_string(code);
}

std::string times(const ImageHeader& h) {
  std::string text;
  for (int k = 0; k < kDefaultTimeCount; ++k) {
    if (k) text += ',';
    text += std::to_string(h.defaultTimes[k].value) +
            codeName(h.defaultTimes[k].unit, {{DefaultTimeUnit::Milliseconds, "ms"},
                                              {DefaultTimeUnit::Seconds, "s"},
                                              {DefaultTimeUnit::Minutes, "min"}});
  }
  return text;
}

std::string chip(const ImageHeader& h) {
  std::ostringstream text;
  text << std::hex << std::uppercase << std::setfill('0');
  for (int i = 0; i < 3; ++i) text << (i ? "." : "") << std::setw(2) << int(h.chipFlags[i]);
  return text.str();
}

void printImage(std::ostream& out, const ImageHeader& h, const std::string& zone) {
  out << "zone=" << zone << " channel-bytes=" << h.channelBytes << " lamps=" << h.channelBytes / 3
      << " frames=" << h.frameCount << " times=" << times(h) << " loop="
      << codeName(h.loopMode,
                  {{LoopMode::Infinite, "infinite"}, {LoopMode::Counted, "counted"}, {LoopMode::Once, "once"}})
      << " loop-count=" << h.loopCount << " end="
      << codeName(
             h.endAction,
             {{EndAction::NextZone, "next-zone"}, {EndAction::KeepLast, "keep-last"}, {EndAction::AllOff, "all-off"}})
      << " model=" << h.model << " chip=" << chip(h) << " family="
      << codeName(h.familyMode, {{0, "Standard"}, {1, "PortPairs"}, {5, "SingleBank"}, {6, "SingleAlternate"}}) << '\n';
}

}  // namespace

int infoCommand(const Arguments& args, std::ostream& out, std::ostream& err) {
  if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
    out << kHelp;
    return 0;
  }
  if (args.size() != 1) {
    err << "hueloom-cli info: expected one FILE (try --help)\n";
    return 1;
  }
  const std::string& path = args[0];
  const FileRead file = readFileBytes(path);
  if (file.status != FileRead::Status::Ok) {
    err << "hueloom-cli info: " << path << ": " << file.reason << '\n';
    return 1;
  }
  // Only an upload image of a port pair carries two zones per frame.
  const bool merged = patternFileKind(path) == PatternFileKind::Export && file.bytes.size() > kFamilyModeAt &&
                      file.bytes[kFamilyModeAt] == static_cast<int>(FamilyMode::PortPairs);
  const ImageWalk walk = walkPatternImages(file.bytes, 0, merged);
  if (walk.problem || walk.images.empty()) {
    err << "hueloom-cli info: " << path << ": "
        << (walk.problem ? describeProblemEnglish(*walk.problem) : std::string("the file holds no image")) << '\n';
    return 1;
  }
  for (std::size_t i = 0; i < walk.images.size(); ++i)
    printImage(out, walk.images[i].header, walk.images.size() == 1 ? std::string("-") : std::to_string(i + 1));
  return 0;
}

}  // namespace hl::cli

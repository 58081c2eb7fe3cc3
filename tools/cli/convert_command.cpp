// hueloom-cli convert IN OUT: reads a pattern file into a project and
// writes it out again by the extension of OUT, through the same encoder,
// reader and pattern files as the window's buttons.
#include <algorithm>
#include <optional>
#include <ostream>
#include <string>

#include "cli/commands.h"
#include "cli/options.h"
#include "cli/pattern_file_kinds.h"
#include "formats/file_bytes.h"
#include "formats/headless_project.h"
#include "formats/image_problem_text.h"
#include "formats/project_files.h"
#include "model/controller_profiles.h"
#include "model/family_rules.h"
#include "platform/errors.h"

namespace hl::cli {
namespace {

constexpr const char* kHelp =
    "usage: hueloom-cli convert IN OUT [--model N] [--lamps N] [--order ORDER] [--zone K]\n"
    "\n"
    "Reads the pattern file IN (.Aled or a working-pattern file: ten zones; .led:\n"
    "one zone, read into zone K) and writes OUT by its extension:\n"
    "  .Aled  all ten zones, file images\n"
    "  .led   zone K, file image\n"
    "  .ZKD   zone K as the controller loads it: colours in ORDER, and for a\n"
    "         PortPairs model both ports of the pair merged\n"
    "\n"
    "  --model N    controller model 0-15 (default: the model byte of IN's first image)\n"
    "  --lamps N    lamp count 1-1024 (default: the widest image of IN, channel bytes / 3)\n"
    "  --order O    RGB, RBG, GRB, GBR, BGR or BRG (default BRG)\n"
    "  --zone K     zone 1-10 (default 1)\n"
    "A .ZKD cannot be read: it holds an upload image. The settings and working\n"
    "pattern of the window are never read or written.\n";

struct Options {
  std::string in, out;
  std::optional<int> model, lamps;
  int order = kDefaultColourOrder;
  int zone = 0;  // 0-based
};

// Parses the arguments; gives the problem in words when they are bad.
std::string parse(const Arguments& args, Options& options) {
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.rfind("--", 0) != 0) {
      files.push_back(arg);
      continue;
    }
    if (i + 1 == args.size()) return arg + " needs a value";
    const std::string& value = args[++i];
    if (arg == "--model") {
      if (!(options.model = integerIn(value, 0, kModelCount - 1))) return "--model must be 0 to 15, not '" + value + "'";
    } else if (arg == "--lamps") {
      if (!(options.lamps = integerIn(value, 1, kMaxLampCount))) return "--lamps must be 1 to 1024, not '" + value + "'";
    } else if (arg == "--zone") {
      const auto zone = integerIn(value, 1, kZoneSlots);
      if (!zone) return "--zone must be 1 to 10, not '" + value + "'";
      options.zone = *zone - 1;
    } else if (arg == "--order") {
      const auto order = colourOrderIndex(value);
      if (!order) return std::string("--order must be ") + kColourOrderNames + ", not '" + value + "'";
      options.order = *order;
    } else {
      return "unknown option " + arg;
    }
  }
  if (files.size() != 2) return "expected IN and OUT (try --help)";
  options.in = files[0];
  options.out = files[1];
  return {};
}

// Chip selection that gives back the chip flags an image carries.
int chipOfFlags(const ImageHeader& h) {
  if (h.chipFlags[0] == 1) return 2;
  return h.chipFlags[1] == 1 ? 1 : 0;
}

// An image with more frames than the model and lamp count hold would lose
// its later frames when written.
std::string checkCapacity(const std::vector<ImageHeader>& headers, const PatternReadRequest& request, int model,
                          int lamps) {
  const ControllerProfile& profile = controllerProfile(model);
  for (std::size_t i = 0; i < headers.size(); ++i) {
    const int zone = request.firstZone + static_cast<int>(i);
    const int frames = frameCapacity(profile.memoryBytes, lamps, profile.familyMode, zone) - kFirstFrameColumn;
    if (headers[i].frameCount > frames)
      return "zone " + std::to_string(zone + 1) + " has " + std::to_string(headers[i].frameCount) + " frames, model " +
             std::to_string(model) + " with " + std::to_string(lamps) + " lamps holds " + std::to_string(frames);
  }
  return {};
}

int fail(std::ostream& err, const std::string& message) {
  err << "hueloom-cli convert: " << message << '\n';
  return 1;
}

}  // namespace

int convertCommand(const Arguments& args, std::ostream& out, std::ostream& err) {
  if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
    out << kHelp;
    return 0;
  }
  Options options;
  if (const std::string problem = parse(args, options); !problem.empty()) return fail(err, problem);
  const PatternFileKind inKind = patternFileKind(options.in);
  if (inKind == PatternFileKind::Export)
    return fail(err, options.in + ": a .ZKD holds an upload image and cannot be read");

  const FileRead file = readFileBytes(options.in);
  if (file.status != FileRead::Status::Ok) return fail(err, options.in + ": " + file.reason);
  const PatternReadRequest request = inKind == PatternFileKind::OneZone
                                         ? PatternReadRequest{PatternReadUse::OneZone, options.zone}
                                         : PatternReadRequest{PatternReadUse::AllZones, 0};
  const ImageWalk walk = walkPatternImages(file.bytes, imageCountOf(request.use), false);
  if (walk.problem) return fail(err, options.in + ": " + describeProblemEnglish(*walk.problem));

  const ImageHeader& first = walk.images.front().header;
  const int model = options.model.value_or(first.model);
  if (model >= kModelCount)
    return fail(err, options.in + ": model byte " + std::to_string(model) + " names no model; give --model");
  int widest = 0;
  for (const ImageSpan& image : walk.images) widest = std::max(widest, image.header.channelBytes / 3);
  const int lamps = options.lamps.value_or(std::clamp(widest, 1, kMaxLampCount));

  Project project;
  prepareHeadlessProject(project, model, lamps);
  const PatternReadResult read = ReadPatternImages(project, file.bytes, request);
  if (read.problem) return fail(err, options.in + ": " + describeProblemEnglish(*read.problem));
  if (const std::string lost = checkCapacity(read.headers, request, model, lamps); !lost.empty())
    return fail(err, options.in + ": " + lost);
  // The window keeps end actions in its settings and never takes them from a
  // file; here the file is all there is, so they travel with the images.
  for (std::size_t i = 0; i < read.headers.size(); ++i)
    project.zoneSettings(request.firstZone + static_cast<int>(i)).endAction = read.headers[i].endAction;

  const EncoderInputs inputs = headlessInputs(model, lamps, options.order, chipOfFlags(first));
  PatternFileImages images;
  switch (patternFileKind(options.out)) {
    case PatternFileKind::AllZones:
      if (!hasExtension(options.out, std::string(kAllZonesExtension)))
        return fail(err, options.out + ": OUT must end in .Aled, .led or .ZKD");
      images = encodeAllZonesFile(project, inputs);
      break;
    case PatternFileKind::OneZone:
      images = encodeOneZoneFile(project, inputs, options.zone);
      break;
    case PatternFileKind::Export:
      images = encodeExportFile(project, inputs, options.zone);
      break;
  }
  if (const std::string failure = writePatternFile(options.out, images); !failure.empty())
    return fail(err, options.out + ": " + failure);
  return 0;
}

}  // namespace hl::cli

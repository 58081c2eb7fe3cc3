#include <ostream>

#include "cli/commands.h"

namespace hl::cli {
namespace {

constexpr const char* kUsage =
    "usage: hueloom-cli COMMAND [ARGUMENTS]\n"
    "\n"
    "commands:\n"
    "  models    list the controller models with their limits\n"
    "  info      describe each image of a pattern file\n"
    "  convert   convert a pattern file to .Aled, .led or .ZKD\n"
    "  upload    send a pattern file to a controller on a serial port\n"
    "\n"
    "hueloom-cli COMMAND --help shows the arguments of a command.\n";

}  // namespace

int runCommand(const Arguments& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << kUsage;
    return 1;
  }
  const std::string& command = args.front();
  const Arguments rest(args.begin() + 1, args.end());
  if (command == "--help" || command == "-h" || command == "help") {
    out << kUsage;
    return 0;
  }
  if (command == "models") return modelsCommand(rest, out, err);
  if (command == "info") return infoCommand(rest, out, err);
  if (command == "convert") return convertCommand(rest, out, err);
  if (command == "upload") return uploadCommand(rest, out, err);
  err << "hueloom-cli: unknown command '" << command << "' (try --help)\n";
  return 1;
}

}  // namespace hl::cli

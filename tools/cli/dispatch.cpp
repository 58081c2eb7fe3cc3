#include <ostream>

#include "cli/commands.h"

namespace hl::cli {
namespace {

constexpr const char* kUsage =
    "usage: hueloom-cli COMMAND [ARGUMENTS]\n"
    "\n"
    "commands:\n"
    "  models    list the controller models with their limits\n"
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
  err << "hueloom-cli: unknown command '" << command << "' (try --help)\n";
  return 1;
}

}  // namespace hl::cli

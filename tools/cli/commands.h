#pragma once
// The commands of hueloom-cli. Each takes its arguments (without the
// command's name), writes its output and messages to the given streams, and
// returns the exit status: 0 on success, 1 with a one-line message on bad input.
#include <iosfwd>
#include <string>
#include <vector>

namespace hl::cli {

using Arguments = std::vector<std::string>;

int runCommand(const Arguments& args, std::ostream& out, std::ostream& err);

int modelsCommand(const Arguments& args, std::ostream& out, std::ostream& err);
int infoCommand(const Arguments& args, std::ostream& out, std::ostream& err);
int convertCommand(const Arguments& args, std::ostream& out, std::ostream& err);
int uploadCommand(const Arguments& args, std::ostream& out, std::ostream& err);

}  // namespace hl::cli

// hueloom-cli: the pattern tools for scripts, on the same code as the window.
#include <iostream>

#include "cli/commands.h"

int main(int argc, char** argv) {
  const hl::cli::Arguments args(argv + 1, argv + argc);
  try {
    return hl::cli::runCommand(args, std::cout, std::cerr);
  } catch (const std::exception& e) {
    std::cerr << "hueloom-cli: " << e.what() << '\n';
    return 1;
  }
}

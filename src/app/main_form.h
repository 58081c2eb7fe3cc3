#pragma once
// Creating the main window: construction, then its OnCreate start-up.
#include <memory>
#include <string>

namespace hl {

class Application;
class TForm2;

// Where the window finds its files. The program passes the executable's
// folder and the current directory at start; tests pass temporary folders.
struct FormEnvironment {
  std::string executableDir;  // Language.ini
  std::string startupDir;     // Config.ini and the working-pattern files
};

// Builds the window with every control, then runs its start-up.
std::unique_ptr<TForm2> createMainForm(Application& app, const FormEnvironment& environment);

}  // namespace hl

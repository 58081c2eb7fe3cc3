#pragma once
// Folders the program reads and writes its files in.
#include <string>

namespace hl {

// The folder of the running executable, without a trailing slash.
std::string executableDirectory();
// The process's current directory, without a trailing slash.
std::string currentDirectory();
// Joins a folder and a file name with one slash.
std::string joinPath(const std::string& folder, const std::string& name);

}  // namespace hl

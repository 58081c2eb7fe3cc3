#include "platform/paths.h"

#include <filesystem>

namespace hl {

std::string executableDirectory() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return currentDirectory();
  return exe.parent_path().string();
}

std::string currentDirectory() {
  std::error_code ec;
  const auto cwd = std::filesystem::current_path(ec);
  return ec ? std::string(".") : cwd.string();
}

std::string joinPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  if (folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

}  // namespace hl

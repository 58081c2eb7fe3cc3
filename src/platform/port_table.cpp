#include "platform/port_table.h"

#include <sys/stat.h>

#include <mutex>
#include <vector>

namespace hl {
namespace {

std::mutex tableMutex;
std::vector<std::string>& table() {
  static std::vector<std::string> paths;  // number k is paths[k - 1]
  return paths;
}

bool isCharacterDevice(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISCHR(info.st_mode);
}

}  // namespace

std::optional<unsigned> portNumberOf(const std::string& devicePath) {
  std::lock_guard lock(tableMutex);
  auto& paths = table();
  for (std::size_t i = 0; i < paths.size(); ++i)
    if (paths[i] == devicePath) return static_cast<unsigned>(i + 1);
  if (paths.size() >= kMaxPortNumber || !isCharacterDevice(devicePath)) return std::nullopt;
  paths.push_back(devicePath);
  return static_cast<unsigned>(paths.size());
}

std::string portPathOf(unsigned number) {
  std::lock_guard lock(tableMutex);
  const auto& paths = table();
  if (number < 1 || number > paths.size()) return {};
  return paths[number - 1];
}

}  // namespace hl

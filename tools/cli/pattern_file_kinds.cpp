#include "cli/pattern_file_kinds.h"

#include <strings.h>

#include <filesystem>

namespace hl::cli {

bool hasExtension(const std::string& path, const std::string& extension) {
  const std::string own = std::filesystem::path(path).extension().string();
  return own.size() == extension.size() && strcasecmp(own.c_str(), extension.c_str()) == 0;
}

PatternFileKind patternFileKind(const std::string& path) {
  if (hasExtension(path, ".led")) return PatternFileKind::OneZone;
  if (hasExtension(path, ".ZKD")) return PatternFileKind::Export;
  return PatternFileKind::AllZones;
}

}  // namespace hl::cli

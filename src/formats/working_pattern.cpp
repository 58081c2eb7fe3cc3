#include "formats/working_pattern.h"

#include <filesystem>

#include "formats/project_files.h"
#include "model/controller_profiles.h"
#include "platform/paths.h"

namespace hl {
namespace {

// A free name beside path for its damaged copy; "" when none is found.
std::string moveAside(const std::string& path) {
  namespace fs = std::filesystem;
  for (int attempt = 1; attempt < 100; ++attempt) {
    const std::string target = path + ".damaged" + (attempt == 1 ? std::string() : std::to_string(attempt));
    std::error_code ec;
    if (fs::exists(target, ec) || ec) continue;
    fs::rename(path, target, ec);
    return ec ? std::string() : target;
  }
  return {};
}

}  // namespace

std::string workingPatternPath(const std::string& startupDir, FamilyMode mode) {
  return joinPath(startupDir, std::string(workingPatternFile(mode)));
}

std::string writeWorkingPattern(const std::string& path, const Project& project, const EncoderInputs& inputs) {
  return writePatternFile(path, encodeAllZonesFile(project, inputs));
}

WorkingPatternRestore restoreWorkingPattern(Project& project, const std::string& path) {
  WorkingPatternRestore restore;
  const PatternFileResult read = readPatternFile(project, path, {PatternReadUse::WorkingPattern, 0});
  restore.reason = read.reason;
  switch (read.status) {
    case PatternFileResult::Status::Read:
      restore.outcome = WorkingPatternRestore::Outcome::Restored;
      break;
    case PatternFileResult::Status::Missing:
      restore.outcome = WorkingPatternRestore::Outcome::Missing;
      break;
    case PatternFileResult::Status::Unreadable:
      restore.outcome = WorkingPatternRestore::Outcome::Unreadable;
      restore.movedTo = moveAside(path);
      break;
    case PatternFileResult::Status::Malformed:
      restore.outcome = WorkingPatternRestore::Outcome::Damaged;
      restore.movedTo = moveAside(path);
      break;
  }
  return restore;
}

}  // namespace hl

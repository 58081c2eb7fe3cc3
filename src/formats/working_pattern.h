#pragma once
// The working pattern: the ten zones kept between runs in the start-up
// directory, one file per controller family (workingPatternFile), with the
// content of an all-zones pattern file.
#include <string>

#include "formats/pattern_image.h"

namespace hl {

std::string workingPatternPath(const std::string& startupDir, FamilyMode mode);

// Writes the ten zones' file images through a temporary file renamed over
// the old one: "" or the system's reason.
std::string writeWorkingPattern(const std::string& path, const Project& project, const EncoderInputs& inputs);

struct WorkingPatternRestore {
  enum class Outcome {
    Restored,
    Missing,     // no file yet: not an error, nothing changes
    Unreadable,  // the file could not be read: nothing changes, it is moved aside
    Damaged,     // the file failed the check: nothing changes, it is moved aside
  };
  Outcome outcome = Outcome::Restored;
  std::string reason;   // the system's text or the problem in words
  std::string movedTo;  // Damaged: where the file now is ("" when the rename failed)
};

// Reads the working pattern into zones 0-9. A damaged or unreadable file is
// renamed aside (path + ".damaged", or ".damaged2" and on when taken) so
// that the next shutdown does not overwrite the only copy.
WorkingPatternRestore restoreWorkingPattern(Project& project, const std::string& path);

}  // namespace hl

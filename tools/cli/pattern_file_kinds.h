#pragma once
// What the file commands need to know about a pattern file from its name.
#include <string>

namespace hl::cli {

enum class PatternFileKind {
  AllZones,  // .Aled and the working-pattern files: ten file images
  OneZone,   // .led: one file image
  Export,    // .ZKD: one upload image
};

// By extension, without regard to letter case; anything that is neither
// .led nor .ZKD holds ten images like .Aled and the working-pattern files.
PatternFileKind patternFileKind(const std::string& path);
bool hasExtension(const std::string& path, const std::string& extension);

}  // namespace hl::cli

#pragma once
// Pattern files the user saves, opens and exports: .Aled (the ten zones'
// file images back to back), .led (one zone's file image) and .ZKD (one
// zone's upload image, port pairs merged). The window's buttons and the
// command-line tool both go through these functions.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formats/pattern_image.h"
#include "formats/pattern_reader.h"

namespace hl {

inline constexpr std::string_view kAllZonesExtension = ".Aled";
inline constexpr std::string_view kOneZoneExtension = ".led";
inline constexpr std::string_view kExportExtension = ".ZKD";

// Images of a file, in file order.
using PatternFileImages = std::vector<PatternImage>;

PatternFileImages encodeAllZonesFile(const Project& project, const EncoderInputs& inputs);
PatternFileImages encodeOneZoneFile(const Project& project, const EncoderInputs& inputs, int zone);
PatternFileImages encodeExportFile(const Project& project, const EncoderInputs& inputs, int zone);

// Writes the images back to back as the whole file: "" or the system's reason.
std::string writePatternFile(const std::string& path, const PatternFileImages& images);

// The path with its extension replaced by extension (added when it has none).
std::string withExtension(const std::string& path, std::string_view extension);

// The export dialog's preset file name for a controller model.
std::string exportPresetName(int model);

// Reads a pattern file into the project after checking it whole.
struct PatternFileResult {
  enum class Status { Read, Missing, Unreadable, Malformed };
  Status status = Status::Read;
  std::string reason;                   // system text (Missing, Unreadable) or the problem in words (Malformed)
  std::optional<ImageProblem> problem;  // set when Malformed
  std::vector<ImageHeader> headers;
};
PatternFileResult readPatternFile(Project& project, const std::string& path, const PatternReadRequest& request);

}  // namespace hl

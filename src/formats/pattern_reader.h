#pragma once
// Reading pattern images back into zones of the project.
//
// A file is checked completely before anything changes: every image must lie
// wholly inside the bytes, write no row or column outside the project's
// store, and a ten-image use must find ten images. A file that fails leaves
// the project exactly as it was and gives the first problem found.
//
// What a read keeps: the zone's end action, the selected model, the lamp
// count and the chip are never taken from an image. Cells, frame times and
// units outside what an image covers keep their values (the zone is not
// cleared first). Settings go to the record of the zone's own index.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "formats/image_layout.h"
#include "model/project.h"

namespace hl {

enum class PatternReadUse {
  WorkingPattern,  // ten images into zones 0-9; zero default times replaced;
                   // a SingleBank single-colour zone takes its first 3 colour bytes
  AllZones,        // ten images into zones 0-9; zero default times replaced
  OneZone,         // one image into the target zone; default times stored as read
};

struct PatternReadRequest {
  PatternReadUse use = PatternReadUse::AllZones;
  int firstZone = 0;  // zone of the first image: 0 for ten images
};

int imageCountOf(PatternReadUse use);

// The first thing wrong with a file's bytes.
struct ImageProblem {
  enum class Kind {
    EndsInsideImage,  // the bytes end before the image does
    TooManyRows,      // the image's channels reach beyond the store's rows
    TooManyFrames,    // its frame count reaches beyond the store's columns
    TooFewImages,     // a ten-image file ends cleanly after fewer images
    ZoneOutOfRange,   // more images than zones after the first target zone
  };
  Kind kind;
  int image = 0;           // 0-based image concerned (for TooFewImages: images found)
  std::size_t offset = 0;  // where that image starts
  long long value = 0;     // the count found: rows, frames or bytes missing
};

// One image found in a byte stream.
struct ImageSpan {
  std::size_t offset = 0;
  std::size_t size = 0;
  ImageHeader header;
};

struct ImageWalk {
  std::vector<ImageSpan> images;
  std::optional<ImageProblem> problem;
};

// Colour bytes a reader takes from each record of a zone: whole channel
// triples of the channel-bytes field.
inline std::size_t recordColourBytes(int channelBytes) { return 3 * std::size_t(channelBytes / 3); }

// Finds consecutive images from the start of bytes: at most maxImages, or as
// many as the bytes hold when maxImages is 0. Merged records (an upload
// image of a port pair) carry the colour bytes twice. Checks only that each
// image lies inside the bytes.
ImageWalk walkPatternImages(std::span<const std::uint8_t> bytes, int maxImages, bool mergedRecords);

// Checks bytes for a use and zone target under the project's family mode.
std::optional<ImageProblem> checkPatternImages(std::span<const std::uint8_t> bytes, const PatternReadRequest& request,
                                               FamilyMode mode);

struct PatternReadResult {
  std::optional<ImageProblem> problem;  // set: nothing was changed
  std::vector<ImageHeader> headers;     // of the images read, in order
};

// Checks, then reads the images into consecutive zones from request.firstZone.
PatternReadResult ReadPatternImages(Project& project, std::span<const std::uint8_t> bytes,
                                    const PatternReadRequest& request);

}  // namespace hl

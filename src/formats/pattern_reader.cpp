#include "formats/pattern_reader.h"

#include <algorithm>

#include "model/family_rules.h"

namespace hl {
namespace {

constexpr int kMaxRowsRead = kStoreRows - kFirstChannelRow;        // rows 3..1029
constexpr int kMaxFramesRead = kStoreColumns - kFirstFrameColumn;  // columns 2..20499
constexpr int kReplacedZeroDefaults[kDefaultTimeCount] = {100, 500, 1000, 2000, 2500};
// Records read per pass, so each row's cells of a block are written in one run.
constexpr int kColumnBlock = 64;

// How one image's colour bytes land in its zone.
struct ZoneFill {
  bool levels = false;  // one byte per row, else a colour triple per row
  int rows = 0;         // rows written, from kFirstChannelRow on
};

ZoneFill fillOf(FamilyMode mode, PatternReadUse use, int zone, int channelBytes) {
  const int triples = channelBytes / 3;
  if (mode == FamilyMode::SingleBank && zone < 5) {
    if (use == PatternReadUse::WorkingPattern) return {true, std::min(3, 3 * triples)};
    return {true, 3 * triples};
  }
  if (mode == FamilyMode::SingleAlternate && isSingleColourZone(mode, zone)) return {true, 3 * triples};
  return {false, triples};
}

std::size_t recordSize(int channelBytes, bool merged) {
  return kFrameTimeBytes + recordColourBytes(channelBytes) * (merged ? 2 : 1);
}

void readSettings(ZoneSettings& settings, const ImageHeader& header, bool replaceZeroDefaults) {
  for (int k = 0; k < kDefaultTimeCount; ++k) {
    DefaultTime time = header.defaultTimes[k];
    if (replaceZeroDefaults && time.value == 0) time.value = kReplacedZeroDefaults[k];
    settings.defaultTimes[k] = time;
  }
  settings.loopMode = header.loopMode;
  settings.loopCount = header.loopCount;
}

void readFrames(Project& project, int zone, const ImageSpan& image, const ZoneFill& fill,
                std::span<const std::uint8_t> bytes) {
  const std::size_t size = recordSize(image.header.channelBytes, false);
  const std::uint8_t* records = bytes.data() + image.offset + kImageHeaderBytes;
  const int frames = image.header.frameCount;
  for (int f = 0; f < frames; ++f) {
    const std::uint8_t* record = records + size * std::size_t(f);
    project.setFrameTime(zone, kFirstFrameColumn + f, getU16(record), record[2]);
  }
  const int bytesPerRow = fill.levels ? 1 : 3;
  CellColor cells[kColumnBlock];
  for (int f0 = 0; f0 < frames; f0 += kColumnBlock) {
    const int count = std::min(frames - f0, kColumnBlock);
    for (int r = 0; r < fill.rows; ++r) {
      const std::uint8_t* at = records + size * std::size_t(f0) + kFrameTimeBytes + std::size_t(r) * bytesPerRow;
      for (int i = 0; i < count; ++i, at += size) {
        // File images hold green, blue, red.
        cells[i] = fill.levels ? at[0] : (at[2] | (at[0] << 8) | (at[1] << 16));
      }
      project.writeCellRun(zone, kFirstChannelRow + r, kFirstFrameColumn + f0, count, cells);
    }
  }
}

}  // namespace

int imageCountOf(PatternReadUse use) { return use == PatternReadUse::OneZone ? 1 : kZoneSlots; }

ImageWalk walkPatternImages(std::span<const std::uint8_t> bytes, int maxImages, bool mergedRecords) {
  ImageWalk walk;
  std::size_t offset = 0;
  for (int i = 0; maxImages == 0 || i < maxImages; ++i) {
    if (maxImages == 0 && offset == bytes.size()) break;
    const std::size_t left = bytes.size() - offset;
    if (left < kImageHeaderBytes) {
      const bool cleanEnd = left == 0 && (i > 0 || maxImages > 1);
      walk.problem = cleanEnd ? ImageProblem{ImageProblem::Kind::TooFewImages, i, offset, i}
                              : ImageProblem{ImageProblem::Kind::EndsInsideImage, i, offset,
                                             static_cast<long long>(kImageHeaderBytes - left)};
      return walk;
    }
    const ImageHeader header = parseImageHeader(bytes.data() + offset);
    const std::size_t size = kImageHeaderBytes + recordSize(header.channelBytes, mergedRecords) * header.frameCount;
    if (size > left) {
      walk.problem = ImageProblem{ImageProblem::Kind::EndsInsideImage, i, offset, static_cast<long long>(size - left)};
      return walk;
    }
    walk.images.push_back({offset, size, header});
    offset += size;
  }
  return walk;
}

std::optional<ImageProblem> checkPatternImages(std::span<const std::uint8_t> bytes, const PatternReadRequest& request,
                                               FamilyMode mode) {
  const int count = imageCountOf(request.use);
  if (request.firstZone < 0 || request.firstZone + count > kZoneSlots)
    return ImageProblem{ImageProblem::Kind::ZoneOutOfRange, 0, 0, request.firstZone};
  ImageWalk walk = walkPatternImages(bytes, count, false);
  if (walk.problem) return walk.problem;
  for (int i = 0; i < count; ++i) {
    const ImageSpan& image = walk.images[std::size_t(i)];
    const ZoneFill fill = fillOf(mode, request.use, request.firstZone + i, image.header.channelBytes);
    if (fill.rows > kMaxRowsRead) return ImageProblem{ImageProblem::Kind::TooManyRows, i, image.offset, fill.rows};
    if (image.header.frameCount > kMaxFramesRead)
      return ImageProblem{ImageProblem::Kind::TooManyFrames, i, image.offset, image.header.frameCount};
  }
  return std::nullopt;
}

PatternReadResult ReadPatternImages(Project& project, std::span<const std::uint8_t> bytes,
                                    const PatternReadRequest& request) {
  PatternReadResult result;
  result.problem = checkPatternImages(bytes, request, project.familyMode);
  if (result.problem) return result;
  const ImageWalk walk = walkPatternImages(bytes, imageCountOf(request.use), false);
  const bool replaceZeroDefaults = request.use != PatternReadUse::OneZone;
  for (std::size_t i = 0; i < walk.images.size(); ++i) {
    const ImageSpan& image = walk.images[i];
    const int zone = request.firstZone + static_cast<int>(i);
    readSettings(project.zoneSettings(zone), image.header, replaceZeroDefaults);
    readFrames(project, zone, image, fillOf(project.familyMode, request.use, zone, image.header.channelBytes), bytes);
    result.headers.push_back(image.header);
  }
  return result;
}

}  // namespace hl

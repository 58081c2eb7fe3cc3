// The pattern image encoder.
//
// The image is built in memory rather than in a temporary file: there is no
// temporary-file failure that could silently drop a zone from a saved file,
// the bytes are produced once and handed on without a copy back from disk,
// and the size is bounded by the largest controller memory (64 MiB, and a
// zone of 1024 lamps at the 20003-column cap is about 61 MB), which fits in
// memory next to the project.
#include "formats/pattern_image.h"

#include <algorithm>

#include "formats/image_layout.h"
#include "model/family_rules.h"

namespace hl {
namespace {

// Bit positions of the three colour bytes in a CellColor, in the order they
// are written: index = colour order 0 RGB, 1 RBG, 2 GRB, 3 GBR, 4 BGR, 5 BRG.
constexpr int kRed = 0, kGreen = 8, kBlue = 16;
constexpr int kOrderShifts[6][3] = {
    {kRed, kGreen, kBlue}, {kRed, kBlue, kGreen}, {kGreen, kRed, kBlue},
    {kGreen, kBlue, kRed}, {kBlue, kGreen, kRed}, {kBlue, kRed, kGreen},
};
constexpr int kFileOrder = 3;     // file images: green, blue, red
constexpr int kDefaultOrder = 5;  // BRG, what the window starts with

// Columns encoded per pass: each row's cells of a block are read in one run
// while the block's records stay in cache.
constexpr int kColumnBlock = 64;

int clampedLampCount(int lampCount) { return std::clamp(lampCount, 1, kMaxLampCount); }

// What one zone contributes to each frame record.
struct ZonePart {
  bool levels = false;  // one brightness byte per row instead of a colour triple
  int rows = 0;         // rows encoded, from kFirstChannelRow on
  int bytes = 0;        // colour bytes per record (the channel-bytes field)
};

ZonePart partOf(FamilyMode mode, int zone, int lamps) {
  if (mode == FamilyMode::SingleBank && zone < 5) return {true, 3, 3};
  if (mode == FamilyMode::SingleAlternate && isSingleColourZone(mode, zone)) return {true, 3 * lamps, 3 * lamps};
  return {false, lamps, 3 * lamps};
}

const int* shiftsFor(ImagePurpose purpose, int colourOrder) {
  if (purpose == ImagePurpose::File) return kOrderShifts[kFileOrder];
  const bool known = colourOrder >= 0 && colourOrder < 6;
  return kOrderShifts[known ? colourOrder : kDefaultOrder];
}

void writeHeader(std::uint8_t* h, const ZoneSettings& s, int channelBytes, int frameCount, const EncoderInputs& inputs,
                 FamilyMode mode) {
  putU16(h + kChannelBytesAt, channelBytes);
  putU16(h + kFrameCountAt, frameCount);
  for (int k = 0; k < kDefaultTimeCount; ++k) {
    putU16(h + kDefaultTimesAt + 3 * k, s.defaultTimes[k].value);
    putU8(h + kDefaultTimesAt + 3 * k + 2, s.defaultTimes[k].unit);
  }
  h[kReservedOneAt] = 1;
  putU8(h + kLoopModeAt, s.loopMode);
  putU16(h + kLoopCountAt, s.loopCount);
  putU8(h + kEndActionAt, s.endAction);
  putU8(h + kModelAt, inputs.model);
  if (inputs.model == 15) {
    static constexpr std::uint8_t kChipFlags[3][3] = {{0, 0, 0}, {0, 1, 0}, {1, 1, 1}};
    if (inputs.pixelChip >= 0 && inputs.pixelChip < 3) std::copy_n(kChipFlags[inputs.pixelChip], 3, h + kChipFlagsAt);
  }
  h[kReservedZeroAt] = 0;
  putU8(h + kFamilyModeAt, static_cast<int>(mode));
}

// Writes the colour data of columns c0..c1 of one zone into consecutive
// records; out points at this zone's part of the first record.
void writePart(const Project& project, int zone, const ZonePart& part, const int* shifts, int c0, int c1,
               std::uint8_t* out, std::size_t recordSize) {
  // Rows past the store (single-colour rows of a lamp count the store cannot
  // hold) stay 0, so every record keeps its size.
  const int rows = std::min(part.rows, kStoreRows - kFirstChannelRow);
  const int bytesPerRow = part.levels ? 1 : 3;
  const int count = c1 - c0 + 1;
  CellColor cells[kColumnBlock];
  for (int r = 0; r < rows; ++r) {
    project.readCellRun(zone, kFirstChannelRow + r, c0, count, cells);
    std::uint8_t* at = out + std::size_t(r) * bytesPerRow;
    if (part.levels) {
      for (int i = 0; i < count; ++i, at += recordSize) at[0] = static_cast<std::uint8_t>(cells[i]);
    } else {
      for (int i = 0; i < count; ++i, at += recordSize) {
        const auto v = static_cast<std::uint32_t>(cells[i]);
        at[0] = static_cast<std::uint8_t>(v >> shifts[0]);
        at[1] = static_cast<std::uint8_t>(v >> shifts[1]);
        at[2] = static_cast<std::uint8_t>(v >> shifts[2]);
      }
    }
  }
}

}  // namespace

int FindLastUsedColumn(const Project& project, int zone, int lampCount) {
  if (!Project::isZone(zone)) return 0;
  const int lamps = clampedLampCount(lampCount);
  // The zone's own capacity as well as the grid shown: in SingleBank the grid
  // of a single-colour zone is narrower than a full-colour zone's, and a
  // full-colour zone must not lose its later frames while another is shown.
  const int zoneColumns = frameCapacity(project.memoryBytes, lamps, project.familyMode, zone);
  const int columns = std::min(kStoreColumns, std::max(project.frameColumns, zoneColumns));
  const int lastRow = std::min(lamps + 5, kStoreRows - 1);  // three rows beyond the last channel
  int result = 0;
  for (int row = 0; row <= lastRow; ++row) result = std::max(result, project.lastNonZeroColumn(zone, row, columns));
  return result;
}

bool HasAnyPattern(const Project& project, int lampCount) {
  for (int zone = 0; zone < kZoneSlots; ++zone)
    if (FindLastUsedColumn(project, zone, lampCount) > kFirstFrameColumn) return true;
  return false;
}

PatternImage EncodePatternImage(const Project& project, const EncoderInputs& inputs, int zone, ImagePurpose purpose,
                                bool mergePortPairs) {
  if (!Project::isZone(zone)) return {};
  const int lamps = clampedLampCount(inputs.lampCount);
  const FamilyMode mode = project.familyMode;
  const bool merged = mergePortPairs && mode == FamilyMode::PortPairs;
  if (merged) zone &= ~1;
  int last = FindLastUsedColumn(project, zone, lamps);
  if (merged) last = std::max(last, FindLastUsedColumn(project, zone + 1, lamps));

  const ZonePart part = partOf(mode, zone, lamps);
  const ZonePart pairPart = merged ? partOf(mode, zone + 1, lamps) : ZonePart{};
  const int frameCount = last != 0 ? last - 1 : 0;
  const std::size_t recordSize = kFrameTimeBytes + std::size_t(part.bytes) + std::size_t(pairPart.bytes);
  const int firstColumn = kFirstFrameColumn;
  const int records = last >= firstColumn ? last - firstColumn + 1 : 0;

  PatternImage image(kImageHeaderBytes + recordSize * std::size_t(records));
  writeHeader(image.data(), project.zoneSettings(zone), part.bytes, frameCount, inputs, mode);
  const int* shifts = shiftsFor(purpose, inputs.colourOrder);
  std::uint8_t* const records0 = image.data() + kImageHeaderBytes;
  for (int c = firstColumn; c <= last; ++c) {
    std::uint8_t* record = records0 + recordSize * std::size_t(c - firstColumn);
    const FrameTime time = project.frameTime(zone, c);
    putU16(record, time.value);
    putU8(record + 2, time.unit);
  }
  for (int c0 = firstColumn; c0 <= last; c0 += kColumnBlock) {
    const int c1 = std::min(last, c0 + kColumnBlock - 1);
    std::uint8_t* first = records0 + recordSize * std::size_t(c0 - firstColumn) + kFrameTimeBytes;
    writePart(project, zone, part, shifts, c0, c1, first, recordSize);
    if (merged) writePart(project, zone + 1, pairPart, shifts, c0, c1, first + part.bytes, recordSize);
  }
  return image;
}

}  // namespace hl

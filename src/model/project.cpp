#include "model/project.h"

#include <algorithm>

namespace hl {

namespace {

constexpr std::int32_t kInitialDefaultTimesMs[kDefaultTimeCount] = {1000, 800, 600, 400, 200};

}  // namespace

Project::Project() = default;

void Project::setCell(int zone, int row, int column, CellColor value) {
  if (!checkCell(zone, row, column)) return;
  cells_.set(cellLine(zone, row), column, value);
}

void Project::fillCells(int zone, int row0, int row1, int column0, int column1, CellColor value) {
  if (row0 > row1 || column0 > column1) return;
  // Both corners inside means the whole rectangle is.
  const bool inside = cellInStore(zone, row0, column0) && cellInStore(zone, row1, column1);
  assert(inside && "cell range outside the store");
  if (!inside) {
    if (!isZone(zone)) return;
    row0 = std::max(row0, 0);
    row1 = std::min(row1, kStoreRows - 1);
    column0 = std::max(column0, 0);
    column1 = std::min(column1, kStoreColumns - 1);
    if (row0 > row1 || column0 > column1) return;
  }
  cells_.fill(cellLine(zone, row0), cellLine(zone, row1), column0, column1, value);
}

void Project::readCellRun(int zone, int row, int column, int count, CellColor* out) const noexcept {
  if (count <= 0) return;
  if (!checkCell(zone, row, column) || !checkCell(zone, row, column + count - 1)) {
    std::fill_n(out, count, 0);
    return;
  }
  cells_.readRun(cellLine(zone, row), column, count, out);
}

void Project::writeCellRun(int zone, int row, int column, int count, const CellColor* in) {
  if (count <= 0) return;
  if (!checkCell(zone, row, column) || !checkCell(zone, row, column + count - 1)) return;
  cells_.writeRun(cellLine(zone, row), column, count, in);
}

int Project::lastNonZeroColumn(int zone, int row, int columnEnd) const noexcept {
  if (!checkCell(zone, row, 0)) return -1;
  return cells_.lastNotFallback(cellLine(zone, row), std::min(columnEnd, kStoreColumns));
}

void Project::setFrameTime(int zone, int column, std::int32_t value, std::int32_t unit) {
  if (!checkFrameTime(zone, column)) return;
  frameTimes_.set(zone, column, FrameTime{value, unit});
}

void Project::setFrameTimeValue(int zone, int column, std::int32_t value) {
  if (!checkFrameTime(zone, column)) return;
  frameTimes_.set(zone, column, FrameTime{value, frameTimes_.get(zone, column).unit});
}

void Project::setFrameTimeUnit(int zone, int column, std::int32_t unit) {
  if (!checkFrameTime(zone, column)) return;
  frameTimes_.set(zone, column, FrameTime{frameTimes_.get(zone, column).value, unit});
}

ZoneSettings& Project::zoneSettings(int index) noexcept {
  const bool inside = isZone(index);
  assert(inside && "settings index outside 0..9");
  if (!inside) {
    // Writes through this reference land in a record nobody reads.
    discardedSettings_ = {};
    return discardedSettings_;
  }
  return settings_[index];
}

const ZoneSettings& Project::zoneSettings(int index) const noexcept {
  static const ZoneSettings kNoSettings{};
  const bool inside = isZone(index);
  assert(inside && "settings index outside 0..9");
  return inside ? settings_[index] : kNoSettings;
}

void Project::resetProject() {
  for (ZoneSettings& settings : settings_) {
    settings.loopMode = LoopMode::Infinite;
    settings.loopCount = 0;
    settings.endAction = EndAction::NextZone;
  }
  cells_.clear();
  frameTimes_.clear();
}

void Project::initDefaultTimes() {
  for (ZoneSettings& settings : settings_) {
    for (int i = 0; i < kDefaultTimeCount; ++i)
      settings.defaultTimes[i] = DefaultTime{kInitialDefaultTimesMs[i], DefaultTimeUnit::Milliseconds};
  }
}

void Project::clearZone(int zone) {
  const bool inside = isZone(zone);
  assert(inside && "zone outside 0..9");
  if (!inside) return;
  cells_.clearLines(cellLine(zone, 0), cellLine(zone, kStoreRows - 1));
  frameTimes_.clearLines(zone, zone);
}

void Project::applyFrameCapacity(int lampCount) {
  const int lamps = std::clamp(lampCount, 1, kMaxLampCount);
  frameColumns = frameCapacity(memoryBytes, lamps, familyMode, currentZone);
  gridRows = lamps + kFirstChannelRow;
}

}  // namespace hl

// Fuzz target of the pattern image reader: any bytes, read under any use,
// family and target zone, must be refused or read without touching memory
// outside the project, and the check must agree with the read.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "formats/pattern_reader.h"

namespace {

constexpr hl::FamilyMode kModes[] = {hl::FamilyMode::Standard, hl::FamilyMode::PortPairs, hl::FamilyMode::SingleBank,
                                     hl::FamilyMode::SingleAlternate};
constexpr hl::PatternReadUse kUses[] = {hl::PatternReadUse::WorkingPattern, hl::PatternReadUse::AllZones,
                                        hl::PatternReadUse::OneZone};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static hl::Project* project = new hl::Project;  // one store for all runs, as the window keeps one
  if (size < 1) return 0;
  // The first byte chooses family, use and target zone; the rest is the file.
  const std::uint8_t choice = data[0];
  const std::span<const std::uint8_t> bytes(data + 1, size - 1);
  project->familyMode = kModes[choice & 3];
  hl::PatternReadRequest request{kUses[(choice >> 2) % 3], 0};
  if (request.use == hl::PatternReadUse::OneZone) request.firstZone = (choice >> 4) % hl::kZoneSlots;

  const auto problem = hl::checkPatternImages(bytes, request, project->familyMode);
  const hl::PatternReadResult read = hl::ReadPatternImages(*project, bytes, request);
  if (problem.has_value() != read.problem.has_value()) std::abort();
  if (!read.problem && read.headers.size() != std::size_t(hl::imageCountOf(request.use))) std::abort();
  // The walk that describes files (merged upload images included) must hold up too.
  hl::walkPatternImages(bytes, 0, (choice & 0x80) != 0);
  return 0;
}

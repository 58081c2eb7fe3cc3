#pragma once
// Serial ports by number. The engine opens a port by its number (1..1024);
// the window shows device paths. The table gives every path a number the
// first time it is seen and keeps it for the life of the process, so a
// number always means the same device. Safe from any thread.
#include <optional>
#include <string>

namespace hl {

inline constexpr unsigned kMaxPortNumber = 1024;

// The number of a device path; a path not seen before is added when it names
// a character device (a listed port or one the user typed). nullopt for
// anything else, or when all numbers are taken.
std::optional<unsigned> portNumberOf(const std::string& devicePath);

// The device path of a number; empty when the number has none.
std::string portPathOf(unsigned number);

}  // namespace hl

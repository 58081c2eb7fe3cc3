#pragma once
// Option values the commands share.
#include <optional>
#include <string>

namespace hl::cli {

// A whole number in [low, high] written as the window takes it (strict
// integer conversion), or nullopt.
std::optional<int> integerIn(const std::string& text, int low, int high);

// Index 0..5 of a colour order name as the window lists them, or nullopt.
std::optional<int> colourOrderIndex(const std::string& name);
inline constexpr const char* kColourOrderNames = "RGB, RBG, GRB, GBR, BGR or BRG";
inline constexpr int kDefaultColourOrder = 5;  // BRG, the window's default

}  // namespace hl::cli

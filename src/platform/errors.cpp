#include "platform/errors.h"

#include <cctype>
#include <cstdint>
#include <optional>

namespace hl {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::optional<int> parseInteger(const std::string& text) {
  std::size_t i = 0, end = text.size();
  while (i < end && isBlank(text[i])) ++i;
  while (end > i && isBlank(text[end - 1])) --end;
  bool negative = false;
  if (i < end && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int base = 10;
  if (i < end && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < end && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i == end) return std::nullopt;
  std::int64_t value = 0;
  for (; i < end; ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    int digit;
    if (std::isdigit(c)) digit = c - '0';
    else if (base == 16 && std::isxdigit(c)) digit = std::tolower(c) - 'a' + 10;
    else return std::nullopt;
    value = value * base + digit;
    if (value > 0xFFFFFFFFll) return std::nullopt;
  }
  if (base == 16 && !negative) return static_cast<int>(static_cast<std::uint32_t>(value));
  if (negative) value = -value;
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<int>(value);
}

}  // namespace

int StrToInt(const std::string& text) {
  if (auto v = parseInteger(text)) return *v;
  throw EConvertError("'" + text + "' is not a valid integer value");
}

int StrToIntDef(const std::string& text, int fallback) { return parseInteger(text).value_or(fallback); }

std::string IntToStr(long long value) { return std::to_string(value); }

}  // namespace hl

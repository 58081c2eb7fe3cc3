#pragma once
// The exception types the toolkit raises and the strict integer conversion.
#include <stdexcept>
#include <string>

namespace hl {

// The application's general exception; its message is shown as it stands.
class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
};

// Raised by the strict integer conversion for text that is not an integer.
class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

// Raised when an ini file cannot be written.
class EIniFileException : public Exception {
 public:
  using Exception::Exception;
};

// Converts decimal text (optional surrounding blanks, optional sign) or
// hexadecimal text ("$1F" or "0x1F") to a 32-bit integer. Anything else,
// the empty text included, raises EConvertError with
// "'<text>' is not a valid integer value".
int StrToInt(const std::string& text);

// As StrToInt, but gives fallback instead of raising.
int StrToIntDef(const std::string& text, int fallback);

std::string IntToStr(long long value);

}  // namespace hl

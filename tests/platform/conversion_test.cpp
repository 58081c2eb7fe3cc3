// The strict integer conversion that every typed number goes through.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/errors.h"

namespace hl::test {
namespace {

struct ConversionCase {
  std::string text;
  std::optional<int> value;  // nullopt: the conversion error
};

class StrictConversion : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(StrictConversion, GivesTheValueOrRaisesTheConversionError) {
  const auto& c = GetParam();
  if (c.value) {
    EXPECT_EQ(StrToInt(c.text), *c.value);
  } else {
    try {
      StrToInt(c.text);
      FAIL() << "no error for '" << c.text << "'";
    } catch (const EConvertError& e) {
      EXPECT_EQ(std::string(e.what()), "'" + c.text + "' is not a valid integer value");
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Toolkit, StrictConversion,
                         ::testing::Values(ConversionCase{"12", 12}, ConversionCase{"-7", -7}, ConversionCase{"+3", 3},
                                           ConversionCase{" 42 ", 42}, ConversionCase{"$1F", 31},
                                           ConversionCase{"0x10", 16}, ConversionCase{"2147483647", 2147483647},
                                           ConversionCase{"-2147483648", -2147483647 - 1},
                                           ConversionCase{"2147483648", std::nullopt}, ConversionCase{"", std::nullopt},
                                           ConversionCase{"  ", std::nullopt}, ConversionCase{"1a", std::nullopt},
                                           ConversionCase{"abc", std::nullopt}, ConversionCase{"1.5", std::nullopt},
                                           ConversionCase{"-", std::nullopt}, ConversionCase{"１２", std::nullopt}));

TEST(StrictConversion, DefaultVariantNeverRaises) {
  EXPECT_EQ(StrToIntDef("x", 9), 9);
  EXPECT_EQ(StrToIntDef("10", 9), 10);
}

}  // namespace
}  // namespace hl::test

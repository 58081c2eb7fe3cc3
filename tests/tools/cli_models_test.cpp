// hueloom-cli models: what a script reads about each controller model.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace hl::test {
namespace {

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

TEST(CliModels, PrintsOneTabSeparatedLinePerModel) {
  std::ostringstream out, err;
  ASSERT_EQ(cli::runCommand({"models"}, out, err), 0);
  EXPECT_EQ(err.str(), "");
  const auto rows = lines(out.str());
  ASSERT_EQ(rows.size(), 16u);
  const std::pair<int, std::string> expected[] = {
      {0, "0\tZK-A\t1,2,3,4,5,6\t1024\t589824\tStandard\t500\t5\t20001\t189"},
      {1, "1\tZK-B\t1\t1024\t6160000\tStandard\t500\t-\t20001\t2001"},
      {5, "5\tZK-Q2\t1,2\t1024\t67108864\tPortPairs\t1500\t1\t20001\t20001"},
      {10, "10\tZK-QD-50-单\t1单,2单,3单,4单,5单,1幻,2幻,3幻,4幻\t50 fixed\t122000\tSingleBank\t200\t8\t401\t401"},
      {11, "11\tZK-QD-50-全\t1单,1幻,2单,2幻,3单,3幻,4单,4幻\t50 fixed\t122000\tSingleAlternate\t200\t8\t401\t401"},
      {13, "13\tZK-N30\t1\t30 fixed\t4300\tStandard\t55\t1\t709\t43"},
      {14, "14\tZK-Jn-DMX\t1,2\t128/170\t2003807\tStandard\t1500\t2\t20001\t3904"},
  };
  for (const auto& [model, line] : expected) EXPECT_EQ(rows[static_cast<std::size_t>(model)], line);
}

TEST(CliModels, HelpAndBadArguments) {
  std::ostringstream out, err;
  EXPECT_EQ(cli::runCommand({"models", "--help"}, out, err), 0);
  EXPECT_NE(out.str().find("usage: hueloom-cli models"), std::string::npos);
  EXPECT_EQ(cli::runCommand({"models", "extra"}, out, err), 1);
  EXPECT_EQ(lines(err.str()).size(), 1u);
  EXPECT_EQ(cli::runCommand({}, out, err), 1);
}

}  // namespace
}  // namespace hl::test

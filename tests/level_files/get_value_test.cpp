#include "game/ObjectLine/get_value.h"

#include <gtest/gtest.h>

namespace {

struct Case {
  const char* text;
  int n;
  const char* expected;
};

void PrintTo(const Case& c, std::ostream* os) { *os << '"' << c.text << "\" field " << c.n; }

class GetValueTest : public testing::TestWithParam<Case> {};

TEST_P(GetValueTest, SplitsTheValue) {
  const Case& c = GetParam();
  std::string result = "stale";
  GetValue(c.text, c.n, result);
  EXPECT_EQ(result, c.expected) << c.text << " field " << c.n;
  EXPECT_EQ(GetValue(c.text, c.n), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, GetValueTest,
    testing::Values(
        // whole value
        Case{"4=39,1,49", -1, "39,1,49"}, Case{"4=39,1,49", -7, "39,1,49"}, Case{"no equals,here", -1, "no equals,here"},
        Case{"k=", -1, ""}, Case{"a=b=c", -1, "b=c"},
        // fields
        Case{"4=39,1,49", 0, "39"}, Case{"4=39,1,49", 1, "1"}, Case{"4=39,1,49", 2, "49"}, Case{"A=B", 0, "B"},
        Case{"=x,y", 1, "y"}, Case{"x,y", 1, "y"}, Case{"k= a , b", 1, " b"}, Case{"k=1,a=b,3", 1, "a=b"},
        // missing fields
        Case{"4=39,1,49", 3, ""}, Case{"4=39,1,49", 100, ""}, Case{"k=", 0, ""}, Case{"k=", 1, ""},
        // empty fields
        Case{"7=16,1,,2", 2, ""}, Case{"7=16,1,,2", 3, "2"}, Case{"40=40,1,", 2, ""}, Case{"k=,", 0, ""}));

}  // namespace

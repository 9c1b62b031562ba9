#include "core/text_primitives.h"

#include <gtest/gtest.h>

namespace quorrel {
namespace {

TEST(NumberToText, ThirteenDigitsThreeDigitExponent)
{
    const struct {
        const char* name;
        double value;
        Text expected;
    } cases[] = {
        {"one", 1.0, "1"},
        {"two", 2.0, "2"},
        {"ten", 10.0, "10"},
        {"million", 1000000.0, "1000000"},
        {"above-32-bits", 4294967296.0, "4294967296"},
        {"largest-fixed", 9999999999999.0, "9999999999999"},
        {"smallest-exponent", 10000000000000.0, "1e+013"},
        {"exponent-digits", 12345678901234.0, "1.234567890123e+013"},
        {"rounds-up-into-exponent", 99999999999999.0, "1e+014"},
        {"half", 0.5, "0.5"},
        {"negative", -2.0, "-2"},
        {"smallest-fixed", 0.0001, "0.0001"},
        {"negative-exponent", 0.00001, "1e-005"},
        {"third", 1.0 / 3.0, "0.3333333333333"},
        {"two-thirds-rounds-up", 2.0 / 3.0, "0.6666666666667"},
        {"zero", 0.0, "0"},
        {"fraction-of-large", 123456.789, "123456.789"},
        {"big-exponent", 1e300, "1e+300"},
        {"tiny", 1.5e-300, "1.5e-300"},
        // 0.1 + 0.2 is 0.30000000000000004: its 17 digits round to 13 as 0.3.
        {"seventeen-digit-rounding", 0.1 + 0.2, "0.3"},
        // The double lies just below ...5515; its 17 digits end in ...5515000,
        // and a 14th digit of 5 rounds up.
        {"rounds-twice", 9448348.9585515, "9448348.958552"},
        // An exact half rounds up, never to even.
        {"half-rounds-up", 13909734069405.0, "1.390973406941e+013"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(numberToText(c.value), c.expected);
    }
}

TEST(NumberToText, RowNumbersArePlainDigits)
{
    for (int row = 0; row < 200000; row += 997)
        EXPECT_EQ(numberToText(row + 1.0), std::to_string(row + 1));
}

}  // namespace
}  // namespace quorrel

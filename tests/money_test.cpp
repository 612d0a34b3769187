// Money arithmetic and the "$####.00" format.
#include "money.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include <sysexits.h>

namespace spinzaro {
namespace {

TEST(MoneyFormat, ShowsSignDollarsAndRoundedCentsWithNoDigitBeforeThePointUnderADollar)
{
    EXPECT_EQ(formatMoney(Money()), "$.00");
    EXPECT_EQ(formatMoney(Money::dollars(1)), "$1.00");
    EXPECT_EQ(formatMoney(Money::dollars(10000)), "$10000.00");
    EXPECT_EQ(formatMoney(Money::dollars(-10000)), "-$10000.00");
    EXPECT_EQ(formatMoney(Money::fromUnits(5'000)), "$.50");
    EXPECT_EQ(formatMoney(Money::fromUnits(-5'000)), "-$.50");
    EXPECT_EQ(formatMoney(Money::fromUnits(12'345'600)), "$1234.56");
    // Below a cent rounds to whole cents, and to zero without a sign.
    EXPECT_EQ(formatMoney(Money::fromUnits(49)), "$.00");
    EXPECT_EQ(formatMoney(Money::fromUnits(-49)), "$.00");
    EXPECT_EQ(formatMoney(Money::fromUnits(9'950)), "$1.00");
    EXPECT_EQ(formatMoney(Money::fromUnits(std::numeric_limits<std::int64_t>::max())), "$922337203685477.58");
    EXPECT_EQ(formatMoney(Money::fromUnits(std::numeric_limits<std::int64_t>::min())), "-$922337203685477.58");
}

using MoneyOverflowDeathTest = ::testing::Test;

// With the system's status for an internal fault, EX_SOFTWARE (70), which a
// caller tells apart from a window that could not open (1) or a refused
// command line (2).
TEST_F(MoneyOverflowDeathTest, EndsTheProgramWithAMessageInsteadOfWrapping)
{
    const Money largest = Money::fromUnits(std::numeric_limits<std::int64_t>::max());
    const Money smallest = Money::fromUnits(std::numeric_limits<std::int64_t>::min());
    const auto endsWithOverflow = ::testing::ExitedWithCode(EX_SOFTWARE);

    EXPECT_EXIT((void)(largest + Money::fromUnits(1)), endsWithOverflow, "money overflow in addition");
    EXPECT_EXIT((void)(smallest - Money::fromUnits(1)), endsWithOverflow, "money overflow in subtraction");
    EXPECT_EXIT((void)(Money::fromUnits(0) - smallest), endsWithOverflow, "money overflow in subtraction");
    EXPECT_EXIT((void)(largest * 2), endsWithOverflow, "money overflow in multiplication");
    EXPECT_EXIT((void)(smallest * -1), endsWithOverflow, "money overflow in multiplication");
    EXPECT_EXIT((void)Money::dollars(std::numeric_limits<std::int64_t>::max() / 1000), endsWithOverflow,
                "money overflow");

    // Right at the limits nothing overflows.
    EXPECT_EQ((largest - Money::fromUnits(1)) + Money::fromUnits(1), largest);
    EXPECT_EQ(smallest + largest, Money::fromUnits(-1));
    EXPECT_EQ(Money::fromUnits(std::numeric_limits<std::int64_t>::max() / 100) * 100,
              Money::fromUnits(std::numeric_limits<std::int64_t>::max() / 100 * 100));
}

}  // namespace
}  // namespace spinzaro

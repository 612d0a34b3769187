// Exact money arithmetic with overflow checks, and the money format.
#include "money.h"

#include <cstdio>
#include <cstdlib>

namespace spinzaro {

// The checked builtins of GCC and Clang give exact overflow detection for
// every sign combination, the minimum value included.

Money Money::dollars(std::int64_t wholeDollars)
{
    std::int64_t units = 0;
    if (__builtin_mul_overflow(wholeDollars, unitsPerDollar, &units))
        moneyOverflow("conversion from dollars");
    return Money(units);
}

Money operator+(Money a, Money b)
{
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a.units_, b.units_, &sum))
        moneyOverflow("addition");
    return Money(sum);
}

Money operator-(Money a, Money b)
{
    std::int64_t difference = 0;
    if (__builtin_sub_overflow(a.units_, b.units_, &difference))
        moneyOverflow("subtraction");
    return Money(difference);
}

Money operator*(Money a, std::int16_t factor)
{
    std::int64_t product = 0;
    if (__builtin_mul_overflow(a.units_, static_cast<std::int64_t>(factor), &product))
        moneyOverflow("multiplication");
    return Money(product);
}

std::string formatMoney(Money amount)
{
    const std::int64_t units = amount.units();
    // Work on the magnitude as unsigned so the most negative amount has one.
    const std::uint64_t magnitude =
        units < 0 ? 0 - static_cast<std::uint64_t>(units) : static_cast<std::uint64_t>(units);
    constexpr auto perDollar = static_cast<std::uint64_t>(Money::unitsPerDollar);
    constexpr std::uint64_t unitsPerCent = perDollar / 100;

    // Round half away from zero to whole cents; a carry may reach the dollars.
    const std::uint64_t cents = magnitude / unitsPerCent + (magnitude % unitsPerCent >= unitsPerCent / 2 ? 1 : 0);
    const std::uint64_t wholeDollars = cents / 100;
    const std::uint64_t centPart = cents % 100;

    std::string text;
    if (units < 0 && cents != 0)
        text += '-';
    text += '$';
    if (wholeDollars != 0)
        text += std::to_string(wholeDollars);
    text += '.';
    text += static_cast<char>('0' + centPart / 10);
    text += static_cast<char>('0' + centPart % 10);
    return text;
}

void moneyOverflow(const char* operation)
{
    std::fprintf(stderr, "Spinzaro: money overflow in %s; the amount cannot be represented.\n", operation);
    std::fflush(stderr);
    // _Exit, not exit: no destructor of a half-updated window may run after this.
    std::_Exit(moneyOverflowExitCode);
}

}  // namespace spinzaro

// Play money: exact fixed-point amounts and their on-screen format.
#pragma once

#include <cstdint>
#include <string>

namespace spinzaro {

// A signed amount counted in ten-thousandths of a dollar. Every operation is
// exact; a result outside the 64-bit range ends the program (see
// moneyOverflow) instead of wrapping.
class Money {
public:
    static constexpr std::int64_t unitsPerDollar = 10'000;

    constexpr Money() = default;
    static constexpr Money fromUnits(std::int64_t units) { return Money(units); }
    static Money dollars(std::int64_t wholeDollars);

    constexpr std::int64_t units() const { return units_; }

    friend Money operator+(Money a, Money b);
    friend Money operator-(Money a, Money b);
    friend Money operator*(Money a, std::int16_t factor);
    Money& operator+=(Money other) { return *this = *this + other; }

    friend constexpr bool operator==(Money, Money) = default;
    friend constexpr auto operator<=>(Money, Money) = default;

private:
    constexpr explicit Money(std::int64_t units) : units_(units) {}
    std::int64_t units_ = 0;
};

// Renders by the format "$####.00": optional minus, dollar sign, whole dollars
// without leading zeros (none at all for zero), a point, two cent digits.
std::string formatMoney(Money amount);

// Exit status of a program ended by a money overflow.
inline constexpr int moneyOverflowExitCode = 70;

// Writes a one-line report to standard error and ends the program. Never
// returns: an amount that cannot be represented must not reach the screen.
[[noreturn]] void moneyOverflow(const char* operation);

}  // namespace spinzaro

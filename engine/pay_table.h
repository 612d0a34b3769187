// What the symbols are worth: the seven pay lines, tested in table order.
#pragma once

#include "cues.h"
#include "window_operations.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace spinzaro {

// A symbol's value is the 1-based index of its picture in the image list.
enum class Symbol : std::int16_t { singleBar = 1, wild, doubleBar, bell, bonus, cherries, tripleBar, emblem };
inline constexpr int symbolCount = static_cast<int>(Symbol::emblem);  // the last entry

// In symbol order; also the stem of each picture's resource name.
inline constexpr std::array<std::string_view, symbolCount> symbolNames = {
    "singleBar", "wild", "doubleBar", "bell", "bonus", "cherries", "tripleBar", "emblem",
};

constexpr std::string_view symbolName(Symbol symbol)
{
    return symbolNames.at(static_cast<std::size_t>(symbol) - 1);
}

struct PayRow {
    Symbol symbol;
    std::int16_t multiplier;
    Cue cue;
    Picture prizePicture;
    std::int16_t amountLabel;  // element of lbAmount that shows the win
};

// Test order, not the order of the multipliers: the triple bar comes after the
// cherries, and the wild-only line comes last.
inline constexpr std::array<PayRow, 7> payTable = {{
    {Symbol::singleBar, 8, Cue::bell, Picture::imgCoins2, 2},
    {Symbol::doubleBar, 16, Cue::bell, Picture::imgCoins2, 3},
    {Symbol::bell, 30, Cue::bell, Picture::imgCoins2, 5},
    {Symbol::bonus, 50, Cue::bell, Picture::img50bill, 6},
    {Symbol::cherries, 100, Cue::police, Picture::img100Bill, 7},
    {Symbol::tripleBar, 24, Cue::bell, Picture::imgCoins2, 4},
    {Symbol::wild, 4, Cue::bell, Picture::imgCoins2, 0},
}};

// The multiplier of the row whose win lbAmount element shows, so the coin slot
// writes the same prizes the evaluation pays; 0 for element 1, which has no row.
constexpr std::int16_t amountMultiplier(int element)
{
    for (const PayRow& row : payTable)
        if (row.amountLabel == element)
            return row.multiplier;
    return 0;
}

// What the three reel windows show; empty where a window shows no symbol.
using ReelLine = std::array<std::optional<Symbol>, reelCount>;

// Every window shows the row's symbol or wild, and at least one shows the
// row's symbol. For the wild row this means three wilds and nothing else, so a
// wild line never pays a fruit row, and no row pays for the emblem.
constexpr bool rowMatches(const PayRow& row, const ReelLine& line)
{
    bool seenRowSymbol = false;
    for (const auto& shown : line) {
        if (!shown || (*shown != row.symbol && *shown != Symbol::wild))
            return false;
        seenRowSymbol = seenRowSymbol || *shown == row.symbol;
    }
    return seenRowSymbol;
}

}  // namespace spinzaro

// The words a screen reader hears of the window, in the player's language:
// symbols, pay lines, prizes, reels, tallies and buttons.
#pragma once

#include "window_operations.h"

#include <QString>

#include <optional>

namespace spinzaro {

// "single bar", "cherries": the symbol of an image-list entry as heard.
QString symbolWords(int entry);
// "bell bell bell" for the pay row lbAmount element shows; empty for none.
QString payLineWords(int amountElement);
// "bell bell bell pays $30.00": an lbAmount label as it is heard.
QString payRowWords(int amountElement, const QString& amount);
// "pay table", "coins", "fifty-dollar bill", "hundred-dollar bill".
QString pictureWords(Picture picture);
// "Reel 2: bell", or "Reel 2: empty" before it shows a symbol; reels count from 0.
QString reelWords(int reel, std::optional<int> entry);
// "Bets $3.00": a display box is heard by its heading and its amount.
QString tallyWords(const QString& heading, const QString& amount);
// The buttons, as heard.
QString coinSlotWords();
// The coin slot's tooltip and its longer description, naming its key.
QString coinSlotTip(const QString& key);
QString coinSlotDescription(const QString& key);
QString spinWords();
QString quitWords();

}  // namespace spinzaro

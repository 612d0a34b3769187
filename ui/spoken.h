// Everything a screen reader hears of the window, in the player's language:
// the words for symbols, pay lines, prizes, reels, tallies and buttons, and a
// win announced as the game makes it.
#pragma once

#include "window_operations.h"

#include <QString>
#include <QWidget>

#include <array>
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

// Says a win aloud: an alert that shows with the words and hides again. It
// takes no room and draws nothing. It learns of a win from the window
// operations the game makes: a prize shown, then one pay row shown alone
// and its amount written, all in one handler.
class Announcement : public QWidget {
    Q_OBJECT
public:
    explicit Announcement(QWidget* parent);
    void prizeShown(bool visible);
    void rowShown(int amountElement, bool visible);
    void amountWritten(int amountElement, const QString& amount);

private:
    void announceWin();

    std::optional<int> shownRow_;
    std::array<QString, amountLabelCount> amounts_;
};

// Lets assistive tools hear announcements as alerts.
void installAccessibility();

}  // namespace spinzaro

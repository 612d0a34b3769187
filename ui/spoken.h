// What a screen reader hears of the window: the words for symbols, pay
// lines and prizes, and the accessible side of the game's own widgets.
#pragma once

#include "window_operations.h"

#include <QString>
#include <QWidget>

namespace spinzaro {

// "single bar", "cherries": the symbol names as a listener hears them.
QString symbolWords(int entry);
// "bell bell bell" for the pay row lbAmount element shows; empty for none.
QString payLineWords(int amountElement);
// "bell bell bell pays $30.00": an lbAmount label as it is heard.
QString payRowWords(Label row, const QString& amount);
// "pay table", "coins", "fifty-dollar bill", "hundred-dollar bill".
QString pictureWords(Picture picture);

// Says a win aloud: an alert that shows with the words and hides again. It
// takes no room and draws nothing.
class Announcement : public QWidget {
    Q_OBJECT
public:
    explicit Announcement(QWidget* parent);
    void announce(const QString& words);
    void withdraw();
};

// Lets assistive tools hear announcements as alerts.
void installAccessibility();

}  // namespace spinzaro

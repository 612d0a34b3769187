// What assistive tools reach of the window: the news of the stake and of
// each round as the game makes it, and the decoration left out of their tree.
#pragma once

#include "window_operations.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>
#include <optional>

namespace spinzaro {

// A notification that shows with the words of a piece of news and hides
// again: a screen reader speaks a notification as it shows, wherever the
// focus is. It takes no room and draws nothing.
class Notice : public QWidget {
    Q_OBJECT
public:
    explicit Notice(QWidget* parent);
    void say(const QString& news);
    QString words() const { return words_; }

private:
    QString words_;
};

// Tells the player the game's news where a screen reader listens. The stake
// after a coin and a loss go to a notice. A win disables both buttons, and a
// disabled button hands its focus on, Spin to Quit and Quit to nothing; so
// the focus rests here meanwhile, on an object named with the win, which is
// what the reader says, and goes back where it was when a button comes back.
// It takes no room and draws nothing, and is hidden outside the pause.
class Announcement : public QWidget {
    Q_OBJECT
public:
    explicit Announcement(QWidget* parent);
    // A win is known from the window operations the game makes in one
    // handler: a prize shown, one pay row shown alone, its amount written,
    // then the balance written, which ends every round.
    void prizeShown(bool visible);
    void rowShown(int amountElement, bool visible);
    void amountWritten(int amountElement, const QString& amount);
    void balanceWritten(const QString& balance);
    // The stake's amount, after a coin.
    void stakeWritten(const QString& stake);
    // Before a button is disabled while it has the focus, and after one is enabled.
    void holdFocus(QWidget* holder);
    void buttonEnabled();

    QString words() const { return words_; }

private:
    void tell(const QString& news);

    bool won_ = false;
    std::optional<int> shownRow_;
    std::array<QString, amountLabelCount> amounts_;
    QString words_;
    QPointer<QWidget> heldFrom_;  // where the focus goes back to after a win
    Notice* notice_;
};

// Leaves a widget out of what assistive tools reach: decoration, a slot that
// never shows text, or a heading that is said with what it heads.
void leaveUnheard(QWidget* widget);

// Lets assistive tools hear the announcement and leaves the window's
// decoration and the headings, said with what they head, out of their tree.
void installAccessibility();

}  // namespace spinzaro
